#include <gtest/gtest.h>

#include <vector>

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

TEST_F(ScrollViewTest, ADragThatStartsOnAButtonScrollsAndCancelsTheButton) {
    auto button = std::make_shared<Button>(Button::Type::Custom, Rect(0, 100, 480, 100));
    scroll->addSubview(button);
    int taps = 0, cancels = 0;
    button->addHandler([&](Control&) { ++taps; }, ControlEvent::TouchUpInside);
    button->addHandler([&](Control&) { ++cancels; }, ControlEvent::TouchCancel);
    window->drag({100, 150}, {100, 50}, 10);
    EXPECT_EQ(taps, 0);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(scroll->contentOffset().y, 100);
    window->tap({100, 50});  // the button has moved up with the content
    EXPECT_EQ(taps, 1);
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
