#include <gtest/gtest.h>

#include <vector>

#include "games/caro/CaroBoardModel.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"

using namespace zuno;

namespace {

struct Recorder : CaroBoardObserver {
    int resets = 0;
    std::vector<std::pair<int32_t, int32_t>> stones;
    int winLines = 0;
    void caroBoardDidReset() override { ++resets; }
    void caroBoardDidPlaceStone(const CaroCell& cell) override { stones.emplace_back(cell.x(), cell.y()); }
    void caroBoardDidSetWinLine() override { ++winLines; }
};

class CaroBoardModelTest : public ::testing::Test {
protected:
    void SetUp() override { CaroBoardModel::setGeometryWithFrameWidth(280); }
    CaroBoardModel board;
};

}  // namespace

TEST_F(CaroBoardModelTest, StonesAlternateByCountNotByPlayer) {
    // The same player's stones still alternate: the server decides who plays, the count decides X or O.
    EXPECT_EQ(board.moveWithX(5, 5, 1)->cellValue(), CaroCell::kValueX);
    EXPECT_EQ(board.moveWithX(6, 5, 1)->cellValue(), CaroCell::kValueO);
    EXPECT_EQ(board.moveWithX(7, 5, 1)->cellValue(), CaroCell::kValueX);
    EXPECT_EQ(board.totalMovedCells(), 3);
    EXPECT_EQ(board.getCellWithX(6, 5)->status(), 1);

    board.reset();
    EXPECT_EQ(board.totalMovedCells(), 0);
    EXPECT_EQ(board.getCellWithX(6, 5)->status(), CaroCell::kEmpty);
    EXPECT_EQ(board.moveWithX(6, 5, 1)->cellValue(), CaroCell::kValueX);
}

TEST_F(CaroBoardModelTest, AServerMoveOffTheGridIsSkippedWithALogLine) {
    Recorder recorder;
    board.setObserver(&recorder);
    sys::Log::clearCaptured();
    EXPECT_EQ(board.moveWithX(20, 3, 1), nullptr);
    EXPECT_EQ(board.moveWithX(3, -1, 1), nullptr);
    EXPECT_EQ(board.moveAndWinWithX(-128, 0, 0, 0, 1, 1, 1), nullptr);
    EXPECT_TRUE(sys::Log::contains("Caro move outside the grid skipped: 20 3"));
    EXPECT_TRUE(sys::Log::contains("Caro move outside the grid skipped: -128 0"));
    EXPECT_TRUE(recorder.stones.empty());
    EXPECT_FALSE(board.hasWinLine());
    // The skipped moves do not count: the next stone is still the first X.
    EXPECT_EQ(board.totalMovedCells(), 0);
    EXPECT_EQ(board.moveWithX(19, 19, 1)->cellValue(), CaroCell::kValueX);
    EXPECT_EQ(recorder.stones, (std::vector<std::pair<int32_t, int32_t>>{{19, 19}}));
}

TEST_F(CaroBoardModelTest, AServerMoveOntoAnOccupiedCellIsSkippedAndTheColoursStay) {
    sys::Log::clearCaptured();
    board.moveWithX(5, 5, 1);
    EXPECT_EQ(board.moveWithX(5, 5, 2), nullptr);
    EXPECT_EQ(board.moveAndWinWithX(5, 5, 9, 5, 1, 0, 2), nullptr);
    EXPECT_TRUE(sys::Log::contains("Caro move onto an occupied cell skipped: 5 5"));
    EXPECT_EQ(board.getCellWithX(5, 5)->status(), 1);
    EXPECT_FALSE(board.hasWinLine());
    EXPECT_EQ(board.totalMovedCells(), 1);
    EXPECT_EQ(board.moveWithX(6, 5, 2)->cellValue(), CaroCell::kValueO);
}

TEST_F(CaroBoardModelTest, TheWinLineRunsFromTheMoveToTheWinPointWhateverTheDirection) {
    Recorder recorder;
    board.setObserver(&recorder);
    CaroCell* cell = board.moveAndWinWithX(4, 4, 8, 8, -1, 0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->status(), 1);
    EXPECT_EQ(board.winPoint1(), (CaroPoint{4 * 28 + 14, 4 * 28 + 14}));
    EXPECT_EQ(board.winPoint2(), (CaroPoint{8 * 28 + 14, 8 * 28 + 14}));
    EXPECT_EQ(recorder.winLines, 1);

    board.reset();
    EXPECT_FALSE(board.hasWinLine());
    EXPECT_EQ(board.winPoint1(), (CaroPoint{-1, -1}));
    EXPECT_EQ(recorder.resets, 1);
}

TEST_F(CaroBoardModelTest, ATapAsksForAFreeCellOnlyOnThePlayersTurn) {
    CaroPoint inCell34{3 * 28 + 10, 4 * 28 + 10};
    const CaroCell* target = board.cellForTap(inCell34, true);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->x(), 3);
    EXPECT_EQ(target->y(), 4);

    EXPECT_EQ(board.cellForTap(inCell34, false), nullptr);              // the opponent's turn
    EXPECT_EQ(board.cellForTap({3 * 28, 4 * 28 + 10}, true), nullptr);  // a grid line
    EXPECT_EQ(board.cellForTap({-3, 10}, true), nullptr);               // outside the grid
    // Only a cell whose status says it holds a stone (1) refuses the tap.
    board.getCellWithX(3, 4)->setStatus(2);
    EXPECT_EQ(board.cellForTap(inCell34, true), target);
    board.getCellWithX(3, 4)->setStatus(0);
    board.moveWithX(3, 4, 1);
    EXPECT_EQ(board.cellForTap(inCell34, true), nullptr);  // occupied
    // Nothing is placed by a tap: the stone waits for the server's move.
    EXPECT_EQ(board.totalMovedCells(), 1);
}

TEST_F(CaroBoardModelTest, StonePicturesComeFromSixSetsWithSetOneMostOften) {
    std::vector<int> setCounts(7, 0);
    for (uint32_t v = 0; v < 14; ++v) {
        board.initXO([v] { return v + 14 * 1000; });
        std::string x = board.imgX();
        int set = x[1] - '0';
        EXPECT_EQ(x, sys::format("x%d.png", set));
        EXPECT_EQ(board.imgO(), sys::format("o%d.png", set));
        ++setCounts[set];
    }
    EXPECT_EQ(setCounts, (std::vector<int>{0, 9, 1, 1, 1, 1, 1}));
}
