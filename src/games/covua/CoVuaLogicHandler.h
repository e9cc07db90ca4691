#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableHandOver.h"
#include "games/board/BoardTableLogicHandler.h"

namespace zuno {

// The events only the Co Vua decoder hands on, on the reader thread. Squares are file-rank codes
// (10 x file + rank); times are seconds.
class CoVuaLogicEvents : public BoardDuelLogicHandler {
public:
    // `whoFirst` plays White; the owner's and the other player's game time.
    virtual void onStartGame(int8_t roomId, int8_t boardId, int32_t whoFirst, int32_t interval,
                             int32_t ownerQquotaTime, int32_t quotaTime) {}
    // `quotaTime` is the mover's game time left.
    virtual void onMove(int32_t whoMove, int8_t x, int8_t y, int32_t next, int32_t quotaTime) {}
    // Castling announced before its move: type 1 on the king's side, 2 on the queen's side.
    virtual void intoPalaceWithWhoMove(int32_t whoMove, int8_t type) {}
    // The piece type a pawn is promoted to, announced before its move.
    virtual void setElevateIndex(int8_t index) {}
    // The side whose king is in check: 0 White, 1 Black.
    virtual void setFindKing(int8_t side) {}
    // The player who must choose a promotion piece.
    virtual void fElevate(int32_t playerId) {}
};

// Between the Co Vua decoder and the Co Vua table screen: every event is applied on the main thread,
// in the order it arrived (a castling rook or a promotion type before its move).
class CoVuaLogicHandler : public BoardDuelEvents<CoVuaLogicEvents> {
public:
    static std::shared_ptr<CoVuaLogicHandler> getInstance();

    // Co Vua names these two events differently from the other board tables.
    virtual void onSomeOneLeaveBoardWithIdLeave(int32_t leaveId, int32_t newOwnerId) {
        events_.someoneLeft(leaveId, newOwnerId);
    }
    virtual void onSomeOneReadyWithId(int32_t playerId, bool isReady) { events_.someoneReady(playerId, isReady); }
    void onSomeOneLeaveBoardWithLeave(int32_t leaveId, int32_t newOwnerId) final {
        onSomeOneLeaveBoardWithIdLeave(leaveId, newOwnerId);
    }
    void onSomeOneReadyWithWhoId(int32_t playerId, bool isReady) final { onSomeOneReadyWithId(playerId, isReady); }

    void onStartGame(int8_t roomId, int8_t boardId, int32_t whoFirst, int32_t interval, int32_t ownerQquotaTime,
                     int32_t quotaTime) override;
    void onMove(int32_t whoMove, int8_t x, int8_t y, int32_t next, int32_t quotaTime) override;
    void intoPalaceWithWhoMove(int32_t whoMove, int8_t type) override;
    void setElevateIndex(int8_t index) override;
    void setFindKing(int8_t side) override;
    void fElevate(int32_t playerId) override;

protected:
    CoVuaLogicHandler() = default;
};

}  // namespace zuno
