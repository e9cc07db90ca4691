// The part of the screen the view tree marks for drawing after each kind of change: where a view was
// and where it is now (with whatever its subviews draw outside it), nothing for what is not shown,
// the whole screen for what cannot say where.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Display.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Layer.h"
#include "platform/ui/View.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

bool inRegion(const ScreenRegion& region, Point p) {
    if (region.isAll()) return true;
    for (const Rect& r : region.rects())
        if (r.contains(p)) return true;
    return false;
}

// Every point of the rectangle, on a grid of one point.
bool covers(const ScreenRegion& region, const Rect& rect) {
    for (double y = rect.minY() + 0.5; y < rect.maxY(); y += 1)
        for (double x = rect.minX() + 0.5; x < rect.maxX(); x += 1)
            if (!inRegion(region, {x, y})) return false;
    return true;
}

double area(const ScreenRegion& region) {
    double sum = 0;
    for (const Rect& r : region.rects()) sum += r.width() * r.height();
    return sum;
}

class DirtyRegionTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Display::animationFrameDrawn();  // forgets the frames of earlier tests
        Display::clearDirty();
    }

    // A frame of the running animations as the screen draws it: what it marks, and then it is drawn.
    ScreenRegion animationFrame() {
        Display::markAnimationFrame();
        ScreenRegion marked = Display::dirtyRegion();
        Display::clearDirty();
        Display::animationFrameDrawn();
        return marked;
    }

    std::shared_ptr<View> box(const Rect& frame, View& parent) {
        auto v = std::make_shared<View>(frame);
        v->setBackgroundColor(Color::rgb255(200, 40, 40));
        parent.addSubview(v);
        return v;
    }
    const ScreenRegion& dirty() const { return Display::dirtyRegion(); }
};

TEST_F(DirtyRegionTest, RegionsJoinWhatOverlapsAndKeepFewRectangles) {
    ScreenRegion region;
    region.add(Rect(0, 0, 10, 10));
    region.add(Rect(5, 5, 10, 10));
    ASSERT_EQ(region.rects().size(), 1u);
    EXPECT_EQ(region.rects()[0], Rect(0, 0, 15, 15));
    region.add(Rect(15, 0, 5, 5));  // touches, does not overlap
    region.add(Rect(2, 2, 3, 3));   // inside
    EXPECT_EQ(region.rects().size(), 2u);
    // A rectangle that bridges two joins them all.
    region.add(Rect(12, 2, 5, 2));
    ASSERT_EQ(region.rects().size(), 1u);
    EXPECT_EQ(region.rects()[0], Rect(0, 0, 20, 15));

    ScreenRegion many;
    for (int i = 0; i <= int(ScreenRegion::kMostRects); ++i) many.add(Rect(i * 20, 0, 10, 10));
    ASSERT_EQ(many.rects().size(), 1u);
    EXPECT_EQ(many.rects()[0], Rect(0, 0, ScreenRegion::kMostRects * 20 + 10, 10));

    many.addAll();
    many.add(Rect(0, 0, 1, 1));
    EXPECT_TRUE(many.isAll());
    EXPECT_TRUE(many.rects().empty());
    many.clear();
    EXPECT_TRUE(many.isEmpty());
}

TEST_F(DirtyRegionTest, AMoveMarksTheOldPlaceAndTheNewOneOnly) {
    auto v = box(Rect(10, 10, 20, 20), *window);
    Display::clearDirty();
    v->setCenter({120, 70});
    EXPECT_FALSE(dirty().isAll());
    EXPECT_TRUE(covers(dirty(), Rect(10, 10, 20, 20)));
    EXPECT_TRUE(covers(dirty(), Rect(110, 60, 20, 20)));
    EXPECT_FALSE(inRegion(dirty(), {70, 40}));
    EXPECT_LE(area(dirty()), 2 * 28 * 28);  // with a margin of 4 points around each

    // A superview's move takes along its subviews, also where they reach outside it.
    auto parent = box(Rect(200, 200, 40, 40), *window);
    box(Rect(30, 10, 50, 10), *parent);
    Display::clearDirty();
    parent->setCenter({220, 120});
    EXPECT_TRUE(covers(dirty(), Rect(200, 200, 80, 40)));
    EXPECT_TRUE(covers(dirty(), Rect(200, 100, 80, 40)));
}

TEST_F(DirtyRegionTest, AnAnimationMarksEachFramesPlaceAndTheFrameBefore) {
    auto v = box(Rect(10, 10, 20, 20), *window);
    View::beginAnimations("slide");
    View::setAnimationDuration(1.0);
    View::setAnimationCurve(AnimationCurve::Linear);
    v->setCenter({220, 20});
    View::commitAnimations();
    run(0.5);
    EXPECT_TRUE(covers(animationFrame(), Rect(110, 10, 20, 20)));  // drawn half way: x 110..130

    run(0.25);
    ScreenRegion marked = animationFrame();
    EXPECT_TRUE(covers(marked, Rect(110, 10, 20, 20)));  // where the last frame showed it
    EXPECT_TRUE(covers(marked, Rect(160, 10, 20, 20)));  // where it is now
    EXPECT_FALSE(inRegion(marked, {20, 20}));            // its start
    EXPECT_FALSE(inRegion(marked, {225, 20}));           // its end

    run(0.5);  // the animation ends
    marked = Display::dirtyRegion();
    marked.add(animationFrame());
    EXPECT_TRUE(covers(marked, Rect(160, 10, 20, 20)));
    EXPECT_TRUE(covers(marked, Rect(210, 10, 20, 20)));
    EXPECT_TRUE(animationFrame().isEmpty());  // nothing runs any more
}

TEST_F(DirtyRegionTest, AFadingParentMarksWhatItsSubviewsDrawOutsideIt) {
    auto parent = box(Rect(100, 100, 40, 40), *window);
    box(Rect(30, 10, 50, 10), *parent);  // reaches out to x 180
    Display::clearDirty();
    View::animate(0.4, [&] { parent->setAlpha(0); });
    EXPECT_TRUE(covers(dirty(), Rect(100, 100, 40, 40)));
    EXPECT_TRUE(covers(dirty(), Rect(140, 110, 40, 10)));
    EXPECT_FALSE(inRegion(dirty(), {190, 120}));  // past the subview

    Display::clearDirty();
    run(0.2);
    const ScreenRegion marked = animationFrame();
    EXPECT_TRUE(covers(marked, Rect(100, 100, 40, 40)));
    EXPECT_TRUE(covers(marked, Rect(140, 110, 40, 10)));

    // Faded out, it is not drawn: its changes mark nothing.
    run(0.3);
    animationFrame();
    Display::clearDirty();
    parent->setCenter({300, 200});
    EXPECT_FALSE(Display::isDirty());
}

TEST_F(DirtyRegionTest, ANewPictureOrTextMarksWhereTheOldAndTheNewOneShow) {
    // A centred picture larger than its view reaches past it: 40 x 40 about (110, 110).
    auto picture = std::make_shared<ImageView>(Rect(100, 100, 20, 20));
    picture->setContentMode(ContentMode::Center);
    picture->setImage(Image::fromPixels(40, 40, std::vector<uint32_t>(40 * 40, 0xFF336699u)));
    window->addSubview(picture);
    Display::clearDirty();
    picture->setImage(Image::fromPixels(60, 10, std::vector<uint32_t>(60 * 10, 0xFF996633u)));
    EXPECT_TRUE(covers(dirty(), Rect(90, 90, 40, 40)));
    EXPECT_TRUE(covers(dirty(), Rect(80, 105, 60, 10)));
    EXPECT_FALSE(inRegion(dirty(), {70, 110}));
    EXPECT_FALSE(dirty().isAll());

    auto label = std::make_shared<Label>(Rect(200, 250, 80, 20));
    window->addSubview(label);
    Display::clearDirty();
    label->setText("Xin chào");
    EXPECT_TRUE(covers(dirty(), Rect(200, 250, 80, 20)));
    EXPECT_FALSE(inRegion(dirty(), {100, 100}));
    EXPECT_LE(area(dirty()), 88 * 28);
}

TEST_F(DirtyRegionTest, AHiddenViewMarksWhereItWasAndNothingWhileHidden) {
    auto v = box(Rect(200, 200, 30, 30), *window);
    auto inner = box(Rect(5, 5, 10, 10), *v);
    Display::clearDirty();
    v->setHidden(true);
    EXPECT_TRUE(covers(dirty(), Rect(200, 200, 30, 30)));
    EXPECT_FALSE(dirty().isAll());

    Display::clearDirty();
    v->setCenter({50, 50});
    inner->setNeedsDisplay();
    inner->setCenter({20, 20});
    EXPECT_FALSE(Display::isDirty());

    v->setHidden(false);
    EXPECT_TRUE(covers(dirty(), Rect(35, 35, 30, 30)));
    EXPECT_FALSE(inRegion(dirty(), {215, 215}));
}

TEST_F(DirtyRegionTest, ARemovedViewMarksWhereItWasAndOffTheWindowNothing) {
    auto parent = box(Rect(100, 100, 40, 40), *window);
    box(Rect(30, 10, 50, 10), *parent);
    Display::clearDirty();
    parent->removeFromSuperview();
    EXPECT_TRUE(covers(dirty(), Rect(100, 100, 40, 40)));
    EXPECT_TRUE(covers(dirty(), Rect(140, 110, 40, 10)));

    Display::clearDirty();
    parent->setCenter({300, 200});
    parent->setNeedsDisplay();
    EXPECT_FALSE(Display::isDirty());

    window->addSubview(parent);
    EXPECT_TRUE(covers(dirty(), Rect(280, 180, 80, 40)));
    EXPECT_FALSE(inRegion(dirty(), {120, 120}));
}

TEST_F(DirtyRegionTest, TransformsTurnAndScaleTheMarkedPlace) {
    auto bar = box(Rect(200, 150, 80, 10), *window);
    Display::clearDirty();
    bar->setTransform(AffineTransform::rotation(M_PI / 2));  // upright about its centre (240, 155)
    EXPECT_TRUE(covers(dirty(), Rect(200, 150, 80, 10)));
    EXPECT_TRUE(covers(dirty(), Rect(235, 115, 10, 80)));
    EXPECT_FALSE(inRegion(dirty(), {190, 125}));
    EXPECT_LE(area(dirty()), 88 * 88);

    // A subview of a scaled view marks its scaled place: (60, 60, 10, 10) under a scale of 2 about
    // (50, 50) lands on (70, 70, 20, 20).
    auto parent = box(Rect(0, 0, 100, 100), *window);
    parent->setTransform(AffineTransform::scale(2, 2));
    auto child = box(Rect(60, 60, 10, 10), *parent);
    Display::clearDirty();
    child->setNeedsDisplay();
    EXPECT_TRUE(covers(dirty(), Rect(70, 70, 20, 20)));
    EXPECT_LE(area(dirty()), 36 * 36);  // the margin scales too
}

TEST_F(DirtyRegionTest, APartOfAViewMarksThatPartClippedByItsSuperviews) {
    auto clipper = box(Rect(100, 100, 50, 50), *window);
    clipper->setClipsToBounds(true);
    auto content = box(Rect(0, 0, 200, 200), *clipper);
    Display::clearDirty();
    content->setNeedsDisplayInRect(Rect(10, 10, 20, 20));
    EXPECT_TRUE(covers(dirty(), Rect(110, 110, 20, 20)));
    EXPECT_LE(area(dirty()), 22 * 22);

    Display::clearDirty();
    content->setNeedsDisplay();  // clipped to its superview
    EXPECT_TRUE(covers(dirty(), Rect(100, 100, 50, 50)));
    EXPECT_LE(area(dirty()), 50 * 50);

    Display::clearDirty();
    content->setNeedsDisplayInRect(Rect(120, 120, 20, 20));  // all of it clipped away
    EXPECT_FALSE(Display::isDirty());
}

TEST_F(DirtyRegionTest, WhatCannotSayWhereMarksTheWholeScreen) {
    auto host = box(Rect(10, 10, 40, 40), *window);
    auto arrow = std::make_shared<Layer>();
    host->layer().addSublayer(arrow);
    EXPECT_TRUE(dirty().isAll());

    Display::clearDirty();
    host->setCenter({100, 100});  // its free-standing layer may draw anywhere
    EXPECT_TRUE(dirty().isAll());

    Display::clearDirty();
    host->layer().setBorderWidth(2);
    EXPECT_TRUE(dirty().isAll());

    arrow->removeFromSuperlayer();
    Display::clearDirty();
    host->layer().setBorderWidth(1);  // the view's own layer marks its view
    EXPECT_FALSE(dirty().isAll());
    EXPECT_TRUE(covers(dirty(), Rect(80, 80, 40, 40)));

    Display::clearDirty();
    Application::shared().setStatusBarOrientation(InterfaceOrientation::Portrait);
    EXPECT_TRUE(dirty().isAll());
}

}  // namespace
}  // namespace zuno::ui::test
