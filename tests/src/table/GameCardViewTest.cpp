// The card-table screen on the virtual clock: turn bar and clock, ready and leave, bubbles, fly-texts
// and gifts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "games/tienlen/TienLenService.h"
#include "platform/media/Sound.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "table/GameCardView.h"

namespace zuno::testing {
namespace {

using CardTable = TableTest;

size_t beeps() {
    const auto id = Resources::getInstance().com_onebeep();
    auto played = sys::Sound::played();
    return static_cast<size_t>(std::count_if(played.begin(), played.end(), [&](const auto& p) { return p.id == id; }));
}

TEST_F(CardTable, MyTienLenTurnRunsOutOncePassingForMe) {
    auto table = open(3, fourPlayers());
    ASSERT_TRUE(table);
    table->setInterval(10);
    ServiceRecording service(TienLenService::getInstance());
    sys::Sound::recordPlays();
    table->startTurnOfPlayer(10);
    EXPECT_FALSE(table->progressTimer->isHidden());
    EXPECT_EQ(table->progressTimer->center(), (ui::Point{240, 182}));
    run(4.5);
    EXPECT_EQ(beeps(), 0u);  // 6 or more seconds left
    run(10);
    EXPECT_EQ(beeps(), 6u);  // 5, 4, ..., 0 left
    ASSERT_EQ(service.session->sent().size(), 1u);
    EXPECT_EQ(service.takeOne(), bytesOf(TienLenService::getInstance(), [](auto& s) { s.skipWithRoomId(1, 2); }));
    EXPECT_EQ(table->currentPlayer(), -1);
    EXPECT_TRUE(table->progressTimer->isHidden());
    run(10);
    EXPECT_EQ(beeps(), 6u);
    EXPECT_TRUE(service.session->sent().empty());
}

TEST_F(CardTable, BankerTableSendsNothingWhenMyTurnRunsOut) {
    auto table = open(11, fourPlayers());
    table->setInterval(3);
    ServiceRecording service(TienLenService::getInstance());
    table->startTurnOfPlayer(10);
    run(6);
    EXPECT_TRUE(service.session->sent().empty());
}

TEST_F(CardTable, LeavingOrResettingStopsTheTurnClock) {
    auto table = open(3, fourPlayers());
    table->setInterval(5);
    table->startTurnOfPlayer(10);
    table->viewWillDisappear(false);
    EXPECT_FALSE(table->isTurnClockRunning());
    EXPECT_EQ(table->table().dieTime, 0);
    EXPECT_EQ(table->currentPlayer(), -1);
    ServiceRecording service(TienLenService::getInstance());
    run(8);
    EXPECT_TRUE(service.session->sent().empty());

    table->startTurnOfPlayer(20);
    EXPECT_TRUE(table->isTurnClockRunning());
    table->resetView();
    EXPECT_FALSE(table->isTurnClockRunning());
}

TEST_F(CardTable, ATurnOfNoLengthShowsAnEmptyBarAndPassesNothing) {
    auto table = open(3, fourPlayers());
    for (int interval : {0, -5}) {
        table->setInterval(interval);
        ServiceRecording service(TienLenService::getInstance());
        sys::Sound::recordPlays();
        table->startTurnOfPlayer(10);
        EXPECT_FALSE(table->isTurnBarRunning());
        EXPECT_FALSE(table->progressTimer->isHidden());
        EXPECT_EQ(table->progressTimer->progress(), 0.0);
        EXPECT_EQ(table->progressTimer->tintColor(), ui::Color::red());
        run(8);
        EXPECT_TRUE(service.session->sent().empty()) << interval;
        EXPECT_EQ(beeps(), 0u);
        EXPECT_EQ(table->currentPlayer(), 10);
        EXPECT_FALSE(table->progressTimer->isHidden());
    }
}

// Orange on the tick where 40 % of the turn has passed and red at 70 % (a 30 s turn: 12 s and 21 s),
// never a tick late, for every whole-second turn.
TEST_F(CardTable, TurnBarTurnsOrangeAndRedOnTheTickForEveryInterval) {
    auto table = open(3, fourPlayers());
    const double halfTick = 0.05;
    for (int interval = 1; interval <= 60; ++interval) {
        SCOPED_TRACE(interval);
        table->setInterval(interval);
        table->setTimerWithSeat(1);
        EXPECT_EQ(table->progressTimer->center(), (ui::Point{432, 100}));
        const auto green = table->progressTimer->tintColor();
        run(0.4 * interval - halfTick);
        EXPECT_EQ(table->progressTimer->tintColor(), green);
        run(2 * halfTick);
        EXPECT_EQ(table->progressTimer->tintColor(), ui::Color::orange());
        run(0.3 * interval - 2 * halfTick);
        EXPECT_EQ(table->progressTimer->tintColor(), ui::Color::orange());
        run(2 * halfTick);
        EXPECT_EQ(table->progressTimer->tintColor(), ui::Color::red());
        run(0.3 * interval - 2 * halfTick);
        EXPECT_TRUE(table->isTurnBarRunning());
        EXPECT_GT(table->limitProgress(), 0.0);
        run(2 * halfTick);
        EXPECT_FALSE(table->isTurnBarRunning());
        EXPECT_EQ(table->limitProgress(), 0.0);
    }
}

TEST_F(CardTable, ReadyWithTheStakeExactlyAndLeaving) {
    me->setMoney(100);
    auto table = open(3, fourPlayers(), 20, 100);
    ServiceRecording lobby(GlobalService::getInstance());
    table->doReady();
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.readyWithRoomId(1, 2, true); }));
    me->setMoney(99);
    table->doReady();
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_EQ(UIController::shownDialogMessage(), Resources::getInstance().textForKey("ZUNO_koDuTienCuoc"));

    // During a deal leaving asks first.
    table->setIsGameEnd(false);
    table->clickLeaveBoard();
    EXPECT_EQ(UIController::okValue(), UIController::okLeaveBoard);
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_EQ(nav().topViewController(), table);

    // Between games, not ready: at once.
    table->setIsGameEnd(true);
    table->clickLeaveBoard();
    run(1);
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.leaveBoardWithRoomId(1, 2); }));
    EXPECT_NE(nav().topViewController(), table);
}

TEST_F(CardTable, ReadyMarksSeatButtonsAndInvitations) {
    auto players = fourPlayers();
    players[2] = seatPlayer(-1, "");
    players[3]->setIsReady(true);
    auto table = open(3, players, 20);
    table->showOKImageWithMode(true);
    EXPECT_TRUE(table->ok0->isHidden());
    EXPECT_FALSE(table->ok2->isHidden());  // chi, ready
    EXPECT_FALSE(table->ok3->isHidden());  // an, the owner
    EXPECT_EQ(table->ok3->image()->name(), "boss.png");
    EXPECT_TRUE(table->ok1->isHidden());   // empty
    table->setHiddenButtonSeat(true);
    EXPECT_FALSE(table->btnSeat1->isHidden());
    EXPECT_TRUE(table->btnSeat0->isHidden());
    table->setInvatingOnChair();
    EXPECT_EQ(table->btnSeat1->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_invite"));
    EXPECT_EQ(table->btnSeat2->titleForState(ui::ControlState::Normal), "");
}

TEST_F(CardTable, ChatBubblesGatherLinesAndNotSeatedSendersAreIgnored) {
    auto table = open(3, fourPlayers());
    EXPECT_TRUE(table->onChatFromWithId(30, std::nullopt, "one"));
    EXPECT_FALSE(table->chat1->isHidden());
    run(1);
    table->onChatFromWithId(30, std::nullopt, "two");
    run(1);
    table->onChatFromWithId(30, std::nullopt, "three");
    EXPECT_EQ(table->chatPlayers()[1], "two, three");
    run(1.01);
    EXPECT_FALSE(table->chat1->isHidden());
    EXPECT_EQ(table->chatPlayers()[1], "");
    run(3);
    EXPECT_TRUE(table->chat1->isHidden());
    EXPECT_EQ(table->chatDialog->historyChat().size(), 3u);
    EXPECT_EQ(*table->chatDialog->historyChat().back()->name(), "binh");

    EXPECT_FALSE(table->onChatFromWithId(77, std::nullopt, "nobody"));
    for (int seat = 0; seat <= 4; ++seat) EXPECT_TRUE(table->bubble(seat)->isHidden());

    ServiceRecording lobby(GlobalService::getInstance());
    table->onChatFromMeWithText("   ");
    table->onChatFromMeWithText("\u3000\u00a0\n");
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_TRUE(table->chat0->isHidden());
    table->onChatFromMeWithText("\u3000 hi \u3000");
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.chatToBoardWithRoom(1, 2, "hi"); }));
    EXPECT_FALSE(table->chat0->isHidden());
}

TEST_F(CardTable, FlyTextsFlyBetweenSeatAndCentre) {
    auto table = open(3, fourPlayers());
    auto flying = [&] {
        std::shared_ptr<ui::Label> last;
        for (const auto& v : table->view()->subviews())
            if (auto l = std::dynamic_pointer_cast<ui::Label>(v); l && l->frame().size == ui::Size{160, 20}) last = l;
        return last;
    };
    table->showFlyTextWirhFromId(30, 0);
    auto zero = flying();
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->text(), "0");
    // From the seat's own point in the table's middle, so that the texts of several seats pass apart,
    // to the seat: a side seat's ends beside its avatar, read whole on the screen.
    const auto endsBeside = [&](const std::shared_ptr<ui::Label>& label, const ui::View& avatar) {
        const double half = label->font().widthOfText(label->text().value_or("")) / 2;
        const ui::Rect text(label->center().x - half, label->center().y - 9, 2 * half, 18);
        EXPECT_EQ(table->view()->bounds().intersection(text), text) << label->text().value_or("");
        EXPECT_FALSE(text.intersects(avatar.frame())) << label->text().value_or("");
    };
    EXPECT_EQ(zero->presentedCenter(), (ui::Point{330, 150}));
    endsBeside(zero, *table->ava1);
    run(1.1);
    EXPECT_FALSE(flying());
    table->showFlyTextWirhFromId(20, 1000000);  // the left seat
    endsBeside(flying(), *table->ava3);
    run(1.1);

    table->showFlyTextWirhFromId(10, -50);
    EXPECT_EQ(flying()->text(), "-50");
    EXPECT_EQ(flying()->center(), (ui::Point{240, 190}));
    run(1.1);
    table->showFlyTextWirhFromId(77, 25);  // not seated: nothing to fly from or to
    EXPECT_FALSE(flying());
}

TEST_F(CardTable, AFifthGiftDropsTheOldestAndUnseatedGiversAndReceiversGiveNone) {
    auto table = open(3, fourPlayers());
    PlayerPtr binh = table->players()[2];
    for (int i = 0; i < 5; ++i) table->onShowGift(100 + i, 20 + (i % 2) * 20, 30);
    run(1.1);
    ASSERT_EQ(binh->gifts().size(), 4u);
    EXPECT_EQ(binh->gifts().front()->tag(), 40);  // the first (from an) is gone
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(binh->gifts()[i]->center(), GameCardView::giftCentre(1, i));
        EXPECT_EQ(binh->gifts()[i]->superview(), table->view());
    }
    const size_t before = table->view()->subviews().size();
    table->onShowGift(1, 20, 77);
    table->onShowGift(1, 77, 20);
    EXPECT_EQ(table->view()->subviews().size(), before);
    EXPECT_TRUE(table->players()[0]->gifts().empty());
    auto icon = binh->gifts().back();
    table->viewWillDisappear(false);
    EXPECT_FALSE(icon->superview());
}

}  // namespace
}  // namespace zuno::testing
