#include "games/phom/PhomTableMessages.h"

#include <algorithm>

#include "platform/core/Log.h"
#include "table/CardTableMessages.h"

namespace zuno {

namespace {
TienLenPlayerPtr makeSeatPlayer() { return std::make_shared<TienLenPlayer>(); }
const CardTableSeats kPhomSeats{cardwire::kCardTableLastSeat, false, makeSeatPlayer, "", false};
const CardTableSeats kNewPhomSeats{cardwire::kCardTableLastSeat, false, makeSeatPlayer, "SOMEONE JOIN BOARD", true};
}  // namespace

PhomLaidCards readLaidCards(Message& message) {
    PhomLaidCards cards;
    cards.fill(-1);
    std::vector<int8_t> read = cardwire::readRest(message, cards.size());
    std::copy(read.begin(), read.end(), cards.begin());
    return cards;
}

bool decodeSharedPhomMessage(Message& message, PhomTableLogicHandler& logic, PhomGame game) {
    if (decodeSharedTableMessage(message, logic, game == PhomGame::Phom ? kPhomSeats : kNewPhomSeats)) return true;
    using C = PhomCommand;
    using namespace cardwire;
    switch (message._commandId()) {
        case C::SC_SOMEONE_READY:
            guardCase("some one ready", [&] {
                int32_t playerId = message.readInt();
                bool isReady = message.readBool();
                if (game == PhomGame::Phom) sys::Log::format("san sang %d", isReady);
                logic.onSomeOneReadyWithId(playerId, isReady);
            });
            return true;
        case C::SC_SET_MONEY:
            guardCase("set money", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t money = message.readInt();
                logic.onOwnerSetMoneyWithRoomeId(roomId, boardId, money);
            });
            return true;
        case C::SC_MOVE:
            guardCase("SC_MOVE_PHOM ", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t currentP = message.readInt();
                int32_t firstP = message.readInt();
                int8_t cardFire = readByte(message);
                int8_t numCard = message.readByte();
                logic.onMoveWithRoomId(roomId, boardId, currentP, firstP, cardFire, numCard);
            });
            return true;
        case C::SC_SKIP:
            guardCase("Skip tien len", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t curPlayer = message.readInt();
                int32_t firHa = message.readInt();
                logic.onSkipWithRoomId(roomId, boardId, curPlayer, firHa);
            });
            return true;
        case C::SC_BONUS_MONEY:
            guardCase("SC_BONUS_MONEY", [&] { readBonusMoney(message, logic); });
            return true;
        case C::SC_ONE_WIN:
            guardCase(" SC_ONE_WIN", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t money = message.readInt();
                logic.onOnceWin(roomId, boardId, money);
            });
            return true;
        default:
            return false;
    }
}

}  // namespace zuno
