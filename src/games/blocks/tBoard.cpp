#include "games/blocks/tBoard.h"

#include "platform/core/Log.h"

namespace zuno {

tBoard::tBoard(BlocksPoint position) : BoardPos_(position) { resetBoard(); }

void tBoard::resetBoard() {
    for (int32_t r = 0; r < kRows; ++r) boardArray_[r].fill(kEmpty);
    boardArray_[kFloorRow].fill(kFloor);
}

bool tBoard::contains(int32_t row, int32_t columb) {
    return row >= 0 && row <= kFloorRow && columb >= 0 && columb < kColumns;
}

int32_t tBoard::getValueAtRow(int32_t row, int32_t columb) const {
    if (!contains(row, columb)) {
        sys::Log::warningFormat("Blocks: read of cell %d, %d outside the well", row, columb);
        return kFloor;
    }
    return boardArray_[row][columb];
}

bool tBoard::setValueAtRow(int32_t row, int32_t columb, int32_t value) {
    if (!contains(row, columb)) {
        sys::Log::warningFormat("Blocks: write of cell %d, %d outside the well refused", row, columb);
        return false;
    }
    boardArray_[row][columb] = value;
    return true;
}

int32_t tBoard::bingoAtRow() const {
    for (int32_t r = 0; r < kRows; ++r) {
        bool full = true;
        for (int32_t c = 0; c < kColumns && full; ++c) full = boardArray_[r][c] != kEmpty;
        if (full) return r;
    }
    return -1;
}

void tBoard::handleBingoAtRow(int32_t row) {
    if (row < 0 || row >= kRows) {
        sys::Log::warningFormat("Blocks: row %d is not a row of the well", row);
        return;
    }
    for (int32_t r = row; r >= 1; --r) boardArray_[r] = boardArray_[r - 1];
    boardArray_[0].fill(kEmpty);
}

void tBoard::pushOneRowUp(int8_t hole) {
    for (int32_t r = 1; r < kRows; ++r) boardArray_[r - 1] = boardArray_[r];
    boardArray_[kRows - 1].fill(kGarbage);
    if (hole >= 0 && hole < kColumns) boardArray_[kRows - 1][hole] = kEmpty;
}

}  // namespace zuno
