#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <stdexcept>

#include "platform/core/Log.h"
#include "support/UiTest.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Layer.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace zuno::ui::test {
namespace {

class AnimationTest : public UiTest {};

struct StopRecorder : AnimationDelegate {
    std::vector<std::string> stops;
    std::vector<bool> finished;
    void animationDidStop(const std::string& id, bool done, void*) override {
        stops.push_back(id);
        finished.push_back(done);
    }
};

TEST_F(AnimationTest, ModelJumpsAtOncePresentationTravels) {
    auto v = std::make_shared<View>(Rect(0, 0, 10, 10));
    View::beginAnimations("move");
    View::setAnimationDuration(1.0);
    View::setAnimationCurve(AnimationCurve::Linear);
    v->setCenter({105, 5});
    View::commitAnimations();
    EXPECT_EQ(v->center(), (Point{105, 5}));  // the model value is the new one at once
    run(0.25);
    EXPECT_NEAR(v->presentedCenter().x, 30, 1e-6);
    run(0.75);
    EXPECT_EQ(v->presentedCenter(), (Point{105, 5}));
    EXPECT_FALSE(Animator::shared().hasRunningAnimations());

    // Outside a block a change jumps, and stops the property's animation.
    View::animate(1.0, [&] { v->setAlpha(0); });
    run(0.5);
    v->setAlpha(1);
    EXPECT_EQ(v->presentedAlpha(), 1);
}

TEST_F(AnimationTest, CompletionsComeInOrderOfEndTimeWithTheirNames) {
    auto a = std::make_shared<View>(), b = std::make_shared<View>(), c = std::make_shared<View>();
    auto recorder = std::make_shared<StopRecorder>();
    std::vector<std::string> order;

    View::beginAnimations("slow");
    View::setAnimationDuration(0.6);
    View::setAnimationDelegate(recorder);
    a->setCenter({100, 0});
    View::commitAnimations();

    View::beginAnimations("default");  // 0.2 s unless set
    View::setAnimationDelegate(recorder);
    View::setAnimationDidStop([&](const std::string& id, bool) { order.push_back("didStop " + id); });
    b->setCenter({50, 0});
    View::commitAnimations();

    View::animate(0.3, 0.1, 0, [&] { c->setAlpha(0.5); }, [&](bool done) { order.push_back(done ? "block" : "block!"); });

    run(0.19);
    EXPECT_TRUE(recorder->stops.empty());
    run(0.02);
    ASSERT_EQ(recorder->stops.size(), 1u);
    EXPECT_EQ(recorder->stops[0], "default");
    run(0.2);  // the block ends at 0.4 (delay 0.1 + 0.3)
    EXPECT_EQ(order, (std::vector<std::string>{"didStop default", "block"}));
    run(0.2);
    EXPECT_EQ(recorder->stops, (std::vector<std::string>{"default", "slow"}));
    EXPECT_EQ(recorder->finished, (std::vector<bool>{true, true}));
}

TEST_F(AnimationTest, AFailingCallbackNeitherSilencesTheOthersNorStopsTheLoop) {
    struct ThrowingDelegate : AnimationDelegate {
        void animationDidStop(const std::string&, bool, void*) override { throw std::runtime_error("delegate failed"); }
    };
    auto a = std::make_shared<View>(), b = std::make_shared<View>();
    auto delegate = std::make_shared<ThrowingDelegate>();
    std::vector<std::string> order;
    View::beginAnimations("failing");
    View::setAnimationDelegate(delegate);
    View::setAnimationDidStop([&](const std::string& id, bool) { order.push_back("didStop " + id); });
    a->setAlpha(0.5);
    View::commitAnimations();
    View::animate(0.3, [&] { b->setAlpha(0.5); }, [&](bool) {
        order.push_back("second block");
        throw std::runtime_error("completion failed");
    });
    sys::RunLoop::main().postDelayed(0.5, [&] { order.push_back("later timer"); });
    run(1.0);
    EXPECT_EQ(order, (std::vector<std::string>{"didStop failing", "second block", "later timer"}));
    EXPECT_TRUE(sys::Log::contains("Exception delegate failed"));
    EXPECT_TRUE(sys::Log::contains("Exception completion failed"));
}

TEST_F(AnimationTest, ReplacedAnimationStopsUnfinishedAndEmptyBlockEndsAtOnce) {
    auto v = std::make_shared<View>();
    std::vector<std::string> events;
    View::animate(1.0, [&] { v->setCenter({10, 10}); }, [&](bool done) { events.push_back(done ? "first done" : "first cut"); });
    run(0.5);
    View::animate(1.0, [&] { v->setCenter({20, 20}); }, [&](bool done) { events.push_back(done ? "second done" : "second cut"); });
    run(0.01);
    EXPECT_EQ(events, (std::vector<std::string>{"first cut"}));
    View::animate(5.0, [] {}, [&](bool done) { events.push_back("empty"); });
    run(0.01);
    EXPECT_EQ(events.back(), "empty");
    run(1.0);
    EXPECT_EQ(events.back(), "second done");
}

TEST_F(AnimationTest, DelayAndRemovalOfTheView) {
    bool finished = true;
    int calls = 0;
    {
        auto v = std::make_shared<View>();
        View::animate(1.0, 0.5, 0, [&] { v->setAlpha(0); }, [&](bool done) {
            finished = done;
            ++calls;
        });
        run(0.25);
        EXPECT_EQ(v->presentedAlpha(), 1.0);  // still waiting for its delay
    }
    run(0.01);  // the view went away: its animation ends unfinished
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(finished);
}

// The loop waits for work only through its event source, when one is installed: this one counts the
// waits (and waits for nothing).
struct WaitCounter : sys::RunLoop::EventSource {
    int waits = 0;
    void wait(double) override { ++waits; }
    void wake() override {}
};

// On the virtual clock 30 s pass without the loop ever waiting: a 30 s timer fires at 30 s of the
// loop's clock, a one-second timer ticks 30 times on the way, and a 30 s animation ends.
TEST_F(AnimationTest, ThirtySecondTimerEndsWithoutTheLoopWaitingOnTheVirtualClock) {
    auto& loop = sys::RunLoop::main();
    WaitCounter counter;
    loop.setEventSource(&counter);
    std::optional<double> firedAt;
    int ticks = 0;
    const double due = loop.now() + 30.0;
    loop.postDelayed(30.0, [&] { firedAt = loop.now(); });
    loop.scheduleRepeating(1.0, [&] { ++ticks; });
    auto v = std::make_shared<View>();
    View::animate(30.0, [&] { v->setCenter({300, 0}); });
    run(29.9);
    EXPECT_FALSE(firedAt);
    run(0.2);
    loop.setEventSource(nullptr);
    EXPECT_EQ(firedAt, std::optional<double>(due));
    EXPECT_EQ(ticks, 30);
    EXPECT_FALSE(Animator::shared().isAnimating(v.get()));
    EXPECT_EQ(counter.waits, 0) << "the loop waited for time to pass";
}

TEST_F(AnimationTest, RepeatsWithAutoreverseAndFrameAnimation) {
    auto v = std::make_shared<View>();
    bool done = false;
    View::beginAnimations("bounce");
    View::setAnimationDuration(0.5);
    View::setAnimationRepeatCount(2);
    View::setAnimationRepeatAutoreverses(true);
    View::setAnimationCurve(AnimationCurve::Linear);
    View::setAnimationDidStop([&](const std::string&, bool) { done = true; });
    v->setCenter({0, 10});
    View::commitAnimations();
    run(0.75);  // half way back on the first return leg
    EXPECT_NEAR(v->presentedCenter().y, 5, 1e-6);
    run(1.2);
    EXPECT_FALSE(done);
    run(0.06);
    EXPECT_TRUE(done);

    auto frames = std::make_shared<ImageView>(Rect(0, 0, 10, 10));
    frames->setAnimationImages({Image::placeholder("a"), Image::placeholder("b")});
    frames->setAnimationDuration(0.4);
    frames->setAnimationRepeatCount(1);
    frames->startAnimating();
    EXPECT_TRUE(frames->isAnimating());
    run(0.25);
    EXPECT_EQ(frames->currentFrame(), 1u);
    run(0.2);
    EXPECT_FALSE(frames->isAnimating());
}

// What a screen waits for before it counts as still: the animations that end, counted repeats
// included, each target named once with its block; one that repeats until removed is left out.
TEST_F(AnimationTest, EndingAnimationsLeaveOutThoseThatRepeatForEver) {
    auto glowing = std::make_shared<View>(), bouncing = std::make_shared<View>(), sliding = std::make_shared<View>();
    View::animate(0.5, 0, AnimationOption::Repeat | AnimationOption::Autoreverse, [&] { glowing->setAlpha(0.2); }, nullptr);
    View::beginAnimations("bounce");
    View::setAnimationDuration(0.25);
    View::setAnimationRepeatCount(10);
    View::setAnimationRepeatAutoreverses(true);
    bouncing->setCenter({0, 10});
    View::commitAnimations();
    View::animate(0.35, [&] {
        sliding->setCenter({480, 0});
        sliding->setAlpha(0.5);
    });
    using Ending = std::vector<std::pair<const Animatable*, std::string>>;
    auto ending = Animator::shared().endingAnimations();
    std::sort(ending.begin(), ending.end());
    Ending expected{{bouncing.get(), "bounce"}, {sliding.get(), ""}};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ending, expected);
    run(0.4);
    EXPECT_EQ(Animator::shared().endingAnimations(), (Ending{{bouncing.get(), "bounce"}}));
    run(5);
    EXPECT_TRUE(Animator::shared().endingAnimations().empty());
    EXPECT_TRUE(Animator::shared().isAnimating(glowing.get()));
}

TEST_F(AnimationTest, FramesOffTheScreenGoOnWithoutRedrawingIt) {
    auto frames = std::make_shared<ImageView>(Rect(0, 0, 10, 10));
    frames->setAnimationImages({Image::placeholder("a"), Image::placeholder("b")});
    frames->setAnimationDuration(0.2);
    frames->startAnimating();
    Display::clearDirty();
    run(0.15);
    EXPECT_EQ(frames->currentFrame(), 1u);
    EXPECT_FALSE(Display::isDirty());
    auto window = std::make_shared<Window>();
    window->addSubview(frames);
    Display::clearDirty();
    run(0.1);
    EXPECT_EQ(frames->currentFrame(), 0u);
    EXPECT_TRUE(Display::isDirty());
}

TEST_F(AnimationTest, FreeLayersAnimateByThemselvesUnlessTurnedOff) {
    auto host = std::make_shared<View>(Rect(0, 0, 100, 100));
    auto arrow = std::make_shared<Layer>();
    arrow->setFrame(Rect(25, 10, 30, 55));
    host->layer().addSublayer(arrow);
    run(1);
    Transaction::begin();
    Transaction::setAnimationDuration(0.18);
    arrow->setTransform(AffineTransform::rotation(M_PI));
    Transaction::commit();
    EXPECT_TRUE(Animator::shared().isAnimating(arrow.get()));
    run(0.2);
    EXPECT_FALSE(Animator::shared().isAnimating(arrow.get()));
    Transaction::begin();
    Transaction::setDisableActions(true);
    arrow->setTransform(AffineTransform::identity());
    Transaction::commit();
    EXPECT_FALSE(Animator::shared().isAnimating(arrow.get()));
    // A view's own layer never animates by itself.
    host->layer().setOpacity(0.5);
    EXPECT_FALSE(Animator::shared().isAnimating(&host->layer()));
}

}  // namespace
}  // namespace zuno::ui::test
