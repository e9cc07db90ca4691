// The turn steps of the roads: the check of a settled table and a turn left to run out.
#include <gtest/gtest.h>

#include "lobby/GameRegistry.h"
#include "platform/core/RunLoop.h"
#include "shell/UIController.h"
#include "support/AlertButtons.h"
#include "support/LayoutCheck.h"
#include "support/NoLeftTurn.h"
#include "support/ProgramRoadTest.h"
#include "support/TurnActions.h"
#include "support/TurnClockRun.h"

namespace zuno::testing {

namespace {
// The stand-in ends my turn this long after its seconds, so that my table's request at the end of my
// clock reaches it first.
constexpr double kGraceSeconds = standin::StandinRobotTables::kPassGraceSeconds;
// My clock shows by frames, and a count by whole seconds.
constexpr double kToleranceSeconds = 0.5;
}  // namespace

ProgramRoadTest::HeldRobotTurns::HeldRobotTurns(standin::StandinRobotTables* tables) : tables_(tables) {
    if (tables_) tables_->holdRobotTurns(true);
}

ProgramRoadTest::HeldRobotTurns::~HeldRobotTurns() {
    if (tables_) tables_->holdRobotTurns(false);
}

void ProgramRoadTest::expectTurnActions() {
    expectActionsOnlyOnMyTurn(program->navigation().topViewController().get(), server, robots.get());
}

bool ProgramRoadTest::invitationShown() {
    return UIController::okValue() == UIController::okAcceptInvite && UIController::shownDialogMessage();
}

void ProgramRoadTest::leaveAndJoinTheNext(const std::shared_ptr<ui::ViewController>& table, int8_t game,
                                          standin::StandinTableKind kind) {
    ASSERT_NO_FATAL_FAILURE(leave(table));
    ASSERT_NO_FATAL_FAILURE(joinTheNext(table, game, kind));
}

void ProgramRoadTest::joinTheNext(const std::shared_ptr<ui::ViewController>& table, int8_t game,
                                  standin::StandinTableKind kind) {
    ASSERT_TRUE(robots) << "no robots' table";
    // The robots' own invitation after the leave, where it came already, else one to the game now.
    if (!invitationShown()) {
        robots->setNextInvitation(game, kind);
        robots->inviteNow();
    }
    ASSERT_TRUE(pump([] { return invitationShown(); })) << "no invitation to the next table";
    answerAlert(true);
    ASSERT_EQ(waitForTable(game), table) << "the next table's screen is not the table's screen";
    expectNoLeftTurn(table.get());
}

int ProgramRoadTest::seatedGame() const {
    return robots->locked([&] { return robots->game() ? int(robots->game()->gameType()) : -1; });
}

std::shared_ptr<ui::ViewController> ProgramRoadTest::waitForTable(int game) {
    const GameDescriptor* descriptor = GameRegistry::find(int8_t(game));
    if (!descriptor || !robots) {
        ADD_FAILURE() << "waiting for the table of game " << game << ": "
                      << (descriptor ? "no robots' table" : "no such game");
        return nullptr;
    }
    auto& navigation = program->navigation();
    const bool seated = pump([&] {
        auto screen = navigation.topViewController();
        return seatedGame() == game && screen && descriptor->ownsScreen(*screen) && !navigation.isTransitioning();
    });
    if (!seated) {
        auto top = navigation.topViewController();
        ADD_FAILURE() << "waiting for the table of game " << game << ": the stand-in seats me at game " << seatedGame()
                      << ", on top: " << (top ? describeScreen(*top) : std::string("no screen"));
        return nullptr;
    }
    settle();
    return navigation.topViewController();
}

void ProgramRoadTest::letMyTurnRunOut() {
    auto top = program->navigation().topViewController();
    ASSERT_TRUE(top);
    const auto turn = turnOnScreen(*top);
    ASSERT_TRUE(turn && turn->mine) << "the table on top does not wait for me";
    ASSERT_TRUE(robots) << "no stand-in table ends my turn";
    using RunOut = standin::StandinRobotTables::RunOut;
    struct Stand {
        std::optional<int> seconds;
        double began = 0;
        int taken = 0;
        int runOuts = 0;
        std::optional<RunOut> runOut;
    };
    const auto stand = [this] {
        return robots->locked([&] {
            return Stand{robots->playerTurnSeconds(), robots->playerTurnBeganAt(), robots->playerRequestsTaken(),
                         robots->playerTurnsRunOut(), robots->lastPlayerTurnRunOut()};
        });
    };
    const Stand before = stand();
    ASSERT_TRUE(before.seconds) << "the stand-in does not wait for me";
    // The robots wait meanwhile: the table is looked at as my turn left it, before anyone plays on.
    const HeldRobotTurns held(robots.get());
    const auto endedElsewhere = [&]() -> std::string {
        const Stand now = stand();
        if (now.runOuts > before.runOuts) return "the stand-in's clock ended my turn";
        if (now.taken > before.taken) return "a request of mine reached the stand-in";
        return {};
    };
    const auto clock = expectMyTurnClockRunsFor(*top, *before.seconds, endedElsewhere);
    ASSERT_TRUE(clock);

    // Then my table's request (where it passes for me) or the stand-in's clock ends my turn; the
    // stand-in's clock, when it ran as long as mine, after the grace it gives my table's request.
    auto& loop = sys::RunLoop::main();
    const auto over = [&] {
        const Stand now = stand();
        return now.runOuts > before.runOuts || (now.taken > before.taken && !standinWaitsForMe(*robots));
    };
    pump(over, static_cast<int>((kGraceSeconds + 2 * kToleranceSeconds) / 0.05) + 1);
    const Stand after = stand();
    const bool ranOut = after.runOuts > before.runOuts;
    const int takenFirst = (ranOut ? after.runOut->requestsTaken : after.taken) - before.taken;
    if (turn->passesForMe) {
        EXPECT_GT(takenFirst, 0) << turn->table << " table: my turn ran out, and "
                                 << (ranOut ? "the stand-in's clock ended it before my table sent anything for me"
                                            : "my table sent nothing for me");
    } else {
        EXPECT_EQ(takenFirst, 0) << turn->table << " table: my turn ran out and my table sent a request for me";
        EXPECT_TRUE(ranOut) << turn->table << " table: the stand-in's clock never ended my turn, "
                            << loop.now() - clock->over << " s after mine";
    }
    if (ranOut) {
        // The stand-in's clock ran my turn as long as mine did, and no longer than its grace after.
        const double mine = clock->over - clock->firstFrame;
        const double its = after.runOut->at - before.began;
        EXPECT_GE(its, mine - kToleranceSeconds)
            << turn->table << " table: the stand-in's clock ended my turn after " << its << " s, my clock after " << mine;
        EXPECT_LE(its, mine + kGraceSeconds + kToleranceSeconds)
            << turn->table << " table: the stand-in's clock ended my turn after " << its << " s, my clock after " << mine;
    }
    settle();
}

}  // namespace zuno::testing
