#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "games/board/ChessPlayer.h"
#include "lobby/model/LobbyRecords.h"

namespace zuno {

using MatchResults = std::vector<std::shared_ptr<MatchResultInfo>>;

// The table events that the decoders of every two-seat board table (Co Tuong, Co Vua, Caro, Blocks)
// hand on, each called on the connection's reader thread. Each game's logic handler takes them from
// here and adds its own; they do nothing until the table screens take them over.
class BoardTableLogicHandler {
public:
    virtual ~BoardTableLogicHandler() = default;

    // The join reply: room, table, owner, stake and the seats in order (an empty seat has IDDB -1).
    virtual void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                             ChessPlayers players) {}
    virtual void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t fromId) {}
    virtual void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) {}
    // `seat` is 0 or 1: the decoder drops any other.
    virtual void onSomeOneJoinBoardWithSeat(int8_t seat, std::shared_ptr<ChessPlayer> player) {}
    virtual void onSomeOneLeaveBoardWithLeave(int32_t leaveId, int32_t newOwnerId) {}
    virtual void onSomeOneReadyWithWhoId(int32_t playerId, bool isReady) {}
    // The new stake.
    virtual void onOwnerSetMoneyWithRoomId(int8_t roomId, int8_t boardId, int32_t money) {}
    // `whoLose` lost on time.
    virtual void onForceLoseWithRoomId(int8_t roomId, int8_t boardId, int32_t whoLose) {}
    virtual void onOpponentWantDrawWithRoomId(int8_t roomId, int8_t boardId) {}
    // The rows of the game result, possibly none.
    virtual void onMatchResult(MatchResults results) {}
    // "<from>: <text>".
    virtual void onBuzzWithContent(std::string content) {}
};

// The events of the tables that also have draw and resign buttons (Co Tuong, Co Vua, Caro).
class BoardDuelLogicHandler : public BoardTableLogicHandler {
public:
    virtual void onGameDrawWithRoomId(int8_t roomId, int8_t boardId) {}
    virtual void onDenyDrawWithRoomId(int8_t roomId, int8_t boardId) {}
    // `whoLose` resigned.
    virtual void onWantLoseWithRoomId(int8_t roomId, int8_t boardId, int32_t whoLose) {}
};

}  // namespace zuno
