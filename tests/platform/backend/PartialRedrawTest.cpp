// A screen drawn frame after frame, where only the changed part is drawn again, must show exactly the
// pixels of every view drawn plainly (no view left out for being covered or outside the drawn part):
// drawing that comes to reach further, drawing that reaches past an opaque cover or past a translucent
// view's subviews, at scale 1 and 2. Random changes of every kind are in RandomRedrawTest.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RandomScene.h"
#include "platform/backend/RasterScreen.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Display.h"
#include "platform/ui/Layer.h"
#include "support/RasterCompare.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

// A line of text drawn from its view's corner, running on past its frame as far as it is long.
class RunningText : public View {
public:
    using View::View;
    std::string text = "a line that runs on well past its frame";
    void drawRect(Canvas& canvas, const Rect&) override {
        canvas.setFillColor(Color::rgb255(20, 20, 120));
        canvas.drawText(text, bounds().origin, Font::systemFontOfSize(14));
    }
};

class PartialRedrawTest : public UiTest, public ::testing::WithParamInterface<int> {};

// A view off the screen whose drawing comes to reach onto it: its new reach is learned by drawing it,
// in the same frame; and where it reached is drawn again when it reaches less.
TEST_P(PartialRedrawTest, DrawingThatComesToReachFurtherIsDrawnWhereItReaches) {
    const int scale = GetParam();
    RasterScreen partial(480, 320, scale);
    window->setBackgroundColor(Color::rgb255(30, 60, 90));
    auto v = std::make_shared<Overflowing>(Rect(500, 100, 60, 30));
    v->reach = 10;
    window->addSubview(v);
    partial.renderIfNeeded();
    for (double reach : {90.0, 150.0, 0.0}) {
        v->reach = reach;
        v->setNeedsDisplay();
        ASSERT_TRUE(partial.renderIfNeeded());
        EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(partial)) << "reaching " << reach << " points out";
        long drawn = 0;
        for (const PixelRect& r : partial.drawnPixels()) drawn += long(r.width) * r.height;
        EXPECT_LT(drawn, long(partial.pixelWidth()) * partial.pixelHeight() / 2);
    }
}

// A subview painting all of its superview's bounds opaquely hides only what lies wholly under it: the
// superview's own drawing and the subviews before it that reach past it still show, in the first frame
// and in later ones, partial or full.
TEST_P(PartialRedrawTest, WhatReachesPastAnOpaqueCoverStillShows) {
    RasterScreen frames(480, 320, GetParam());
    window->setBackgroundColor(Color::rgb255(30, 60, 90));
    auto panel = std::make_shared<Overflowing>(Rect(100, 80, 200, 120));
    panel->reach = 120;
    auto before = std::make_shared<Overflowing>(Rect(20, 60, 100, 30));
    before->reach = 160;
    auto cover = std::make_shared<View>(Rect(0, 0, 200, 120));
    cover->setBackgroundColor(Color::rgb255(200, 40, 40));
    panel->addSubview(before);
    panel->addSubview(cover);
    window->addSubview(panel);
    frames.renderIfNeeded();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "first frame";
    panel->setCenter({210, 150});
    ASSERT_TRUE(frames.renderIfNeeded());
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "moved";
    frames.renderApplication();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "full redraw";
}

// An opaque cover on whole pixels that a clip through pixels cuts (its superview's bounds off whole
// points, or a rounded superview further out) paints the pixels along that clip's edge only in part:
// what lies under it there still shows through, in full frames and in partial ones.
TEST_P(PartialRedrawTest, AnOpaqueCoverCutByAClipThroughPixelsLetsItsEdgeShowThrough) {
    RasterScreen frames(480, 320, GetParam());
    window->setBackgroundColor(Color::rgb255(30, 60, 90));
    auto clipped = std::make_shared<View>(Rect(40, 30, 200, 80.5));
    clipped->setBackgroundColor(Color::rgb255(240, 240, 40));
    clipped->setClipsToBounds(true);
    auto rounded = std::make_shared<View>(Rect(260, 30, 180, 120));
    rounded->setClipsToBounds(true);
    rounded->layer().setCornerRadius(16);
    auto inner = std::make_shared<View>(rounded->bounds());
    inner->setBackgroundColor(Color::rgb255(240, 240, 40));
    rounded->addSubview(inner);
    for (View* superview : {clipped.get(), inner.get()}) {
        auto cover = std::make_shared<View>(Rect(0, 0, 200, 121));
        cover->setBackgroundColor(Color::rgb255(200, 40, 40));
        superview->addSubview(cover);
    }
    window->addSubview(clipped);
    window->addSubview(rounded);
    frames.renderIfNeeded();  // the views' first drawing, where they learn how far it reaches
    frames.renderApplication();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "full frame";
    Display::invalidate(Rect(20, 20, 440, 140));
    frames.renderIfNeeded();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "partial frame";
}

// A translucent view is composed whole before it is laid down: drawing that runs past a subview's frame
// (and past the translucent view's bounds) is not cut, neither while the view fades nor while it is
// kept translucent, as that drawing changes or stops being clipped.
TEST_P(PartialRedrawTest, ATranslucentViewKeepsTheDrawingThatRunsPastItsSubviews) {
    RasterScreen frames(480, 320, GetParam());
    window->setBackgroundColor(Color::rgb255(30, 60, 90));
    auto panel = std::make_shared<View>(Rect(120, 60, 200, 100));
    panel->setBackgroundColor(Color::rgb255(240, 240, 240));
    panel->setAlpha(0.6);
    auto line = std::make_shared<RunningText>(Rect(10, 30, 120, 24));
    panel->addSubview(line);
    window->addSubview(panel);
    frames.renderIfNeeded();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "first frame";
    line->text += ", and now on and on much further";
    line->setNeedsDisplay();
    frames.renderIfNeeded();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "reaching further";
    panel->setClipsToBounds(true);
    frames.renderIfNeeded();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "clipped";
    panel->setClipsToBounds(false);
    frames.renderIfNeeded();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "no longer clipped";
    View::animate(1, [&] { panel->setAlpha(0.1); });
    run(0.4);
    ASSERT_TRUE(frames.renderIfNeeded());
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "fading";
    frames.renderApplication();
    EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(frames)) << "full redraw";
}

INSTANTIATE_TEST_SUITE_P(Scales, PartialRedrawTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace zuno::ui::test
