#pragma once

#include <cstdint>

namespace zuno {

// What the Co Vua logic handler does to its table screen beyond the shared board-table events
// (BoardTableScreen), always on the main thread. Squares are file-rank codes; times are seconds.
class CoVuaTableScreen {
public:
    virtual ~CoVuaTableScreen() = default;
    // `whoFirst` plays White; the players' game times are already set.
    virtual void startWithMoveFirst(int32_t whoFirst, int32_t interval) = 0;
    // The mover's game time left is already in his seat record.
    virtual void moveWithWho(int32_t whoMove, int8_t x, int8_t y, int32_t nextMove, int32_t quotaTime) = 0;
    // The castling rook's step, before the king's move: type 1 king-side, 2 queen-side.
    virtual void intoPalaceWithWhoMove(int32_t whoMove, int type) = 0;
    // The piece type the next announced move promotes to.
    virtual void setElevateIndex(int8_t type) = 0;
    // The next move of that player promotes (the local player chooses the piece).
    virtual void fElevate(int32_t who) = 0;
    // The side whose king is in check: 0 White, 1 Black.
    virtual void setFindKing(int8_t side) = 0;
};

}  // namespace zuno
