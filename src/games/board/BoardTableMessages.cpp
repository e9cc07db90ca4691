#include "games/board/BoardTableMessages.h"

#include <utility>

#include "platform/core/Log.h"
#include "platform/core/Text.h"
#include "shell/UIController.h"
#include "table/TableWire.h"

namespace zuno {

namespace {
using C = BoardTableCommand;
using tablewire::readText;

// One seat of the join reply: the id, and the rest only for a taken seat.
std::shared_ptr<ChessPlayer> readSeat(Message& message, bool lowerCaseName) {
    auto player = std::make_shared<ChessPlayer>();
    player->setIDDB(message.readInt());
    if (player->IDDB() == -1) return player;  // an empty seat, named ""
    std::string name = readText(message);
    if (lowerCaseName) {
        // The rules know a player by the name in small letters; the table shows it as sent, as the
        // player who joins later and every card table do.
        player->setName(sys::lowercase(name));
        player->setShowName(std::move(name));
    } else {
        player->setName(std::move(name));
    }
    player->setMoney(message.readLong());
    player->setAvatar(message.readShort());
    player->setExp(message.readInt());
    player->setIsReady(message.readBool());
    return player;
}

void decodeJoinReply(Message& message, BoardTableLogicHandler& logic, const BoardTableDialect& dialect) {
    const int8_t roomId = message.readByte();
    const int8_t boardId = message.readByte();
    const int32_t ownerId = message.readInt();
    const int32_t money = message.readInt();
    ChessPlayers players;
    while (message.available()) players.push_back(readSeat(message, dialect.lowerCasesJoinNames));

    // Only a reply read to its end touches the signed-in player.
    if (PlayerPtr me = UIController::myInfo()) {
        for (const auto& player : players) {
            if (player->IDDB() != me->IDDB()) continue;
            me->setExp(player->exp());
            me->setMoney(player->money());
        }
    }
    logic.onJoinGameSuccessWithRoomId(roomId, boardId, ownerId, money, std::move(players));
}

void decodeNewcomer(Message& message, BoardTableLogicHandler& logic, const BoardTableDialect& dialect) {
    const int8_t seat = message.readByte();
    if (dialect.logsSeatAndReadyValues) sys::Log::format("seat = %d", seat);
    auto player = std::make_shared<ChessPlayer>();
    player->setIDDB(message.readInt());
    player->setName(readText(message));
    player->setMoney(message.readLong());
    player->setAvatar(message.readShort());
    player->setExp(message.readInt());
    tablewire::checkSeat(seat, kBoardTableSeats - 1);
    logic.onSomeOneJoinBoardWithSeat(seat, std::move(player));
}

bool isSharedCommand(int8_t commandId) {
    switch (commandId) {
        case C::SC_JOINBOARD_SUCCESS:
        case C::SC_CHAT_FROM_BOARD:
        case C::SC_KICK:
        case C::SC_SOMEONE_JOINBOARD:
        case C::SC_SOMEONE_LEAVEBOARD:
        case C::SC_SOMEONE_READY:
        case C::SC_SET_MONEY:
        case C::SC_FORCE_LOSE:
        case C::SC_OPPONENT_WANT_DRAW:
        case C::SC_GAME_RESULT:
        case C::SC_BUZZ:
            return true;
        default:
            return false;
    }
}

void decodeResult(Message& message, BoardTableLogicHandler& logic) {
    MatchResults results;
    while (message.available()) {
        auto row = std::make_shared<MatchResultInfo>();
        row->setResult(message.readByte());
        row->setID(message.readInt());
        row->setD_exp(message.readInt());
        row->setD_money(message.readInt());
        results.push_back(std::move(row));
    }
    logic.onMatchResult(std::move(results));
}
}  // namespace

const char* boardTableCommandName(int8_t commandId) {
    switch (commandId) {
        case C::SC_JOINBOARD_SUCCESS: return "SC_JOINBOARD_SUCCESS";
        case C::SC_CHAT_FROM_BOARD: return "SC_CHAT_FROM_BOARD";
        case C::SC_KICK: return "SC_KICK";
        case C::SC_SOMEONE_JOINBOARD: return "SC_SOMEONE_JOINBOARD";
        case C::SC_SOMEONE_LEAVEBOARD: return "SC_SOMEONE_LEAVEBOARD";
        case C::SC_SOMEONE_READY: return "SC_SOMEONE_READY";
        case C::SC_SET_MONEY: return "SC_SET_MONEY";
        case C::SC_START: return "SC_START";
        case C::SC_MOVE: return "SC_MOVE";
        case C::SC_MOVE_AND_WIN: return "SC_MOVE_AND_WIN";
        case C::SC_FORCE_LOSE: return "SC_FORCE_LOSE";
        case C::SC_OPPONENT_WANT_DRAW: return "SC_OPPONENT_WANT_DRAW";
        case C::SC_DRAW: return "SC_DRAW";
        case C::SC_DENY_DRAW: return "SC_DENY_DRAW";
        case C::SC_WANT_LOSE: return "SC_WANT_LOSE";
        case C::SC_GAME_RESULT: return "SC_GAME_RESULT";
        default: return nullptr;
    }
}

void logBoardTableCase(int8_t commandId, const BoardTableDialect& dialect) {
    if (!dialect.logNameOf) return;
    if (const char* name = dialect.logNameOf(commandId)) sys::Log::line(name);
}

bool decodeBoardTableMessage(Message& message, BoardTableLogicHandler& logic, const BoardTableDialect& dialect) {
    const int8_t commandId = message._commandId();
    if (!isSharedCommand(commandId)) return false;
    logBoardTableCase(commandId, dialect);

    switch (commandId) {
        case C::SC_JOINBOARD_SUCCESS:
            decodeJoinReply(message, logic, dialect);
            break;
        case C::SC_CHAT_FROM_BOARD: {
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t fromId = message.readInt();
            logic.onChatFromBoardWithRoomId(roomId, boardId, readText(message), fromId);
            break;
        }
        case C::SC_KICK: {
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            logic.onKickedWithRoomId(roomId, boardId, message.readInt());
            break;
        }
        case C::SC_SOMEONE_JOINBOARD:
            decodeNewcomer(message, logic, dialect);
            break;
        case C::SC_SOMEONE_LEAVEBOARD: {
            const int32_t leaveId = message.readInt();
            logic.onSomeOneLeaveBoardWithLeave(leaveId, message.readInt());
            break;
        }
        case C::SC_SOMEONE_READY: {
            const int32_t playerId = message.readInt();
            const bool isReady = message.readBool();
            if (dialect.logsSeatAndReadyValues) sys::Log::format("san sang %d", isReady ? 1 : 0);
            logic.onSomeOneReadyWithWhoId(playerId, isReady);
            break;
        }
        case C::SC_SET_MONEY: {
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            logic.onOwnerSetMoneyWithRoomId(roomId, boardId, message.readInt());
            break;
        }
        case C::SC_FORCE_LOSE: {
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            logic.onForceLoseWithRoomId(roomId, boardId, message.readInt());
            break;
        }
        case C::SC_OPPONENT_WANT_DRAW: {
            const int8_t roomId = message.readByte();
            logic.onOpponentWantDrawWithRoomId(roomId, message.readByte());
            break;
        }
        case C::SC_GAME_RESULT:
            decodeResult(message, logic);
            break;
        case C::SC_BUZZ:
            logic.onBuzzWithContent(tablewire::readBuzz(message));
            break;
    }
    return true;
}

bool decodeBoardDuelMessage(Message& message, BoardDuelLogicHandler& logic, const BoardTableDialect& dialect) {
    const int8_t commandId = message._commandId();
    if (commandId != C::SC_DRAW && commandId != C::SC_DENY_DRAW && commandId != C::SC_WANT_LOSE) {
        return decodeBoardTableMessage(message, logic, dialect);
    }
    logBoardTableCase(commandId, dialect);
    const int8_t roomId = message.readByte();
    const int8_t boardId = message.readByte();
    if (commandId == C::SC_DRAW) {
        logic.onGameDrawWithRoomId(roomId, boardId);
    } else if (commandId == C::SC_DENY_DRAW) {
        logic.onDenyDrawWithRoomId(roomId, boardId);
    } else {
        logic.onWantLoseWithRoomId(roomId, boardId, message.readInt());
    }
    return true;
}

}  // namespace zuno
