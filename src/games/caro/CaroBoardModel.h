#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "games/caro/CaroCell.h"
#include "games/caro/CaroUtils.h"

namespace zuno {

// What the board view hears from the model.
class CaroBoardObserver {
public:
    virtual ~CaroBoardObserver() = default;
    // Every stone and the winning line are gone.
    virtual void caroBoardDidReset() {}
    // A stone was put on the cell.
    virtual void caroBoardDidPlaceStone(const CaroCell& cell) {}
    // winPoint1 and winPoint2 now hold the ends of the winning line.
    virtual void caroBoardDidSetWinLine() {}
};

// The 20 x 20 Caro grid of one table: the stones the server reported, whose turn by count, the
// winning line and the stone pictures of the current game. The server judges every move; this only
// records what it says and decides which taps may become a move request.
class CaroBoardModel {
public:
    static constexpr int32_t kGridSize = CaroUtils::kGridSize;

    CaroBoardModel();

    void setObserver(CaroBoardObserver* observer) { observer_ = observer; }

    // Side of the drawn grid in points, shared by every board.
    static int32_t realBoardSize();
    // Lays out the grid for a board view of the given frame width: the grid is twice as wide as the
    // frame and holds 20 cells a side.
    static void setGeometryWithFrameWidth(double frameWidth);

    // Empties the board for a new game.
    void reset();
    // Picks the stone pictures of a new game; random() is the source of chance.
    void initXO(const std::function<uint32_t()>& random);
    std::string imgX() const;
    std::string imgO() const;

    // The cell at (x, y), or nullptr outside the grid.
    CaroCell* getCellWithX(int32_t x, int32_t y);
    const CaroCell* getCellWithX(int32_t x, int32_t y) const;

    // Places the next stone at (x, y): the first stone after a reset is an X, then O, by count and
    // not by player. A cell off the grid is skipped with a log line and returns nullptr.
    CaroCell* moveWithX(int32_t x, int32_t y, int32_t status);
    // Places the winning stone and draws the line from it to (winX, winY); winDx and winDy are
    // the server's and are not used.
    CaroCell* moveAndWinWithX(int8_t x, int8_t y, int8_t winX, int8_t winY, int8_t winDx, int8_t winDy,
                              int32_t status);
    CaroCell* addCellOnBoardWithX(int32_t x, int32_t y, int32_t status);

    // The cell a tap at a grid point asks for, or nullptr when the tap does nothing: not the
    // player's turn, a grid line or outside the grid, or a cell that already holds a stone.
    const CaroCell* cellForTap(CaroPoint point, bool isMyTurn) const;

    int32_t totalMovedCells() const { return totalMovedCells_; }
    // Ends of the winning line in grid coordinates; (-1, -1) when there is none.
    CaroPoint winPoint1() const { return winPoint1_; }
    CaroPoint winPoint2() const { return winPoint2_; }
    bool hasWinLine() const { return winPoint1_.x != -1; }

private:
    std::array<std::array<CaroCell, kGridSize>, kGridSize> cells_;  // [x][y]
    int32_t totalMovedCells_ = 0;
    int32_t stoneSet_ = 1;
    CaroPoint winPoint1_{-1, -1};
    CaroPoint winPoint2_{-1, -1};
    CaroBoardObserver* observer_ = nullptr;
};

}  // namespace zuno
