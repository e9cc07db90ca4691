// A screen drawn frame after frame, where only the changed part is drawn again, must show exactly the
// pixels of every view drawn plainly (no view left out for being covered or outside the drawn part):
// random changes of every kind (moves to fractional places, scrolling, sizes, fades, hiding, removing
// and adding, turns and scales of views and of their superviews, order, colours, texts, pictures,
// drawing past the bounds, clipping, corners and borders, animations of all of those, the window's
// scale) to a tree of views, at scale 1 and 2; full redraws too.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/backend/RasterScreen.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Display.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Layer.h"
#include "support/RasterCompare.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

// A picture with a gradient; translucent towards its right edge when asked (premultiplied).
ImagePtr gradient(int width, int height, bool translucent) {
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t a = translucent ? uint32_t(255 - x * 200 / width) : 255;
            const uint32_t r = uint32_t(x * 255 / width) * a / 255, g = uint32_t(y * 255 / height) * a / 255;
            pixels[size_t(y * width + x)] = (a << 24) | (r << 16) | (g << 8) | (a / 2);
        }
    }
    return Image::fromPixels(width, height, std::move(pixels));
}

// Draws past its bounds, as a text longer than its line does; how far changes with its content.
class Overflowing : public View {
public:
    using View::View;
    double reach = 20;
    void drawRect(Canvas& canvas, const Rect&) override {
        const Rect b = bounds();
        canvas.setFillColor(Color{0.9, 0.8, 0.1, 0.8});
        canvas.fillRect(Rect(b.x() - reach / 2, b.midY() - 3, b.width() + reach, 6));
        canvas.setFillColor(Color::white());
        canvas.drawText("running on past the edge", {b.maxX() - reach / 2, b.y()}, Font::systemFontOfSize(12));
    }
};

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

class PartialRedrawTest : public UiTest, public ::testing::WithParamInterface<int> {
protected:
    std::mt19937 random{(getenv("SEED") ? unsigned(atoi(getenv("SEED"))) : 20240611u) + unsigned(GetParam())};

    double uniform(double from, double to) { return std::uniform_real_distribution<double>(from, to)(random); }
    int below(int n) { return int(random() % unsigned(n)); }
    // Places on whole points, half and quarter points.
    double place(double from, double to) { return std::round(uniform(from, to) * 4) / 4; }
    Color colour() {
        const double alpha = below(3) == 0 ? uniform(0.3, 0.9) : 1.0;
        return Color{uniform(0, 1), uniform(0, 1), uniform(0, 1), alpha};
    }
    Rect frame() { return Rect(place(-40, 460), place(-40, 300), place(4, 140), place(4, 90)); }

    std::shared_ptr<View> makeView() {
        std::shared_ptr<View> v;
        switch (below(4)) {
            case 0: {
                auto label = std::make_shared<Label>(frame());
                label->setText(below(2) ? "Zuno partial frames" : "Xin chào, bạn!");
                label->setFont(Font::systemFontOfSize(place(9, 22)));
                label->setTextColor(colour());
                if (below(2)) {
                    label->setShadowColor(Color::black());
                    label->setShadowOffset({1, 1});
                }
                v = label;
                break;
            }
            case 1: {
                auto image = std::make_shared<ImageView>(frame());
                image->setImage(gradient(20 + below(60), 20 + below(40), below(2) == 0));
                image->setContentMode(below(2) ? ContentMode::ScaleToFill : ContentMode::Center);
                v = image;
                break;
            }
            case 2:
                v = std::make_shared<Overflowing>(frame());
                break;
            default:
                v = std::make_shared<View>(frame());
                break;
        }
        if (below(2)) v->setBackgroundColor(colour());
        return v;
    }

    // A tree of views under the window: some nested, reaching outside their superviews.
    void buildScene() {
        window->setBackgroundColor(Color::rgb255(30, 60, 90));
        for (int i = 0; i < 18; ++i) {
            auto v = makeView();
            View* parent = window.get();
            if (!views.empty() && below(2)) parent = views[size_t(below(int(views.size())))].get();
            parent->addSubview(v);
            views.push_back(v);
        }
    }

    // One random change of a random view; what it was, for the failure message.
    std::string change() {
        const size_t index = size_t(below(int(views.size())));
        return changeView(views[index]) + " of view " + std::to_string(index);
    }

    std::string changeView(const std::shared_ptr<View>& v) {
        switch (below(19)) {
            case 0: v->setCenter({place(-20, 500), place(-20, 340)}); return "move";
            case 1: v->setFrame(frame()); return "new frame";
            case 2: v->setAlpha(below(3) == 0 ? 0 : uniform(0.2, 1)); return "alpha";
            case 3: v->setHidden(!v->isHidden()); return "hidden";
            case 4: {
                if (!v->superview()) {
                    window->addSubview(v);
                    return "added";
                }
                v->removeFromSuperview();
                return "removed";
            }
            case 5: {
                const double angle = below(2) ? uniform(-M_PI, M_PI) : 0;
                v->setTransform(AffineTransform::rotation(angle).scaled(uniform(0.5, 1.5), uniform(0.5, 1.5)));
                return "transform";
            }
            case 6: {
                if (View* parent = v->superviewPointer()) {
                    if (below(2)) {
                        parent->bringSubviewToFront(v.get());
                    } else {
                        parent->sendSubviewToBack(v.get());
                    }
                }
                return "order";
            }
            case 7: v->setBackgroundColor(colour()); return "background";
            case 8: {
                if (auto label = std::dynamic_pointer_cast<Label>(v)) label->setText("changed " + std::to_string(below(1000)));
                if (auto image = std::dynamic_pointer_cast<ImageView>(v)) image->setImage(gradient(10 + below(50), 10 + below(50), true));
                if (auto overflowing = std::dynamic_pointer_cast<Overflowing>(v)) {
                    overflowing->reach = uniform(0, 80);
                    overflowing->setNeedsDisplay();
                }
                return "content";
            }
            case 9: v->setClipsToBounds(!v->clipsToBounds()); return "clipping";
            case 10: {
                v->layer().setCornerRadius(below(2) ? place(0, 12) : 0);
                v->layer().setBorderWidth(below(2) ? place(0, 3) : 0);
                v->layer().setBorderColor(colour());
                return "corners and border";
            }
            case 11: {
                // Moved to another superview (never into its own subtree).
                auto& to = views[size_t(below(int(views.size())))];
                if (to != v && !to->isDescendantOf(v.get())) to->addSubview(v);
                return "new superview";
            }
            case 12: {
                const Rect b = v->bounds();
                v->setBounds(Rect(place(-30, 30), place(-30, 30), b.width(), b.height()));
                return "scroll";
            }
            case 13: {
                View* parent = v->superviewPointer();
                if (!parent || parent == window.get()) return "no superview to change";
                parent->setAlpha(below(3) == 0 ? 1 : uniform(0.2, 1));
                const double angle = below(2) ? uniform(-0.5, 0.5) : 0;
                parent->setTransform(below(3) == 0 ? AffineTransform()
                                                   : AffineTransform::rotation(angle).scaled(uniform(0.7, 1.3), uniform(0.7, 1.3)));
                return "superview's alpha and transform";
            }
            case 14: {
                auto label = std::dynamic_pointer_cast<Label>(v);
                if (!label) return "no label to lengthen";
                label->setText("Zuno partial frames: a text much longer than its label, running on past its frame");
                return "text past the frame";
            }
            case 15: {
                // What the covered views draw past the cover still shows.
                View* parent = v->superviewPointer();
                if (!parent) return "no superview to cover";
                v->setTransform(AffineTransform());
                v->setFrame(parent->bounds());
                v->setBackgroundColor(Color{uniform(0, 1), uniform(0, 1), uniform(0, 1), 1});
                return "covers its superview";
            }
            default: {
                const unsigned options = below(3) == 0 ? AnimationOption::Repeat | AnimationOption::Autoreverse : 0;
                View::animate(uniform(0.05, 0.5), 0, options, [&] {
                    v->setCenter({place(-20, 500), place(-20, 340)});
                    if (below(2)) v->setAlpha(uniform(0, 1));
                    if (below(2)) v->setTransform(AffineTransform::rotation(uniform(-1, 1)));
                    if (below(2)) v->setBounds(Rect(0, 0, place(4, 120), place(4, 80)));
                });
                return "animation";
            }
        }
    }

    // Changes the scene at random step after step, draws each step's frame (`drawFrame` answers whether
    // it drew only a part) and compares it with every view drawn plainly. Now and then the window takes
    // the other scale, as the desktop window does when it turns. Answers how many frames were partial.
    int changeAndCompare(const std::function<bool(RasterScreen&)>& drawFrame) {
        int scale = GetParam();
        auto frames = std::make_unique<RasterScreen>(480, 320, scale);
        buildScene();
        frames->renderApplication();
        int partialFrames = 0;
        for (int step = 0; step < 160; ++step) {
            std::string changes;
            for (int n = 1 + below(3); n > 0; --n) changes += change() + "; ";
            if (below(40) == 0) {
                scale = 3 - scale;
                frames = std::make_unique<RasterScreen>(480, 320, scale);
                Display::invalidate();
                changes += "scale " + std::to_string(scale) + "; ";
            }
            run(below(2) ? uniform(0, 0.15) : 0);
            if (drawFrame(*frames)) ++partialFrames;
            EXPECT_TRUE(testing::showsWhatIsDrawnPlainly(*frames)) << "at step " << step << " after: " << changes;
            if (HasFailure()) break;
        }
        return partialFrames;
    }

    std::vector<std::shared_ptr<View>> views;
};

TEST_P(PartialRedrawTest, RandomChangesDrawnPartiallyShowWhatEveryViewDrawnPlainlyShows) {
    const int partialFrames = changeAndCompare([](RasterScreen& frames) {
        if (!frames.renderIfNeeded()) return false;
        long drawn = 0;
        for (const PixelRect& r : frames.drawnPixels()) drawn += long(r.width) * r.height;
        return drawn < long(frames.pixelWidth()) * frames.pixelHeight();
    });
    EXPECT_GT(partialFrames, 25);  // not a test of full frames
}

TEST_P(PartialRedrawTest, RandomChangesDrawnWholeShowWhatEveryViewDrawnPlainlyShows) {
    changeAndCompare([](RasterScreen& frames) {
        frames.renderApplication();
        return false;
    });
}

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
