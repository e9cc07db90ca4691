#include "games/cotuong/CoTuongService.h"

namespace zuno {

CoTuongService& CoTuongService::getInstance() {
    static CoTuongService* instance = new CoTuongService();  // lives for the whole run
    return *instance;
}

void CoTuongService::answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept) {
    sendTableRequest(24, roomId, boardId, [&](Message& m) { m.writeBool(isAccept); });
}

void CoTuongService::requestLoseWithRoomId(int8_t roomId, int8_t boardId) { sendTableRequest(27, roomId, boardId); }

}  // namespace zuno
