#pragma once

#include <array>
#include <cstdint>

#include "games/blocks/BlocksPoint.h"

namespace zuno {

// One tetromino: its kind and rotation, its colour, its 4 x 4 cell matrix and its place in the well.
// Kinds: 0 O, 1 I, 2 T, 3 L, 4 J, 5 Z, 6 S. blockKind is kind * 4 + rotation.
class tBlock {
public:
    static constexpr int32_t kSize = 4;
    static constexpr int32_t kKindCount = 7;
    static constexpr int32_t kBlockKindCount = kKindCount * 4;
    using Matrix = std::array<std::array<int32_t, kSize>, kSize>;

    // A blockKind outside 0..27 (a kind outside 0..6) raises InvalidArgumentException.
    tBlock(int8_t blockKind, BlocksPoint positionInBoard, int8_t color);

    static bool isValidKind(int32_t kind) { return kind >= 0 && kind < kKindCount; }

    // Refills the matrix from blockKind and blockColor.
    void setBlock();
    // Copies the cells of one matrix into another.
    static void copyArray(Matrix& to, const Matrix& from) { to = from; }
    // A quarter turn clockwise, within the same kind.
    void rotate();
    // Undoes rotate().
    void revertRotate();
    void drop();
    void pullUp();
    void moveRight();
    void moveLeft();

    // Matrix cells, row and column 0..3; outside reads 0 and writes nothing.
    int32_t getValueAtRow(int32_t row, int32_t columb) const;
    void setValueAtRow(int32_t row, int32_t columb, int32_t value);

    // First / last column of the row holding a cell above 0, or -1.
    int32_t getMaxLeftOfRow(int32_t row) const;
    int32_t getMaxRightOfRow(int32_t row) const;
    // Last row of the column holding a cell above 0, or -1.
    int32_t getMaxDownOfColumb(int32_t columb) const;
    // Smallest occupied column among columns 0..2, else 3.
    int32_t getMaxLeft() const;
    // Largest occupied column among columns 1..3, else 0.
    int32_t getMaxRight() const;
    // Largest occupied row, else 0.
    int32_t getMaxDown() const;

    int8_t blockKind() const { return blockKind_; }
    // Sets the kind and rotation without refilling the matrix; outside 0..27 raises.
    void setBlockKind(int8_t blockKind);
    int32_t blockColor() const { return blockColor_; }
    bool isDroping() const { return isDroping_; }
    void setIsDroping(bool isDroping) { isDroping_ = isDroping; }
    BlocksPoint pos() const { return pos_; }
    void setPos(BlocksPoint pos) { pos_ = pos; }
    const Matrix& blockArray() const { return blockArray_; }

    int32_t kind() const { return blockKind_ / 4; }
    int32_t rotation() const { return blockKind_ % 4; }
    // The well row and column of matrix row r and column c (the float sum truncated toward zero).
    int32_t wellRow(int32_t r) const;
    int32_t wellColumn(int32_t c) const;

private:
    int8_t blockKind_ = 0;
    int32_t blockColor_ = 0;
    Matrix blockArray_{};
    bool isDroping_ = true;
    BlocksPoint pos_;
};

}  // namespace zuno
