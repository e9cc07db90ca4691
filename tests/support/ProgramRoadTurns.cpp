// The turn steps of the roads: the check of a settled table and a turn left to run out.
#include <gtest/gtest.h>

#include "platform/core/RunLoop.h"
#include "support/MessagesInFlight.h"
#include "support/ProgramRoadTest.h"
#include "support/TurnActions.h"
#include "support/TurnClockRun.h"

namespace zuno::testing {

namespace {
// Only a guard: the road waits for the stand-in to take my request, which a table that sends none
// never lets it do.
constexpr double kNeverTakenSeconds = 10.0;
}  // namespace

ProgramRoadTest::HeldRobotTurns::HeldRobotTurns(standin::StandinRobotTables* tables) : tables_(tables) {
    if (tables_) tables_->holdRobotTurns(true);
}

ProgramRoadTest::HeldRobotTurns::~HeldRobotTurns() {
    if (tables_) tables_->holdRobotTurns(false);
}

bool ProgramRoadTest::expectTurnActions() {
    return expectActionsOnlyOnMyTurn(program->navigation().topViewController().get(), server, robots.get());
}

void ProgramRoadTest::letMyTurnRunOut() {
    auto top = program->navigation().topViewController();
    ASSERT_TRUE(top);
    const auto turn = turnOnScreen(*top);
    ASSERT_TRUE(turn && turn->mine) << "the table on top does not wait for me";
    ASSERT_TRUE(robots) << "no stand-in table ends my turn";
    struct Counts {
        std::optional<int> seconds;
        int taken = 0;
        int runOut = 0;
        std::shared_ptr<const standin::StandinSession> session;
    };
    const auto counts = [this] {
        return robots->locked([&] {
            return Counts{robots->playerTurnSeconds(), robots->playerRequestsTaken(), robots->playerTurnsRunOut(),
                          robots->playerSession()};
        });
    };
    const Counts before = counts();
    ASSERT_TRUE(before.seconds && before.session) << "the stand-in does not wait for me";
    // The robots wait meanwhile: the table is looked at as my turn left it, before anyone plays on.
    const HeldRobotTurns held(robots.get());
    auto& loop = sys::RunLoop::main();
    ASSERT_NO_FATAL_FAILURE(expectMyTurnClockRunsFor(*top, *before.seconds));
    // My clock ticks by whole seconds: a second past the bar's end it has run out.
    loop.runFor(1);
    if (turn->passesForMe) {
        // My table's clock ends my turn with a request of mine (taken, or refused: a lead cannot pass)
        // before the stand-in's clock does.
        const bool taken = loop.runUntil([&] { return counts().taken > before.taken; }, kNeverTakenSeconds);
        EXPECT_TRUE(taken) << turn->table << " table: my turn ran out and my table sent nothing for me";
        EXPECT_EQ(counts().runOut, before.runOut) << turn->table << " table: the stand-in's clock ended my turn first";
    } else {
        // This table sends nothing for me: the stand-in's clock ends my turn.
        ASSERT_TRUE(loop.runUntil([&] { return standinHandledAllSent(*before.session); }, kNeverTakenSeconds));
        EXPECT_EQ(counts().taken, before.taken) << turn->table << " table: my turn ran out and my table sent a request for me";
    }
    if (standinWaitsForMe(*robots)) robots->runOutPlayerTurn();
    settle();
}

}  // namespace zuno::testing
