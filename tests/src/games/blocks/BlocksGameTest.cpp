#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "games/blocks/BlocksGame.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

using namespace zuno;

namespace {

using Cells = std::vector<std::pair<int, int>>;

Cells cellsOf(const tBlock& block) {
    Cells cells;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (block.getValueAtRow(r, c) != 0) cells.emplace_back(block.wellRow(r), block.wellColumn(c));
        }
    }
    return cells;
}

bool insideWell(const tBlock& block) {
    Cells cells = cellsOf(block);
    return std::all_of(cells.begin(), cells.end(),
                       [](auto cell) { return tBoard::contains(cell.first, cell.second) && cell.first < 20; });
}

std::vector<int32_t> rowOf(const tBoard& board, int r) {
    std::vector<int32_t> row;
    for (int c = 0; c < 10; ++c) row.push_back(board.getValueAtRow(r, c));
    return row;
}

struct Recorder : BlocksGameObserver {
    std::vector<std::string> events;
    std::vector<BlocksReport> reports;
    void blocksWellChanged() override { events.push_back("well"); }
    void blocksBlockChanged() override { events.push_back("block"); }
    void blocksBlockLanded() override { events.push_back("landed"); }
    void blocksRowCleared(int32_t row) override { events.push_back("row " + std::to_string(row)); }
    void blocksBingo() override { events.push_back("bingo"); }
    void blocksRotated() override { events.push_back("rotated"); }
    void blocksSendReport(const BlocksReport& report) override {
        reports.push_back(report);
        events.push_back("report");
    }
};

class BlocksGameTest : public ::testing::Test {
protected:
    void SetUp() override { game.setObserver(&recorder); }

    void start(std::vector<int8_t> kinds) {
        ASSERT_TRUE(game.startWithBricks(kinds, static_cast<int32_t>(kinds.size())));
    }
    void shift(int columns) {
        for (; columns < 0; ++columns) game.moveBlockLeft();
        for (; columns > 0; --columns) game.moveBlockRight();
    }
    // Hard drop, the tick that lands the piece and the tick that spawns the next one.
    void dropLandAndSpawn() {
        game.moveBlockDownFast();
        game.dropBlock();
        game.dropBlock();
    }

    uint32_t draws = 0;  // colours come out 1, 2, 3, ...
    BlocksGame game{[this] { return draws++; }};
    Recorder recorder;
};

}  // namespace

TEST_F(BlocksGameTest, BadSequencesStartNoGame) {
    const std::vector<int8_t> two{1, 2};
    EXPECT_FALSE(game.startWithBricks({}, 0));
    EXPECT_FALSE(game.startWithBricks(two, -3));
    EXPECT_FALSE(game.startWithBricks(two, 3));  // longer than what arrived
    EXPECT_FALSE(game.startWithBricks(std::vector<int8_t>(128, 0), 128));
    EXPECT_TRUE(sys::Log::contains("Blocks: piece sequence of length 0 refused"));
    for (int8_t bad : {7, -1}) {
        EXPECT_FALSE(game.startWithBricks(std::vector<int8_t>{0, bad, 3}, 3));
        EXPECT_TRUE(sys::Log::contains("Blocks: piece kind " + std::to_string(bad) + " refused"));
    }
    EXPECT_EQ(game.gameBoard(), nullptr);
    EXPECT_FALSE(game.isDropLoopRunning());
    game.dropBlock();  // a tick without a game does nothing
    EXPECT_TRUE(recorder.reports.empty());
}

// The spawn place, the ghost, a hard drop that rests until the next tick, the landing report and the
// colours: random for the first piece, the preview's for the next.
TEST_F(BlocksGameTest, APieceSpawnsFallsAndLands) {
    start({2});
    ASSERT_NE(game.gameBlock(), nullptr);
    EXPECT_EQ(game.gameBlock()->blockKind(), 8);
    EXPECT_EQ(game.gameBlock()->pos(), (BlocksPoint{-1, 3}));
    EXPECT_EQ(cellsOf(*game.gameBlock()), (Cells{{0, 3}, {0, 4}, {0, 5}, {1, 4}}));
    EXPECT_EQ(game.gameBlock()->blockColor(), 1);
    EXPECT_EQ(game.nextBlock()->blockColor(), 2);
    EXPECT_EQ(game.gameBoard()->getValueAtRow(1, 4), 1);
    EXPECT_EQ(game.downBlock()->blockColor(), tBoard::kGhost);
    EXPECT_EQ(cellsOf(*game.downBlock()), (Cells{{18, 3}, {18, 4}, {18, 5}, {19, 4}}));
    EXPECT_EQ(game.gameBoard()->getValueAtRow(18, 4), 0);  // the ghost is only drawn

    game.moveBlockDownFast();
    EXPECT_EQ(cellsOf(*game.gameBlock()), (Cells{{18, 3}, {18, 4}, {18, 5}, {19, 4}}));
    game.moveBlockLeft();  // still possible before the tick
    game.dropBlock();
    EXPECT_EQ(game.gameBlock(), nullptr);
    EXPECT_EQ(recorder.reports, (std::vector<BlocksReport>{{0, 2, 0, 2, 19, 0}}));
    EXPECT_EQ(game.gameBoard()->getValueAtRow(19, 3), 1);
    EXPECT_EQ(game.gameBoard()->getValueAtRow(19, 4), 0);

    game.dropBlock();
    EXPECT_EQ(game.gameBlock()->blockColor(), 2);
    EXPECT_EQ(game.nextBlock()->blockColor(), 3);
}

TEST_F(BlocksGameTest, TheDropTimerMovesThePieceAndTheLevelRetimesItAtTheNextSpawn) {
    auto& loop = sys::RunLoop::main();
    start({0});
    loop.runFor(0.5);
    EXPECT_EQ(game.gameBlock()->pos().x, 0);
    loop.runFor(1.0);
    EXPECT_EQ(game.gameBlock()->pos().x, 2);

    game.setSpeedWithSpeed(5);
    EXPECT_EQ(game.speedDetal(), 100);
    EXPECT_EQ(game.dropTime(), 0.5f);  // the falling piece keeps its pace
    game.moveBlockDownFast();
    loop.runFor(0.5);  // lands
    EXPECT_EQ(game.gameBlock(), nullptr);
    loop.runFor(0.5);  // spawns at the new pace
    EXPECT_EQ(game.dropTime(), 0.1f);
    ASSERT_NE(game.gameBlock(), nullptr);
    loop.runFor(0.11);
    EXPECT_EQ(game.gameBlock()->pos().x, 0);
    EXPECT_EQ(loop.timerCount(), 1u);
}

TEST_F(BlocksGameTest, TheSequenceWrapsAndThePreviewLooksOneAhead) {
    start({0, 1, 2});
    std::vector<int> previewKinds;
    for (int piece = 0; piece < 5; ++piece) {
        previewKinds.push_back(game.nextBlock()->kind());
        dropLandAndSpawn();
    }
    EXPECT_EQ(previewKinds, (std::vector<int>{1, 2, 0, 1, 2}));
    using IndexTypeAndId = std::vector<std::tuple<int, int, int>>;
    IndexTypeAndId reported;
    for (const BlocksReport& r : recorder.reports) reported.emplace_back(r.index, r.type, r.idMessage);
    EXPECT_EQ(reported, (IndexTypeAndId{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {0, 0, 3}, {1, 1, 4}}));
}

// Two rows cleared by one landing score two and ring once; garbage that arrived meanwhile enters
// after them.
TEST_F(BlocksGameTest, GarbageWaitsForTheLandingAndEntersAfterTheClearedRows) {
    start({0});
    for (int columns : {-4, -2, 0, 2}) {
        shift(columns);
        dropLandAndSpawn();
    }
    const std::vector<int8_t> holes{3, 7};
    game.addRandomWithRos(holes, 2);
    EXPECT_EQ(game.addingRowCount(), 2);
    shift(4);
    game.moveBlockDownFast();
    for (int c = 0; c < 10; ++c) EXPECT_NE(game.gameBoard()->getValueAtRow(19, c), tBoard::kGarbage);

    recorder.events.clear();
    game.dropBlock();
    EXPECT_EQ(game.myScore(), 2);
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"landed", "row 18", "row 19", "bingo", "block", "well", "report"}));
    EXPECT_EQ(game.addingRowCount(), 0);
    std::vector<int32_t> hole3(10, tBoard::kGarbage), hole7(10, tBoard::kGarbage);
    hole3[3] = 0;
    hole7[7] = 0;
    EXPECT_EQ(rowOf(*game.gameBoard(), 18), hole3);
    EXPECT_EQ(rowOf(*game.gameBoard(), 19), hole7);
    for (int r = 0; r < 18; ++r) EXPECT_EQ(rowOf(*game.gameBoard(), r), std::vector<int32_t>(10, 0));
    // The report describes where the piece landed, before the garbage lifted the stack.
    EXPECT_EQ(recorder.reports.back().posY, 19);

    game.dropBlock();  // the next piece's ghost rests on the garbage
    EXPECT_EQ(cellsOf(*game.downBlock()), (Cells{{16, 4}, {16, 5}, {17, 4}, {17, 5}}));
}

TEST_F(BlocksGameTest, QueuedGarbageBeyondTwentyRowsIsRefused) {
    game.addRandomWithRos(std::vector<int8_t>(3, 1), 3);
    EXPECT_TRUE(sys::Log::contains("outside a game dropped"));
    start({1});
    EXPECT_EQ(game.addingRowCount(), 0);
    game.addRandomWithRos(std::vector<int8_t>(15, 2), 15);
    game.addRandomWithRos(std::vector<int8_t>(10, 4), 10);
    EXPECT_EQ(game.addingRowCount(), 20);
    EXPECT_TRUE(sys::Log::contains("Blocks: 5 garbage rows refused, 20 are queued already"));
    EXPECT_EQ(game.arrAddBricks()[14], 2);
    EXPECT_EQ(game.arrAddBricks()[19], 4);
    game.addRandomWithRos(std::vector<int8_t>(1, 4), 1);
    EXPECT_EQ(game.addingRowCount(), 20);
}

TEST_F(BlocksGameTest, TurningBeforeTheFirstDropOrOnTheFloorKeepsEveryPieceInTheWell) {
    for (int8_t kind = 0; kind < 7; ++kind) {
        start({kind});
        for (int turn = 0; turn < 12; ++turn) {
            if (turn == 8) game.moveBlockDownFast();
            game.rotateBlock();
            ASSERT_TRUE(insideWell(*game.gameBlock())) << int(kind) << " turn " << turn;
            ASSERT_TRUE(insideWell(*game.downBlock())) << int(kind) << " turn " << turn;
        }
        EXPECT_EQ(rowOf(*game.gameBoard(), 20), std::vector<int32_t>(10, -1));
        game.gameEnd();
    }
    // A flat I on the floor stands up lifted by as much as it would stick out below.
    start({1});
    game.moveBlockDownFast();
    game.rotateBlock();
    EXPECT_EQ(cellsOf(*game.gameBlock()), (Cells{{16, 4}, {17, 4}, {18, 4}, {19, 4}}));
    EXPECT_FALSE(sys::Log::contains("outside the well"));
}

TEST_F(BlocksGameTest, TurningAgainstAWallKicksThePieceBackByItsOverhang) {
    start({1});
    game.rotateBlock();  // upright, pushed down one row into the well
    EXPECT_EQ(game.gameBlock()->pos(), (BlocksPoint{0, 3}));
    shift(-6);
    EXPECT_EQ(game.gameBlock()->pos().y, -1);  // standing in column 0
    game.rotateBlock();
    EXPECT_EQ(cellsOf(*game.gameBlock()), (Cells{{1, 0}, {1, 1}, {1, 2}, {1, 3}}));
    game.rotateBlock();
    shift(8);
    EXPECT_EQ(cellsOf(*game.gameBlock()).front().second, 9);
    game.rotateBlock();
    EXPECT_EQ(cellsOf(*game.gameBlock()), (Cells{{1, 6}, {1, 7}, {1, 8}, {1, 9}}));
    EXPECT_FALSE(sys::Log::contains("outside the well"));
}

// Two upright I pieces: the first settles in `settledColumn`, the second stands on the floor in
// column 9 and tries to lie down across columns 8..11.
TEST_F(BlocksGameTest, ATurnThatDoesNotFitIsRefusedWithoutLooping) {
    for (int settledColumn : {8, 7}) {  // on the stack / kicked back into the stack
        start({1, 1});
        game.rotateBlock();
        shift(settledColumn - 4);
        dropLandAndSpawn();
        game.rotateBlock();
        shift(5);
        game.moveBlockDownFast();
        const Cells before = cellsOf(*game.gameBlock());
        recorder.events.clear();
        game.rotateBlock();
        EXPECT_EQ(game.gameBlock()->rotation(), 1) << settledColumn;
        EXPECT_EQ(cellsOf(*game.gameBlock()), before) << settledColumn;
        EXPECT_EQ(recorder.events.front(), "rotated");  // the sound plays for a refused turn too
    }
    EXPECT_FALSE(sys::Log::contains("outside the well"));
}

TEST_F(BlocksGameTest, ANewPieceOnTheStackSendsTheLossReportOnce) {
    start({0, 0, 0});
    for (int piece = 0; piece < 10; ++piece) dropLandAndSpawn();
    // Columns 4..5 are full to the top; the eleventh piece overlaps them.
    EXPECT_TRUE(game.isGameEnd());
    EXPECT_TRUE(sys::Log::contains("checkLose"));
    ASSERT_EQ(recorder.reports.size(), 11u);
    EXPECT_EQ(recorder.reports[10], (BlocksReport{1, 0, 0, 3, -1, 10}));
    ASSERT_NE(game.gameBlock(), nullptr);  // it still falls and lands
    game.dropBlock();
    EXPECT_EQ(recorder.reports.size(), 12u);
    EXPECT_EQ(recorder.reports[11].idMessage, 10);
    game.dropBlock();  // no spawn after a loss: the drop loop stops
    EXPECT_FALSE(game.isDropLoopRunning());
    EXPECT_EQ(game.gameBlock(), nullptr);
    game.dropBlock();
    EXPECT_EQ(recorder.reports.size(), 12u);
}

TEST_F(BlocksGameTest, ASecondStartBeginsAfreshAndGameEndForgetsTheGame) {
    auto& loop = sys::RunLoop::main();
    start({0, 1});
    dropLandAndSpawn();
    game.addRandomWithRos(std::vector<int8_t>{1, 2}, 2);
    start({2});
    EXPECT_EQ(game.gameMoveCount(), 0);
    EXPECT_EQ(game.addingRowCount(), 0);  // the old game's garbage stays out of the new well
    EXPECT_EQ(game.gameBlock()->kind(), 2);
    EXPECT_EQ(loop.timerCount(), 1u);  // one drop timer, not two

    game.setSpeedWithSpeed(4);
    dropLandAndSpawn();
    game.addRandomWithRos(std::vector<int8_t>{1}, 1);
    game.gameEnd();
    EXPECT_EQ(game.gameBoard(), nullptr);
    EXPECT_EQ(game.gameBlock(), nullptr);
    EXPECT_EQ(loop.timerCount(), 0u);
    EXPECT_EQ(game.gameMoveCount(), 0);
    EXPECT_EQ(game.addingRowCount(), 0);
    EXPECT_EQ(game.speedDetal(), 500);
    const size_t reports = recorder.reports.size();
    game.dropBlock();
    EXPECT_EQ(recorder.reports.size(), reports);
}

// Plays games from one seed until 100 pieces have landed: the sequences, the piece colours and the
// player's input all come from it. Gives the reports and the final well.
static std::pair<std::vector<BlocksReport>, std::vector<std::vector<int32_t>>> replay(uint32_t seed) {
    std::mt19937 colours(seed), input(seed * 7919u + 1);
    Recorder recorder;
    BlocksGame game([&colours] { return static_cast<uint32_t>(colours()); });
    game.setObserver(&recorder);
    for (int step = 0; step < 100000 && recorder.reports.size() < 100; ++step) {
        if (!game.gameBoard() || (game.isGameEnd() && !game.isDropLoopRunning())) {
            std::vector<int8_t> kinds(40);
            for (auto& kind : kinds) kind = static_cast<int8_t>(input() % 7);
            game.gameEnd();
            game.startWithBricks(kinds, 40);
        }
        switch (input() % 10) {
            case 3: game.moveBlockLeft(); break;
            case 4: game.moveBlockRight(); break;
            case 5: game.rotateBlock(); break;
            case 6: game.moveBlockDown(); break;
            case 7: game.moveBlockDownFast(); break;
            case 8: {
                std::vector<int8_t> holes(1 + input() % 3);
                for (auto& hole : holes) hole = static_cast<int8_t>(input() % 10);
                game.addRandomWithRos(holes, static_cast<int8_t>(holes.size()));
                break;
            }
            default: game.dropBlock(); break;
        }
    }
    std::vector<std::vector<int32_t>> well;
    for (int r = 0; game.gameBoard() && r < 21; ++r) well.push_back(rowOf(*game.gameBoard(), r));
    return {recorder.reports, well};
}

TEST(BlocksGameReplay, AFixedSeedReplaysTheSameGame) {
    auto first = replay(42);
    EXPECT_EQ(first.first.size(), 100u);
    EXPECT_EQ(replay(42), first);
    EXPECT_NE(replay(43).first, first.first);
}
