#pragma once

#include <cstdint>


namespace zuno {

// What the Co Tuong logic handler does to its table screen beyond the shared board-table events
// (BoardTableScreen), always on the main thread.
class CoTuongTableScreen {
public:
    virtual ~CoTuongTableScreen() = default;
    // `interval` in milliseconds; the players' quotas are already set.
    virtual void startWithMoveFirst(int32_t whoMoveFirst, int32_t interval) = 0;
    // Wire squares as the first mover sees the board; `nextMove` -1 for a winning move.
    virtual void moveWithWho(int32_t who, uint8_t from, uint8_t to, int32_t nextMove) = 0;
};

}  // namespace zuno
