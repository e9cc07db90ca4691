#include "games/caro/CaroUtils.h"

#include <cmath>

#include "games/caro/CaroCell.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {

constexpr CaroPoint kNoCell{-1, -1};

int32_t cellWidthOrThrow() {
    int32_t w = CaroCell::realCellWidth();
    if (w <= 0) throw sys::Exception(sys::Exception::kRange, "the grid has no cell width yet");
    return w;
}

// The cell index along one axis, or -1. Truncation alone would map points just left of or above
// the grid to the edge cells, and points past its far edge to cell 20.
int32_t cellAlong(float p, int32_t w) {
    if (!std::isfinite(p) || p < 0 || p >= static_cast<float>(CaroUtils::kGridSize * w)) return -1;
    if (static_cast<int32_t>(p) % w == 0) return -1;  // on a grid line
    return static_cast<int32_t>(p / static_cast<float>(w));
}

}  // namespace

CaroPoint CaroUtils::convertBoardPointToScreenPointWithX(int32_t x, int32_t y) {
    // Plain arithmetic: nothing here can fail, whatever the cell width.
    int64_t w = CaroCell::realCellWidth();
    int64_t half = w / 2;
    return CaroPoint{static_cast<float>(x * w + half), static_cast<float>(y * w + half)};
}

CaroPoint CaroUtils::convertScreenPointToBoardPoint(CaroPoint point) {
    try {
        int32_t w = cellWidthOrThrow();
        int32_t bx = cellAlong(point.x, w);
        int32_t by = cellAlong(point.y, w);
        if (bx < 0 || by < 0) return kNoCell;
        return CaroPoint{static_cast<float>(bx), static_cast<float>(by)};
    } catch (const std::exception& e) {
        sys::Log::warningFormat("Exception %s", sys::failureName(e).c_str());
        return kNoCell;
    }
}

}  // namespace zuno
