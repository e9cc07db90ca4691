#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "games/blocks/tBoard.h"
#include "platform/core/Log.h"

using namespace zuno;

namespace {

using Row = std::vector<int32_t>;

Row rowOf(const tBoard& board, int r) {
    Row row;
    for (int c = 0; c < 10; ++c) row.push_back(board.getValueAtRow(r, c));
    return row;
}

Row garbageWithHole(int hole) {
    Row row(10, tBoard::kGarbage);
    if (hole >= 0 && hole < 10) row[hole] = 0;
    return row;
}

}  // namespace

TEST(tBoard, LineClearsRemoveExactlyTheFullRowsAndKeepTheOrderOfTheOthers) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        tBoard board(BlocksPoint{});
        std::vector<Row> kept;
        int full = 0;
        for (int r = 0; r < 20; ++r) {
            Row row(10);
            bool isFull = rng() % 3 == 0;
            for (int c = 0; c < 10; ++c) row[c] = 1 + static_cast<int32_t>(rng() % 10);
            if (!isFull) {
                for (unsigned holes = 1 + rng() % 4; holes > 0; --holes) row[rng() % 10] = 0;
            }
            for (int c = 0; c < 10; ++c) board.setValueAtRow(r, c, row[c]);
            if (isFull) ++full; else kept.push_back(row);
        }
        for (int row = board.bingoAtRow(); row != -1; row = board.bingoAtRow(), --full) board.handleBingoAtRow(row);
        ASSERT_EQ(full, 0);
        int empty = 20 - static_cast<int>(kept.size());
        for (int r = 0; r < empty; ++r) ASSERT_EQ(rowOf(board, r), Row(10, 0));
        for (size_t i = 0; i < kept.size(); ++i) ASSERT_EQ(rowOf(board, empty + static_cast<int>(i)), kept[i]);
        ASSERT_EQ(rowOf(board, 20), Row(10, -1));
    }
}

TEST(tBoard, GarbageRowsComeInFromBelowAndKeepTheirHole) {
    tBoard board(BlocksPoint{});
    for (int c = 0; c < 10; ++c) board.setValueAtRow(0, c, 6);  // pushed out by the first row
    board.setValueAtRow(19, 4, 3);
    const int8_t holes[] = {0, 9, 4, 7};
    for (int8_t hole : holes) board.pushOneRowUp(hole);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(rowOf(board, 16 + i), garbageWithHole(holes[i]));  // oldest highest
    EXPECT_EQ(board.getValueAtRow(15, 4), 3);
    for (int r = 0; r < 15; ++r) EXPECT_EQ(rowOf(board, r), Row(10, 0));
    EXPECT_EQ(board.bingoAtRow(), -1);  // a row with a hole is never full
    board.pushOneRowUp(10);             // no hole in the well: a solid row
    EXPECT_EQ(rowOf(board, 19), garbageWithHole(10));
    EXPECT_EQ(board.bingoAtRow(), 19);
    EXPECT_EQ(rowOf(board, 20), Row(10, -1));
}

TEST(tBoard, NoAccessOutsideTheWell) {
    tBoard board(BlocksPoint{});
    for (auto [row, column] : {std::pair{-1, 0}, {21, 0}, {3, 10}, {0, -1}}) {
        EXPECT_EQ(board.getValueAtRow(row, column), tBoard::kFloor);
        EXPECT_FALSE(board.setValueAtRow(row, column, 5));
    }
    EXPECT_TRUE(sys::Log::contains("outside the well"));
    board.handleBingoAtRow(20);  // the floor is not a row to clear
    board.handleBingoAtRow(-1);
    for (int r = 0; r < 20; ++r) EXPECT_EQ(rowOf(board, r), Row(10, 0));
    EXPECT_EQ(rowOf(board, 20), Row(10, -1));
}
