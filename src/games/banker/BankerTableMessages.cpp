#include "games/banker/BankerTableMessages.h"

#include "games/banker/BaiCaoPlayer.h"
#include "platform/core/Log.h"
#include "table/CardTableMessages.h"

namespace zuno {

namespace {
const CardTableSeats kBankerSeats{cardwire::kCardTableLastSeat, false, [] { return std::make_shared<BaiCaoPlayer>(); }};
}  // namespace

bool decodeSharedBankerMessage(Message& message, BankerTableLogicHandler& logic) {
    if (decodeSharedTableMessage(message, logic, kBankerSeats)) return true;
    using C = BankerCommand;
    using namespace cardwire;
    switch (message._commandId()) {
        case C::SC_SOMEONE_READY:
            guardCase("some one ready", [&] {
                int32_t playerId = message.readInt();
                bool isReady = message.readBool();
                logic.onSomeOneReadyWithId(playerId, isReady);
            });
            return true;
        case C::SC_OPPONENT_WANT_DRAW:
        case C::SC_BLOCKS_COMMAND:
            // Both report one player's stake; only the order of the two ints differs.
            guardCase(nullptr, [&] {
                const bool moneyFirst = message._commandId() == C::SC_OPPONENT_WANT_DRAW;
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t first = message.readInt();
                int32_t second = message.readInt();
                int32_t money = moneyFirst ? first : second;
                int32_t who = moneyFirst ? second : first;
                sys::Log::format(moneyFirst ? "SC_OPPONENT_WANT_DRAW %d" : "SC_BLOCKS_COMMAND %d", money);
                logic.onOwnerSetMoneyWithRoomeId(roomId, boardId, money, who);
            });
            return true;
        case C::SC_BONUS_MONEY:
            guardCase("SC_BONUS_MONEY", [&] { readBonusMoney(message, logic); });
            return true;
        case C::CHESS_COMMAND:
            guardCase("CHESS_COMMAND", [&] {
                int32_t who = message.readInt();
                logic.onDiemSoWithWho(who, readText(message));
            });
            return true;
        default:
            return false;
    }
}

}  // namespace zuno
