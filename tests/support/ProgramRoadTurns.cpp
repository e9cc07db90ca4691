// The turn steps of the roads: the check of a settled table and a turn left to run out.
#include <gtest/gtest.h>

#include "platform/core/RunLoop.h"
#include "support/ProgramRoadTest.h"
#include "support/TurnActions.h"

namespace zuno::testing {

ProgramRoadTest::HeldRobotTurns::HeldRobotTurns(standin::StandinRobotTables* tables) : tables_(tables) {
    if (tables_) tables_->holdRobotTurns(true);
}

ProgramRoadTest::HeldRobotTurns::~HeldRobotTurns() {
    if (tables_) tables_->holdRobotTurns(false);
}

bool ProgramRoadTest::expectTurnActions() {
    return expectActionsOnlyOnMyTurn(program->navigation().topViewController().get(), robots.get());
}

void ProgramRoadTest::letMyTurnRunOut() {
    auto top = program->navigation().topViewController();
    ASSERT_TRUE(top);
    const auto turn = turnOnScreen(*top);
    ASSERT_TRUE(turn && turn->mine) << "the table on top does not wait for me";
    ASSERT_TRUE(turn->barSeconds) << "my turn shows no bar to run out";
    // The robots wait meanwhile: the table is looked at as my turn left it, before anyone plays on.
    const HeldRobotTurns held(robots.get());
    auto& loop = sys::RunLoop::main();
    // My clock ticks by whole seconds: a second past the bar's end it has run out.
    loop.runFor(*turn->barSeconds + 1);
    const auto waitsForMe = [&] { return robots && standinWaitsForMe(*robots); };
    // The pass my clock sent for me is taken (or refused: a lead cannot pass) before the stand-in's
    // clock, which gives it a moment, runs out.
    if (turn->passesForMe) loop.runUntil([&] { return !waitsForMe(); }, 2.0);
    if (waitsForMe()) robots->runOutPlayerTurn();
    settle();
}

}  // namespace zuno::testing
