#pragma once

#include <cstdint>
#include <vector>

namespace zuno {

// What the Blocks logic handler does to its table screen beyond the shared board-table events
// (BoardTableScreen), always on the main thread.
class BlocksTableScreen {
public:
    virtual ~BlocksTableScreen() = default;
    // The server's shared sequence of piece kinds starts a game.
    virtual void startWithBricks(const std::vector<int8_t>& bricks) = 0;
    // `row` garbage rows (more than 0) with the hole column of each.
    virtual void addRandomWithRos(const std::vector<int8_t>& ros, int8_t row) = 0;
    virtual void setSpeedWithSpeed(int8_t level) = 0;
    virtual void getHeightFromServerWithHeight(int8_t height) = 0;
    virtual void setRowsOfOpponent(int8_t count) = 0;
};

}  // namespace zuno
