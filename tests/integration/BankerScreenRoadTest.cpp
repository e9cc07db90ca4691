// Bai Cao and Xi Zach deals in the desktop program, headless, against the stand-in's robots: the
// invitation accepted from the main menu opens the table screen, and the layout is checked at every
// step. Bai Cao as a punter at An's table and as the banker at my own; Xi Zach as the dealer at my own
// table (a start refused for a short balance, a top-up taken from the table that my seat shows on the
// way back and after the deal, Binh's draws, my examination, draw and stand) and as a punter at An's;
// each through the stop with its results to continue, the screen checked as the losers' money flies
// (at my own tables and as a Bai Cao punter). Leaving either kind of table, nothing of it follows me.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "lobby/GlobalService.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinBanker.h"
#include "standin-server/StandinRobotTables.h"
#include "support/AceLowCards.h"
#include "standin-server/StandinMoney.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::aceLowCards;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kMe = 4711;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

class BankerScreenRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void start(int64_t money, int8_t gameType, StandinTableKind kind) {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, money, 12, 250});
        StandinRobotTables::Options options;
        options.invitationDelay = 1;
        options.robotDelay = 0;
        options.seed = 7;
        options.turnSeconds = 120;
        robots = StandinRobotTables::installOn(server, signIn, nullptr, options);
        baiCao = StandinBanker::addTo(*robots, StandinBanker::kBaiCao);
        xiZach = StandinBanker::addTo(*robots, StandinBanker::kXiZach);
        robots->setNextInvitation(gameType, kind);
        StandinMoney::installOn(server, signIn, ZUNO_STANDIN_PICTURES);
        ASSERT_NO_FATAL_FAILURE(launchProgram("banker-road"));
        UIController::setInviting(true);
        settle();
        signInAndAccept(gameType == StandinBanker::kBaiCao ? "An invites you to a Bai Cao table."
                                                           : "An invites you to a Xi Zach table.");
    }


    void signInAndAccept(const std::string& invitation) {
        ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("lan", "hoa sen"));
        ASSERT_TRUE(pump([&] { return dialogText() == invitation; })) << dialogText();
        answerAlert(true);
    }

    static std::vector<bool> open(const BankerTableView& table, int seat) {
        std::vector<bool> out;
        if (auto player = table.playerAt(seat))
            for (const auto& card : player->cards()) out.push_back(std::static_pointer_cast<BCCardView>(card)->isChecked);
        return out;
    }
    // Every bubble of the table says a long line at once over the hands laid open.
    void everyoneTalks(BankerTableView& table) {
        everyBubbleSaysALongLine(*table.view(), {0, 1, 2, 3, GameCardView::kCentre},
                                 [&](int bubble, const std::string& line) { table.showChatWithSeat(bubble, line); });
    }
    static std::string bubbleText(const BankerTableView& table, int seat) {
        auto bubble = table.bubble(seat);
        return bubble ? textsIn(*bubble) : "";
    }
    static std::string title(const std::shared_ptr<ui::Button>& button) {
        return button->titleForState(ui::ControlState::Normal).value_or("");
    }
    // The bubbles shown that call a player to act.
    static int callsShown(const BankerTableView& table) {
        int calls = 0;
        for (int bubble = 0; bubble <= GameCardView::kCentre; ++bubble) {
            auto view = table.bubble(bubble);
            if (view && !view->isHidden() && textsIn(*view).find(text("ZUNO_nextPlayer")) != std::string::npos) ++calls;
        }
        return calls;
    }
    static size_t cardSprites(BankerTableView& table) {
        const auto subviews = table.view()->subviews();
        return static_cast<size_t>(std::count_if(subviews.begin(), subviews.end(), [](const auto& v) {
            return std::dynamic_pointer_cast<BCCardView>(v) != nullptr;
        }));
    }

    std::shared_ptr<StandinBanker> baiCao, xiZach;
};

// An's Bai Cao table as a punter: the stake, ready, the deal, one card shown by the button and one by a
// tap, the rest shown at once, the stop with every hand open, each seat's result and my loss, and
// continue clearing the cards; the next deal left in the middle.
TEST_F(BankerScreenRoadTest, BaiCaoAsPunter) {
    ASSERT_NO_FATAL_FAILURE(start(500000, StandinBanker::kBaiCao, StandinTableKind::Robots));
    auto table = waitForTop<BaiCaoView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] { return table->seatOf(StandinRobotTables::kRobotId) >= 0; }));
    // An (the banker) holds 9, I hold 6, Binh 0.
    baiCao->setNextDeal({aceLowCards("KS AH 8C"), aceLowCards("AS 2C 3D"), aceLowCards("TS JC QD"), {}}, {});
    GlobalService::getInstance().setMoneyWithRoomId(StandinBanker::kRoom, StandinBanker::kBaiCaoBoard, 3000);
    ASSERT_TRUE(pump([&] { return table->stakeLabel(0)->text().value_or("").find("3,000") != std::string::npos; }));
    settle();

    ASSERT_EQ(title(table->btnStart), text("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return open(*table, 0).size() == 3; }));
    settle();
    EXPECT_EQ(open(*table, 0), (std::vector<bool>{false, false, false}));
    ASSERT_EQ(title(table->btnAutoSelected), text("ZUNO_showOnceCard"));

    // Show one by the button, then tap my second card.
    tap(*table->btnAutoSelected);
    ASSERT_TRUE(pump([&] { return open(*table, 0) == std::vector<bool>{true, false, false}; }));
    settle();
    tap(*table->playerAt(0)->cards()[1]);
    ASSERT_TRUE(pump([&] { return open(*table, 0) == std::vector<bool>{true, true, false}; }));
    EXPECT_FALSE(table->isGameEnd());

    // Show all: every hand is open, so the deal ends; Show all and Show one go with it. A double click
    // on Show all: its second click lands on the Continue that took its place, and does nothing.
    ASSERT_EQ(title(table->btnStart), text("ZUNO_showAllCards"));
    tap(*table->btnStart);
    const double clicked = sys::RunLoop::main().now();
    ASSERT_TRUE(pump([&] { return table->isGameEnd(); }));
    ASSERT_LT(sys::RunLoop::main().now() - clicked, ui::Window::kMultiTapInterval);
    program->delegate()->window->tapView(*table->btnStart);
    // My loss and Binh's fly to the middle, An's win to him.
    settleAsTheMoneyFlies();
    ASSERT_TRUE(pump([] { return UIController::myInfo()->money() == 497000; }));
    ASSERT_TRUE(pump([&] { return bubbleText(*table, 0).find("6 points") != std::string::npos; })) << bubbleText(*table, 0);
    settle();
    const int an = table->seatOf(StandinRobotTables::kOwnerId);
    ASSERT_GE(an, 0);
    EXPECT_EQ(open(*table, an), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(title(table->btnStart), text("ZUNO_continuee"));
    EXPECT_TRUE(table->btnAutoSelected->isHidden());
    everyoneTalks(*table);

    tap(*table->btnStart);
    settle();
    EXPECT_EQ(cardSprites(*table), 0u);
    EXPECT_EQ(title(table->btnStart), text("ZUNO_ready"));

    // The next deal, left as my cards come: my stake is paid for me, and An's next table shows nothing
    // of the deal.
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return open(*table, 0).size() == 3; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinBanker::kBaiCao, StandinTableKind::Robots));
    EXPECT_EQ(signIn->account("lan")->money, 494000);
    EXPECT_EQ(cardSprites(*table), 0u);
}

// My own Bai Cao table as the banker: Binh sits at the top, stakes and gets ready; I deal, Binh shows at
// once, I show all; the stop shows every result, and continue. The next deal runs out on its clock, and
// I leave between deals.
TEST_F(BankerScreenRoadTest, BaiCaoAsBanker) {
    ASSERT_NO_FATAL_FAILURE(start(500000, StandinBanker::kBaiCao, StandinTableKind::Empty));
    auto table = waitForTop<BaiCaoView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] {
        auto binh = table->playerAt(table->seatOf(StandinRobotTables::kRobotId));
        return binh && binh->isReady() && !table->stakeLabel(table->seatOf(StandinRobotTables::kRobotId))->isHidden();
    }));
    settle();
    const int binh = table->seatOf(StandinRobotTables::kRobotId);

    // I hold 6, Binh 9.
    baiCao->setNextDeal({aceLowCards("AS 2C 3D"), {}, aceLowCards("KS AH 8C"), {}}, {});
    ASSERT_EQ(title(table->btnStart), text("ZUNO_start"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return open(*table, binh) == std::vector<bool>(3, true); }));
    settle();
    EXPECT_EQ(open(*table, 0), (std::vector<bool>{false, false, false}));

    tap(*table->btnStart);  // show all
    ASSERT_TRUE(pump([&] { return table->isGameEnd(); }));
    settleAsTheMoneyFlies();
    ASSERT_TRUE(pump([&] { return bubbleText(*table, binh).find("9 points") != std::string::npos; }));
    settle();
    EXPECT_EQ(title(table->btnStart), text("ZUNO_continuee"));
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(title(table->btnStart), text("ZUNO_start"));

    // The next deal: I show nothing and the deal's time runs out, which ends it.
    ASSERT_TRUE(pump([&] { return table->playerAt(binh) && table->playerAt(binh)->isReady(); }));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return !table->isGameEnd() && open(*table, 0).size() == 3; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
    ASSERT_TRUE(pump([&] { return table->isGameEnd(); }));
    settle();
    EXPECT_EQ(title(table->btnStart), text("ZUNO_continuee"));
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinBanker::kBaiCao, StandinTableKind::Empty));
}

// My own Xi Zach table as the dealer: Binh sits and gets ready; a start refused for a short balance; the
// deal; Binh draws and stands; on my turn I am called alone, examine Binh's hand by tapping his card
// (asked once), draw and stand; the stop shows each result and Binh's loss, and continue.
TEST_F(BankerScreenRoadTest, XiZachAsDealer) {
    ASSERT_NO_FATAL_FAILURE(start(500, StandinBanker::kXiZach, StandinTableKind::Empty));
    auto table = waitForTop<XiZachView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] {
        auto binh = table->playerAt(table->seatOf(StandinRobotTables::kRobotId));
        return binh && binh->isReady();
    }));
    settle();
    // My balance is below the table's stake: the start is refused here.
    ASSERT_EQ(title(table->btnStart), text("ZUNO_start"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([] { return dialogText() == text("ZUNO_koDuTienCuoc"); }))
        << dialogText() << " money " << UIController::myInfo()->money() << " stake " << table->money() << " owner "
        << table->ownerID() << " deals " << xiZach->dealCount();
    answerAlert(true);
    settle();
    EXPECT_EQ(xiZach->dealCount(), 0);

    // Binh: 10 + 2, draws 3 and 4 (19) and stands. I: 9 + 7, draw a 4 (20).
    xiZach->setNextDeal({aceLowCards("9S 7C"), {}, aceLowCards("TS 2C"), {}}, aceLowCards("3D 4H 4S"));
    // Topped up from the table by a direct charge, I cover Binh's 2,000 now: he stakes it as the cards
    // come. My seat shows the new balance when the table is back on top.
    ASSERT_FALSE(table->btnNapWin->isHidden());
    tap(*table->btnNapWin);
    ASSERT_NO_FATAL_FAILURE(chargeDirectlyAndGoBack());
    ASSERT_EQ(waitForTop<XiZachView>(), table);
    EXPECT_EQ(table->lblMoney0->text(), amountShown(50500));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->nextPlayer == kMe; }));
    settle();
    EXPECT_EQ(callsShown(*table), 1);
    const int binh = table->seatOf(StandinRobotTables::kRobotId);
    ASSERT_EQ(table->playerAt(binh)->cards().size(), 4u);

    // Examine Binh by tapping his card twice: one request, his hand laid open.
    tap(*table->playerAt(binh)->cards()[0]);
    tap(*table->playerAt(binh)->cards()[1]);
    ASSERT_TRUE(pump([&] { return open(*table, binh) == std::vector<bool>(4, true); }));
    settle();
    EXPECT_EQ(xiZach->examinationRequests(), 1);

    ASSERT_EQ(title(table->btnStart), text("ZUNO_botBai"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->playerAt(0)->cards().size() == 3; }))
        << "server hand " << xiZach->handOf(kMe).size() << " next " << table->nextPlayer << " end " << table->isGameEnd()
        << " deck " << (table->btnBaiBot && !table->btnBaiBot->isHidden());
    settle();
    ASSERT_EQ(title(table->btnAutoSelected), text("ZUNO_dangBai"));
    tap(*table->btnAutoSelected);
    ASSERT_TRUE(pump([&] { return table->isGameEnd(); }));
    // Binh's stake lost flies from the top seat, past his stake, to the middle, and to me.
    settleAsTheMoneyFlies();
    ASSERT_TRUE(pump([] { return UIController::myInfo()->money() == 52500; }));
    EXPECT_EQ(signIn->balance(kMe), 52500);
    EXPECT_EQ(table->lblMoney0->text(), amountShown(52500));
    EXPECT_EQ(title(table->btnStart), text("ZUNO_continuee"));
    // The results: every hand open, each player's count in his bubble, nobody called any more.
    EXPECT_EQ(open(*table, binh), std::vector<bool>(4, true));
    ASSERT_TRUE(pump([&] { return bubbleText(*table, 0).find("20 points") != std::string::npos; }))
        << bubbleText(*table, 0);
    ASSERT_TRUE(pump([&] { return bubbleText(*table, binh).find("19 points") != std::string::npos; }))
        << bubbleText(*table, binh);
    settle();
    EXPECT_EQ(callsShown(*table), 0);
    everyoneTalks(*table);

    tap(*table->btnStart);
    settle();
    EXPECT_EQ(cardSprites(*table), 0u);
    EXPECT_EQ(title(table->btnStart), text("ZUNO_start"));
}

// An's Xi Zach table as a punter: I am called first (by An, alone), draw and stand; Binh is called and
// draws; An, the dealer, is called and examines; the stop shows each result and my win. In the next
// deal my turn runs out untouched, and I leave while the others play on.
TEST_F(BankerScreenRoadTest, XiZachAsPunter) {
    ASSERT_NO_FATAL_FAILURE(start(500000, StandinBanker::kXiZach, StandinTableKind::Robots));
    auto table = waitForTop<XiZachView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] { return table->seatOf(StandinRobotTables::kRobotId) >= 0; }));
    settle();
    // An: 10 + 7 (17). I: 9 + 7, draw a 2 (18). Binh: 10 + 2, draws 3 and 4 (19).
    xiZach->setNextDeal({aceLowCards("TC 7D"), aceLowCards("9S 7C"), aceLowCards("TS 2C"), {}}, aceLowCards("2S 3D 4H"));
    ASSERT_EQ(title(table->btnStart), text("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->nextPlayer == kMe && table->playerAt(0) && table->playerAt(0)->cards().size() == 2; }));
    settle();
    EXPECT_EQ(callsShown(*table), 1);

    ASSERT_EQ(title(table->btnStart), text("ZUNO_botBai"));
    const int turnsStarted = robots->locked([&] { return robots->playerTurnsStarted(); });
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->playerAt(0)->cards().size() == 3; }));
    settle();
    EXPECT_EQ(robots->locked([&] { return robots->playerTurnsStarted(); }), turnsStarted)
        << "a draw keeps the turn's time running, as my turn bar does";
    tap(*table->btnAutoSelected);  // stand
    ASSERT_TRUE(pump([&] { return table->nextPlayer != kMe; }));
    settle();
    EXPECT_LE(callsShown(*table), 1);

    ASSERT_TRUE(pump([&] { return table->isGameEnd(); }));
    ASSERT_TRUE(pump([] { return UIController::myInfo()->money() > 500000; }));
    ASSERT_TRUE(pump([&] { return bubbleText(*table, 0).find("18 points") != std::string::npos; })) << bubbleText(*table, 0);
    settle();
    EXPECT_EQ(callsShown(*table), 0);
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(title(table->btnStart), text("ZUNO_ready"));

    // The next deal: called first again, I neither draw nor stand and my time runs out, which stands.
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return !table->isGameEnd() && table->nextPlayer == kMe; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
    ASSERT_TRUE(pump([&] { return table->nextPlayer != kMe || table->isGameEnd(); }));
    settle();
    EXPECT_EQ(table->playerAt(0)->cards().size(), 2u);
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinBanker::kXiZach, StandinTableKind::Robots));
}

}  // namespace
