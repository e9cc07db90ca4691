// Whole Tien Len deals in the desktop program, headless, against the stand-in's robots, the layout
// checked at every step: the robot's invitation accepted from the main menu opens the table screen; the
// player gets ready, sees the deal, plays a set chosen by tapping cards, passes, sees the robots' moves,
// the finish and the money change, and gets ready for the next deal. A move the server refuses shows
// its text. At Mien Bac the player leads, and no pass is offered while he does.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <typeinfo>

#include "Program.h"
#include "games/tienlen/TienLenService.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Label.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinProfileShop.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinTienLen.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"
#include "table/TableBottomMenu.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

constexpr int32_t kMe = 4711;
using Ids = std::vector<int8_t>;

class TienLenScreenRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        StandinRobotTables::Options options;
        options.invitationDelay = 1;  // the main menu is up by then
        options.robotDelay = 0;
        options.seed = 7;
        options.turnSeconds = 120;  // no turn runs out while the test looks
        robots = StandinRobotTables::installOn(server, signIn, nullptr, options);
        tienLen = StandinTienLen::addTo(*robots, 3);
        mienBac = StandinTienLen::addTo(*robots, 12);
        robots->setInvitationRotation({3});
        StandinProfileShop::installOn(server, signIn);  // the profile's personal data
        ASSERT_NO_FATAL_FAILURE(launchProgram("tienlen-road"));
        UIController::setInviting(true);
        settle();
    }


    // Signed in, An's invitation accepted: his southern table with Binh beside me, settled; none when
    // that does not come.
    std::shared_ptr<TienLenView> joinAnsTable() {
        signInFromTheLoginScreen("lan", "hoa sen");
        if (!pump([] { return dialogText() == StandinTienLen::kInvitation; })) {
            ADD_FAILURE() << "joining An's table: no invitation; dialog: " << dialogText();
            return nullptr;
        }
        answerAlert(true);
        auto table = waitForTop<TienLenView>();
        if (!table) return nullptr;
        if (!pump([&] { return table->getSeatFromID(StandinTienLen::kRobotId) == 1; })) {
            ADD_FAILURE() << "joining An's table: Binh never sat beside me";
            return nullptr;
        }
        settle();
        return table;
    }

    // A finger on the card's strip that the next card of the fanned hand leaves uncovered.
    void tapCard(const std::shared_ptr<CardView>& card) {
        ASSERT_TRUE(card);
        const ui::Rect frame = card->convertRectToView(card->bounds(), nullptr);
        program->delegate()->window->tap({frame.x() + 8, frame.midY()});
    }

    std::shared_ptr<CardView> mySprite(const TienLenView& table, int8_t id) {
        for (const auto& card : table.myCards())
            if (card->cardID == id) return card;
        return nullptr;
    }
    // A bubble's lines joined as one text, then every label of the table.
    static std::string bubbleText(TienLenView& table, int seat) {
        std::string out;
        if (auto bubble = table.bubble(seat)) {
            std::string lines = textsIn(*bubble);
            std::replace(lines.begin(), lines.end(), '|', ' ');
            out += lines + "|";
        }
        for (const auto& sub : table.view()->subviews()) {
            auto label = std::dynamic_pointer_cast<ui::Label>(sub);
            if (label && !label->isHidden()) out += label->text().value_or("") + "|";
        }
        return out;
    }

    // Every fly-text of money ("-2000") lies over every bubble showing.
    static void expectMoneyFliesOverTheBubbles(TienLenView& table) {
        const auto& views = table.view()->subviews();
        int flying = 0;
        for (size_t i = 0; i < views.size(); ++i) {
            auto label = std::dynamic_pointer_cast<ui::Label>(views[i]);
            const std::string amount = label ? label->text().value_or("") : "";
            if (amount.size() < 2 || amount[0] != '-' || !std::isdigit(static_cast<unsigned char>(amount[1]))) continue;
            ++flying;
            for (size_t above = i + 1; above < views.size(); ++above)
                EXPECT_FALSE(views[above]->identifier().rfind("chat", 0) == 0 && !views[above]->isHidden())
                    << "the money " << amount << " flies under bubble " << views[above]->identifier();
        }
        EXPECT_GT(flying, 0) << "no money flies at the deal's end";
    }

    // A deal's end has taken the last round's passes out of the bubbles: no bubble shows one, nor has
    // one waiting behind what it shows.
    static void expectNoPassShows(TienLenView& table) {
        const std::string pass = text("ZUNO_skip");
        for (int seat = 0; seat <= TienLenView::kCentre; ++seat) {
            auto bubble = table.bubble(seat);
            EXPECT_FALSE(bubble && !bubble->isHidden() && textsIn(*bubble).find(pass) != std::string::npos)
                << "bubble " << seat << " still shows the last round's pass: " << textsIn(*bubble);
            const std::string waiting = table.chatPlayers()[static_cast<size_t>(seat)];
            EXPECT_EQ(waiting.find(pass), std::string::npos)
                << "bubble " << seat << " has the pass waiting: " << waiting;
        }
    }

    std::shared_ptr<StandinTienLen> tienLen, mienBac;
};

TEST_F(TienLenScreenRoadTest, AcceptTheInvitationPlayADealAndGetReadyForTheNext) {
    signInFromTheLoginScreen("lan", "hoa sen");
    ASSERT_TRUE(pump([] { return dialogText() == StandinTienLen::kInvitation; }))
        << dialogText() << " inviting " << UIController::inviting() << " top "
        << program->navigation().topViewController()->nibName().value_or("?");
    answerAlert(true);
    auto table = waitForTop<TienLenView>();
    ASSERT_TRUE(table);
    EXPECT_EQ(UIController::gameType(), 3);
    ASSERT_TRUE(pump([&] { return table->getSeatFromID(StandinTienLen::kRobotId) == 1; }));
    EXPECT_EQ(table->lblName0->text(), "lan");
    settle();

    // An leads the 3 of spades and is out; Binh holds the 4 of clubs and a 2.
    tienLen->setNextHands({Ids{0}, Ids{4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47, 50}, Ids{5, 49}});
    ASSERT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->currentPlayer() == kMe; }));
    settle();
    EXPECT_EQ(table->myCardIds().size(), 13u);
    EXPECT_EQ(table->currentCardsValue, Ids{0});

    // A set the server refuses: its text is shown at my seat, and the turn stays mine.
    TienLenService::getInstance().moveWithRoomId(StandinTienLen::kRoom, StandinTienLen::kBoard, Ids{4, 9});
    ASSERT_TRUE(pump([&] { return bubbleText(*table, 0).find(StandinTienLen::kCannotBeat.english) != std::string::npos; }));
    EXPECT_EQ(table->currentPlayer(), kMe);
    settle();

    // Tap the 4 of spades and fire it; Binh beats it with the 4 of clubs.
    tapCard(mySprite(*table, 4));
    settle();
    EXPECT_EQ(table->myPlayer()->getSelectedCardsValue(), Ids{4});
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->currentCardsValue == Ids{5} && table->currentPlayer() == kMe; }));
    EXPECT_EQ(table->myCardIds().size(), 12u);
    settle();

    // Pass (the button offers it with nothing selected, and asks first); Binh leads his 2 and is out,
    // which ends the deal with my hand shown and my loss taken, and takes my pass out of my bubble.
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_skip"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([] { return !dialogText().empty(); }));
    answerAlert(true);
    ASSERT_TRUE(pump([&] { return table->isGameEnd() && table->cardShows.size() == 12; }));
    ASSERT_TRUE(pump([] { return UIController::myInfo()->money() == 498000; }));
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_continuee"));
    expectNoPassShows(*table);
    // Everyone talks at once over my hand shown: no bubble over another, a name, money or a card.
    everyBubbleSaysALongLine(*table->view(), {0, 1, 2, 3, TienLenView::kCentre},
                             [&](int bubble, const std::string& line) { table->showChatWithSeat(bubble, line); });

    // Continue, then ready: the next deal comes, and soon a card of the robots' for me to answer.
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_ready"));
    tienLen->setNextHands({Ids{0, 38, 50}, Ids{4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47, 49}, Ids{5, 48}});
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] {
        return tienLen->dealCount() == 2 && table->currentPlayer() == kMe && !table->currentCardsValue.empty();
    }));
    settle();
    EXPECT_EQ(table->myCardIds().size(), 13u);

    // The table chat on my turn: a line typed and sent closes the sheet and shows in my bubble, turn
    // after turn until its end has shown, while a robot answers; opened again, the sheet lists both
    // first, whole (the newest at the top; the deal's money notices were said at the table before
    // them), over the deal, and Escape closes it.
    const std::string line = "Hello everyone, this is a rather long line of table chat to see how it wraps";
    const size_t said = table->chatDialog->historyChat().size();
    tap(*table->btnChat);
    settle();
    type(line);
    type("\n");
    ASSERT_TRUE(pump([&] { return table->chatDialog->historyChat().size() == said + 2; }));
    settle();
    EXPECT_TRUE(pump([&] {
        return !table->bubble(0)->isHidden() && textsIn(*table->bubble(0)).find("to see how it wraps") != std::string::npos;
    })) << textsIn(*table->bubble(0));
    settle();
    tap(*table->btnChat);
    settle();
    auto history = table->chatDialog->tblHistoryChat;
    ASSERT_EQ(history->numberOfRowsInSection(0), int(said + 2));
    for (int row = 0; row < 2; ++row) {
        auto cell = history->cellForRowAtIndexPath({0, row});
        ASSERT_TRUE(cell);
        EXPECT_NE(textsIn(*cell).find(row == 0 ? StandinRobotTables::kChatAnswer : "lan|" + line), std::string::npos)
            << textsIn(*cell);
    }
    app::goBack();
    settle();
    EXPECT_EQ(table->chatDialog->view()->superview(), nullptr);
    EXPECT_EQ(program->navigation().topViewController(), table);
}

// Tien Len Mien Bac at An's table: I lead the first deal with the three of spades, and no pass is
// offered while nothing lies on the table; a lower spade is refused here; I pass twice while Binh and
// An go out, and the deal ends with my hand shown and my loss taken; continue clears the table.
TEST_F(TienLenScreenRoadTest, MienBacLeadWithoutAPassThenPassToTheEnd) {
    robots->setInvitationRotation({12});
    signInFromTheLoginScreen("lan", "hoa sen");
    ASSERT_TRUE(pump([] { return dialogText() == StandinTienLen::kNorthernInvitation; })) << dialogText();
    answerAlert(true);
    auto table = waitForTop<TienLenMBView>();
    ASSERT_TRUE(table);
    EXPECT_EQ(UIController::gameType(), 12);
    ASSERT_TRUE(pump([&] { return table->getSeatFromID(StandinTienLen::kRobotId) == 1; }));
    settle();

    // An holds the ace of hearts; Binh the five of spades and the ace of clubs; I the three of spades.
    mienBac->setNextHands({Ids{47}, Ids{0, 4, 9, 13, 17, 21, 25, 29, 33, 37, 41, 42, 46}, Ids{8, 45}});
    ASSERT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), text("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->currentPlayer() == kMe && table->myCardIds().size() == 13; }));
    settle();
    // I lead: the action button offers no pass, and a press asks nothing.
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), text("ZUNO_skip"));
    EXPECT_FALSE(table->btnStart->isEnabled());
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(dialogText(), "");

    // The three of spades goes; Binh beats it with his five, An cannot.
    tapCard(mySprite(*table, 0));
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), text("ZUNO_fire"));
    EXPECT_TRUE(table->btnStart->isEnabled());
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->currentCardsValue == Ids{8} && table->currentPlayer() == kMe; }))
        << "on the table " << int(table->currentCardsValue.empty() ? -9 : table->currentCardsValue[0]) << " turn "
        << table->currentPlayer() << " hand " << table->myCardIds().size();
    settle();

    // My four of spades does not beat the five: refused here, in my bubble.
    tapCard(mySprite(*table, 4));
    tap(*table->btnStart);
    settle();
    EXPECT_NE(bubbleText(*table, TienLenView::kCentre).find(text("ZUNO_notSameOrSmaller")), std::string::npos)
        << bubbleText(*table, TienLenView::kCentre);
    tapCard(mySprite(*table, 4));
    settle();

    // A pass, asked first; Binh leads his ace of clubs and is out, and nothing of mine beats it.
    EXPECT_TRUE(table->btnStart->isEnabled());
    tap(*table->btnStart);
    ASSERT_TRUE(pump([] { return !dialogText().empty(); }));
    answerAlert(true);
    ASSERT_TRUE(pump([&] { return table->currentCardsValue == Ids{45} && table->currentPlayer() == kMe; }));
    settle();
    EXPECT_TRUE(table->btnStart->isEnabled());
    tap(*table->btnStart);
    ASSERT_TRUE(pump([] { return !dialogText().empty(); }));
    answerAlert(true);

    // An leads his last card and is out: my hand is shown and my loss taken. The money flies over the
    // bubbles, and the passes of the last round leave them: what waited behind my pass shows.
    ASSERT_TRUE(pump([&] { return table->isGameEnd() && table->cardShows.size() == 12; }));
    expectMoneyFliesOverTheBubbles(*table);
    ASSERT_TRUE(pump([] { return UIController::myInfo()->money() < 500000; }));
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), text("ZUNO_continuee"));
    expectNoPassShows(*table);
    EXPECT_NE(textsIn(*table->bubble(0)).find("Lost the stake"), std::string::npos) << textsIn(*table->bubble(0));
    everyBubbleSaysALongLine(*table->view(), {0, 1, 2, 3, TienLenView::kCentre},
                             [&](int bubble, const std::string& line) { table->showChatWithSeat(bubble, line); });
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), text("ZUNO_ready"));
    EXPECT_EQ(table->myCardIds().size(), 0u);

    // The next deal: my first turn runs out untouched (this table passes nothing for me).
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return mienBac->dealCount() == 2 && table->currentPlayer() == kMe; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
}

// I hold the three of spades and lead the first deal, but let the time run out: the pass my clock sends
// is refused (a lead cannot pass) and the server plays my lowest card for me. Binh and An answer it, and
// my next turn runs out too: that pass is taken. I leave in the middle of the deal: nothing of the table
// follows me, and the profile shows what the server took for it, as the next table's seat does.
TEST_F(TienLenScreenRoadTest, MyLeadAndMyAnswerRunOut) {
    auto table = joinAnsTable();
    ASSERT_TRUE(table);

    tienLen->setNextHands({Ids{1, 5, 50}, Ids{0, 4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47}, Ids{2, 6, 51}});
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->currentPlayer() == kMe && table->myCardIds().size() == 13; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
    ASSERT_TRUE(pump([&] { return table->myCardIds().size() == 12 && table->currentPlayer() == kMe; }));
    EXPECT_EQ(tienLen->handOf(kMe).front(), 4) << "my three of spades went";
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
    EXPECT_EQ(tienLen->handOf(kMe).size(), 12u) << "passed, nothing played for me";
    const int64_t before = myServerBalance();
    ASSERT_NO_FATAL_FAILURE(leave(table));
    ASSERT_LT(myServerBalance(), before) << "the deal left cost nothing";
    ASSERT_NO_FATAL_FAILURE(expectTheProfileShows(myServerBalance()));
    ASSERT_NO_FATAL_FAILURE(joinTheNext(table, 3, StandinTableKind::Robots));
    EXPECT_EQ(table->lblMoney0->text(), amountShown(myServerBalance()));
}

// While An leads (his turn waits), a card I choose turns the action button to fire, dimmed: nothing of
// my turn is lit on his. A fire lit on his turn, as a fault would leave it, fails the settled step once
// the program has handled all the stand-in sent (no message on its way could mend it).
TEST_F(TienLenScreenRoadTest, NothingOfMyTurnIsLitOnAnothers) {
    auto table = joinAnsTable();
    ASSERT_TRUE(table);

    robots->holdRobotTurns(true);
    tienLen->setNextHands({Ids{0, 50}, Ids{4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47, 51}, Ids{5, 49}});
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] {
        return table->currentPlayer() == StandinRobotTables::kOwnerId && table->myCardIds().size() == 13;
    }));
    settle();
    tapCard(mySprite(*table, 4));
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), text("ZUNO_fire"));
    EXPECT_FALSE(table->btnStart->isEnabled());

    tablebar::setUsable(*table->btnStart, true);
    EXPECT_NONFATAL_FAILURE(settle(), "the turn and its actions disagree: Tien Len table, my turn by the screen: no, "
                                      "lit: btnStart ZUNO_fire, by the stand-in: no; the program had handled all "
                                      "the stand-in had sent");
    tablebar::setUsable(*table->btnStart, false);
    robots->holdRobotTurns(false);
}

}  // namespace
