#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/core/Exception.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "shell/ProgressHUD.h"
#include "shell/Resources.h"
#include "support/SnapshotCompare.h"

using namespace zuno;

namespace {
class ProgressHUDTest : public ::testing::Test {
protected:
    void run(double seconds) { sys::RunLoop::main().runFor(seconds); }
    // Lays the overlay out as a drawing pass would.
    void layOut(ProgressHUD& hud) {
        hud.setNeedsLayout();
        hud.layoutIfNeeded();
    }

    std::shared_ptr<ui::View> screen = std::make_shared<ui::View>(ui::Rect(0, 0, 480, 320));
};

class Watcher : public ProgressHUDDelegate {
public:
    void hudWasHidden() override { ++hidden; }
    int hidden = 0;
};
}  // namespace

TEST_F(ProgressHUDTest, CreatedHiddenOverTheWholeViewTurnedOnlyInAWindowAndNeverOverNothing) {
    auto hud = ProgressHUD::initWithView(screen);
    EXPECT_EQ(hud->frame(), screen->bounds());
    EXPECT_EQ(hud->alpha(), 0);
    EXPECT_FALSE(hud->isOpaque());
    EXPECT_EQ(hud->mode(), ProgressHUD::kIndeterminate);
    EXPECT_FLOAT_EQ(hud->opacity(), 0.8f);
    EXPECT_TRUE(hud->transform().isIdentity());
    // The application is held in landscape right. A window kept upright (320 x 480) turns the overlay a
    // quarter; the 480 x 320 window is landscape already and leaves it upright.
    auto inUprightWindow = ProgressHUD::initWithWindow(std::make_shared<ui::Window>(ui::Rect(0, 0, 320, 480)));
    EXPECT_NEAR(inUprightWindow->rotationTransform().b, 1, 1e-9);
    EXPECT_EQ(inUprightWindow->transform(), inUprightWindow->rotationTransform());
    auto inWindow = ProgressHUD::initWithWindow(std::make_shared<ui::Window>());
    EXPECT_TRUE(inWindow->rotationTransform().isIdentity());
    EXPECT_TRUE(inWindow->transform().isIdentity());
    try {
        (void)ProgressHUD::initWithView(nullptr);
        FAIL() << "no exception";
    } catch (const sys::Exception& e) {
        EXPECT_EQ(e.name(), "ProgressHUDViewIsNillException");
        EXPECT_EQ(e.reason(), "The view used in the ProgressHUD initializer is nil.");
    }
}

TEST_F(ProgressHUDTest, TheBoxIsTheIndicatorWithItsMarginsAndGrowsWithTheTexts) {
    auto hud = ProgressHUD::initWithView(screen);
    hud->setMode(ProgressHUD::kDeterminate);
    layOut(*hud);
    EXPECT_FLOAT_EQ(hud->width(), 77);
    EXPECT_FLOAT_EQ(hud->height(), 77);
    EXPECT_EQ(hud->indicator()->frame(), ui::Rect(221, 141, 37, 37));

    hud->setLabelText("Loading");
    layOut(*hud);
    const ui::Rect label = hud->label()->frame();
    EXPECT_FLOAT_EQ(hud->height(), float(77 + label.height() + 4));
    EXPECT_GE(hud->width(), 77);
    EXPECT_EQ(hud->label()->superview(), hud);
    // Indicator and label stacked with the padding between, the pair centred.
    EXPECT_DOUBLE_EQ(label.minY(), std::floor(hud->indicator()->frame().maxY() + 4));
    EXPECT_DOUBLE_EQ(hud->indicator()->frame().minY(), 141 - std::floor(label.height() / 2 + 2));

    hud->setDetailsLabelText("please wait");
    layOut(*hud);
    const ui::Rect details = hud->detailsLabel()->frame();
    EXPECT_DOUBLE_EQ(details.minY(), hud->label()->frame().maxY() + 4);
    EXPECT_FLOAT_EQ(hud->height(), float(77 + label.height() + 4 + details.height() + 4));

    // A text wider than the overlay allows is clamped to the overlay less four margins.
    hud->setLabelText(std::string(200, 'W'));
    layOut(*hud);
    EXPECT_DOUBLE_EQ(hud->label()->frame().width(), 480 - 80);
    EXPECT_FLOAT_EQ(hud->width(), 440);

    // Without a label text no details are shown either.
    hud->setLabelText(std::nullopt);
    layOut(*hud);
    EXPECT_EQ(hud->label()->superview(), nullptr);
    EXPECT_EQ(hud->detailsLabel()->superview(), nullptr);
    EXPECT_FLOAT_EQ(hud->height(), 77);
}

TEST_F(ProgressHUDTest, ModesPickTheirIndicators) {
    auto hud = ProgressHUD::initWithView(screen);
    auto spinner = hud->indicator();
    hud->setMode(ProgressHUD::kIndeterminate);  // mode 0 again: a new spinner
    EXPECT_NE(hud->indicator(), spinner);
    hud->setMode(ProgressHUD::kDeterminate);
    auto round = std::dynamic_pointer_cast<RoundProgressView>(hud->indicator());
    ASSERT_NE(round, nullptr);
    EXPECT_EQ(round->bounds(), ui::Rect(0, 0, 37, 37));
    hud->setProgress(0.25f);
    EXPECT_DOUBLE_EQ(round->progress(), 0.25);
    hud->setMode(ProgressHUD::kDeterminate);  // the same mode again changes nothing
    EXPECT_EQ(hud->indicator(), round);

    auto custom = std::make_shared<ui::View>(ui::Rect(0, 0, 10, 10));
    hud->setCustomView(custom);
    hud->setMode(ProgressHUD::kCustomView);
    EXPECT_EQ(hud->indicator(), custom);
    EXPECT_EQ(round->superview(), nullptr);
}

TEST_F(ProgressHUDTest, TextsSetOnAnotherThreadReachTheScreenOnTheMainThread) {
    auto hud = ProgressHUD::initWithView(screen);
    std::thread worker([&] {
        hud->setLabelText("Sending");
        hud->setMode(ProgressHUD::kDeterminate);
        hud->setProgress(0.5f);
    });
    worker.join();
    EXPECT_EQ(std::dynamic_pointer_cast<RoundProgressView>(hud->indicator()), nullptr);
    run(0);
    auto round = std::dynamic_pointer_cast<RoundProgressView>(hud->indicator());
    ASSERT_NE(round, nullptr);
    EXPECT_DOUBLE_EQ(round->progress(), 0.5);
    layOut(*hud);
    EXPECT_EQ(hud->label()->text(), "Sending");
}

TEST_F(ProgressHUDTest, ATaskShorterThanTheGraceTimeNeverShowsTheBox) {
    auto hud = ProgressHUD::showHUDAddedTo(screen, true);  // no grace: shown at once
    run(0.3);
    EXPECT_DOUBLE_EQ(hud->alpha(), 1);
    hud->removeFromSuperview();

    auto quick = ProgressHUD::initWithView(screen);
    screen->addSubview(quick);
    quick->setGraceTime(0.5f);
    std::atomic<bool> ran{false};
    quick->showWhileExecuting([&] { ran = true; }, true);
    ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return !quick->taskInProgress(); }, 5));
    EXPECT_TRUE(ran);
    run(2);
    EXPECT_FALSE(quick->showStarted());
    EXPECT_DOUBLE_EQ(quick->alpha(), 0);
    EXPECT_TRUE(quick->isFinished());

    // A task still under way when the grace time runs out is shown.
    auto slow = ProgressHUD::initWithView(screen);
    screen->addSubview(slow);
    slow->setGraceTime(0.5f);
    slow->setTaskInProgress(true);
    const double start = sys::RunLoop::main().now();
    slow->show(false);
    run(0.4);
    EXPECT_DOUBLE_EQ(slow->alpha(), 0);
    run(0.2);
    EXPECT_DOUBLE_EQ(slow->alpha(), 1);
    EXPECT_NEAR(*slow->showStarted(), start + 0.5, 1e-9);
}

TEST_F(ProgressHUDTest, AnEarlyHideWaitsForTheMinimumShowTime) {
    auto watcher = std::make_shared<Watcher>();
    auto hud = ProgressHUD::showHUDAddedTo(screen, false);
    hud->setDelegate(watcher);
    hud->setMinShowTime(1);
    run(0.1);
    hud->hide(false);
    EXPECT_DOUBLE_EQ(hud->alpha(), 1);
    run(0.85);
    EXPECT_FALSE(hud->isFinished());
    run(0.1);
    EXPECT_TRUE(hud->isFinished());
    EXPECT_DOUBLE_EQ(hud->alpha(), 0);
    EXPECT_EQ(watcher->hidden, 1);
    EXPECT_EQ(hud->superview(), screen);  // not created to remove itself
}

TEST_F(ProgressHUDTest, HidingForAViewTakesTheLastOverlayOff) {
    EXPECT_FALSE(ProgressHUD::hideHUDForView(screen, true));
    auto first = ProgressHUD::showHUDAddedTo(screen, false);
    auto second = ProgressHUD::showHUDAddedTo(screen, false);
    EXPECT_TRUE(ProgressHUD::hideHUDForView(screen, true));
    run(0.1);
    EXPECT_EQ(second->superview(), screen);  // fading out
    run(0.3);
    EXPECT_EQ(second->superview(), nullptr);
    EXPECT_EQ(first->superview(), screen);
    EXPECT_DOUBLE_EQ(first->alpha(), 1);
}

TEST_F(ProgressHUDTest, PendingTimersStopWhenTheOverlayGoesAway) {
    auto watcher = std::make_shared<Watcher>();
    const size_t timersBefore = sys::RunLoop::main().timerCount();
    {
        auto waiting = ProgressHUD::initWithView(screen);
        screen->addSubview(waiting);
        waiting->setGraceTime(1);
        waiting->setTaskInProgress(true);
        waiting->show(true);
        auto lingering = ProgressHUD::showHUDAddedTo(screen, false);
        lingering->setDelegate(watcher);
        lingering->setMinShowTime(5);
        lingering->hide(false);
        EXPECT_EQ(sys::RunLoop::main().timerCount(), timersBefore + 2);
        waiting->removeFromSuperview();
        lingering->removeFromSuperview();
    }
    screen.reset();
    EXPECT_EQ(sys::RunLoop::main().timerCount(), timersBefore);
    run(6);
    EXPECT_EQ(watcher->hidden, 0);
}

TEST_F(ProgressHUDTest, OverTheWindowTheBoxIsDrawnUprightAtBothScales) {
    ui::Application::shared().reset();
    auto window = std::make_shared<ui::Window>();
    window->setBackgroundColor(ui::Color::rgb255(90, 140, 200));
    window->makeKeyAndVisible();
    auto hud = ProgressHUD::initWithWindow(window);
    window->addSubview(hud);
    hud->setMode(ProgressHUD::kDeterminate);
    hud->setProgress(0.3f);
    // The texts of one language, as the program shows them.
    Resources::getInstance().setCurrentLanguage("en");
    Resources::getInstance().loadLanguage();
    hud->setLabelText(Resources::getInstance().textForKey("ZUNO_load"));
    hud->setDetailsLabelText(Resources::getInstance().textForKey("ZUNO_pleaseWait"));
    hud->show(false);
    for (int scale : {1, 2}) {
        ui::RasterScreen screen(480, 320, scale);
        screen.renderApplication();
        EXPECT_TRUE(zuno::testing::matchesReference(screen, scale == 1 ? "progress_hud" : "progress_hud@2x"));
    }
    ui::Application::shared().reset();
}
