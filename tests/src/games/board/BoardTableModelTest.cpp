// The two-seat board table without views: start kinds, ready and start answers, stake, leave, seat
// taps, result rows and the move clock on the virtual clock.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "games/board/BoardMoveClock.h"
#include "games/board/BoardTableModel.h"
#include "platform/core/Format.h"
#include "shell/Resources.h"
#include "src/shell/ShellFixture.h"

namespace zuno::testing {
namespace {

std::shared_ptr<ChessPlayer> chessPlayer(int32_t id, const std::string& name, int64_t money = 1000, bool ready = false) {
    auto p = std::make_shared<ChessPlayer>();
    p->setIDDB(id);
    p->setName(name);
    p->setMoney(money);
    p->setIsReady(ready);
    return p;
}

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

class BoardTableModelTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        launch();
    }
    // I am 10 at the server's seat `myIndex`; the other seat holds 20 (or is empty).
    BoardTableModel table(int32_t owner, bool otherSeated = true, int myIndex = 0, int32_t stake = 100) {
        ChessPlayers list{chessPlayer(10, "me"), chessPlayer(otherSeated ? 20 : -1, otherSeated ? "an" : "")};
        if (myIndex == 1) std::swap(list[0], list[1]);
        BoardTableModel t;
        t.setPlayers(1, 2, owner, stake, list, 10);
        return t;
    }
};

TEST_F(BoardTableModelTest, StartKindsTitleTapsAndFont) {
    struct Case {
        const char* name;
        int kind;
        int32_t stake;
        std::string title;
        bool enabled, bold;
        int font;
    };
    const Case cases[] = {
        {"start", 0, 0, "START", true, false, 15},
        {"ready", 1, 0, "READY", true, false, 15},
        {"cancel", 2, 0, "CANCEL", true, false, 15},
        {"six digits keep the unit", 4, 999999, "999,999 win", false, true, 11},
        {"seven digits drop it", 4, 1000000, "1,000,000", false, true, 11},
        {"a negative stake counts its sign", 4, -99999, "-99,999 win", false, true, 11},
        {"please wait is not upper-cased", 5, 0, text("ZUNO_pleaseWait"), false, false, 15},
    };
    for (const auto& c : cases) {
        auto kind = BoardTableModel::startKind(c.kind, c.stake);
        EXPECT_EQ(kind.title, c.title) << c.name;
        EXPECT_EQ(kind.enabled, c.enabled) << c.name;
        EXPECT_EQ(kind.bold, c.bold) << c.name;
        EXPECT_EQ(kind.fontSize, c.font) << c.name;
    }
    EXPECT_EQ(BoardTableModel::startKind(3, 0).title, "CONTINUE");

    // Vietnamese titles are capitalised whole, not only their ASCII letters.
    Resources::getInstance().setCurrentLanguage("vi");
    Resources::getInstance().loadLanguage();
    EXPECT_EQ(BoardTableModel::startKind(0, 0).title, "BẮT ĐẦU");
    EXPECT_EQ(BoardTableModel::startKind(3, 0).title, "TIẾP TỤC");
}

TEST_F(BoardTableModelTest, SeatingFindsMeAndMakesTheOwnerReady) {
    auto t = table(20, true, 1);
    EXPECT_EQ(t.indexOfMe, 1);
    EXPECT_EQ(t.me()->IDDB(), 10);
    EXPECT_EQ(t.opponent()->IDDB(), 20);
    EXPECT_TRUE(t.opponent()->isReady());
    EXPECT_FALSE(t.me()->isReady());
    EXPECT_EQ(t.waitingStartKind(), 1);
    EXPECT_EQ(t.rightColumnKind(), 2);
    EXPECT_EQ(t.getPlayerNameFromID(99), "");
}

TEST_F(BoardTableModelTest, ReadyIsRefusedInAGameAndWhenShortButCanBeCancelled) {
    using A = BoardTableModel::ReadyAnswer;
    auto t = table(20, true, 0, 500);
    EXPECT_EQ(t.readyAnswer(499), A::NotEnoughMoney);
    EXPECT_EQ(t.readyAnswer(500), A::SendReady);
    t.setReadyWithId(10, true);
    EXPECT_EQ(t.readyAnswer(0), A::SendNotReady) << "a ready state can always be cancelled";
    t.startWithMoveFirst(20, 30000);
    EXPECT_EQ(t.readyAnswer(1000), A::InGame);
}

TEST_F(BoardTableModelTest, StartNeedsASeatedReadyOpponentAndTheStake) {
    using S = BoardTableModel::StartAnswer;
    auto empty = table(10, false);
    EXPECT_EQ(empty.startAnswer(1000), S::Nothing);
    auto t = table(10, true, 0, 500);
    EXPECT_EQ(t.startAnswer(1000), S::Nothing) << "opponent not ready";
    t.setReadyWithId(20, true);
    EXPECT_EQ(t.startAnswer(499), S::NotEnoughMoney);
    EXPECT_EQ(t.startAnswer(500), S::Send);
    auto notOwner = table(20);
    EXPECT_EQ(notOwner.startAnswer(1000), S::Nothing);
}

TEST_F(BoardTableModelTest, AStakeChangeMakesEveryoneNotReady) {
    auto t = table(20);
    t.setReadyWithId(10, true);
    t.setMoney(700);
    EXPECT_EQ(t.dmoney, 700);
    for (const auto& p : t.players) EXPECT_FALSE(p->isReady()) << p->name();
}

TEST_F(BoardTableModelTest, LeavingAsksInAGameOrAsAReadyGuest) {
    auto guest = table(20);
    EXPECT_FALSE(guest.leaveNeedsConfirmation());
    guest.setReadyWithId(10, true);
    EXPECT_TRUE(guest.leaveNeedsConfirmation());
    auto owner = table(10);
    EXPECT_FALSE(owner.leaveNeedsConfirmation()) << "the owner is ready but leaves at once";
    owner.startWithMoveFirst(20, 30000);
    EXPECT_TRUE(owner.leaveNeedsConfirmation());
}

TEST_F(BoardTableModelTest, AGameRunsAndEnds) {
    auto t = table(10);
    t.setReadyWithId(20, true);
    t.startWithMoveFirst(20, 30999);
    EXPECT_TRUE(t.isInBoard);
    EXPECT_EQ(t.interval, 30);
    EXPECT_EQ(t.turn, 20);
    EXPECT_EQ(t.rightColumnKind(), 3);
    t.moveWithNext(10);
    EXPECT_EQ(t.turn, 10);
    t.isDrawing = true;
    t.closeBoard();
    EXPECT_FALSE(t.isInBoard || t.isDrawing || t.isLosing);
    EXPECT_EQ(t.turn, -1);
    EXPECT_EQ(t.interval, 0);
    EXPECT_FALSE(t.opponent()->isReady());
    EXPECT_EQ(t.rightColumnKind(), 0);
}

TEST_F(BoardTableModelTest, SeatTapsFollowOneRule) {
    using Action = BoardTableModel::SeatTap::Action;
    PlayerPtr myInfo = chessPlayer(10, "me");
    auto t = table(10);
    struct Case {
        const char* name;
        bool otherSeated;
        int seat;
        bool caption;
        Action action;
        int32_t playerId;
    };
    const Case cases[] = {
        {"my seat: about me", true, 0, false, Action::PlayerMenu, 10},
        {"occupied top seat", true, 2, false, Action::PlayerMenu, 20},
        {"occupied seat whatever its caption", true, 2, true, Action::PlayerMenu, 20},
        {"empty seat with the invite caption", false, 2, true, Action::InviteSheet, -1},
        {"empty seat without a caption", false, 2, false, Action::Nothing, -1},
    };
    for (const auto& c : cases) {
        auto tap = table(10, c.otherSeated).tapSeat(c.seat, c.caption, myInfo);
        EXPECT_EQ(tap.action, c.action) << c.name;
        EXPECT_EQ(tap.player ? tap.player->IDDB() : -1, c.playerId) << c.name;
    }
    t.playerLeaveWithId(20);
    EXPECT_EQ(t.tapSeat(2, false, myInfo).action, Action::Nothing) << "a player who left";
}

TEST_F(BoardTableModelTest, ChatGoesToTheSendersBubble) {
    auto t = table(10);
    EXPECT_EQ(t.bubbleOfSender(10), 0);
    EXPECT_EQ(t.bubbleOfSender(20), 2);
    EXPECT_EQ(t.bubbleOfSender(77), 4) << "an unseated sender goes to the notices";
}

std::shared_ptr<MatchResultInfo> row(int32_t id, int32_t dExp, int32_t dMoney) {
    auto r = std::make_shared<MatchResultInfo>();
    r->setID(id);
    r->setD_exp(dExp);
    r->setD_money(dMoney);
    return r;
}

TEST_F(BoardTableModelTest, ResultRowsMoveMoneyAndExperience) {
    auto t = table(10);
    auto myInfo = chessPlayer(10, "me", 1000);
    myInfo->setExp(30);
    t.me()->setExp(30);
    t.opponent()->setExp(150);  // level 2: 200 to the next level
    const int32_t opponentRequire = t.opponent()->level()->expRequire();
    auto mine = t.applyMatchResults({row(10, -50, -100), row(20, 50, 100), row(99, 10, 10), row(10, 5, 1)},
                                    myInfo.get());
    ASSERT_EQ(mine.size(), 2u) << "each own row gets its dialog";
    EXPECT_EQ(myInfo->exp(), 5) << "-50 at 30 is floored at 0 before the +5";
    EXPECT_EQ(myInfo->money(), 901);
    EXPECT_EQ(t.me()->exp(), 5);
    EXPECT_EQ(t.me()->money(), 901);
    EXPECT_EQ(mine[0]->name(), "me");
    EXPECT_EQ(t.opponent()->exp(), 200);
    EXPECT_EQ(t.opponent()->money(), 1100);
    EXPECT_EQ(t.opponent()->name(), "an");

    auto levelFree = table(10);
    levelFree.opponent()->level()->setExpRequire(0);
    auto r = row(20, 40, 0);
    levelFree.applyMatchResults({r}, myInfo.get());
    EXPECT_EQ(r->d_exp_percent(), 0) << "a level that needs no experience";
    auto t2 = table(10);
    t2.opponent()->setExp(150);
    auto r2 = row(20, -50, 0);
    t2.applyMatchResults({r2}, myInfo.get());
    EXPECT_EQ(r2->d_exp_percent(), -50 * 100 / opponentRequire);
}

TEST_F(BoardTableModelTest, TheWinnerIsNamedByPosition) {
    auto t = table(10);
    EXPECT_EQ(t.whoWinText(20), sys::format(text("ZUNO_whoWin"), "an"));
    EXPECT_EQ(t.whoWinText(77), sys::format(text("ZUNO_whoWin"), "")) << "a winner not seated";
}

// A name the join reply kept in small letters for the rules is shown as the server sent it, as the
// card tables show it: the robot is "An" at every table.
TEST_F(BoardTableModelTest, ANameIsShownAsSent) {
    auto t = table(10);
    t.opponent()->setShowName("An");
    EXPECT_EQ(t.opponent()->name(), "an");
    EXPECT_EQ(t.getPlayerNameFromID(20), "An");
    EXPECT_EQ(t.whoWinText(20), sys::format(text("ZUNO_whoWin"), "An"));
    auto r = row(20, 10, 100);
    t.applyMatchResults({r}, t.me().get());
    EXPECT_EQ(r->name(), "An") << "the result dialog's row";
}

TEST_F(BoardTableModelTest, TheMoveClockCountsDownToZeroAndRests) {
    BoardMoveClock clock;
    std::vector<std::string> shown;
    int beeps = 0;
    clock.start(8, [&](int64_t left, bool beep) {
        shown.push_back(moveClockTitle(left));
        beeps += beep;
    });
    EXPECT_EQ(shown, std::vector<std::string>{"00:07"}) << "the first tick subtracts at the start";
    run(10.5);
    EXPECT_EQ(shown.back(), "00:00");
    EXPECT_EQ(shown.size(), 8u) << "the count stops at 00:00";
    EXPECT_EQ(beeps, 6);
    clock.restartCount();
    run(1.0);
    EXPECT_EQ(shown.back(), "00:07") << "a move gives the full interval again";
    clock.stop();
    run(5);
    EXPECT_EQ(shown.back(), "00:07");
    EXPECT_EQ(moveClockTitle(125), "02:05");
}

TEST_F(BoardTableModelTest, AQuickRestartRunsOneChain) {
    BoardMoveClock clock;
    int ticks = 0;
    clock.start(30, [&](int64_t, bool) { ++ticks; });
    run(0.5);
    clock.start(30, [&](int64_t, bool) { ++ticks; });
    run(0.5);
    clock.restartCount();  // a move mid-second keeps the chain's beat
    run(3.0);
    EXPECT_EQ(ticks, 2 + 3);
    EXPECT_EQ(clock.dieTime(), 27);
}

}  // namespace
}  // namespace zuno::testing
