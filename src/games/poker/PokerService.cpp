#include "games/poker/PokerService.h"

#include "games/poker/PokerCommands.h"

namespace zuno {

PokerService& PokerService::getInstance() {
    static PokerService* instance = new PokerService();  // lives for the whole run
    return *instance;
}

void PokerService::sendSub(int8_t commandId, int8_t roomId, int8_t boardID, int8_t sub,
                           const std::function<void(Message&)>& write) const {
    sendTableRequest(commandId, roomId, boardID, [&](Message& m) {
        m.writeByte(sub);
        if (write) write(m);
    });
}

void PokerService::doBet(int8_t roomId, int8_t boardID, int32_t money) {
    sendSub(PokerCommand::SC_MOVE, roomId, boardID, PokerAction::BET, [&](Message& m) { m.writeInt(money); });
}

void PokerService::doRaise(int8_t roomId, int8_t boardID, int32_t money) {
    sendSub(PokerCommand::SC_MOVE, roomId, boardID, PokerAction::RAISE, [&](Message& m) { m.writeInt(money); });
}

void PokerService::doCall(int8_t roomId, int8_t boardID) { sendSub(PokerCommand::SC_MOVE, roomId, boardID, PokerAction::CALL); }
void PokerService::doCheck(int8_t roomId, int8_t boardID) { sendSub(PokerCommand::SC_MOVE, roomId, boardID, PokerAction::CHECK); }
void PokerService::doFold(int8_t roomId, int8_t boardID) { sendSub(PokerCommand::SC_MOVE, roomId, boardID, PokerAction::FOLD); }
void PokerService::doAllIn(int8_t roomId, int8_t boardID) { sendSub(PokerCommand::SC_MOVE, roomId, boardID, PokerAction::ALL_IN); }

void PokerService::doSendObserver(int8_t roomId, int8_t boardID, int8_t choice) {
    sendSub(PokerCommand::SC_POKER_COMMAND, roomId, boardID, PokerSub::OBSERVER, [&](Message& m) { m.writeByte(choice); });
}

void PokerService::doSit(int8_t roomId, int8_t boardID, int8_t seat) {
    sendSub(PokerCommand::SC_POKER_COMMAND, roomId, boardID, PokerSub::SIT, [&](Message& m) { m.writeByte(seat); });
}

void PokerService::doStandUp(int8_t roomId, int8_t boardID) {
    sendSub(PokerCommand::SC_POKER_COMMAND, roomId, boardID, PokerSub::STANDUP);
}

}  // namespace zuno
