#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/backend/RasterScreen.h"
#include "platform/ui/Button.h"
#include "platform/ui/ScrollView.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

class Watcher : public ScrollViewDelegate {
public:
    std::vector<double> offsets;
    std::vector<std::string> events;
    std::shared_ptr<View> zoomView;
    void scrollViewDidScroll(ScrollView& s) override { offsets.push_back(s.contentOffset().y); }
    void scrollViewWillBeginDragging(ScrollView&) override { events.push_back("willBeginDragging"); }
    void scrollViewDidEndDragging(ScrollView& s, bool decelerate) override {
        events.push_back(decelerate ? "didEndDragging decelerate" : "didEndDragging");
        endOffset = s.contentOffset().y;
    }
    void scrollViewDidEndDecelerating(ScrollView&) override { events.push_back("didEndDecelerating"); }
    std::shared_ptr<View> viewForZoomingInScrollView(ScrollView&) override { return zoomView; }
    void scrollViewDidEndZooming(ScrollView&, View*, double scale) override {
        events.push_back("didEndZooming " + std::to_string(int(scale * 10)));
    }
    double endOffset = 0;
};

class ScrollViewTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        scroll = std::make_shared<ScrollView>(Rect(0, 0, 480, 300));
        scroll->setContentSize({480, 1000});
        watcher = std::make_shared<Watcher>();
        scroll->setDelegate(watcher);
        window->addSubview(scroll);
    }
    std::shared_ptr<ScrollView> scroll;
    std::shared_ptr<Watcher> watcher;
};

TEST_F(ScrollViewTest, TheWheelPagesAPagerAndScrollsOtherContentByLines) {
    // A sideways pager of three pages, inside the vertical content: the wheel over it pages it.
    auto pager = std::make_shared<ScrollView>(Rect(0, 0, 300, 100));
    pager->setContentSize({900, 100});
    pager->setPagingEnabled(true);
    auto page = std::make_shared<View>(Rect(0, 0, 900, 100));
    pager->addSubview(page);
    scroll->addSubview(pager);
    auto& app = Application::shared();
    app.scrollWheel({50, 50}, 0, 1);
    app.scrollWheel({50, 50}, 0, 1);  // before the first page has settled
    sys::RunLoop::main().runFor(1);
    EXPECT_EQ(pager->contentOffset().x, 600);
    app.scrollWheel({50, 50}, 0, 1);  // the last page: the outer content takes the turn
    sys::RunLoop::main().runFor(1);
    EXPECT_EQ(pager->contentOffset().x, 600);
    EXPECT_EQ(scroll->contentOffset().y, ScrollView::kWheelLine);
    app.scrollWheel({50, 50}, -1, 0);
    sys::RunLoop::main().runFor(1);
    EXPECT_EQ(pager->contentOffset().x, 300);
    pager->setScrollEnabled(false);
    EXPECT_FALSE(pager->scrollByWheel(1, 0));
}

TEST_F(ScrollViewTest, PullingPastTheTopMovesHalfAsFarAndSpringsBack) {
    window->touchDown({100, 50});
    for (int y = 60; y <= 190; y += 10) window->touchMove({100, double(y)});
    // 140 points of pull beyond the top edge show as 70.
    EXPECT_NEAR(scroll->contentOffset().y, -70, 1e-6);
    EXPECT_TRUE(scroll->isDragging());
    window->touchUp({100, 190});
    EXPECT_EQ(watcher->events, (std::vector<std::string>{"willBeginDragging", "didEndDragging decelerate"}));
    EXPECT_NEAR(watcher->endOffset, -70, 1e-6);
    run(ScrollView::kSettleSeconds + 0.05);
    EXPECT_EQ(scroll->contentOffset().y, 0);
    EXPECT_EQ(watcher->events.back(), "didEndDecelerating");
}

TEST_F(ScrollViewTest, AnInsetKeepsRoomAboveTheContent) {
    scroll->setContentInset({60, 0, 0, 0});
    window->drag({100, 50}, {100, 150}, 10);
    run(1);
    EXPECT_EQ(scroll->contentOffset().y, -60);
    scroll->setContentOffset({0, 5000}, true);
    run(1);
    EXPECT_EQ(scroll->contentOffset().y, 5000);  // in code any offset is allowed
}

TEST_F(ScrollViewTest, ATouchOnAButtonInsideWaitsUntilItIsClearlyNotADrag) {
    struct Case {
        const char* name;
        bool delays;
        double restBeforeMove;  // seconds the finger rests where it went down
        bool drags;
        std::vector<std::string> heard;  // what the button hears, in order
        double offset;
    } cases[] = {
        {"a quick drag never reaches the button", true, 0, true, {}, 100},
        {"a drag after a rest takes the touch back", true, 0.2, true, {"down", "cancel"}, 100},
        {"a quick tap reaches it on lifting", true, 0, false, {"down", "up inside"}, 0},
        {"a held finger reaches it after the delay", true, 0.2, false, {"down", "up inside"}, 0},
        {"without the delay at once, then taken back", false, 0, true, {"down", "cancel"}, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        scroll->setContentOffset({0, 0});
        scroll->setDelaysContentTouches(c.delays);
        auto button = std::make_shared<Button>(Button::Type::Custom, Rect(0, 100, 480, 100));
        scroll->addSubview(button);
        std::vector<std::string> heard;
        button->addHandler([&](Control&) { heard.push_back("down"); }, ControlEvent::TouchDown);
        button->addHandler([&](Control&) { heard.push_back("up inside"); }, ControlEvent::TouchUpInside);
        button->addHandler([&](Control&) { heard.push_back("cancel"); }, ControlEvent::TouchCancel);
        window->touchDown({100, 150});
        EXPECT_EQ(heard.empty(), c.delays);
        run(c.restBeforeMove);
        if (c.drags) {
            for (int y = 140; y >= 50; y -= 10) window->touchMove({100, double(y)});
        }
        window->touchUp(c.drags ? Point{100, 50} : Point{100, 150});
        EXPECT_EQ(heard, c.heard);
        EXPECT_EQ(scroll->contentOffset().y, c.offset);
        button->removeFromSuperview();
        run(1);
    }
}

TEST_F(ScrollViewTest, AFlickGoesOnAndSlowsDownOnTheRunLoopClock) {
    scroll->setContentSize({480, 5000});
    auto flick = [&](double from, double to, double restBeforeLift) {
        const int steps = 5;
        window->touchDown({100, from});
        for (int i = 1; i <= steps; ++i) {
            run(1.0 / 60);
            window->touchMove({100, from + (to - from) * i / steps});
        }
        run(restBeforeLift);
        window->touchUp({100, to});
    };
    flick(250, 150, 0);  // 100 points up in 1/12 s: about 1200 points a second
    const double lifted = scroll->contentOffset().y;
    const double speed = scroll->decelerationVelocity().y;
    EXPECT_EQ(lifted, 100);
    EXPECT_GT(speed, 1000);
    EXPECT_TRUE(scroll->isDecelerating());
    EXPECT_EQ(watcher->events.back(), "didEndDragging decelerate");
    // It goes on, each frame a little less far.
    std::vector<double> at{lifted};
    for (int frame = 0; frame < 4; ++frame) {
        run(1.0 / 60);
        at.push_back(scroll->contentOffset().y);
    }
    EXPECT_GT(at[1] - at[0], at[4] - at[3]);
    EXPECT_GT(at[4] - at[3], 0);
    run(5);
    EXPECT_FALSE(scroll->isDecelerating());
    EXPECT_EQ(watcher->events.back(), "didEndDecelerating");
    // The whole way is the speed times the decay's time constant, less the little left at the stop speed.
    const double tau = -1 / (1000 * std::log(ScrollView::kDecelerationRate));
    EXPECT_NEAR(scroll->contentOffset().y, lifted + speed * tau, ScrollView::kStopSpeed * tau + 1);

    // A finger that rested before lifting leaves the content where it is.
    const double before = scroll->contentOffset().y;
    flick(250, 150, 0.3);
    run(5);
    EXPECT_EQ(scroll->contentOffset().y, before + 100);
    // A flick towards the top stops at the top.
    scroll->setContentOffset({0, 50});
    flick(100, 200, 0);
    run(5);
    EXPECT_EQ(scroll->contentOffset().y, 0);
    EXPECT_FALSE(scroll->isDecelerating());
}

TEST_F(ScrollViewTest, TheIndicatorShowsWhileTheContentMovesAndGoesAfter) {
    scroll->setContentSize({480, 5000});
    scroll->setBackgroundColor(Color::white());
    auto indicatorShows = [&] {
        RasterScreen screen(480, 320, 1);
        screen.renderApplication();
        for (int y = 0; y < 300; ++y) {
            if (screen.rgba(476, y).r < 200) return true;
        }
        return false;
    };
    EXPECT_FALSE(indicatorShows());
    window->touchDown({100, 250});
    for (int y = 240; y >= 150; y -= 10) {
        run(1.0 / 60);
        window->touchMove({100, double(y)});
    }
    EXPECT_TRUE(indicatorShows());  // dragging
    window->touchUp({100, 150});
    run(0.2);
    ASSERT_TRUE(scroll->isDecelerating());
    EXPECT_TRUE(indicatorShows());  // still moving
    run(5);
    EXPECT_FALSE(indicatorShows());
    scroll->setShowsVerticalScrollIndicator(false);
    window->drag({100, 250}, {100, 150});
    EXPECT_FALSE(indicatorShows());
}

// A scroll view shorter than the shortest bar (a one-line strip, not clipping): the bar stays inside
// it, where the view is known to draw, and nothing shows above or below it.
TEST_F(ScrollViewTest, TheIndicatorOfAShortScrollViewStaysWithinItsBounds) {
    window->setBackgroundColor(Color::white());
    auto strip = std::make_shared<ScrollView>(Rect(100, 100, 200, 8));
    strip->setClipsToBounds(false);
    strip->setContentSize({200, 400});
    window->addSubview(strip);
    strip->setContentOffset({0, 200}, true);
    run(0.1);
    RasterScreen screen(480, 320, 1);
    screen.renderApplication();
    int barInside = 0, outside = 0;
    for (int y = 90; y < 120; ++y) {
        for (int x = 280; x < 300; ++x) {
            if (screen.rgba(x, y).r > 200) continue;
            (y >= 100 && y < 108 ? barInside : outside)++;
        }
    }
    EXPECT_GT(barInside, 0);
    EXPECT_EQ(outside, 0);
}

TEST_F(ScrollViewTest, PagingSettlesOnWholePages) {
    scroll->setContentSize({480 * 3, 300});
    scroll->setPagingEnabled(true);
    window->drag({400, 150}, {100, 150}, 10);  // more than half a page
    run(1);
    EXPECT_EQ(scroll->contentOffset().x, 480);
    window->drag({300, 150}, {250, 150}, 2);  // a short slow drag goes back
    run(1);
    EXPECT_EQ(scroll->contentOffset().x, 480);
}

TEST_F(ScrollViewTest, ZoomKeepsItsScaleWithinBounds) {
    auto grid = std::make_shared<View>(Rect(0, 0, 560, 560));
    scroll->addSubview(grid);
    watcher->zoomView = grid;
    scroll->setMinimumZoomScale(0.5);
    scroll->setMaximumZoomScale(2.0);
    scroll->setZoomScale(1.0);
    EXPECT_EQ(scroll->contentSize(), (Size{560, 560}));
    scroll->setZoomScale(4.0);
    EXPECT_EQ(scroll->zoomScale(), 2.0);
    EXPECT_EQ(grid->frame(), Rect(0, 0, 1120, 1120));
    // Bring a point to the middle at scale 1.5, animated: the delegate hears when it ends.
    scroll->zoomToRect(Rect(200 - 160, 200 - 100, 320, 200), true);
    run(1);
    EXPECT_EQ(watcher->events.back(), "didEndZooming 15");
    EXPECT_NEAR(scroll->contentOffset().x, 200 * 1.5 - 240, 1e-6);
}

}  // namespace
}  // namespace zuno::ui::test
