#include "games/banker/BaiCaoService.h"

namespace zuno {

BaiCaoService& BaiCaoService::getInstance() {
    static BaiCaoService* instance = new BaiCaoService();  // lives for the whole run
    return *instance;
}

void BaiCaoService::setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(56, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

}  // namespace zuno
