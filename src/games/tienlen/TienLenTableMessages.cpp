#include "games/tienlen/TienLenTableMessages.h"

#include <string>
#include <vector>

#include "games/tienlen/TienLenLogicHandler.h"
#include "platform/core/Log.h"
#include "shell/UIController.h"
#include "table/TableWire.h"

namespace zuno {

namespace {

using C = TienLenCommand;
using CardIds = TienLenLogicHandler::CardIds;

using namespace tablewire;

// A count byte reads 0..255.
uint8_t countOf(Message& m) { return static_cast<uint8_t>(readByte(m)); }

PlayerPtr seatedPlayer(Message& m, int32_t id) {
    auto player = std::make_shared<Player>();
    player->setIDDB(id);
    player->setName(readText(m));
    player->setMoney(m.readLong());
    player->setAvatar(m.readShort());
    player->setExp(m.readInt());
    return player;
}

void decodeJoinBoardSuccess(Message& m, TienLenLogicHandler& logic) {
    const int8_t roomId = readByte(m);
    const int8_t boardId = readByte(m);
    const int32_t ownerId = m.readInt();
    const int32_t money = m.readInt();
    // One record per place, empty places included; the own record reaches myInfo through the handler,
    // once the whole list has been read.
    TienLenLogicHandler::Players players;
    const PlayerPtr me = UIController::myInfo();
    while (m.available()) {
        const int32_t id = m.readInt();
        PlayerPtr player;
        if (id == -1) {
            player = std::make_shared<Player>();
            player->setIDDB(id);
        } else {
            player = seatedPlayer(m, id);
            player->setIsReady(m.readBool());
            if (me && id == me->IDDB()) sys::Log::format("my id %d", id);
        }
        players.push_back(std::move(player));
    }
    logic.onJoinGameSuccessWithRoomId(roomId, boardId, ownerId, money, std::move(players));
}

void decodeStart(Message& m, TienLenLogicHandler& logic) {
    const int8_t roomId = readByte(m);
    const int8_t boardId = readByte(m);
    const uint8_t interval = countOf(m);
    CardIds cards = readBytes(m, C::kHandSize);
    const int32_t whoMoveFirst = m.readInt();
    logic.onStartGameWithRoomId(roomId, boardId, std::move(cards), interval, whoMoveFirst);
}

void decodeMove(Message& m, TienLenLogicHandler& logic) {
    const int8_t roomId = readByte(m);
    const int8_t boardId = readByte(m);
    const int32_t whoMove = m.readInt();
    CardIds cards = readBytes(m, countOf(m));
    const int32_t nextMove = m.readInt();
    logic.onMoveWithRoomId(roomId, boardId, whoMove, std::move(cards), nextMove);
}

void decodeStopGame(Message& m, TienLenLogicHandler& logic) {
    const int8_t roomId = readByte(m);
    const int8_t boardId = readByte(m);
    int32_t whoShowCard = -1;
    CardIds shown;
    if (m.available()) {
        whoShowCard = m.readInt();
        shown = readArrivedBytes(m, m.available() ? countOf(m) : 0);
    }
    logic.onStopGameWithRoomId(roomId, boardId, whoShowCard, std::move(shown));
}

void decode(Message& m, TienLenLogicHandler& logic) {
    switch (m._commandId()) {
    case C::SC_JOINBOARD_SUCCESS:
        decodeJoinBoardSuccess(m, logic);
        break;
    case C::SC_CHAT_FROM_BOARD: {
        const int8_t roomId = readByte(m);
        const int8_t boardId = readByte(m);
        const int32_t from = m.readInt();
        std::string text = readText(m);
        logic.onChatFromBoardWithRoomId(roomId, boardId, std::move(text), from);
        break;
    }
    case C::SC_KICK: {
        const int8_t roomId = readByte(m);
        const int8_t boardId = readByte(m);
        logic.onKickedWithRoomId(roomId, boardId, m.readInt());
        break;
    }
    case C::SC_SOMEONE_JOINBOARD: {
        const int8_t seat = readByte(m);
        PlayerPtr player = seatedPlayer(m, m.readInt());
        player->setIsReady(false);
        player->setFinishPosition(-1);
        logic.onSomeOneJoinBoardWithSeat(seat, std::move(player));
        break;
    }
    case C::SC_SOMEONE_LEAVEBOARD: {
        const int32_t leaveId = m.readInt();
        const int32_t newOwnerId = m.readInt();
        logic.onSomeOneLeaveBoardWithIdLeave(leaveId, newOwnerId);
        break;
    }
    case C::SC_SOMEONE_READY: {
        const int32_t playerId = m.readInt();
        sys::Log::format("readi id %d", playerId);
        const bool isReady = m.readBool();
        logic.onSomeOneReadyWithId(playerId, isReady);
        break;
    }
    case C::SC_SET_MONEY: {
        const int8_t roomId = readByte(m);
        const int8_t boardId = readByte(m);
        logic.onOwnerSetMoneyWithRoomeId(roomId, boardId, m.readInt());
        break;
    }
    case C::SC_START:
        decodeStart(m, logic);
        break;
    case C::SC_MOVE:
        decodeMove(m, logic);
        break;
    case C::SC_SKIP: {
        const int8_t roomId = readByte(m);
        const int8_t boardId = readByte(m);
        const int32_t whoSkip = m.readInt();
        const int32_t nextMove = m.readInt();
        const bool clear = m.readBool();
        logic.onSkipWithRoomId(roomId, boardId, whoSkip, nextMove, clear);
        break;
    }
    case C::SC_STOP_GAME:
        decodeStopGame(m, logic);
        break;
    case C::SC_FINISH: {
        const int8_t roomId = readByte(m);
        const int8_t boardId = readByte(m);
        const int32_t whoFinish = m.readInt();
        const int8_t position = readByte(m);
        const int32_t money = m.readInt();
        const int32_t exp = m.readInt();
        logic.onSomeOneFinishWithRoomId(roomId, boardId, whoFinish, position, money, exp);
        break;
    }
    case C::SC_BONUS_MONEY: readBonusMoney(m, logic); break;
    case C::SC_FORCE_FINISH: {
        const int8_t roomId = readByte(m);
        const int8_t boardId = readByte(m);
        const int32_t owner = m.readInt();
        CardIds cards = readArrivedBytes(m, C::kHandSize);
        logic.onForceFinishWithRoomId(roomId, boardId, owner, std::move(cards));
        break;
    }
    case C::SC_MOVE_ERROR: {
        // The only message that names the table before the room.
        const int8_t boardId = readByte(m);
        const int8_t roomId = readByte(m);
        logic.onMoveErrorWithRoomeId(roomId, boardId, readText(m));
        break;
    }
    case C::SC_BUZZ:
        logic.onBuzzWithContent(readBuzz(m));
        break;
    default:
        break;
    }
}

}  // namespace

void decodeTienLenTableMessage(Message& message, TienLenLogicHandler& logic) {
    guardCase(nullptr, [&] { decode(message, logic); });
}

}  // namespace zuno
