// The Blocks table drawn frame by frame as the window draws it: a step of the piece marks the cells it
// leaves and enters, not the well, and every partial frame of a game (falls, moves, turns, landings
// with the well's bounce, cleared rows flying off, the bobbing preview, the marker, the end) shows what
// a full redraw shows.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "games/blocks/BlocksView.h"
#include "platform/backend/RasterScreen.h"
#include "platform/ui/Display.h"
#include "src/table/TableFixture.h"
#include "support/RasterCompare.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

class BlocksWellDrawingTest : public TableTest {
protected:
    // "an" (20) owns the table and is ready; the game starts with the kinds given.
    std::shared_ptr<BlocksView> playing(std::vector<int8_t> kinds) {
        UIController::setGameType(8);
        GameController::showBlocksScreenWithRoom(1, 2, 20, 100, {me, seatPlayer(20, "an", 5000, true)});
        run(1);
        auto screen = GameController::getBlocksView();
        auto engine = std::make_shared<std::mt19937>(11);
        screen->setRandom([engine] { return static_cast<uint32_t>((*engine)()); });
        screen->startWithBricks(kinds);
        return screen;
    }
};

double area(const ui::ScreenRegion& region) {
    double sum = 0;
    for (const ui::Rect& r : region.rects()) sum += r.width() * r.height();
    return sum;
}

TEST_F(BlocksWellDrawingTest, AStepOfThePieceMarksItsCellsNotTheWell) {
    auto screen = playing({1});
    run(0.6);  // the first piece falls a row
    const double well = 10 * 18 * 20 * 18;
    const ui::ScreenRegion& dirty = ui::Display::dirtyRegion();
    ui::Display::clearDirty();
    screen->gameKeyDown(GameKey::Down);
    ASSERT_FALSE(dirty.isAll());
    EXPECT_GT(area(dirty), 18 * 18);
    EXPECT_LT(area(dirty), well / 10);

    ui::Display::clearDirty();
    screen->gameKeyDown(GameKey::Left);  // the piece and its ghost move a column
    ASSERT_FALSE(dirty.isAll());
    EXPECT_GT(area(dirty), 2 * 18 * 18);
    EXPECT_LT(area(dirty), well / 10);
}

TEST_F(BlocksWellDrawingTest, PartialFramesOfAGameShowWhatFullRedrawsShow) {
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        auto screen = playing({0, 1, 2, 3, 4, 5, 6});
        ui::RasterScreen partial(320, 480, scale), full(320, 480, scale);
        partial.renderApplication();
        const GameKey keys[] = {GameKey::Left, GameKey::Right, GameKey::Up, GameKey::Down, GameKey::Space};
        bool rowsFlew = false;
        for (int frame = 0; frame < 300; ++frame) {
            if (frame % 9 == 0) screen->gameKeyDown(keys[(frame / 9) % 5]);
            if (frame == 40) screen->getHeightFromServerWithHeight(6);  // the marker climbs
            if (frame == 100) screen->addRandomWithRos({2, 7, 4}, 3);  // garbage at the next landing
            // Full rows (their holes outside the well) at the landing after: cleared at the next one,
            // their pieces fly off turning.
            if (frame == 160) screen->addRandomWithRos({10, 10}, 2);
            run(1.0 / 30);
            rowsFlew = rowsFlew || !screen->bingoEffects().empty();
            partial.renderIfNeeded();
            full.renderApplication();
            ASSERT_TRUE(samePixels(partial, full)) << "frame " << frame;
        }
        EXPECT_GE(screen->game().myScore(), 2);
        EXPECT_TRUE(rowsFlew);
        screen->gameEnd();
        partial.renderIfNeeded();
        full.renderApplication();
        EXPECT_TRUE(samePixels(partial, full)) << "the game's end";
    }
}

}  // namespace
}  // namespace zuno::testing
