#include "games/banker/XiZachService.h"

#include "games/banker/BankerTableMessages.h"

namespace zuno {

XiZachService& XiZachService::getInstance() {
    static XiZachService* instance = new XiZachService();  // lives for the whole run
    return *instance;
}

void XiZachService::moveWithRoomId(int8_t roomId, int8_t boardId, int8_t kindOf) {
    sendTableRequest(BankerCommand::SC_MOVE, roomId, boardId, [&](Message& m) { m.writeByte(kindOf); });
}

void XiZachService::xetBaiWithRoomId(int8_t roomId, int8_t boardId, int32_t player) {
    sendTableRequest(BankerCommand::CS_ADD_CARD, roomId, boardId, [&](Message& m) { m.writeInt(player); });
}

void XiZachService::setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(BankerCommand::CS_SET_MAX_PLAYER, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

}  // namespace zuno
