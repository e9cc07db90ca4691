// Random scenes changed step after step (RandomScene), each frame drawn as the window draws it (only
// the part that changed, or all of it), must show exactly the pixels of every view drawn plainly. Now
// and then the window takes the other scale, as the desktop window does when it turns.
//
// The default run takes many seeds, in blocks of a few (one test per block, so that they run side by
// side), each seed at the scale it picks; SEED=N in the environment runs seed N alone, at both scales.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "RandomScene.h"
#include "platform/backend/RasterScreen.h"
#include "platform/ui/Display.h"
#include "support/RasterCompare.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

constexpr int kSeedsPerBlock = 8;
constexpr int kPartialFrameBlocks = 30;  // seeds 1 to 240
constexpr int kFullFrameBlocks = 8;      // seeds 1 to 64
constexpr int kSteps = 120;

class RandomRedrawTest : public UiTest, public ::testing::WithParamInterface<int> {
protected:
    std::vector<unsigned> seeds() const {
        if (const char* chosen = std::getenv("SEED")) {
            if (GetParam() != 0) return {};
            return {unsigned(std::atoi(chosen))};
        }
        std::vector<unsigned> seeds;
        for (int i = 1; i <= kSeedsPerBlock; ++i) seeds.push_back(unsigned(GetParam() * kSeedsPerBlock + i));
        return seeds;
    }

    // Every seed of the block, each on a fresh application.
    void runSeeds(bool partialFrames) {
        if (seeds().empty()) GTEST_SKIP() << "the first block runs the seed SEED names";
        const bool chosen = std::getenv("SEED") != nullptr;
        for (unsigned seed : seeds()) {
            for (int scale : {1, 2}) {
                if (!chosen && scale != 1 + int(seed % 2)) continue;
                UiTest::TearDown();
                UiTest::SetUp();
                runSeed(seed, scale, partialFrames);
            }
        }
    }

    void runSeed(unsigned seed, int scale, bool partialFrames) {
        RandomScene scene(*window, seed);
        const int firstScale = scale;
        auto frames = std::make_unique<RasterScreen>(480, 320, scale);
        scene.build();
        // A small view of the test's own whose colour changes before each step: a frame that can only be
        // drawn in part, whatever the seed made of the rest.
        auto probe = std::make_shared<View>(Rect(std::round(scene.uniform(0, 470)), std::round(scene.uniform(0, 310)), 6, 6));
        window->addSubview(probe);
        frames->renderIfNeeded();
        for (int step = 0; step < kSteps; ++step) {
            const std::string where =
                "seed " + std::to_string(seed) + " at scale " + std::to_string(firstScale) + ", step " + std::to_string(step);
            if (partialFrames && !probeDrawsItsRowsAlone(*frames, *probe, step, where)) return;
            std::string changes;
            for (int n = 1 + scene.below(3); n > 0; --n) changes += scene.change() + "; ";
            if (scene.below(40) == 0) {
                scale = 3 - scale;
                frames = std::make_unique<RasterScreen>(480, 320, scale);
                Display::invalidate();
                changes += "scale " + std::to_string(scale) + "; ";
            }
            run(scene.below(2) ? scene.uniform(0, 0.15) : 0);
            if (partialFrames) {
                frames->renderIfNeeded();
            } else {
                frames->renderApplication();
            }
            const ::testing::AssertionResult same = testing::showsWhatIsDrawnPlainly(*frames);
            EXPECT_TRUE(same) << where << " after: " << changes;
            if (!same) return;
        }
    }

    // The probe's new colour, on top of everything: drawn in a frame of the probe's rows and no others.
    bool probeDrawsItsRowsAlone(RasterScreen& frames, View& probe, int step, const std::string& where) {
        probe.setBackgroundColor(step % 2 ? Color::rgb255(250, 40, 40) : Color::rgb255(40, 250, 40));
        window->bringSubviewToFront(&probe);
        const bool drawn = frames.renderIfNeeded();
        EXPECT_TRUE(drawn) << where << ": the probe's new colour drew nothing";
        const int top = int(probe.frame().minY()) * frames.scale(), bottom = int(probe.frame().maxY()) * frames.scale();
        bool alone = true;
        for (const PixelRect& r : frames.drawnPixels()) {
            const bool inside = r.y >= top && r.y + r.height <= bottom;
            EXPECT_TRUE(inside) << where << ": the probe's new colour drew rows " << r.y << " to " << r.y + r.height
                                << ", not only " << top << " to " << bottom;
            alone = alone && inside;
        }
        return drawn && alone;
    }
};

class RandomPartialFramesTest : public RandomRedrawTest {};
class RandomFullFramesTest : public RandomRedrawTest {};

TEST_P(RandomPartialFramesTest, ShowWhatEveryViewDrawnPlainlyShows) { runSeeds(true); }

TEST_P(RandomFullFramesTest, ShowWhatEveryViewDrawnPlainlyShows) { runSeeds(false); }

std::string seedRange(const ::testing::TestParamInfo<int>& info) {
    const int first = info.param * kSeedsPerBlock + 1;
    return "Seeds" + std::to_string(first) + "To" + std::to_string(first + kSeedsPerBlock - 1);
}

INSTANTIATE_TEST_SUITE_P(Blocks, RandomPartialFramesTest, ::testing::Range(0, kPartialFrameBlocks), seedRange);
INSTANTIATE_TEST_SUITE_P(Blocks, RandomFullFramesTest, ::testing::Range(0, kFullFrameBlocks), seedRange);

}  // namespace
}  // namespace zuno::ui::test
