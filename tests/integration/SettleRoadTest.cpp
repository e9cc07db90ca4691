// A road's settled screen: what moves for ever does not hold it, what should end but does not fails
// the road, naming what still moves.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/View.h"
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
        marker->removeFromSuperview();
        ProgramRoadTest::TearDown();
    }
    // For the failure checks, which run code that sees no test object.
    static void settleTheRoad() { road->settle(); }

    static inline SettleRoadTest* road = nullptr;
    std::shared_ptr<ui::View> marker;
};

TEST_F(SettleRoadTest, AGlowForEverLetsTheScreenSettleAndAStuckAnimationFailsTheRoad) {
    ui::View::animate(0.5, 0, ui::AnimationOption::Repeat | ui::AnimationOption::Autoreverse,
                      [&] { marker->setAlpha(0.3); });
    settle();

    ui::View::beginAnimations(std::string("stuck"));
    ui::View::setAnimationDuration(3600);
    marker->setCenter({60, 20});
    ui::View::commitAnimations();
    EXPECT_NONFATAL_FAILURE(settleTheRoad(), "still moving:\n  the animation 'stuck' of View 'marker'");
}

}  // namespace
