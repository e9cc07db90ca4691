#pragma once

#include <array>
#include <cstdint>

#include "games/blocks/BlocksPoint.h"

namespace zuno {

// The well: 20 rows of 10 cells, row 0 at the top, with a floor row (row 20) under them.
// Cell values: 0 empty, 1..7 a piece's colour, 10 garbage, -1 the floor. The ghost's colour 9 is
// never stored here.
class tBoard {
public:
    static constexpr int32_t kRows = 20;
    static constexpr int32_t kColumns = 10;
    static constexpr int32_t kFloorRow = kRows;
    static constexpr int32_t kEmpty = 0;
    static constexpr int32_t kGhost = 9;
    static constexpr int32_t kGarbage = 10;
    static constexpr int32_t kFloor = -1;

    explicit tBoard(BlocksPoint position);

    // Rows 0..19 empty, the floor row -1.
    void resetBoard();

    // Whether (row, columb) is a cell of the array: rows 0..20, columns 0..9.
    static bool contains(int32_t row, int32_t columb);
    // One cell. A cell outside the array is never touched: the access is logged, a read gives the
    // floor value (solid) and a write is refused.
    int32_t getValueAtRow(int32_t row, int32_t columb) const;
    bool setValueAtRow(int32_t row, int32_t columb, int32_t value);

    // The first full row from the top among rows 0..19 (every cell non-zero), or -1.
    int32_t bingoAtRow() const;
    // Removes a row of 0..19: the rows above it move down one and row 0 becomes empty.
    void handleBingoAtRow(int32_t row);
    // Rows 1..19 move up one (row 0 is lost) and row 19 becomes garbage with a hole at the column;
    // a hole outside 0..9 gives a garbage row without a hole.
    void pushOneRowUp(int8_t hole);

    BlocksPoint BoardPos() const { return BoardPos_; }
    void setBoardPos(BlocksPoint position) { BoardPos_ = position; }

private:
    std::array<std::array<int32_t, kColumns>, kRows + 1> boardArray_{};
    BlocksPoint BoardPos_;
};

}  // namespace zuno
