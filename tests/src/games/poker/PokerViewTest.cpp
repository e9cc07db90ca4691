// The Poker table screen on the virtual clock: seats as a watcher, the deal, the buttons and the slider
// with the requests they send, the winners one by one, and the timers that end with the hand or the
// screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/poker/PokerCommands.h"
#include "games/poker/PokerService.h"
#include "games/poker/PokerView.h"
#include "platform/core/Format.h"
#include "shell/Resources.h"
#include "support/PokerMarkers.h"
#include "support/TextRecorder.h"
#include "PokerTableFixture.h"

namespace zuno::testing {
namespace {

using Ints = PokerTable::Ints;

sys::Data request(int8_t command, std::vector<uint8_t> payload, std::optional<int32_t> amount = std::nullopt) {
    sys::Data out;
    out.reserve(1 + payload.size() + 4);
    out.push_back(static_cast<uint8_t>(command));
    out.insert(out.end(), payload.begin(), payload.end());
    if (amount)
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(*amount >> shift));
    return out;
}

class PokerViewTest : public PokerTableTest {
protected:
    std::shared_ptr<PokerView> open(const Ints& ids) {
        return openPoker(ids, [](size_t, int32_t id) { return sys::format("p%d", id); });
    }

    static std::string title(const std::shared_ptr<ui::Button>& button) {
        return button->titleForState(ui::ControlState::Normal).value_or("");
    }

    // Me (10) in seat 0 with 20 and 30; I am the small blind and act first, with 1000 each.
    std::shared_ptr<PokerView> dealt() {
        auto table = open({10, 20, 30, -1, -1, -1, -1, -1, -1});
        table->onJoinBoard({10, 20, 30}, {1000, 1000, 1000});
        table->start(20, {12, 40}, 30, 10, 20, 50, 10, {}, {});
        return table;
    }
};

TEST_F(PokerViewTest, WatcherSeesServerOrderAndSitsOnAFreeSeat) {
    auto table = open({20, -1, 30, -1, -1, -1, -1, -1, -1, 10});
    ServiceRecording sent(PokerService::getInstance());
    EXPECT_TRUE(table->poker().isWatching);
    EXPECT_EQ(title(table->btnSeat[0]), "");
    EXPECT_EQ(title(table->btnSeat[1]), Resources::getInstance().textForKey("ZUNO_sitdown"));
    EXPECT_EQ(title(table->btnSeat[2]), "");
    EXPECT_EQ(table->lblName[2]->text().value_or(""), "p30");

    table->clickSeat(table->btnSeat[3].get());
    EXPECT_EQ(sent.takeOne(), request(82, {1, 2, 19, 3}));
    table->onSit(10, 3);
    EXPECT_FALSE(table->poker().isWatching);
    EXPECT_EQ(table->lblName[0]->text().value_or(""), "me");
    EXPECT_EQ(title(table->btnSeat[1]), Resources::getInstance().textForKey("ZUNO_invite"));
}

// The owner's setup (Options) is offered to the owner only: from the join on, and when the table
// changes hands between hands.
TEST_F(PokerViewTest, OptionsForTheOwnerOnly) {
    auto table = open({10, 20, -1, -1, -1, -1, -1, -1, -1});  // An (20) owns it
    EXPECT_TRUE(table->btnConfig->isHidden());
    table->setOwnerWithNewOwner(10);
    EXPECT_FALSE(table->btnConfig->isHidden());
    EXPECT_EQ(title(table->btnConfig), Resources::getInstance().textForKey("ZUNO_option"));

    UIController::setGameType(4);
    GameController::showPokerScreenWithRoom(1, 3, 10, 50, {me, seatPlayer(20, "p20")});
    run(1);
    EXPECT_FALSE(GameController::getPokerView()->btnConfig->isHidden());
}

TEST_F(PokerViewTest, ThreePlayersAreDealtSixCardsTheLastAtOnePointEightSeconds) {
    auto table = dealt();
    std::vector<std::shared_ptr<CardViewPhom>> views;
    for (size_t k = 0; k < 2; ++k)
        for (int32_t id : {10, 20, 30}) views.push_back(table->cardsOf(id)->views()[k]);
    for (const auto& v : views) EXPECT_TRUE(v->isHidden());
    run(1.55);
    EXPECT_FALSE(views[4]->isHidden());
    EXPECT_TRUE(views[5]->isHidden());
    run(0.3);
    EXPECT_FALSE(views[5]->isHidden());
    EXPECT_FALSE(table->hasDealRunning());
    // My cards face up at full size, the others' face down at half size.
    EXPECT_EQ(views[0]->cardID, 12);
    EXPECT_EQ(views[1]->cardID, -1);
    EXPECT_DOUBLE_EQ(views[1]->transform().a, 0.5);
}

TEST_F(PokerViewTest, OnlyMyAllowedButtonsAndTheSliderSendsOnTheSecondTap) {
    auto table = dealt();
    ServiceRecording sent(PokerService::getInstance());
    // FOLD, CALL, RAISE, ALL IN on my turn.
    EXPECT_FALSE(table->btnFold->isHidden());
    EXPECT_FALSE(table->btnRaise->isHidden());
    EXPECT_TRUE(table->btnCheck->isHidden());
    EXPECT_TRUE(table->btnBet->isHidden());

    table->doRaise();
    EXPECT_TRUE(sent.session->sent().empty());
    EXPECT_FALSE(table->viewSlider->isHidden());
    // 50 to call: the slider starts one above it, snapped.
    EXPECT_EQ(table->slider().minimum, 51);
    EXPECT_EQ(table->lblSliderMoney->text().value_or(""), "52");
    table->sldBet->setValue(590);
    table->sliderChange();
    EXPECT_EQ(table->lblSliderMoney->text().value_or(""), "600");
    table->doRaise();
    EXPECT_EQ(sent.takeOne(), request(21, {1, 2, 2}, 600));

    // Refused: a second amount below the stack is still sent; one at the stack goes all in.
    table->moveErrorWithInfo("too small");
    table->sendBetRaise(700);
    EXPECT_EQ(sent.takeOne(), request(21, {1, 2, 2}, 700));
    table->sendBetRaise(950);
    EXPECT_EQ(sent.takeOne(), request(21, {1, 2, 6}));

    // Someone else's turn: no buttons here.
    table->onCall(10, 100, 900, 20, {5, 3, 2, 6});
    for (const auto& b : {table->btnFold, table->btnCall, table->btnRaise, table->btnAllIn}) EXPECT_TRUE(b->isHidden());
    EXPECT_EQ(table->lblName[0]->text().value_or(""), "CALL");
}

// Nobody is to act once the hand is over: the turn clock stops with the results, and the name of the
// last player to act stops blinking.
TEST_F(PokerViewTest, WinnersOneByOneAndAPendingStepEndsWithTheStop) {
    auto table = dealt();
    run(2);
    table->onCall(10, 100, 900, 20, {5, 4, 2, 6});
    run(0.3 * 3);
    ASSERT_TRUE(table->isCounting());
    table->onShowdown(0, "PAIR", 20, 0, 0, {0, 1, 8, 12, 16, 0, 1});
    table->onShowdown(0, "PAIR", 30, 1, 0, {4, 5, 8, 12, 16, 4, 5});
    table->onResult({20, 30}, {1500, 1400});
    EXPECT_FALSE(table->isCounting());
    for (double half : {0.0, 0.3}) {
        run(half);
        EXPECT_EQ(table->lblName[1]->textColor(), ui::Color::yellow()) << "after " << half << " s";
    }
    EXPECT_EQ(table->cardsOf(20)->views()[0]->cardID, 0);
    EXPECT_TRUE(table->hasWinnerStepPending());
    run(2.1);
    EXPECT_EQ(table->cardsOf(30)->views()[0]->cardID, 4);
    EXPECT_FALSE(table->hasWinnerStepPending());

    table->onShowdown(0, "PAIR", 20, 0, 0, {0, 1, 8, 12, 16, 0, 1});
    table->onShowdown(0, "PAIR", 30, 1, 0, {4, 5, 8, 12, 16, 4, 5});
    table->onResult({20, 30}, {1500, 1400});
    table->onStopGame();
    EXPECT_FALSE(table->hasWinnerStepPending());
    EXPECT_TRUE(table->poker().winners.empty());
    EXPECT_TRUE(table->isGameEnd());
}

// The winner takes every pot off the table; a last list of pots shorter than the river's then shows its
// own pots only, and the river's side pot stays gone, on the idle table too.
TEST_F(PokerViewTest, ALastShorterListOfPotsLeavesThePotsTheWinnerTook) {
    auto table = dealt();
    run(2);
    table->onRiver(20, 40, 2, {1000, 200});
    run(1.1);
    ASSERT_FALSE(table->vieBot[1]->isHidden());
    EXPECT_EQ(table->lblBot[1]->text().value_or(""), "200");
    table->onShowdown(0, "PAIR", 20, 100, 0, {0, 1, 8, 12, 16, 0, 1});
    table->onResult({20}, {2200});
    run(1.1);
    for (const auto& pot : table->vieBot) EXPECT_TRUE(pot->isHidden());

    table->onLastPot({0});
    run(1.1);
    EXPECT_FALSE(table->vieBot[0]->isHidden());
    EXPECT_EQ(table->lblBot[0]->text().value_or(""), "0");
    EXPECT_TRUE(table->vieBot[1]->isHidden());
    table->onStopGame();
    run(1);
    EXPECT_TRUE(table->vieBot[1]->isHidden());
}

TEST_F(PokerViewTest, TheScreenDisappearingStopsItsTimers) {
    auto table = dealt();
    EXPECT_TRUE(table->isCounting());
    EXPECT_TRUE(table->hasDealRunning());
    table->viewWillDisappear(false);
    EXPECT_FALSE(table->isCounting());
    EXPECT_FALSE(table->hasDealRunning());
    const double countDown = table->timeCountDown();
    run(3);
    EXPECT_EQ(table->timeCountDown(), countDown);
}

TEST_F(PokerViewTest, TurnBarRunsThirtySecondsInTwoHundredTicks) {
    auto table = dealt();
    run(0.15 * 100 + 0.01);
    EXPECT_NEAR(table->timeCountDown(), 0.5, 1e-9);
    EXPECT_EQ(table->pokerTime->tintColor(), ui::Color::orange());
    run(0.15 * 60);
    EXPECT_EQ(table->pokerTime->tintColor(), ui::Color::red());
    table->onCheck(10, 20, {4, 5});
    EXPECT_TRUE(table->isCounting());  // the next player's turn
    EXPECT_NEAR(table->timeCountDown(), 0.0, 1e-9);
}

TEST_F(PokerViewTest, RejoiningShowsTheBoardFaceUpAtOnceAndNoCardsOfMine) {
    auto table = open({10, 20, 30, -1, -1, -1, -1, -1, -1});
    table->onPlaying(30, 3, {0, 13, 26}, {20, 30}, {900, 800}, {100, 0});
    ASSERT_EQ(table->showCards().size(), 3u);
    EXPECT_EQ(table->showCards()[2]->cardID, 26);
    EXPECT_DOUBLE_EQ(table->showCards()[2]->alpha(), 1.0);
    EXPECT_TRUE(table->cardsOf(10)->views()[0]->isHidden());
    EXPECT_EQ(table->lblPlayerMoney[1]->text().value_or(""), "100");
    EXPECT_TRUE(table->isCounting());
    EXPECT_TRUE(table->isZoom);
}

TEST_F(PokerViewTest, StandingUpFromTheMenuAndTheStandUpThatFollows) {
    auto table = dealt();
    ServiceRecording sent(PokerService::getInstance());
    table->doStandUp();
    EXPECT_EQ(sent.takeOne(), request(82, {1, 2, 30}));
    table->onStandUp(10, 20, 0, {5, 3});
    EXPECT_TRUE(table->poker().isWatching);
    EXPECT_FALSE(table->poker().seatOf(10));
    EXPECT_TRUE(table->btnFold->isHidden());
    EXPECT_EQ(title(table->btnSeat[0]), Resources::getInstance().textForKey("ZUNO_sitdown"));
}

// The markers stay with their players while the seats turn under them, my stand-up and my sitting down
// again, until they leave the table with their players or with the hand.
TEST_F(PokerViewTest, MarkersGoWithTheirPlayersWhenTheSeatsTurn) {
    auto table = open({20, 30, 10, 40, -1, -1, -1, -1, -1});
    table->onJoinBoard({20, 30, 10, 40}, {1000, 1000, 1000, 1000});
    // 20 deals, 30 and 40 the blinds, antes from me and 20.
    table->start(20, {12, 40}, 20, 30, 40, 50, 20, {10, 20}, {});
    run(2);
    const auto expectMarks = [&](const std::string& when, int32_t dealer, int32_t small, int32_t big, Ints antes) {
        EXPECT_EQ(markedPlayer(*table, table->imgDealer), dealer) << when;
        EXPECT_EQ(markedPlayer(*table, table->imgSmallBind), small) << when;
        EXPECT_EQ(markedPlayer(*table, table->imgBigBind), big) << when;
        Ints shown;
        for (const auto& ante : table->imgAnte)
            if (int32_t id = markedPlayer(*table, ante); id != -1) shown.push_back(id);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, antes) << when;
    };
    expectMarks("dealt", 20, 30, 40, {10, 20});
    table->onStandUp(10, -1, 2, {});
    expectMarks("my stand-up", 20, 30, 40, {20});
    table->onSit(10, 5);
    expectMarks("sat down again", 20, 30, 40, {20});
    table->onLeaveBoard(30);
    expectMarks("30 left", 20, -1, 40, {20});

    // The hand's end takes them off the table 2 s later; the seats' next turn leaves them off.
    table->onShowdown(0, "PAIR", 20, 0, 0, {0, 1, 8, 12, 16, 0, 1});
    run(1);
    table->onStandUp(10, -1, 5, {});
    expectMarks("my stand-up after the showdown", 20, -1, 40, {20});
    run(1.1);
    table->onSit(10, 5);
    expectMarks("sat down after the reset", -1, -1, -1, {});
}

TEST_F(PokerViewTest, AWatchersChoiceGoesOutWithTheTable) {
    auto table = open({20, 30, 40, 50, 60, 70, 80, 90, 100, 10});
    ServiceRecording sent(PokerService::getInstance());
    table->doObserver(1);
    EXPECT_EQ(sent.takeOne(), request(82, {1, 2, 12, 1}));
    table->doObserver(0);
    EXPECT_EQ(sent.takeOne(), request(82, {1, 2, 12, 0}));
}

TEST_F(PokerViewTest, ThreeGiftsAPlayerNoneFromOrToAWatcherAndChatGoesToTheList) {
    auto table = open({10, 20, -1, -1, -1, -1, -1, -1, -1, 30});
    auto an = table->poker().seatOf(20)->player();
    for (int i = 0; i < 4; ++i) table->onShowGift(1001 + i, 10, 20);
    ASSERT_EQ(an->gifts().size(), 3u);
    EXPECT_EQ(an->gifts().front()->tag(), 10);
    table->onShowGift(1005, 30, 20);  // from the watcher
    table->onShowGift(1006, 10, 30);  // to the watcher
    EXPECT_EQ(an->gifts().size(), 3u);

    table->onChatFromWithId(30, std::nullopt, "hello");
    ASSERT_EQ(table->chatDialog->historyChat().size(), 1u);
    EXPECT_EQ(table->chatDialog->historyChat()[0]->name().value_or(""), "p30");
    for (const auto& bubble : table->chat) EXPECT_TRUE(bubble->isHidden());
    EXPECT_EQ(table->viewChatLines->subviews().size(), 1u);

    table->viewWillDisappear(false);
    EXPECT_TRUE(an->gifts().empty());
    EXPECT_TRUE(table->chatDialog->historyChat().empty());
}

// A chat line wider than the panel goes on in the rows below it, whole; only a line that no longer has
// the rows it needs is cut, and the lines never run past the panel.
TEST_F(PokerViewTest, TheChatPanelCutsALineOnlyWhenItDoesNotFit) {
    const auto drawnLines = [](ui::View& line) {
        TextRecorder drawn;
        line.drawRect(drawn, line.bounds());
        std::string text;
        for (const auto& row : drawn.texts) text += (text.empty() ? "" : " ") + row.text;
        return text;
    };
    auto table = open({10, 20, 30, -1, -1, -1, -1, -1, -1});
    table->onChatFromWithId(30, std::nullopt, "nice hand everyone");
    ASSERT_EQ(table->viewChatLines->subviews().size(), 1u);
    EXPECT_EQ(drawnLines(*table->viewChatLines->subviews()[0]), "p30: nice hand everyone");

    for (int i = 0; i < 6; ++i) table->onChatFromWithId(20, std::nullopt, "well played, see you at the next table");
    const auto rows = table->viewChatLines->subviews();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(drawnLines(*rows.front()), "p20: well played, see you at the next table");
    for (const auto& row : rows) EXPECT_LE(row->frame().maxY(), table->viewChatLines->bounds().maxY());
    EXPECT_NE(drawnLines(*rows.back()).find("..."), std::string::npos) << "the oldest line shown, cut";
}

// The open chat panel reaches over the right seat's button: the button shows whole above it and takes
// every tap on it, and no chat line runs under it.
TEST_F(PokerViewTest, TheOpenChatPanelLeavesTheRightSeatWhole) {
    auto table = open({10, 20, 30, -1, -1, -1, -1, -1, -1});
    for (int i = 0; i < 6; ++i) table->onChatFromWithId(20, std::nullopt, "well played, see you at the next table");
    table->clickShowChatBoard(nullptr);
    run(1);
    const auto seat = table->btnSeat[7];
    ASSERT_EQ(title(seat), Resources::getInstance().textForKey("ZUNO_invite"));
    const ui::Rect place = seat->frame();
    ASSERT_TRUE(place.intersects(table->viewChat->frame()));
    for (const ui::Point p : {ui::Point{place.minX() + 2, place.midY()}, place.center()}) {
        const ui::Point inWindow = table->view()->convertPointToView(p, nullptr);
        EXPECT_EQ(table->view()->window()->hitTest(inWindow, nullptr), seat) << p.x;
    }
    for (const auto& row : table->viewChatLines->subviews())
        EXPECT_FALSE(row->convertRectToView(row->bounds(), table->view().get()).intersects(place));
}

}  // namespace
}  // namespace zuno::testing
