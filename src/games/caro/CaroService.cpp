#include "games/caro/CaroService.h"

namespace zuno {

CaroService& CaroService::getInstance() {
    static CaroService* instance = new CaroService();  // lives for the whole run
    return *instance;
}

void CaroService::answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept) {
    sendTableRequest(24, roomId, boardId, [&](Message& m) { m.writeBool(isAccept); });
}

void CaroService::requestLoseWithRoomId(int8_t roomId, int8_t boardId) { sendTableRequest(27, roomId, boardId); }

}  // namespace zuno
