// The demo's walk through the games reached only by invitation: the desktop program, headless,
// against the stand-in as the demo runs it. Each invitation of the robots' rotation is accepted from
// its dialog, seats the player at its table, and the table is left by its own leave button. A Blocks
// game left as it runs, then the next invitation taken up at once: nothing of the Blocks table follows
// the player. Then the lobby's side of an invitation's join: the invitation's password opens its table
// whatever the table list says of it, and a refused join does not end the rotation. A deal left as it
// runs: the dialog that tells the balance after it, in either language, stays until it can be read.
#include <gtest/gtest.h>

#include <string>

#include "games/banker/BaiCaoView.h"
#include "games/blocks/BlocksView.h"
#include "lobby/GlobalService.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Control.h"
#include "shell/UIController.h"
#include "standin-server/StandinBanker.h"
#include "standin-server/StandinBlocks.h"
#include "standin-server/StandinDemo.h"
#include "standin-server/StandinTienLen.h"
#include "support/AlertButtons.h"
#include "support/DemoRoadTest.h"
#include "support/LanguageWords.h"
#include "support/LeaveButton.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

class DemoInvitationRoadTest : public zuno::testing::DemoRoadTest {
protected:
    void SetUp() override {
        StandinDemo::Options options;
        options.robots.invitationDelay = 0.2;
        options.robots.robotDelay = 0.5;  // the robots sit down; nobody deals, as I never get ready
        ASSERT_NO_FATAL_FAILURE(startDemo(options, "demo-invitations"));
    }
};

TEST_F(DemoInvitationRoadTest, EveryInvitationOfTheRotationIsAcceptedAndJoinedInOneRun) {
    for (const StandinInvitation::Choice& choice : StandinDemo::invitationRotation()) {
        const int game = choice.gameType;
        SCOPED_TRACE("game " + std::to_string(game));
        ASSERT_TRUE(pump([&] { return invitationShown(); }));
        const sys::Value invitation = UIController::object();
        EXPECT_EQ(invitation["gameid"].asInteger(), game);
        // The robots' table is none of the listed ones, whose passwords and seats would stand in the way.
        EXPECT_FALSE(lists->table(int8_t(game), int8_t(invitation["roomid"].asInteger()),
                                  int8_t(invitation["boardid"].asInteger())));
        answerAlert(true);
        auto table = waitForTable(game);
        ASSERT_TRUE(table) << "not seated; dialog: " << dialogText();
        auto leave = zuno::testing::leaveButtonOf(*table->view(), table.get());
        ASSERT_TRUE(leave);
        tap(*leave);
        if (UIController::okValue() == UIController::okLeaveBoard && UIController::shownDialogMessage())
            answerAlert(true);
        ASSERT_TRUE(pump([&] { return seatedGame() == -1 && top() != table; }));
        settle();
        ASSERT_NO_FATAL_FAILURE(runPastTheLeftTablesSteps());
    }
}

// The robot's Blocks steps a tenth as long as the demo's: its height, garbage and level every 0.3, 0.9
// and 4 seconds. Each invitation comes when the road asks for it.
class DemoLeftTableRoadTest : public zuno::testing::DemoRoadTest {
protected:
    void SetUp() override {
        StandinDemo::Options options;
        options.robots.invitationDelay = 3600;
        options.robots.robotDelay = 0.1;
        options.blocks.heightEvery = 0.3;
        options.blocks.garbageEvery = 0.9;
        options.blocks.levelEvery = 4;
        ASSERT_NO_FATAL_FAILURE(startDemo(options, "demo-left-table"));
    }
};

// I leave An's Blocks table as soon as the game runs and take up the next invitation, Bai Cao at my own
// table, at once: Binh sits down and gets ready, I deal, and the deal runs on past the longest of the
// Blocks steps. A Blocks step reaching me there would come as the banker table's own command 80, which
// its decoder drops with an exception line: the road fails on that line, as on any message of the
// Blocks table received before the Bai Cao table's join.
TEST_F(DemoLeftTableRoadTest, BlocksLeftAsItRunsThenBaiCaoAtOnce) {
    demo.robots->setNextInvitation(StandinBlocks::kGameType);
    auto blocks = std::dynamic_pointer_cast<BlocksView>(acceptTheInvitation(StandinBlocks::kGameType));
    ASSERT_TRUE(blocks);
    tap(*blocks->btnStart);  // ready: An starts
    ASSERT_TRUE(pump([&] { return blocks->isPlaying(); }));
    settle();
    const double blocksSteps = demo.robots->locked([&] { return demo.robots->longestStep(); });
    ASSERT_EQ(blocksSteps, 4);
    ASSERT_NO_FATAL_FAILURE(pressLeave(blocks));
    auto& loop = sys::RunLoop::main();
    const double left = loop.now();

    demo.robots->setNextInvitation(StandinBanker::kBaiCao, StandinTableKind::Empty);  // as the rotation has it
    auto baiCao = std::dynamic_pointer_cast<BaiCaoView>(acceptTheInvitation(StandinBanker::kBaiCao));
    ASSERT_TRUE(baiCao);
    ASSERT_TRUE(pump([&] {
        auto binh = baiCao->playerAt(baiCao->seatOf(StandinRobotTables::kRobotId));
        return binh && binh->isReady();
    }));
    tap(*baiCao->btnStart);
    ASSERT_TRUE(pump([&] { return demo.robots->locked([&] { return demo.robots->playing(); }); }));
    ASSERT_LT(loop.now(), left + blocksSteps) << "the deal began after every Blocks step was due";
    runUntilTime(left + blocksSteps + 0.5);
    settle();
    ASSERT_NO_FATAL_FAILURE(leave(baiCao));
}

// The demo's own invitation delay, signed in in English or in Vietnamese.
class DemoLeaveNoticeRoadTest : public zuno::testing::DemoRoadTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        StandinDemo::Options options;
        options.robots.robotDelay = 0.5;
        options.robots.seed = 7;  // a deal no hand wins at once: it is still on when I leave it
        ASSERT_NO_FATAL_FAILURE(startDemo(options, "demo-leave-notice", std::nullopt, GetParam()));
    }
};

// The first invitation taken up; with Binh seated An deals, and I leave in the middle of the deal. The
// dialog tells my balance after it in the language I play in, and stays while a player reads it: the
// next invitation, whose dialog takes its place (one dialog at a time), comes only after the reading
// time.
TEST_P(DemoLeaveNoticeRoadTest, TheBalanceAfterADealLeftShowsLongEnoughToBeRead) {
    ASSERT_TRUE(pump([] { return invitationShown(); }));
    answerAlert(true);
    auto table = waitForTable(StandinTienLen::kSouthern);
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] { return robots->locked([&] { return !robots->place(2).empty(); }); }));
    robots->locked([&] { robots->startDeal(); });
    settle();
    ASSERT_TRUE(robots->locked([&] { return robots->playing(); })) << "the deal ended before I could leave it";
    auto& loop = sys::RunLoop::main();
    const double left = loop.now();
    ASSERT_NO_FATAL_FAILURE(pressLeave(table));

    const std::string balance = xu(myServerBalance());
    const std::string notice = GetParam() ? "Ván bạn vừa rời đã được tính tiền: bạn còn " + balance + "."
                                          : "The game you left has been settled: you have " + balance + " now.";
    EXPECT_EQ(dialogText(), notice);
    EXPECT_EQ(zuno::testing::otherLanguageWord(notice), std::nullopt);
    runUntilTime(left + StandinRobotTables::kNoticeReadingSeconds - 0.1);
    EXPECT_EQ(dialogText(), notice) << "the notice went before it could be read";
    ASSERT_TRUE(pump([] { return invitationShown(); }));
    EXPECT_GE(loop.now(), left + StandinRobotTables::kNoticeReadingSeconds);
    EXPECT_EQ(ui::AlertView::visibleAlerts().size(), 1u);
    settle();
}

INSTANTIATE_TEST_SUITE_P(EnglishAndVietnamese, DemoLeaveNoticeRoadTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Vietnamese" : "English");
                         });

class DemoInvitationJoinTest : public zuno::testing::SignedInClientTest {
protected:
    using Invitation = std::tuple<int8_t, int8_t, int8_t, GlobalLogicHandler::Text, GlobalLogicHandler::Text>;

    void SetUp() override {
        ASSERT_TRUE(server.start());
        StandinDemo::Options options;
        options.robots.invitationDelay = 0;
        options.robots.robotDelay = 60;
        options.greetingDelay = std::nullopt;
        demo = StandinDemo::installOn(server, options);
        useStandinServer();
        UIController::setInviting(true);
        signInAs("demo", "demo");
    }

    struct Table {
        int game = -1, room = -1, board = -1;
    };
    // The n-th invitation (from 1), once it has come.
    Table invitation(int n) {
        if (!pump([&] { return logic->count("onInvitedJoinBoardWithGameId") >= n; })) return {};
        auto [game, room, board, password, text] = logic->last<Invitation>("onInvitedJoinBoardWithGameId");
        EXPECT_EQ(password, "");
        return {game, room, board};
    }
    // The lobby's table list has the table locked and full (no game is chosen: the lists answer -1).
    void lockInTheList(const Table& table) {
        demo.lists->setTables(-1, int8_t(table.room), {{int8_t(table.board), 4, true, 1000, "secret"}});
    }
    static void join(const Table& table, const std::string& password) {
        GlobalService::getInstance().joinBoardWithroomId(int8_t(table.room), int8_t(table.board), password);
    }
    int seatedGame() const {
        return demo.robots->locked([&] { return demo.robots->game() ? int(demo.robots->game()->gameType()) : -1; });
    }

    StandinDemo demo;
};

TEST_F(DemoInvitationJoinTest, TheInvitationsPasswordOpensItsTableAndARefusedJoinMovesTheRotationOn) {
    const auto rotation = StandinDemo::invitationRotation();
    const Table first = invitation(1);
    ASSERT_EQ(first.game, rotation[0].gameType);
    lockInTheList(first);
    join(first, "wrong");
    const Table second = invitation(2);
    ASSERT_EQ(second.game, rotation[1].gameType) << "no invitation after the refused join";

    lockInTheList(second);
    join(second, "");
    EXPECT_TRUE(pump([&] { return seatedGame() == rotation[1].gameType; }));
}

// A robot's invitation reads in the language the client last asked the server for.
TEST_F(DemoInvitationJoinTest, AnInvitationReadsInTheLanguageTheClientAskedFor) {
    const auto rotation = StandinDemo::invitationRotation();
    const auto textOf = [&] { return std::get<4>(logic->last<Invitation>("onInvitedJoinBoardWithGameId")); };
    const Table first = invitation(1);
    ASSERT_EQ(first.game, rotation[0].gameType);
    EXPECT_EQ(textOf(), "An invites you to a Tien Len table.");

    GlobalService::getInstance().setLanguageForAppWithSubId(1, std::string("vi"));
    lockInTheList(first);
    join(first, "wrong");
    const Table second = invitation(2);
    ASSERT_EQ(second.game, rotation[1].gameType);
    EXPECT_EQ(textOf(), "An mời bạn vào một bàn Tiến Lên Miền Bắc.");
}

}  // namespace

// A friend's table: the invitation is to a game the client never chose, at a table no robot keeps. Its
// join makes the lobby's lists those of that game, as the client's after taking the invitation up.
TEST_F(DemoInvitationJoinTest, AJoinOfAFriendsInvitedTableMakesTheListsThoseOfItsGame) {
    ASSERT_GT(invitation(1).game, 0);  // in the lobby
    constexpr int8_t kPhom = 7, kRoom = 2, kBoard = 20;
    demo.lists->setTables(kPhom, kRoom, {{0, 1, false, 7000, ""}});
    // What the robot tables keep of a friend's invitation to the friend's table.
    demo.lists->invited(*server.latestClient(), kPhom, kRoom, kBoard, "");
    join({kPhom, kRoom, kBoard}, "");
    GlobalService::getInstance().requestBoardListWithRoomId(kRoom);
    ASSERT_TRUE(pump([&] { return logic->count("onBoardListWithRoomId") == 1; }));
    using TableList = std::tuple<int32_t, std::vector<std::shared_ptr<Board>>>;
    auto [room, boards] = logic->last<TableList>("onBoardListWithRoomId");
    EXPECT_EQ(room, kRoom);
    ASSERT_EQ(boards.size(), 1u);
    EXPECT_EQ(boards[0]->money(), 7000);
}
