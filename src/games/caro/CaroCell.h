#pragma once

#include <cstdint>

namespace zuno {

// One cell of the Caro grid and the stone it holds.
class CaroCell {
public:
    static constexpr int32_t kEmpty = 0;
    static constexpr int32_t kStone = 1;
    static constexpr int32_t kValueX = 0;
    static constexpr int32_t kValueO = 1;

    CaroCell() = default;
    CaroCell(int32_t x, int32_t y) : x_(x), y_(y) {}

    int32_t x() const { return x_; }
    int32_t y() const { return y_; }
    int32_t status() const { return status_; }
    void setStatus(int32_t status) { status_ = status; }
    // Which stone the cell holds: kValueX or kValueO. An empty cell also reads kValueX.
    int32_t cellValue() const { return cellValue_; }
    void setCellValue(int32_t value) { cellValue_ = value; }

    // Side of one cell in points, shared by every board and conversion. Set when a board is laid out.
    static int32_t realCellWidth();
    static void setRealCellWidth(int32_t width);

private:
    int32_t x_ = 0;
    int32_t y_ = 0;
    int32_t status_ = kEmpty;
    int32_t cellValue_ = kValueX;
};

}  // namespace zuno
