#include "games/poker/PokerMessageHandler.h"

#include "games/poker/PokerCommands.h"
#include "platform/core/Log.h"
#include "screens/BoardView.h"
#include "table/CardTableMessages.h"

namespace zuno {

namespace {
using namespace cardwire;
using Ints = PokerLogicHandler::Ints;
using Cards = PokerLogicHandler::Cards;

// What the table shows at most: pots, community cards, and the cards of a showdown or own result
// (five best cards and two hole cards).
constexpr size_t kMostPots = 8;
constexpr size_t kMostCommunityCards = 5;
constexpr size_t kMostResultCards = 7;
constexpr int kHoleCards = 2;
constexpr int kFlopCards = 3;

const CardTableSeats kPokerSeats{kPokerLastSeat, true, [] { return std::make_shared<TienLenPlayer>(); }};

Ints readIntsToEnd(Message& message, size_t keep = SIZE_MAX) {
    Ints values;
    while (message.available()) {
        int32_t v = message.readInt();
        if (values.size() < keep) values.push_back(v);
    }
    return values;
}

// A counted list of pots: read while the count lasts and bytes remain, never sized by the count.
Ints readPots(Message& message) {
    const int32_t n = message.readInt();
    Ints pots;
    for (int32_t i = 0; i < n && message.available(); ++i) {
        int32_t pot = message.readInt();
        if (pots.size() < kMostPots) pots.push_back(pot);
    }
    return pots;
}

// Groups of (user id, stack) to the end of the message.
void readUserStacks(Message& message, Ints& users, Ints& stacks) {
    while (message.available()) {
        users.push_back(message.readInt());
        stacks.push_back(message.readInt());
    }
}

struct Betting {
    int32_t curUser = 0, money = 0, stack = 0, nextUserID = 0;
    Ints action;
};

Betting readBetting(Message& message) {
    Betting b;
    b.curUser = message.readInt();
    b.money = message.readInt();
    b.stack = message.readInt();
    b.nextUserID = message.readInt();
    b.action = readIntsToEnd(message);
    return b;
}

void decodeStart(Message& message, PokerLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readByte(message);
    int8_t interval = readByte(message);
    Cards cards = readBytes(message, kHoleCards);
    int32_t dealerID = message.readInt();
    int32_t smallID = message.readInt();
    int32_t bigID = message.readInt();
    int32_t money = message.readInt();
    int32_t firstUserID = message.readInt();
    Ints users, stacks;
    readUserStacks(message, users, stacks);
    logic.onStartGameWithRoomId(roomId, boardId, interval, std::move(cards), dealerID, smallID, bigID, money,
                                firstUserID, std::move(users), std::move(stacks));
}

void decodeMove(Message& message, PokerLogicHandler& logic) {
    const int8_t sub = readByte(message);
    const int8_t roomId = readByte(message);
    const int8_t boardId = readByte(message);
    switch (sub) {
        case PokerAction::BET: {
            Betting b = readBetting(message);
            logic.onBetWithRoomId(roomId, boardId, b.curUser, b.money, b.stack, b.nextUserID, std::move(b.action));
            break;
        }
        case PokerAction::RAISE: {
            Betting b = readBetting(message);
            logic.onRaiseWithRoomId(roomId, boardId, b.curUser, b.money, b.stack, b.nextUserID, std::move(b.action));
            break;
        }
        case PokerAction::CALL: {
            Betting b = readBetting(message);
            logic.onCallWithRoomId(roomId, boardId, b.curUser, b.money, b.stack, b.nextUserID, std::move(b.action));
            break;
        }
        case PokerAction::ALL_IN: {
            Betting b = readBetting(message);
            logic.onAllInWithRoomId(roomId, boardId, b.curUser, b.money, b.stack, b.nextUserID, std::move(b.action));
            break;
        }
        case PokerAction::CHECK: {
            int32_t curUser = message.readInt();
            int32_t nextUserID = message.readInt();
            logic.onCheckWithRoomId(roomId, boardId, curUser, nextUserID, readIntsToEnd(message));
            break;
        }
        case PokerAction::FOLD: {
            int32_t curUser = message.readInt();
            int32_t stack = message.readInt();
            int32_t nextUserID = message.readInt();
            logic.onFoldWithRoomId(roomId, boardId, curUser, stack, nextUserID, readIntsToEnd(message));
            break;
        }
        case PokerSub::SC_SUB_POKER_FLOP: {
            int32_t curUser = message.readInt();
            Cards flop = readBytes(message, kFlopCards);
            Ints pots = readPots(message);
            const auto length = static_cast<int32_t>(pots.size());
            logic.onFlopWithRoomId(roomId, boardId, curUser, std::move(flop), length, std::move(pots));
            break;
        }
        case PokerSub::SC_SUB_POKER_TURN:
        case PokerSub::SC_SUB_POKER_RIVER: {
            int32_t curUser = message.readInt();
            int8_t card = readByte(message);
            Ints pots = readPots(message);
            const auto length = static_cast<int32_t>(pots.size());
            if (sub == PokerSub::SC_SUB_POKER_TURN)
                logic.onTurnWithRoomId(roomId, boardId, curUser, card, length, std::move(pots));
            else
                logic.onRiverWithRoomId(roomId, boardId, curUser, card, length, std::move(pots));
            break;
        }
        case PokerSub::SC_SUB_POKER_STACK: {
            int32_t userID = message.readInt();
            int32_t stack = message.readInt();
            logic.onStackWithRoomId(roomId, boardId, userID, stack);
            break;
        }
        case PokerSub::SC_SUB_POKER_PLAYING: {
            int32_t userID = message.readInt();
            const int8_t n = message.readByte();
            Cards community;
            for (int i = 0; i < n && message.available(); ++i) {
                int8_t card = message.readByte();
                if (community.size() < kMostCommunityCards) community.push_back(card);
            }
            Ints users, stacks, odds;
            while (message.available()) {
                users.push_back(message.readInt());
                stacks.push_back(message.readInt());
                odds.push_back(message.readInt());
            }
            const auto length = static_cast<int32_t>(community.size());
            logic.onPlayingWithRoomId(roomId, boardId, userID, length, std::move(community), std::move(users),
                                      std::move(stacks), std::move(odds));
            break;
        }
        case PokerSub::SC_SUB_POKER_SHOWDOWN: {
            int32_t exp = message.readInt();
            std::string decs = readText(message);
            int32_t winnerID = message.readInt();
            int32_t winMoney = message.readInt();
            int32_t stack = message.readInt();
            logic.onShowdownWithRoomId(roomId, boardId, exp, std::move(decs), winnerID, winMoney, stack,
                                       readRest(message, kMostResultCards));
            break;
        }
        case PokerSub::SC_SUB_POKER_JOIN_BOARD: {
            Ints users, stacks;
            readUserStacks(message, users, stacks);
            logic.onJoinBoardtWithRoomId(roomId, boardId, std::move(users), std::move(stacks));
            break;
        }
        case PokerSub::SC_SUB_POKER_SELF_RESULT: {
            std::string hand = readText(message);
            logic.onSelfResultWithRoomId(roomId, boardId, std::move(hand), readRest(message, kMostResultCards));
            break;
        }
        case PokerSub::SC_SUB_POKER_LASTPOT:
            logic.onLastPotWithRoomId(roomId, boardId, readIntsToEnd(message, kMostPots));
            break;
        default:
            sys::Log::line("============= UNDEFINE SUB COMMAND  ===============");
            break;
    }
}

// A message short only of its last single byte (the table of a stop or of the full-table offer)
// reads that byte as 0, as the connection's byte read does.
int8_t readLastByte(Message& message) { return message.readByte(); }

void decodePokerCommand(Message& message, PokerLogicHandler& logic) {
    const int8_t sub = readByte(message);
    const int8_t roomId = readByte(message);
    const int8_t boardId = readLastByte(message);
    switch (sub) {
        case PokerSub::OBSERVER: logic.onObserverWithRoomId(roomId, boardId, message.readInt()); break;
        case PokerSub::SC_SUB_POKER_FULLBOARD: logic.onFullBoardWithRoomId(roomId, boardId); break;
        case PokerSub::SIT: {
            int32_t userID = message.readInt();
            int8_t seat = message.readByte();
            checkSeat(seat, kPokerLastSeat);
            logic.onSitWithRoomId(roomId, boardId, userID, seat);
            break;
        }
        case PokerSub::STANDUP: {
            int32_t userID = message.readInt();
            int32_t nextID = message.readInt();
            int8_t seat = message.readByte();
            checkSeat(seat, kPokerLastSeat);
            logic.onStandUpWithRoomId(roomId, boardId, userID, nextID, seat, readIntsToEnd(message));
            break;
        }
        case PokerSub::SC_SUB_POKER_OVERMONEY: logic.onOverMoneyWithRoomId(roomId, boardId, message.readInt()); break;
        case PokerSub::SC_SUB_POKER_RESULT: {
            Ints users, stacks;
            readUserStacks(message, users, stacks);
            logic.onResultWithRoomId(roomId, boardId, std::move(users), std::move(stacks));
            break;
        }
        default:
            sys::Log::format("============= UNDEFINE SUB COMMAND  ===============: %d", sub);
            break;
    }
}

void decodeStop(Message& message, PokerLogicHandler& logic) {
    int8_t roomId = readByte(message);
    int8_t boardId = readLastByte(message);
    logic.onStopGameWithRoomID(roomId, boardId);
}
}  // namespace

void PokerMessageHandler::onPostSetupGameType() {
    BoardView::setType(3);  // the Poker table list
}

void PokerMessageHandler::onMessage(Message& message) {
    std::shared_ptr<PokerLogicHandler> logic = pokerLogicHandler();
    if (decodeSharedTableMessage(message, *logic, kPokerSeats)) return;
    using C = PokerCommand;
    switch (message._commandId()) {
        case C::SC_LEAVE_BOARD:
        case C::SC_STOP_GAME: guardCase("SC_STOP_GAME", [&] { decodeStop(message, *logic); }); break;
        case C::SC_START: guardCase("SC_START", [&] { decodeStart(message, *logic); }); break;
        case C::SC_MOVE: guardCase("SC_MOVE", [&] { decodeMove(message, *logic); }); break;
        case C::SC_POKER_COMMAND: guardCase("SC_POKER_COMMAND", [&] { decodePokerCommand(message, *logic); }); break;
        case C::SC_MOVE_ERROR:
            guardCase("SC_MOVE_ERROR", [&] {
                // The table id comes first in this message only.
                int8_t boardId = readByte(message);
                int8_t roomId = readByte(message);
                logic->onMoveErrorWithRoomeId(roomId, boardId, readText(message));
            });
            break;
        default: break;
    }
}

}  // namespace zuno
