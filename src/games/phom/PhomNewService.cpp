#include "games/phom/PhomNewService.h"

namespace zuno {

PhomNewService& PhomNewService::getInstance() {
    static PhomNewService* instance = new PhomNewService();  // lives for the whole run
    return *instance;
}

void PhomNewService::setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max) {
    sendTableRequest(56, roomId, boardId, [&](Message& m) { m.writeByte(max); });
}

}  // namespace zuno
