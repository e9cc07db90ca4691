// The Poker table model without views: seats and watchers, turns, blinds, pots, winners and stops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/poker/PokerCommands.h"
#include "games/poker/PokerTable.h"
#include "platform/core/Format.h"

using namespace zuno;

namespace {

constexpr int32_t kMe = 10;
using Ints = PokerTable::Ints;
using Offer = PokerTable::SeatOffer;

std::shared_ptr<TienLenPlayer> player(int32_t id) {
    auto p = std::make_shared<TienLenPlayer>();
    p->setIDDB(id);
    p->setName(id == -1 ? "" : sys::format("p%d", id));
    return p;
}

// Server seats from a list of ids (-1 empty), then the watchers.
std::vector<std::shared_ptr<TienLenPlayer>> players(const Ints& ids) {
    std::vector<std::shared_ptr<TienLenPlayer>> out;
    for (int32_t id : ids) out.push_back(player(id));
    return out;
}

Ints displayIds(const PokerTable& t) {
    Ints ids;
    for (const auto& p : t.playingPlayers) ids.push_back(p->playerId());
    return ids;
}

Ints serverIds(const PokerTable& t) {
    Ints ids;
    for (const auto& p : t.allPlayers) ids.push_back(p->playerId());
    return ids;
}

}  // namespace

TEST(PokerTableTest, OwnSeatIsShownFirst) {
    const std::vector<std::pair<int, Ints>> cases = {
        {0, {kMe, 21, 22, 23, 24, 25, 26, 27, 28}},
        {4, {kMe, 25, 26, 27, 28, 20, 21, 22, 23}},
        {8, {kMe, 20, 21, 22, 23, 24, 25, 26, 27}},
    };
    for (const auto& [mySeat, expected] : cases) {
        Ints ids = {20, 21, 22, 23, 24, 25, 26, 27, 28};
        ids[mySeat] = kMe;
        PokerTable t(kMe);
        t.setupPlayers(players(ids), 20);
        EXPECT_EQ(displayIds(t), expected) << mySeat;
        for (int i = 0; i < PokerTable::kSeats; ++i) {
            EXPECT_EQ(t.playingPlayers[i]->playerNewSeat(), i);
            EXPECT_EQ(t.playingPlayers[i]->playerSeat(), (mySeat + i) % 9);
        }
    }
}

TEST(PokerTableTest, WatcherSeesServerOrderAndSitsDown) {
    PokerTable t(kMe);
    t.setupPlayers(players({20, -1, 22, -1, -1, -1, -1, -1, -1, kMe}), 20);
    t.onJoinBoard({20, 22}, {1000, 2000});
    EXPECT_TRUE(t.isWatching);
    EXPECT_EQ(displayIds(t), (Ints{20, -1, 22, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(t.seatOffers[0], Offer::None);
    EXPECT_EQ(t.seatOffers[1], Offer::Sit);
    EXPECT_EQ(t.seatOf(22)->playerStack(), 2000);

    t.onSit(kMe, 3);
    EXPECT_FALSE(t.isWatching);
    EXPECT_EQ(serverIds(t), (Ints{20, -1, 22, kMe, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(displayIds(t), (Ints{kMe, -1, -1, -1, -1, -1, 20, -1, 22}));
    EXPECT_EQ(t.seatOffers[0], Offer::None);
    EXPECT_EQ(t.seatOffers[1], Offer::Invite);
    EXPECT_EQ(t.seatOffers[6], Offer::None);
}

TEST(PokerTableTest, MovingOffASeatReusesOrAppendsAWatcherEntry) {
    PokerTable t(kMe);
    t.setupPlayers(players({kMe, 21, 22, -1, -1, -1, -1, -1, -1, 30, -1}), 21);
    t.kickPokerPlayer(21);  // the empty watcher entry is taken
    EXPECT_EQ(serverIds(t), (Ints{kMe, -1, 22, -1, -1, -1, -1, -1, -1, 30, 21}));
    EXPECT_EQ(t.allPlayers[10]->playerSeat(), 10);
    EXPECT_EQ(t.allPlayers[1]->playerSeat(), 1);
    t.kickPokerPlayer(22);  // none free: one is appended
    EXPECT_EQ(serverIds(t), (Ints{kMe, -1, -1, -1, -1, -1, -1, -1, -1, 30, 21, 22}));
    t.resetLocalSeat();
    t.resetSeatPoker();
    EXPECT_EQ(t.seatOffers[2], Offer::Invite);

    t.onStandUp(kMe, -1, {});
    EXPECT_TRUE(t.isWatching);
    EXPECT_EQ(t.allPlayers[0]->playerId(), -1);
    EXPECT_EQ(t.seatOffers[0], Offer::Sit);
}

TEST(PokerTableTest, AnothersLeaveFreesTheSeatAndShrinksTheWatchers) {
    PokerTable t(kMe);
    t.setupPlayers(players({kMe, 21, 22, -1, -1, -1, -1, -1, -1, 30}), 21);
    t.onLeaveBoard(21);
    EXPECT_EQ(serverIds(t), (Ints{kMe, -1, 22, -1, -1, -1, -1, -1, -1, 30}));
    EXPECT_EQ(t.seatOf(21), nullptr);
    t.onLeaveBoard(30);
    EXPECT_EQ(serverIds(t).size(), 9u);
}

TEST(PokerTableTest, FullTableOfferMakesMeAWatcher) {
    PokerTable t(kMe);
    t.setupPlayers(players({20, 21, 22, 23, 24, 25, 26, 27, -1}), 20);
    t.onFullBoard();
    EXPECT_TRUE(t.isWatching);
    EXPECT_EQ(t.seatOffers[8], Offer::Sit);
}

namespace {

// Me in seat 1 between 20 (seat 0) and 30 (seat 2); stacks 1000 each but 20 with 30.
class PokerHandTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.setupPlayers(players({20, kMe, 30, -1, -1, -1, -1, -1, -1}), 20);
        t.onJoinBoard({20, kMe, 30}, {30, 1000, 1000});
    }
    PokerTable t{kMe};
};

}  // namespace

TEST_F(PokerHandTest, BlindsPutAShortStackAllIn) {
    auto marks = t.start({4, 9}, 30, 20, kMe, 50, 30, {});
    EXPECT_EQ(t.seatOf(20)->playerMoney(), 30);
    EXPECT_EQ(t.seatOf(20)->playerStack(), 0);
    EXPECT_EQ(t.seatOf(kMe)->playerMoney(), 100);
    EXPECT_EQ(t.seatOf(kMe)->playerStack(), 900);
    EXPECT_EQ(t.seatOf(kMe)->playerCards(), (PokerPlayer::HoleCards{4, 9}));
    EXPECT_EQ(marks.allIn, Ints{20});
    EXPECT_EQ(marks.dealer->playerId(), 30);
    EXPECT_EQ(t.pokerMoney, 50);
    EXPECT_EQ(t.nowPlaying, 30);
    EXPECT_TRUE(t.buttons.empty());
    EXPECT_EQ(t.playingPlayers[5]->playerMoney(), 0);  // empty seats too
}

TEST_F(PokerHandTest, AntesByBlind) {
    t.onStack(20, 1000);
    // 20 small blind and ante, me big blind and ante, 30 ante only; -1 ignored.
    auto marks = t.start({4, 9}, 30, 20, kMe, 50, kMe, {-1, 20, kMe, 30});
    EXPECT_EQ(marks.antes.size(), 3u);
    const std::vector<std::tuple<int32_t, int32_t, int32_t>> expected = {
        {20, 100, 900}, {kMe, 100, 900}, {30, 100, 900}};
    for (const auto& [id, bet, stack] : expected) {
        EXPECT_EQ(t.seatOf(id)->playerMoney(), bet) << id;
        EXPECT_EQ(t.seatOf(id)->playerStack(), stack) << id;
    }
    // My own ante leaves FOLD, CHECK, RAISE, ALL IN, shown on my turn.
    EXPECT_EQ(t.buttons, (std::vector<int8_t>{5, 4, 2, 6}));
    EXPECT_TRUE(t.isShowRaise);
}

TEST_F(PokerHandTest, TurnHandOversKeepTheAmountToCall) {
    t.onStack(20, 1000);
    t.start({4, 9}, 30, 20, kMe, 50, 30, {});  // 20 has 50 in, me 100
    t.onPaid(30, 400, 600, 20, {5, 3, 2, 6});  // 30 raises to 400
    EXPECT_EQ(t.pokerMoney, 350);
    EXPECT_TRUE(t.buttons.empty());
    t.onPassed(20, kMe, {5, 3, 2, 6});  // 20 folds: the call is still against 400
    EXPECT_EQ(t.pokerMoney, 300);
    EXPECT_EQ(t.buttons, (std::vector<int8_t>{5, 3, 2, 6}));
    t.onPaid(kMe, 400, 600, 30, {1, 4});
    t.onStreet({1, 2, 3}, {850}, 30);
    EXPECT_EQ(t.pokerMoney, 0);
    t.onPaid(30, 200, 400, kMe, {5, 3, 2, 6});
    t.onPassed(kMe, 30, {});  // ... and after a check
    t.onPassed(30, kMe, {});
    EXPECT_EQ(t.pokerMoney, 200);
    // A list with both BET and RAISE offers the later one.
    t.onPassed(30, kMe, {2, 1});
    EXPECT_TRUE(t.isShowBet);
    EXPECT_FALSE(t.isShowRaise);
}

TEST_F(PokerHandTest, AmountsSendAllInFromTheStackUpAndARefusedRaiseIsOfferedAgain) {
    t.start({4, 9}, 30, 20, kMe, 50, kMe, {});  // my stack 900 after the big blind
    ASSERT_TRUE(t.isShowRaise);
    EXPECT_EQ(t.sendBetRaise(0), PokerTable::Send::Nothing);
    EXPECT_EQ(t.sendBetRaise(900), PokerTable::Send::AllIn);
    EXPECT_EQ(t.sendBetRaise(300), PokerTable::Send::Raise);
    EXPECT_EQ(t.sendBetRaise(300), PokerTable::Send::Nothing);
    t.onMoveError();
    EXPECT_EQ(t.sendBetRaise(400), PokerTable::Send::Raise);
    EXPECT_EQ(t.myStack(), 900);

    PokerTable watcher(99);
    watcher.setupPlayers(players({20, kMe}), 20);
    EXPECT_EQ(watcher.sendBetRaise(100), PokerTable::Send::Nothing);
    EXPECT_EQ(watcher.myStack(), 0);
}

TEST_F(PokerHandTest, StreetsSweepBetsIntoAtMostEightPots) {
    t.start({4, 9}, 30, 20, kMe, 50, 30, {});
    t.onStreet({1, 2, 3}, {100, 200, 300, 400, 500, 600, 700, 800, 900}, kMe);
    EXPECT_EQ(t.showCards, (std::vector<int8_t>{1, 2, 3}));
    EXPECT_EQ(t.pots[7], 800);
    EXPECT_EQ(t.seatOf(kMe)->playerMoney(), 0);
    EXPECT_EQ(t.buttons, (std::vector<int8_t>{1, 5, 4, 6}));
    t.onStreet({7}, {150}, 30);
    EXPECT_EQ(t.pots[0], 150);
    EXPECT_EQ(t.pots[1], 200);  // a shorter list leaves the others
    EXPECT_EQ(t.showCards.size(), 4u);
}

TEST_F(PokerHandTest, WinnersQueueUntilTheStop) {
    t.start({4, 9}, 30, 20, kMe, 50, 30, {});
    t.onSelfResult("ONE PAIR", {4, 5});
    t.onSelfResult("HIGH CARD", {1, 2, 3, 4, 5});
    EXPECT_EQ(t.selfPokerHand, "ONE PAIR");
    EXPECT_EQ(t.selfResultList, (std::vector<int8_t>{4, 5, -1, -1, -1}));
    t.onShowdown(30, 0, {1, 2, 3}, "FLUS");
    t.onShowdown(kMe, 1, {1, 2, 3, 4, 5, 6, 7}, "STRAIGHT");
    t.onResult({30, -1, kMe}, {1500, 0, 800});
    EXPECT_EQ(t.seatOf(30)->playerStack(), 1500);
    auto first = t.nextWinner();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->cards, (std::vector<int8_t>{1, 2, 3, -1, -1, -1, -1}));
    t.onStopGame();
    EXPECT_FALSE(t.nextWinner());  // the pending step finds nothing
    EXPECT_TRUE(t.isGameEnd);
    EXPECT_EQ(t.seatOf(kMe)->playerMoney(), -1);
    EXPECT_TRUE(t.showCards.empty());
    EXPECT_TRUE(t.selfPokerHand.empty());
}

TEST_F(PokerHandTest, StandingUpToActPassesTheTurnOnlyToSomeone) {
    t.start({4, 9}, 30, 20, kMe, 50, 30, {});
    EXPECT_TRUE(t.onStandUp(30, -1, {5}));
    EXPECT_EQ(t.nowPlaying, 30);
    t.nowPlaying = 20;
    EXPECT_TRUE(t.onStandUp(20, kMe, {5, 3}));
    EXPECT_EQ(t.nowPlaying, kMe);
    EXPECT_EQ(t.buttons, (std::vector<int8_t>{5, 3}));
    EXPECT_TRUE(t.onStandUp(kMe, -1, {}));  // my turn ends with me
    EXPECT_TRUE(t.buttons.empty());
    EXPECT_TRUE(t.isWatching);
}

TEST_F(PokerHandTest, RejoiningTakesEachPlayersFirstListedStackAndBet) {
    t.onPlaying({30, 99, 30, 20}, {700, 5, 800, 900}, {40, 5, 60, 80}, {1, 2, 3});
    EXPECT_EQ(t.seatOf(30)->playerStack(), 700);
    EXPECT_EQ(t.seatOf(30)->playerMoney(), 40);
    EXPECT_EQ(t.seatOf(20)->playerMoney(), 80);
    EXPECT_EQ(t.seatOf(kMe)->playerMoney(), -1);  // not listed
    EXPECT_EQ(t.showCards, (std::vector<int8_t>{1, 2, 3}));
    EXPECT_TRUE(t.isPlaying);
}

TEST_F(PokerHandTest, MyMoneyMovesByTheHandOnceItIsSettledForMe) {
    // Won: from 1000 before my big blind to 1350 in the final stacks; settled once only.
    t.start({4, 9}, 30, 20, kMe, 50, 30, {});
    t.onPaid(kMe, 300, 700, 30, {});
    t.onResult({30, kMe}, {650, 1350});
    EXPECT_EQ(t.settleMyHand(), 350);
    t.onStopGame();
    EXPECT_EQ(t.settleMyHand(), 0);

    // Stood up in the middle of a hand: what I put in is lost, the final stacks not listing me.
    t.start({4, 9}, 30, kMe, 20, 50, 30, {});  // my small blind
    t.onPaid(kMe, 200, 1150, 30, {});
    t.onStandUp(kMe, -1, {});
    t.onResult({20, 30}, {1000, 1000});
    EXPECT_EQ(t.settleMyHand(), -200);

    // A hand I was not dealt in moves nothing, though I sit at the table and a stack comes to my seat
    // during it; nor does a new table keep the last one's hand.
    t.onSit(kMe, 1);
    t.start({-1, -1}, 20, 30, 20, 50, 30, {});
    t.onStack(kMe, 1500);
    t.onResult({20, kMe, 30}, {1050, 1500, 950});
    EXPECT_EQ(t.settleMyHand(), 0);
    t.start({4, 9}, 30, 20, 30, 50, kMe, {});
    t.setupPlayers(players({20, kMe}), 20);
    EXPECT_EQ(t.settleMyHand(), 0);
}
