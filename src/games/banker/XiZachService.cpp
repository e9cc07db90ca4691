#include "games/banker/XiZachService.h"

namespace zuno {

XiZachService& XiZachService::getInstance() {
    static XiZachService* instance = new XiZachService();  // lives for the whole run
    return *instance;
}

void XiZachService::setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(56, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

}  // namespace zuno
