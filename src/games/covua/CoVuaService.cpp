#include "games/covua/CoVuaService.h"

namespace zuno {

CoVuaService& CoVuaService::getInstance() {
    static CoVuaService* instance = new CoVuaService();  // lives for the whole run
    return *instance;
}

void CoVuaService::answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept) {
    sendTableRequest(24, roomId, boardId, [&](Message& m) { m.writeBool(isAccept); });
}

void CoVuaService::requestLoseWithRoomId(int8_t roomId, int8_t boardId) { sendTableRequest(27, roomId, boardId); }

}  // namespace zuno
