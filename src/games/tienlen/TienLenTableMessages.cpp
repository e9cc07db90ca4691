#include "games/tienlen/TienLenTableMessages.h"

#include <string>
#include <vector>

#include "games/tienlen/TienLenLogicHandler.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "shell/UIController.h"

namespace zuno {

namespace {

using C = TienLenCommand;
using CardIds = TienLenLogicHandler::CardIds;

// Message::readByte answers 0 past the end; here a missing byte is a message cut short, never the 3 of
// spades or table 0.
int8_t byteOf(Message& m) {
    if (!m.available()) throw sys::Exception(sys::Exception::kRange, "a byte past the end of the message");
    return m.readByte();
}

uint8_t countOf(Message& m) { return static_cast<uint8_t>(byteOf(m)); }

CardIds cardsOf(Message& m, int count) {
    const sys::Data bytes = m.readDataWithLength(static_cast<int16_t>(count));
    return CardIds(bytes.begin(), bytes.end());
}

std::string textOf(Message& m) { return m.readUTF().value_or(std::string()); }

PlayerPtr seatedPlayer(Message& m, int32_t id) {
    auto player = std::make_shared<Player>();
    player->setIDDB(id);
    player->setName(textOf(m));
    player->setMoney(m.readLong());
    player->setAvatar(m.readShort());
    player->setExp(m.readInt());
    return player;
}

void decodeJoinBoardSuccess(Message& m, TienLenLogicHandler& logic) {
    const int8_t roomId = byteOf(m);
    const int8_t boardId = byteOf(m);
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
    const int8_t roomId = byteOf(m);
    const int8_t boardId = byteOf(m);
    const uint8_t interval = countOf(m);
    CardIds cards = cardsOf(m, C::kHandSize);
    const int32_t whoMoveFirst = m.readInt();
    logic.onStartGameWithRoomId(roomId, boardId, std::move(cards), interval, whoMoveFirst);
}

void decodeMove(Message& m, TienLenLogicHandler& logic) {
    const int8_t roomId = byteOf(m);
    const int8_t boardId = byteOf(m);
    const int32_t whoMove = m.readInt();
    CardIds cards = cardsOf(m, countOf(m));
    const int32_t nextMove = m.readInt();
    logic.onMoveWithRoomId(roomId, boardId, whoMove, std::move(cards), nextMove);
}

void decodeStopGame(Message& m, TienLenLogicHandler& logic) {
    const int8_t roomId = byteOf(m);
    const int8_t boardId = byteOf(m);
    int32_t whoShowCard = -1;
    CardIds shown;
    if (m.available()) {
        whoShowCard = m.readInt();
        shown = cardsOf(m, countOf(m));
    }
    logic.onStopGameWithRoomId(roomId, boardId, whoShowCard, std::move(shown));
}

void decode(Message& m, TienLenLogicHandler& logic) {
    switch (m._commandId()) {
    case C::SC_JOINBOARD_SUCCESS:
        decodeJoinBoardSuccess(m, logic);
        break;
    case C::SC_CHAT_FROM_BOARD: {
        const int8_t roomId = byteOf(m);
        const int8_t boardId = byteOf(m);
        const int32_t from = m.readInt();
        std::string text = textOf(m);
        logic.onChatFromBoardWithRoomId(roomId, boardId, std::move(text), from);
        break;
    }
    case C::SC_KICK: {
        const int8_t roomId = byteOf(m);
        const int8_t boardId = byteOf(m);
        logic.onKickedWithRoomId(roomId, boardId, m.readInt());
        break;
    }
    case C::SC_SOMEONE_JOINBOARD: {
        const int8_t seat = byteOf(m);
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
        const int8_t roomId = byteOf(m);
        const int8_t boardId = byteOf(m);
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
        const int8_t roomId = byteOf(m);
        const int8_t boardId = byteOf(m);
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
        const int8_t roomId = byteOf(m);
        const int8_t boardId = byteOf(m);
        const int32_t whoFinish = m.readInt();
        const int8_t position = byteOf(m);
        const int32_t money = m.readInt();
        const int32_t exp = m.readInt();
        logic.onSomeOneFinishWithRoomId(roomId, boardId, whoFinish, position, money, exp);
        break;
    }
    case C::SC_BONUS_MONEY: {
        const int8_t roomId = byteOf(m);
        const int8_t boardId = byteOf(m);
        const int32_t whoBonus = m.readInt();
        const int32_t money = m.readInt();
        std::string des = textOf(m);
        logic.onBonusMoneyWithRommId(roomId, boardId, whoBonus, money, std::move(des));
        break;
    }
    case C::SC_FORCE_FINISH: {
        const int8_t roomId = byteOf(m);
        const int8_t boardId = byteOf(m);
        const int32_t owner = m.readInt();
        CardIds cards = cardsOf(m, C::kHandSize);
        logic.onForceFinishWithRoomId(roomId, boardId, owner, std::move(cards));
        break;
    }
    case C::SC_MOVE_ERROR: {
        // The only message that names the table before the room.
        const int8_t boardId = byteOf(m);
        const int8_t roomId = byteOf(m);
        logic.onMoveErrorWithRoomeId(roomId, boardId, textOf(m));
        break;
    }
    case C::SC_BUZZ: {
        const std::string from = textOf(m);
        const std::string text = textOf(m);
        logic.onBuzzWithContent(from + ": " + text);
        break;
    }
    default:
        break;
    }
}

}  // namespace

void decodeTienLenTableMessage(Message& message, TienLenLogicHandler& logic) {
    try {
        decode(message, logic);
    } catch (const std::exception& e) {
        sys::Log::line("Exception " + sys::failureName(e));
    }
}

}  // namespace zuno
