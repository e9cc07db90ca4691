#include "games/blocks/tBlock.h"

#include <string>

#include "platform/core/Exception.h"

namespace zuno {

namespace {

using Shape = std::array<const char*, tBlock::kSize>;

// [kind][rotation], rows top to bottom, '#' an occupied cell.
constexpr std::array<std::array<Shape, 4>, tBlock::kKindCount> kShapes{{
    // O
    {{{"....", ".##.", ".##.", "...."},
      {"....", ".##.", ".##.", "...."},
      {"....", ".##.", ".##.", "...."},
      {"....", ".##.", ".##.", "...."}}},
    // I
    {{{"....", "####", "....", "...."},
      {".#..", ".#..", ".#..", ".#.."},
      {"....", "####", "....", "...."},
      {".#..", ".#..", ".#..", ".#.."}}},
    // T
    {{{"....", "###.", ".#..", "...."},
      {".#..", "##..", ".#..", "...."},
      {".#..", "###.", "....", "...."},
      {".#..", ".##.", ".#..", "...."}}},
    // L
    {{{"....", "###.", "#...", "...."},
      {"....", "##..", ".#..", ".#.."},
      {"....", "..#.", "###.", "...."},
      {"....", "#...", "#...", "##.."}}},
    // J
    {{{"....", "###.", "..#.", "...."},
      {"....", ".#..", ".#..", "##.."},
      {"....", "#...", "###.", "...."},
      {"....", "##..", "#...", "#..."}}},
    // Z
    {{{"....", "##..", ".##.", "...."},
      {"....", ".#..", "##..", "#..."},
      {"....", "##..", ".##.", "...."},
      {"....", ".#..", "##..", "#..."}}},
    // S
    {{{"....", ".##.", "##..", "...."},
      {"....", "#...", "##..", ".#.."},
      {"....", ".##.", "##..", "...."},
      {"....", "#...", "##..", ".#.."}}},
}};

bool isValidBlockKind(int32_t blockKind) { return blockKind >= 0 && blockKind < tBlock::kBlockKindCount; }

void requireValidBlockKind(int32_t blockKind) {
    if (!isValidBlockKind(blockKind)) {
        throw sys::Exception(sys::Exception::kInvalidArgument,
                             "piece kind " + std::to_string(blockKind) + " is not 0..27");
    }
}

bool inMatrix(int32_t row, int32_t columb) {
    return row >= 0 && row < tBlock::kSize && columb >= 0 && columb < tBlock::kSize;
}

// Truncates toward zero like the float-to-int conversion, without its undefined cases: positions
// far outside the well collapse to values that no well check accepts.
int32_t truncateToCell(float v) {
    constexpr float kFar = 1000.0f;
    if (!(v > -kFar)) return -static_cast<int32_t>(kFar);  // also NaN
    if (!(v < kFar)) return static_cast<int32_t>(kFar);
    return static_cast<int32_t>(v);
}

}  // namespace

tBlock::tBlock(int8_t blockKind, BlocksPoint positionInBoard, int8_t color) {
    requireValidBlockKind(blockKind);
    isDroping_ = true;
    blockColor_ = color;
    blockKind_ = blockKind;
    setBlock();
    pos_ = positionInBoard;
}

void tBlock::setBlock() {
    if (!isValidBlockKind(blockKind_)) return;
    const Shape& shape = kShapes[kind()][rotation()];
    Matrix filled{};
    for (int32_t r = 0; r < kSize; ++r) {
        for (int32_t c = 0; c < kSize; ++c) filled[r][c] = shape[r][c] == '#' ? blockColor_ : 0;
    }
    copyArray(blockArray_, filled);
}

void tBlock::rotate() {
    int8_t next = static_cast<int8_t>(blockKind_ + 1);
    if ((next & 3) == 0) next = static_cast<int8_t>(next - 4);
    blockKind_ = next;
    setBlock();
}

void tBlock::revertRotate() {
    bool wasRotationZero = rotation() == 0;
    int8_t previous = static_cast<int8_t>(blockKind_ - 1);
    if (wasRotationZero) previous = static_cast<int8_t>(previous + 4);
    blockKind_ = previous;
    setBlock();
}

void tBlock::drop() { pos_.x += 1.0f; }
void tBlock::pullUp() { pos_.x -= 1.0f; }
void tBlock::moveRight() { pos_.y += 1.0f; }
void tBlock::moveLeft() { pos_.y -= 1.0f; }

int32_t tBlock::getValueAtRow(int32_t row, int32_t columb) const {
    return inMatrix(row, columb) ? blockArray_[row][columb] : 0;
}

void tBlock::setValueAtRow(int32_t row, int32_t columb, int32_t value) {
    if (inMatrix(row, columb)) blockArray_[row][columb] = value;
}

int32_t tBlock::getMaxLeftOfRow(int32_t row) const {
    for (int32_t c = 0; c < kSize; ++c) {
        if (getValueAtRow(row, c) > 0) return c;
    }
    return -1;
}

int32_t tBlock::getMaxRightOfRow(int32_t row) const {
    for (int32_t c = kSize - 1; c >= 0; --c) {
        if (getValueAtRow(row, c) > 0) return c;
    }
    return -1;
}

int32_t tBlock::getMaxDownOfColumb(int32_t columb) const {
    for (int32_t r = kSize - 1; r >= 0; --r) {
        if (getValueAtRow(r, columb) > 0) return r;
    }
    return -1;
}

int32_t tBlock::getMaxLeft() const {
    int32_t left = 3;
    for (int32_t r = 0; r < kSize; ++r) {
        for (int32_t c = 0; c < 3; ++c) {
            if (blockArray_[r][c] != 0 && c < left) left = c;
        }
    }
    return left;
}

int32_t tBlock::getMaxRight() const {
    int32_t right = 0;
    for (int32_t r = 0; r < kSize; ++r) {
        for (int32_t c = 1; c < kSize; ++c) {
            if (blockArray_[r][c] != 0 && c > right) right = c;
        }
    }
    return right;
}

int32_t tBlock::getMaxDown() const {
    int32_t down = 0;
    for (int32_t r = 0; r < kSize; ++r) {
        for (int32_t c = 0; c < kSize; ++c) {
            if (blockArray_[r][c] != 0 && r > down) down = r;
        }
    }
    return down;
}

void tBlock::setBlockKind(int8_t blockKind) {
    requireValidBlockKind(blockKind);
    blockKind_ = blockKind;
}

int32_t tBlock::wellRow(int32_t r) const { return truncateToCell(pos_.x + static_cast<float>(r)); }

int32_t tBlock::wellColumn(int32_t c) const { return truncateToCell(pos_.y + static_cast<float>(c)); }

}  // namespace zuno
