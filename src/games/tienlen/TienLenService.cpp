#include "games/tienlen/TienLenService.h"

namespace zuno {

TienLenService& TienLenService::getInstance() {
    static TienLenService* instance = new TienLenService();  // lives for the whole run
    return *instance;
}

void TienLenService::moveWithRoomId(int8_t roomId, int8_t boardId, std::span<const int8_t> cards) {
    sendTableRequest(21, roomId, boardId, [&](Message& m) {
        m.writeByte(static_cast<int8_t>(cards.size()));
        for (int8_t id : cards) m.writeByte(id);
    });
}

void TienLenService::skipWithRoomId(int8_t roomId, int8_t boardId) {
    sendTableRequest(49, roomId, boardId);
}

void TienLenService::forceFinishWithRoomId(int8_t roomId, int8_t boardId) { sendTableRequest(53, roomId, boardId); }

void TienLenService::setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(56, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

}  // namespace zuno
