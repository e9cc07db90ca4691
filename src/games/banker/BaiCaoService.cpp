#include "games/banker/BaiCaoService.h"

#include "games/banker/BankerTableMessages.h"

namespace zuno {

BaiCaoService& BaiCaoService::getInstance() {
    static BaiCaoService* instance = new BaiCaoService();  // lives for the whole run
    return *instance;
}

void BaiCaoService::moveWithRoomId(int8_t roomId, int8_t boardId, std::span<const int8_t> cards) {
    sendTableRequest(BankerCommand::SC_MOVE, roomId, boardId, [&](Message& m) {
        for (int8_t card : cards) m.writeByte(card);
    });
}

void BaiCaoService::setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(BankerCommand::CS_SET_MAX_PLAYER, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

}  // namespace zuno
