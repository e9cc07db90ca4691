#include "games/phom/PhomService.h"

namespace zuno {

PhomService& PhomService::getInstance() {
    static PhomService* instance = new PhomService();  // lives for the whole run
    return *instance;
}

void PhomService::setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(56, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

}  // namespace zuno
