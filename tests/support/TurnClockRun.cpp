#include "support/TurnClockRun.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <optional>

#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "support/TurnActions.h"

namespace zuno::testing {

namespace {

// A road's step: it draws a frame each time.
constexpr double kFrameSeconds = 0.05;
// A bar drains by tenths of a second and a count by seconds, and a turn's first frame comes within a
// step of its start: a clock off by more runs its own time.
constexpr double kToleranceSeconds = 0.5;

// The first frame of my turn under way, and what the clock showed at the last.
struct FirstFrame {
    const ui::ViewController* screen = nullptr;
    double at = 0;
    TurnClockShown shown;
    double lastLeft = 0;
};

std::optional<FirstFrame>& firstFrame() {
    static std::optional<FirstFrame> first;
    return first;
}

std::optional<TurnClockShown> clockOf(const ui::ViewController& top) {
    const auto turn = turnOnScreen(top);
    return turn ? turn->clock : std::nullopt;
}

void note(const ui::ViewController* top) {
    auto& first = firstFrame();
    const auto turn = top ? turnOnScreen(*top) : std::nullopt;
    if (!turn || !turn->mine || !turn->clock) {
        first.reset();
        return;
    }
    const TurnClockShown& shown = *turn->clock;
    // Another screen, or a clock started again (a refilled bar, a count back up): a new turn.
    if (!first || first->screen != top || first->shown.kind != shown.kind || shown.left > first->lastLeft) {
        first = FirstFrame{top, sys::RunLoop::main().now(), shown, shown.left};
        return;
    }
    first->lastLeft = shown.left;
}

}  // namespace

void noteMyTurnClock() {
    const auto delegate = ZunoOnlineAppDelegate::current();
    const auto navigation = delegate ? delegate->navigationController : nullptr;
    note(navigation ? navigation->topViewController().get() : nullptr);
}

void forgetMyTurnClock() { firstFrame().reset(); }

void expectMyTurnClockRunsFor(const ui::ViewController& top, double seconds) {
    auto& loop = sys::RunLoop::main();
    note(&top);
    const std::optional<FirstFrame> first = firstFrame();
    ASSERT_TRUE(first) << "my turn shows no clock";
    const auto table = turnOnScreen(top)->table;
    ASSERT_GT(first->shown.left, 0) << table << " table: my turn's clock showed empty at its first frame";

    std::optional<TurnClockShown> shown = first->shown;
    double left = first->lastLeft;
    const double giveUp = loop.now() + 2 * seconds + 2;
    while (shown && shown->left > 0 && loop.now() < giveUp) {
        loop.runFor(kFrameSeconds);
        shown = clockOf(top);
        ASSERT_FALSE(shown && shown->left > left) << table << " table: my turn's clock started again before it ran out";
        if (shown) left = shown->left;
    }
    const double ran = loop.now() - first->at;
    ASSERT_FALSE(shown && shown->left > 0)
        << std::fixed << std::setprecision(2) << table << " table: my turn's clock still shows " << shown->left
        << " after " << ran << " s";
    const bool bar = first->shown.kind == TurnClockShown::Kind::Bar;
    // A bar first seen part drained ran that part before its first frame.
    const double run = bar ? ran / first->shown.left : ran + 1;
    EXPECT_NEAR(run, seconds, kToleranceSeconds)
        << std::fixed << std::setprecision(2) << table << " table: my turn's " << (bar ? "bar" : "count") << " runs " << run
        << " s, the stand-in gives the turn " << seconds << " s";
}

}  // namespace zuno::testing
