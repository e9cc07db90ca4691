#include <gtest/gtest.h>

#include <cmath>

#include "support/UiTest.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace zuno::ui::test {
namespace {

class ViewTest : public UiTest {};

TEST_F(ViewTest, FrameFollowsCenterBoundsAndTransform) {
    auto v = std::make_shared<View>(Rect(10, 20, 100, 50));
    EXPECT_EQ(v->center(), (Point{60, 45}));
    EXPECT_EQ(v->bounds(), Rect(0, 0, 100, 50));
    v->setTransform(AffineTransform::scale(2, 2));
    EXPECT_EQ(v->frame(), Rect(-40, -5, 200, 100));
    EXPECT_EQ(v->bounds().size, (Size{100, 50}));  // the bounds keep their own size
    v->setTransform(AffineTransform::rotation(M_PI / 2));
    Rect f = v->frame();
    EXPECT_NEAR(f.width(), 50, 1e-9);
    EXPECT_NEAR(f.height(), 100, 1e-9);
    EXPECT_NEAR(f.midX(), 60, 1e-9);
}

TEST_F(ViewTest, HitTestingGoesThroughTransformsAndSkipsHiddenViews) {
    auto parent = std::make_shared<View>(Rect(100, 100, 200, 100));
    window->addSubview(parent);
    auto child = std::make_shared<View>(Rect(0, 0, 40, 40));
    parent->addSubview(child);
    auto hidden = std::make_shared<View>(Rect(0, 0, 200, 100));
    hidden->setHidden(true);
    parent->addSubview(hidden);

    EXPECT_EQ(window->hitTest({110, 110}, nullptr), child);
    EXPECT_EQ(window->hitTest({250, 150}, nullptr), parent);
    EXPECT_EQ(window->hitTest({50, 50}, nullptr), window);

    // Scaled by 2 about its centre (200, 150): the child's corner (0..40) lands at 0..80 from 0, 50.
    parent->setTransform(AffineTransform::scale(2, 2));
    EXPECT_EQ(window->hitTest({70, 120}, nullptr), child);
    EXPECT_EQ(window->hitTest({20, 60}, nullptr), child);
    EXPECT_EQ(window->hitTest({90, 140}, nullptr), parent);

    // Turned by a quarter: the child now lies at the top right of the turned rectangle.
    parent->setTransform(AffineTransform::rotation(M_PI / 2));
    Point childCenter = child->convertPointToView({20, 20}, window.get());
    EXPECT_NEAR(childCenter.x, 230, 1e-9);
    EXPECT_NEAR(childCenter.y, 70, 1e-9);
    EXPECT_EQ(window->hitTest(childCenter, nullptr), child);
    Point back = child->convertPointFromView(childCenter, window.get());
    EXPECT_NEAR(back.x, 20, 1e-9);
    EXPECT_NEAR(back.y, 20, 1e-9);

    // A hidden view, a view without interaction and an almost transparent one are not hit; nor their
    // subviews.
    child->setHidden(true);
    EXPECT_EQ(window->hitTest(childCenter, nullptr), parent);
    child->setHidden(false);
    child->setUserInteractionEnabled(false);
    EXPECT_EQ(window->hitTest(childCenter, nullptr), parent);
    child->setUserInteractionEnabled(true);
    parent->setAlpha(0.005);
    EXPECT_EQ(window->hitTest(childCenter, nullptr), window);
}

TEST_F(ViewTest, ScrolledBoundsMoveSubviewsAndHits) {
    auto scroller = std::make_shared<View>(Rect(0, 0, 100, 100));
    window->addSubview(scroller);
    auto inner = std::make_shared<View>(Rect(0, 100, 100, 50));
    scroller->addSubview(inner);
    EXPECT_EQ(window->hitTest({50, 120}, nullptr), window);  // below the scroller, not yet scrolled in
    scroller->setBounds(Rect(0, 80, 100, 100));
    EXPECT_EQ(window->hitTest({50, 30}, nullptr), inner);
}

TEST_F(ViewTest, TreeOperationsKeepOrderAndOwnership) {
    auto a = std::make_shared<View>(), b = std::make_shared<View>(), c = std::make_shared<View>();
    auto root = std::make_shared<View>();
    root->addSubview(a);
    root->addSubview(b);
    root->insertSubview(c, 0);
    ASSERT_EQ(root->subviews().size(), 3u);
    EXPECT_EQ(root->subviews()[0], c);
    root->bringSubviewToFront(c.get());
    EXPECT_EQ(root->subviews().back(), c);
    root->insertSubviewBelow(a, b.get());
    EXPECT_EQ(root->subviews()[0], a);
    root->sendSubviewToBack(c.get());
    EXPECT_EQ(root->subviews()[0], c);

    // Moving a view to another parent takes it out of the first.
    auto other = std::make_shared<View>();
    other->addSubview(b);
    EXPECT_EQ(root->subviews().size(), 2u);
    EXPECT_EQ(b->superview(), other);
    // A view cannot become its own ancestor's subview.
    b->addSubview(other);
    EXPECT_EQ(other->superview(), nullptr);
    b->removeFromSuperview();
    EXPECT_EQ(b->superview(), nullptr);

    a->setTag(7);
    auto deep = std::make_shared<View>();
    deep->setTag(9);
    a->addSubview(deep);
    EXPECT_EQ(root->viewWithTag(9), deep);
    EXPECT_EQ(root->viewWithTag(42), nullptr);
}

// A view kept in front (a sheet) stays above what its superview adds or brings forward after it; a
// second one kept in front goes above the first.
TEST_F(ViewTest, AViewKeptInFrontStaysAboveWhatComesLater) {
    auto root = std::make_shared<View>();
    auto table = std::make_shared<View>(), sheet = std::make_shared<View>(), card = std::make_shared<View>();
    auto bubble = std::make_shared<View>(), second = std::make_shared<View>();
    root->addSubview(table);
    root->addSubview(bubble);
    sheet->setKeptInFront(true);
    root->addSubview(sheet);
    root->addSubview(card);
    root->bringSubviewToFront(bubble.get());
    root->insertSubview(table, 99);
    EXPECT_EQ(root->subviews(), (std::vector<std::shared_ptr<View>>{card, bubble, table, sheet}));
    second->setKeptInFront(true);
    root->addSubview(second);
    root->bringSubviewToFront(sheet.get());
    EXPECT_EQ(root->subviews(), (std::vector<std::shared_ptr<View>>{card, bubble, table, second, sheet}));
    sheet->removeFromSuperview();
    second->removeFromSuperview();
    root->bringSubviewToFront(card.get());
    EXPECT_EQ(root->subviews().back(), card);
}

TEST_F(ViewTest, AutoresizingSharesTheChangeAmongFlexibleParts) {
    auto parent = std::make_shared<View>(Rect(0, 0, 200, 100));
    auto stretch = std::make_shared<View>(Rect(10, 10, 180, 20));
    stretch->setAutoresizingMask(Autoresizing::FlexibleWidth);
    auto pinnedRight = std::make_shared<View>(Rect(150, 50, 40, 40));
    pinnedRight->setAutoresizingMask(Autoresizing::FlexibleLeftMargin | Autoresizing::FlexibleBottomMargin);
    auto fixed = std::make_shared<View>(Rect(5, 5, 10, 10));
    parent->addSubview(stretch);
    parent->addSubview(pinnedRight);
    parent->addSubview(fixed);
    parent->setFrame(Rect(0, 0, 300, 150));
    EXPECT_EQ(stretch->frame(), Rect(10, 10, 280, 20));
    EXPECT_EQ(pinnedRight->frame(), Rect(250, 50, 40, 40));
    EXPECT_EQ(fixed->frame(), Rect(5, 5, 10, 10));
}

TEST_F(ViewTest, TouchesTravelUpTheResponderChain) {
    struct Recorder : View {
        using View::View;
        int began = 0, ended = 0;
        void touchesBegan(const TouchSet&, const Event&) override { ++began; }
        void touchesEnded(const TouchSet& t, const Event&) override {
            ++ended;
            last = t.front()->locationInView(this);
        }
        Point last;
    };
    auto parent = std::make_shared<Recorder>(Rect(0, 0, 200, 200));
    window->addSubview(parent);
    auto label = std::make_shared<Label>(Rect(10, 10, 100, 30));  // labels take no touches
    parent->addSubview(label);
    auto plain = std::make_shared<View>(Rect(100, 100, 50, 50));  // plain views pass them on
    parent->addSubview(plain);
    window->tap({20, 20});
    window->tap({120, 130});
    EXPECT_EQ(parent->began, 2);
    EXPECT_EQ(parent->ended, 2);
    EXPECT_EQ(parent->last, (Point{120, 130}));
}

TEST_F(ViewTest, FirstResponderIsOneAtATime) {
    struct Field : View {
        bool canBecomeFirstResponder() const override { return true; }
    };
    auto a = std::make_shared<Field>(), b = std::make_shared<Field>();
    auto plain = std::make_shared<View>();
    EXPECT_FALSE(plain->becomeFirstResponder());
    EXPECT_TRUE(a->becomeFirstResponder());
    EXPECT_TRUE(b->becomeFirstResponder());
    EXPECT_FALSE(a->isFirstResponder());
    EXPECT_TRUE(b->isFirstResponder());
    window->addSubview(b);
    b->removeFromSuperview();  // leaving the screen gives up the keyboard
    EXPECT_EQ(Responder::firstResponder(), nullptr);
}

}  // namespace
}  // namespace zuno::ui::test
