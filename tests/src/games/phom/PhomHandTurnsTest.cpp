#include <gtest/gtest.h>

#include "PhomTestCards.h"
#include "games/phom/PhomHand.h"
#include "games/phom/PhomRequestBytes.h"

using namespace zuno;
using namespace zuno::test;

namespace {

PhomHand dealt(std::vector<int8_t> ids, bool first = false) {
    PhomHand hand;
    hand.start(ids, first);
    return hand;
}

void select(PhomHand& hand, std::initializer_list<int> ids) {
    for (PhomCard& c : hand.myCards) c.isSelected = std::find(ids.begin(), ids.end(), c.cardID) != ids.end();
}

void fireCards(PhomHand& hand, int count) {
    for (int i = 0; i < count; ++i) hand.cardShow[0][static_cast<size_t>(i)] = 40 + i;
}

}  // namespace

TEST(PhomHandDeal, TheHandIsSortedAndTheFirstMenuFollowsTheTurn) {
    auto waiting = dealt({card(12, C), card(0, S), card(5, D), card(1, H), card(9, S), card(3, C), card(7, D), card(2, S),
                          card(11, H)});
    EXPECT_EQ(idsOf(waiting.myCards), (std::vector<int>{0, 7, 8, 13, 22, 30, 36, 47, 49}));
    PhomHand hand;
    EXPECT_EQ(hand.start(std::vector<int8_t>{card(12, C), card(0, S), card(5, D)}, true), PhomMenu::Fire);
    EXPECT_EQ(hand.start(std::vector<int8_t>{card(12, C), card(0, S), card(5, D)}, false), PhomMenu::Wait);
    std::vector<int8_t> allMelded = {card(0, S), card(1, S), card(2, S), card(4, S), card(4, C),
                                     card(4, D), card(6, H), card(7, H), card(8, H)};
    EXPECT_EQ(hand.start(allMelded, false), PhomMenu::LayDown);
}

TEST(PhomHandDraw, ADrawnCardGoesBeforeTheFirstHigherCardOrToTheLeftEnd) {
    auto hand = dealt({card(0, C), card(2, C), card(5, S)});
    EXPECT_EQ(hand.onGetCard(card(3, D)), PhomMenu::Fire);
    EXPECT_EQ(idsOf(hand.myCards), (std::vector<int>{card(0, C), card(2, C), card(3, D), card(5, S)}));
    hand.onGetCard(card(12, H));
    EXPECT_EQ(hand.myCards.front().cardID, card(12, H));
    hand.onGetCard(52);
    hand.onGetCard(255);
    EXPECT_EQ(hand.myCards.size(), 5u);
}

TEST(PhomHandDraw, ADrawnCardNeverSplitsAMeld) {
    PhomHand hand;
    hand.myCards = {freeCard(card(0, C)), freeCard(card(1, C)), inMeld(card(6, H), 1, true), inMeld(card(7, H), 1, true),
                    inMeld(card(8, H), 1, true)};
    hand.cardEat[0] = inMeld(card(8, H), 1, true);
    hand.numPhom = 1;
    hand.onGetCard(card(7, D));  // lower than 8H, higher than 7H: goes before the meld, not into it
    EXPECT_EQ(idsOf(hand.myCards), (std::vector<int>{card(0, C), card(1, C), card(7, D), card(6, H), card(7, H), card(8, H)}));
    auto bytes = PhomRequestBytes::haPhom(1, 2, hand.myCards);
    EXPECT_EQ(bytes, (std::vector<int8_t>{1, 2, card(6, H), card(7, H), card(8, H)}));
}

TEST(PhomHandDraw, TheMenuAfterADraw) {
    auto hand = dealt({card(0, C), card(2, C), card(5, S)});
    fireCards(hand, 3);
    EXPECT_EQ(hand.onGetCard(card(9, D)), PhomMenu::LayDown);
    fireCards(hand, 4);
    EXPECT_EQ(hand.onGetCard(card(10, D)), PhomMenu::Fire);
}

TEST(PhomHandEat, SelectionsThatAreRefused) {
    auto hand = dealt({card(0, C), card(0, D), card(1, S), card(2, S), card(3, S), card(4, S), card(5, S), card(9, H)});
    hand.cardCurrent = card(0, S);

    select(hand, {card(0, C)});
    EXPECT_EQ(hand.doEat().refusal, "ZUNO_selectMin2Cards");
    EXPECT_FALSE(hand.myCards[0].isSelected);

    select(hand, {card(1, S), card(2, S), card(3, S), card(4, S), card(5, S), card(0, C)});
    EXPECT_EQ(hand.doEat().refusal, "ZUNO_selectTooCards");
    for (const PhomCard& c : hand.myCards) EXPECT_FALSE(c.isSelected);

    select(hand, {card(0, C), card(9, H)});
    EXPECT_EQ(hand.doEat().refusal, "ZUNO_notPhom");
    for (const PhomCard& c : hand.myCards) EXPECT_FALSE(c.isSelected);
}

TEST(PhomHandEat, ASetSendsKindZeroAndARunKindOne) {
    auto hand = dealt({card(0, C), card(0, D), card(1, S), card(2, S), card(3, S), card(4, S), card(5, S), card(9, H)});
    hand.cardCurrent = card(0, S);
    select(hand, {card(0, D), card(0, C)});
    auto set = hand.doEat();
    ASSERT_TRUE(set.accepted());
    EXPECT_EQ(set.kind, 0);
    EXPECT_EQ(set.cards, (std::array<int8_t, 5>{card(0, C), card(0, D), -1, -1, -1}));

    select(hand, {card(1, S), card(2, S), card(3, S), card(4, S), card(5, S)});
    auto run = hand.doEat();
    ASSERT_TRUE(run.accepted());
    EXPECT_EQ(run.kind, 1);
    EXPECT_EQ(run.cards, (std::array<int8_t, 5>{card(1, S), card(2, S), card(3, S), card(4, S), card(5, S)}));
}

TEST(PhomHandEat, TheEatenMeldGoesToTheRightEnd) {
    auto hand = dealt({card(0, C), card(6, H), card(3, C), card(7, H), card(12, D)});
    hand.cardCurrent = card(8, H);
    select(hand, {card(6, H), card(7, H)});
    ASSERT_TRUE(hand.doEat().accepted());
    fireCards(hand, 3);
    EXPECT_EQ(hand.onEatCard(), PhomMenu::LayDown);
    EXPECT_EQ(idsOf(hand.myCards), (std::vector<int>{card(0, C), card(3, C), card(12, D), card(6, H), card(7, H), card(8, H)}));
    for (size_t i = 3; i < 6; ++i) {
        EXPECT_EQ(hand.myCards[i].phom, 1);
        EXPECT_TRUE(hand.myCards[i].isFix);
    }
    EXPECT_EQ(hand.numPhom, 1);
    EXPECT_EQ(hand.cardEat[0].cardID, card(8, H));
    EXPECT_EQ(hand.cardEat[1].cardID, -1);
    EXPECT_TRUE(hand.searchCardEat(1));
    EXPECT_FALSE(hand.searchCardEat(0));
}

TEST(PhomHandEat, AnEatThatCompletesTheHandOffersTheLayDown) {
    // Ten cards after the eat, one free: the lay-down is offered though only the fire would follow
    // from the fired row.
    auto hand = dealt({card(0, S), card(1, S), card(2, S), card(4, S), card(4, C), card(4, D), card(6, H), card(7, H),
                       card(12, C)});
    hand.cardCurrent = card(8, H);
    select(hand, {card(6, H), card(7, H)});
    ASSERT_TRUE(hand.doEat().accepted());
    EXPECT_EQ(hand.onEatCard(), PhomMenu::LayDown);
}

TEST(PhomHandEat, AFourthEatenMeldChangesNothing) {
    auto hand = dealt({card(0, C), card(6, H), card(7, H)});
    hand.numPhom = 3;
    hand.cardCurrent = card(8, H);
    select(hand, {card(6, H), card(7, H)});
    hand.doEat();
    EXPECT_EQ(hand.onEatCard(), PhomMenu::Fire);
    EXPECT_EQ(idsOf(hand.myCards), (std::vector<int>{card(0, C), card(6, H), card(7, H)}));
}

TEST(PhomHandEat, EatIsOfferedWhileTheOwnRowIsNotFull) {
    PhomHand hand;
    EXPECT_TRUE(hand.eatOffered());
    fireCards(hand, 3);
    EXPECT_TRUE(hand.eatOffered());
    fireCards(hand, 4);
    EXPECT_FALSE(hand.eatOffered());
}

TEST(PhomHandFire, ExactlyOneSelectedCardIsFired) {
    auto hand = dealt({card(0, C), card(3, C), card(7, H)});
    EXPECT_EQ(hand.doFire().refusal, "ZUNO_yetSellectCard");
    select(hand, {card(0, C), card(7, H)});
    EXPECT_EQ(hand.doFire().refusal, "ZUNO_canYouOnceOnly");
    for (const PhomCard& c : hand.myCards) EXPECT_FALSE(c.isSelected);
    select(hand, {card(3, C)});
    auto fire = hand.doFire();
    ASSERT_TRUE(fire.accepted());
    EXPECT_EQ(fire.cardId, card(3, C));
}

TEST(PhomHandFire, OnlyTheCurrentHandsSelectionCounts) {
    auto hand = dealt({card(0, C), card(1, C), card(2, C), card(3, C), card(4, C), card(5, C), card(6, C), card(7, C),
                       card(8, C), card(12, H)});
    select(hand, {card(12, H)});
    ASSERT_EQ(hand.doFire().cardId, card(12, H));
    hand.onFire(card(12, H));
    ASSERT_EQ(hand.myCards.size(), 9u);
    select(hand, {card(0, C)});
    auto next = hand.doFire();
    EXPECT_TRUE(next.accepted());
    EXPECT_EQ(next.cardId, card(0, C));
}

TEST(PhomHandLayDown, LaidCardsLeaveAndTheRestIsSorted) {
    PhomHand hand;
    hand.myCards = freeCards({card(9, D), card(0, S), card(1, S), card(2, S), card(3, H)});
    hand.onHaPhom(std::vector<int8_t>{card(0, S), card(1, S), card(2, S), -1, -1});
    EXPECT_EQ(idsOf(hand.myCards), (std::vector<int>{card(3, H), card(9, D)}));
}

TEST(PhomHandDrag, OutOfRangePositionsMoveNothing) {
    auto hand = dealt({card(0, C), card(3, C), card(7, H)});
    hand.moveCard(-1, 0);
    hand.moveCard(3, 0);
    hand.moveCard(0, -2);
    EXPECT_EQ(idsOf(hand.myCards), (std::vector<int>{card(0, C), card(3, C), card(7, H)}));
    hand.moveCard(0, 9);  // past the end: appended
    EXPECT_EQ(idsOf(hand.myCards), (std::vector<int>{card(3, C), card(7, H), card(0, C)}));
}

TEST(PhomHandFinish, TheFirstLowestScoreThatIsNotNegativeWins) {
    PhomHand hand;
    hand.setScore({5, 3, 3, -1});
    EXPECT_EQ(hand.onFinish(), 1);
    EXPECT_EQ(hand.scorePlayer, (std::array<int, 4>{5, 3, 3, -1}));
    EXPECT_EQ(hand.endMarkOfPlayer(0), PhomEndMark::Loser);
    EXPECT_EQ(hand.endMarkOfPlayer(1), PhomEndMark::Winner);
    EXPECT_EQ(hand.endMarkOfPlayer(2), PhomEndMark::Loser);
    EXPECT_EQ(hand.endMarkOfPlayer(3), std::nullopt);
    EXPECT_EQ(hand.endMarkOfPlayer(4), std::nullopt);
    EXPECT_EQ(hand.endMarkOfPlayer(-1), std::nullopt);

    hand.setScore({-1, -1, -1, -1});
    EXPECT_EQ(hand.onFinish(), -1);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(hand.endMarkOfPlayer(p), std::nullopt);

    hand.setScore({1000, 0, -1, 2000});
    EXPECT_EQ(hand.onFinish(), 1);
    hand.setScore({1000, 1000, -1, 2000});
    EXPECT_EQ(hand.onFinish(), -1);
}
