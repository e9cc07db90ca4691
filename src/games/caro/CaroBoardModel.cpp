#include "games/caro/CaroBoardModel.h"

#include "platform/core/Log.h"

namespace zuno {

namespace {
int32_t gRealBoardSize = 0;

std::string stoneImage(char stone, int32_t set) {
    std::string name(1, stone);
    name += std::to_string(set);
    name += ".png";
    return name;
}

bool onGrid(int32_t x, int32_t y) {
    return x >= 0 && x < CaroBoardModel::kGridSize && y >= 0 && y < CaroBoardModel::kGridSize;
}
}  // namespace

CaroBoardModel::CaroBoardModel() { reset(); }

int32_t CaroBoardModel::realBoardSize() { return gRealBoardSize; }

void CaroBoardModel::setGeometryWithFrameWidth(double frameWidth) {
    gRealBoardSize = static_cast<int32_t>(frameWidth + frameWidth);
    CaroCell::setRealCellWidth(gRealBoardSize / kGridSize);
}

void CaroBoardModel::reset() {
    for (int32_t x = 0; x < kGridSize; ++x) {
        for (int32_t y = 0; y < kGridSize; ++y) cells_[x][y] = CaroCell(x, y);
    }
    totalMovedCells_ = 0;
    winPoint1_ = CaroPoint{-1, -1};
    winPoint2_ = CaroPoint{-1, -1};
    if (observer_) observer_->caroBoardDidReset();
}

void CaroBoardModel::initXO(const std::function<uint32_t()>& random) {
    uint32_t v = random() % 14;
    stoneSet_ = (v == 0 || v > 6) ? 1 : static_cast<int32_t>(v);
}

std::string CaroBoardModel::imgX() const { return stoneImage('x', stoneSet_); }

std::string CaroBoardModel::imgO() const { return stoneImage('o', stoneSet_); }

CaroCell* CaroBoardModel::getCellWithX(int32_t x, int32_t y) {
    return onGrid(x, y) ? &cells_[x][y] : nullptr;
}

const CaroCell* CaroBoardModel::getCellWithX(int32_t x, int32_t y) const {
    return onGrid(x, y) ? &cells_[x][y] : nullptr;
}

CaroCell* CaroBoardModel::moveWithX(int32_t x, int32_t y, int32_t status) {
    return addCellOnBoardWithX(x, y, status);
}

CaroCell* CaroBoardModel::moveAndWinWithX(int8_t x, int8_t y, int8_t winX, int8_t winY, int8_t winDx,
                                          int8_t winDy, int32_t status) {
    CaroCell* cell = addCellOnBoardWithX(x, y, status);
    if (!cell) return nullptr;
    winPoint1_ = CaroUtils::convertBoardPointToScreenPointWithX(x, y);
    winPoint2_ = CaroUtils::convertBoardPointToScreenPointWithX(winX, winY);
    if (observer_) observer_->caroBoardDidSetWinLine();
    return cell;
}

CaroCell* CaroBoardModel::addCellOnBoardWithX(int32_t x, int32_t y, int32_t status) {
    CaroCell* cell = getCellWithX(x, y);
    if (!cell) {
        // The server's move names a cell we do not have; placing it would touch memory past the grid.
        sys::Log::warningFormat("Caro move outside the grid skipped: %d %d", x, y);
        return nullptr;
    }
    if (cell->status() != CaroCell::kEmpty) {
        // Counting it would give every later stone the other colour.
        sys::Log::format("Caro move onto an occupied cell skipped: %d %d", x, y);
        return nullptr;
    }
    cell->setStatus(status);
    cell->setCellValue(totalMovedCells_ % 2 == 0 ? CaroCell::kValueX : CaroCell::kValueO);
    ++totalMovedCells_;
    if (observer_) observer_->caroBoardDidPlaceStone(*cell);
    return cell;
}

const CaroCell* CaroBoardModel::cellForTap(CaroPoint point, bool isMyTurn) const {
    if (!isMyTurn) return nullptr;
    CaroPoint board = CaroUtils::convertScreenPointToBoardPoint(point);
    if (board.x == -1) return nullptr;
    const CaroCell* cell = getCellWithX(static_cast<int32_t>(board.x), static_cast<int32_t>(board.y));
    if (!cell || cell->status() == CaroCell::kStone) return nullptr;
    return cell;
}

}  // namespace zuno
