#pragma once

#include "platform/ui/Geometry.h"

#include <cstdint>

namespace zuno {

// A point in the coordinates of the drawn grid (origin at its top left corner), or a cell (x, y).
using CaroPoint = ui::Point;

// Conversions between grid cells and points of the drawn grid, at the current cell width
// (CaroCell::realCellWidth).
class CaroUtils {
public:
    static constexpr int32_t kGridSize = 20;

    // The centre of cell (x, y).
    static CaroPoint convertBoardPointToScreenPointWithX(int32_t x, int32_t y);
    // The cell under a point, or (-1, -1) when the point lies on a grid line or outside the grid.
    static CaroPoint convertScreenPointToBoardPoint(CaroPoint point);
};

}  // namespace zuno
