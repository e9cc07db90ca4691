#pragma once

#include <cstdint>

namespace zuno {

// What the Caro logic handler does to its table screen beyond the shared board-table events
// (BoardTableScreen), always on the main thread.
class CaroTableScreen {
public:
    virtual ~CaroTableScreen() = default;
    // `interval` in milliseconds.
    virtual void startWithMoveFirst(int32_t whoMoveFirst, int32_t interval) = 0;
    virtual void moveWithWho(int32_t who, int8_t x, int8_t y, int32_t nextMove) = 0;
    // The winning stone and the line from it to (winX, winY); the directions are the server's.
    virtual void moveAndWinWithWhoWin(int32_t whoWin, int8_t x, int8_t y, int8_t winX, int8_t winY, int8_t winDx,
                                      int8_t winDy) = 0;
};

}  // namespace zuno
