#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "PhomTestCards.h"
#include "games/phom/PhomHand.h"
#include "games/phom/PhomMelds.h"

using namespace zuno;
using namespace zuno::test;

namespace {

PhomHand handOf(std::vector<PhomCard> cards) {
    PhomHand hand;
    hand.myCards = std::move(cards);
    return hand;
}

// The hand of a deal whose eaten meld (7H, 8H with the fired 9H) joins a hand of low cards.
PhomHand handAfterEating(std::vector<int> others) {
    PhomHand hand;
    std::vector<int8_t> deal(others.begin(), others.end());
    deal.push_back(card(6, H));
    deal.push_back(card(7, H));
    hand.start(deal, false);
    for (PhomCard& c : hand.myCards) c.isSelected = c.cardID == card(6, H) || c.cardID == card(7, H);
    hand.cardCurrent = card(8, H);
    EXPECT_TRUE(hand.doEat().accepted());
    hand.onEatCard();
    return hand;
}

}  // namespace

TEST(PhomHandGrouping, DetectionIsGreedyOverThreeNeighbours) {
    // 3H 4H 5H is taken first, so the fives left over stay free though a set of fives exists.
    auto hand = handOf(freeCards({card(2, H), card(3, H), card(4, H), card(4, S), card(4, C)}));
    hand.regroup();
    EXPECT_EQ(meldsOf(hand.myCards), (std::vector<int>{4, 4, 4, 0, 0}));
}

TEST(PhomHandGrouping, AFreeCardJoinsTheNeighbourMeldOfMorePointsTiesGoingLeft) {
    // 6H..9H (30 points) | 10H | 10S 10C 10D (30 points): both take the ten of hearts.
    std::vector<PhomCard> cards = {inMeld(card(5, H), 4), inMeld(card(6, H), 4), inMeld(card(7, H), 4),
                                   inMeld(card(8, H), 4), freeCard(card(9, H)),  inMeld(card(9, S), 5),
                                   inMeld(card(9, C), 5), inMeld(card(9, D), 5)};
    auto tie = handOf(cards);
    tie.addCard(4);
    EXPECT_EQ(tie.myCards[4].phom, 4);

    cards.erase(cards.begin());  // the run is now 24 points
    auto rightHeavier = handOf(cards);
    rightHeavier.addCard(3);
    EXPECT_EQ(rightHeavier.myCards[3].phom, 5);

    auto outOfRange = handOf(cards);
    outOfRange.addCard(-1);
    outOfRange.addCard(99);
    EXPECT_EQ(meldsOf(outOfRange.myCards), meldsOf(cards));
}

TEST(PhomHandGrouping, RegroupingTwiceGivesTheSameGroups) {
    // 6H joins the eaten meld 7H 8H 9H from its left; the next regrouping must free it first, or the
    // meld would take 5H as well, and so on at every regrouping.
    PhomHand hand = handAfterEating({card(0, C), card(0, D), card(1, D), card(2, C), card(3, C), card(4, H), card(5, H)});
    auto groups = meldsOf(hand.myCards);
    EXPECT_EQ(idsOf(hand.myCards).back(), card(8, H));
    EXPECT_EQ(hand.myCards[6].cardID, card(5, H));
    EXPECT_EQ(hand.myCards[6].phom, 1);
    EXPECT_EQ(hand.myCards[5].phom, 0);
    hand.regroup();
    hand.regroup();
    EXPECT_EQ(meldsOf(hand.myCards), groups);

    // Dragged to the left end, 6H is free again.
    hand.moveCard(6, 0);
    EXPECT_EQ(hand.myCards[0].cardID, card(5, H));
    EXPECT_EQ(hand.myCards[0].phom, 0);
}

TEST(PhomHandU, TenCardsWithOneFreeCardOfferTheLayDown) {
    auto hand = handOf(freeCards({card(0, S), card(1, S), card(2, S), card(4, S), card(4, C), card(4, D), card(6, H),
                                  card(7, H), card(8, H), card(12, C)}));
    EXPECT_TRUE(hand.regroup());
}

TEST(PhomHandU, NineCardsNeedEveryCardMelded) {
    // A-4 of spades and four fives meld; the king of clubs does not.
    auto hand = handOf(freeCards({card(0, S), card(1, S), card(2, S), card(3, S), card(4, S), card(4, C), card(4, D),
                                  card(4, H), card(12, C)}));
    EXPECT_FALSE(hand.regroup());
    auto melded = handOf(freeCards({card(0, S), card(1, S), card(2, S), card(4, S), card(4, C), card(4, D), card(6, H),
                                    card(7, H), card(8, H)}));
    EXPECT_TRUE(melded.regroup());
}

TEST(PhomHandU, CardsThatJoinedByAttachingCountAsMelded) {
    // Two five-card runs: three cards of each are found, the other two join; all ten are melded.
    auto hand = handOf(freeCards({card(0, S), card(1, S), card(2, S), card(3, S), card(4, S), card(5, H), card(6, H),
                                  card(7, H), card(8, H), card(9, H)}));
    EXPECT_TRUE(hand.regroup());
}

TEST(PhomHandU, ASplitRunNoLongerCountsAsMelded) {
    auto hand = handOf(freeCards({card(0, S), card(1, S), card(2, S), card(4, S), card(4, C), card(4, D), card(6, H),
                                  card(7, H), card(8, H)}));
    EXPECT_TRUE(hand.regroup());
    EXPECT_FALSE(hand.moveCard(6, 1));  // 7H dragged into the run of spades
    EXPECT_EQ(hand.myCards[1].cardID, card(6, H));
}

TEST(PhomHandU, OtherSizesOnlyWhenACheckIsDue) {
    auto hand = handOf(freeCards({card(0, S), card(1, S), card(2, S), card(4, S), card(4, C), card(4, D), card(12, C)}));
    EXPECT_FALSE(hand.regroup());
    hand.bCheckU = true;
    EXPECT_TRUE(hand.regroup());
    EXPECT_FALSE(hand.bCheckU);
    EXPECT_FALSE(hand.regroup());
}

// Random hands in random order: every group is a set or a run whose cards stand together, a
// second regrouping changes nothing, and the lay-down offer follows the count of free cards.
TEST(PhomHandGrouping, RandomHandsGiveValidContiguousMelds) {
    std::mt19937 rng(3);
    std::vector<int8_t> deck(52);
    for (int i = 0; i < 52; ++i) deck[static_cast<size_t>(i)] = static_cast<int8_t>(i);
    for (int round = 0; round < 3000; ++round) {
        std::shuffle(deck.begin(), deck.end(), rng);
        size_t size = 9 + rng() % 2;
        // Sorting by id keeps runs apart, so half the hands are sorted by rank instead.
        std::vector<int8_t> ids(deck.begin(), deck.begin() + static_cast<long>(size));
        if (round % 2) std::sort(ids.begin(), ids.end(), [](int a, int b) { return a % 4 != b % 4 ? a % 4 < b % 4 : a < b; });
        std::vector<PhomCard> cards;
        for (int8_t id : ids) cards.push_back(freeCard(id));
        auto hand = handOf(cards);
        bool offered = hand.regroup();

        std::map<int, std::vector<int>> groups;
        int free = 0;
        for (size_t i = 0; i < hand.myCards.size(); ++i) {
            const PhomCard& c = hand.myCards[i];
            if (c.phom == 0) {
                ++free;
                continue;
            }
            auto& g = groups[c.phom];
            ASSERT_TRUE(g.empty() || hand.myCards[i - 1].phom == c.phom) << "meld not together";
            g.push_back(c.cardID);
        }
        for (auto& [number, members] : groups) {
            ASSERT_GE(members.size(), 3u);
            ASSERT_TRUE(PhomMelds::checkPhomBaLa(members) || PhomMelds::checkPhomSanh(members));
        }
        ASSERT_EQ(offered, size == 10 ? free <= 1 : free == 0);
        auto first = meldsOf(hand.myCards);
        hand.regroup();
        ASSERT_EQ(meldsOf(hand.myCards), first);
    }
}
