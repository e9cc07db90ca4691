#include "games/poker/PokerService.h"

namespace zuno {

PokerService& PokerService::getInstance() {
    static PokerService* instance = new PokerService();  // lives for the whole run
    return *instance;
}

void PokerService::doSendObserver(int8_t roomId, int8_t boardId, int8_t choice) {
    sendTableRequest(82, roomId, boardId, [&](Message& m) {
        m.writeByte(12);
        m.writeByte(choice);
    });
}

}  // namespace zuno
