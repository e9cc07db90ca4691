// A road's settled screen: what is posted a moment ahead is waited for, what moves for ever or waits
// long does not hold it, and what should end but does not fails the road, naming what still moves.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"
#include "screens/LoginView.h"
#include "support/ProgramRoadTest.h"

using namespace zuno;

namespace {

class SettleRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        ASSERT_NO_FATAL_FAILURE(launchProgram("settle-road"));
        ASSERT_TRUE(waitForTop<LoginView>());
        road = this;
        marker = std::make_shared<ui::View>(ui::Rect(10, 10, 20, 20));
        marker->setBackgroundColor(ui::Color::white());
        marker->setIdentifier("marker");
        ui::Application::shared().windows().front()->addSubview(marker);
    }
    void TearDown() override {
        if (marker) marker->removeFromSuperview();  // none when the set-up failed before it
        ProgramRoadTest::TearDown();
    }
    // For the failure checks, which run code that sees no test object.
    static void settleTheRoad() { road->settle(); }

    static inline SettleRoadTest* road = nullptr;
    std::shared_ptr<ui::View> marker;
};

TEST_F(SettleRoadTest, AnAnimationAndAChangeOfScreenPostedAheadAreWaitedFor) {
    auto& loop = sys::RunLoop::main();
    bool flown = false;
    loop.postDelayed(0.1, [&] {
        ui::View::animate(0.2, 0, 0, [&] { marker->setCenter({60, 20}); }, [&](bool) { flown = true; });
    });
    auto next = std::make_shared<ui::ViewController>();
    loop.postDelayed(0.5, [&] { program->navigation().pushViewController(next, true); });
    settle();
    EXPECT_TRUE(flown) << "the settle let the road act before the animation posted 0.1 s ahead";
    EXPECT_TRUE(program->navigation().topViewController() == next) << "nor the change of screen 0.5 s ahead";
    EXPECT_FALSE(program->navigation().isTransitioning());
}

TEST_F(SettleRoadTest, ABlinkOrALongWaitDoesNotHoldTheSettle) {
    auto& loop = sys::RunLoop::main();
    bool lit = false;
    const auto blink = loop.scheduleRepeating(0.2, [&] {
        lit = !lit;
        marker->setBackgroundColor(lit ? ui::Color::green() : ui::Color::white());
    });
    // A turn clock's end: the road acts while it runs, as a player would.
    bool ended = false;
    const auto turnEnd = loop.postDelayed(30, [&] { ended = true; });
    const double start = loop.now();
    settle();
    EXPECT_FALSE(ended);
    EXPECT_LT(loop.now() - start, 1.0);
    loop.cancel(blink);
    loop.cancel(turnEnd);
}

TEST_F(SettleRoadTest, AGlowForEverLetsTheScreenSettleAndAStuckAnimationFailsTheRoad) {
    ui::View::animate(0.5, 0, ui::AnimationOption::Repeat | ui::AnimationOption::Autoreverse,
                      [&] { marker->setAlpha(0.3); });
    settle();

    ui::View::beginAnimations(std::string("stuck"));
    ui::View::setAnimationDuration(3600);
    marker->setCenter({60, 20});
    ui::View::commitAnimations();
    // A blink made of one-shot timers, each posting the next, looks like steps that never end.
    struct Blink {
        std::shared_ptr<ui::View> view;
        void step() {
            view->setHidden(!view->isHidden());
            timer = sys::RunLoop::main().postDelayed(0.25, [this] { step(); });
        }
        sys::RunLoop::TimerId timer = 0;
    } blink{marker};
    blink.step();
    EXPECT_NONFATAL_FAILURE(settleTheRoad(), "still moving:\n  the animation 'stuck' of View 'marker'\n"
                                             "  a timer posted 0.25 s ahead");
    sys::RunLoop::main().cancel(blink.timer);
}

}  // namespace
