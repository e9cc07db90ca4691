#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableLogicHandler.h"

namespace zuno {

// Between the Co Vua decoder and the Co Vua table screen. Squares are file-rank codes (10 x file +
// rank); times are seconds.
class CoVuaLogicHandler : public BoardDuelLogicHandler {
public:
    static std::shared_ptr<CoVuaLogicHandler> getInstance();

    // Co Vua names these two events differently from the other board tables.
    virtual void onSomeOneLeaveBoardWithIdLeave(int32_t leaveId, int32_t newOwnerId) {}
    virtual void onSomeOneReadyWithId(int32_t playerId, bool isReady) {}
    void onSomeOneLeaveBoardWithLeave(int32_t leaveId, int32_t newOwnerId) final {
        onSomeOneLeaveBoardWithIdLeave(leaveId, newOwnerId);
    }
    void onSomeOneReadyWithWhoId(int32_t playerId, bool isReady) final { onSomeOneReadyWithId(playerId, isReady); }

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

protected:
    CoVuaLogicHandler() = default;
};

}  // namespace zuno
