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

std::optional<MyTurnClockRun> expectMyTurnClockRunsFor(const ui::ViewController& top, double seconds,
                                                       const std::function<std::string()>& endedElsewhere) {
    auto& loop = sys::RunLoop::main();
    note(&top);
    const std::optional<FirstFrame> first = firstFrame();
    if (!first) {
        ADD_FAILURE() << "my turn shows no clock";
        return std::nullopt;
    }
    const auto table = turnOnScreen(top)->table;
    if (first->shown.left <= 0) {
        ADD_FAILURE() << table << " table: my turn's clock showed empty at its first frame";
        return std::nullopt;
    }

    std::optional<TurnClockShown> shown = first->shown;
    double left = first->lastLeft;
    bool ended = false;
    const double giveUp = loop.now() + 2 * seconds + 2;
    while (shown && shown->left > 0 && loop.now() < giveUp) {
        loop.runFor(kFrameSeconds);
        // My table's request at my clock's end may be answered within the same frame (a refused pass
        // gives the turn back): the request marks the end then.
        const std::string endedBy = endedElsewhere();
        if (!endedBy.empty()) {
            if (loop.now() - first->at < seconds - kToleranceSeconds) {
                ADD_FAILURE() << std::fixed << std::setprecision(2) << table << " table: " << endedBy << " "
                              << loop.now() - first->at << " s into my turn, which lasts " << seconds << " s";
                return std::nullopt;
            }
            ended = true;
            break;
        }
        shown = clockOf(top);
        if (shown && shown->left > left) {
            ADD_FAILURE() << table << " table: my turn's clock started again before it ran out";
            return std::nullopt;
        }
        if (shown) left = shown->left;
    }
    const double ran = loop.now() - first->at;
    if (!ended && shown && shown->left > 0) {
        ADD_FAILURE() << std::fixed << std::setprecision(2) << table << " table: my turn's clock still shows "
                      << shown->left << " after " << ran << " s";
        return std::nullopt;
    }
    const bool bar = first->shown.kind == TurnClockShown::Kind::Bar;
    // A bar first seen part drained ran that part before its first frame.
    const double run = bar ? ran / first->shown.left : ran + 1;
    EXPECT_NEAR(run, seconds, kToleranceSeconds)
        << std::fixed << std::setprecision(2) << table << " table: my turn's " << (bar ? "bar" : "count") << " runs " << run
        << " s, the stand-in gives the turn " << seconds << " s";
    return MyTurnClockRun{first->at, bar ? loop.now() : loop.now() + 1};
}

}  // namespace zuno::testing
