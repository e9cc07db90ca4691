#include <gtest/gtest.h>

#include "PhomTestCards.h"
#include "games/phom/PhomNewHand.h"
#include "games/phom/PhomRequestBytes.h"

using namespace zuno;
using namespace zuno::test;

namespace {

struct RecordingHand {
    PhomNewHand hand;
    std::vector<std::vector<int8_t>> sent;

    explicit RecordingHand(std::vector<PhomCard> cards, int counter = 10) {
        hand.myCards = std::move(cards);
        hand.phomRandom = counter;
        hand.sendResetPhom = [this](std::span<const PhomCard> cards) {
            sent.push_back(PhomNewRequestBytes::doResetPhom(3, 9, cards));
        };
    }
};

}  // namespace

TEST(PhomNewDrop, AFreeCardDroppedIntoAnOrdinaryMeldBreaksIt) {
    RecordingHand r({inMeld(card(4, S), 5), inMeld(card(4, C), 5), inMeld(card(4, D), 5), freeCard(card(12, C))});
    r.hand.myCards[3].isSelected = true;
    r.hand.dropCard(3, 1);
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(4, S), card(12, C), card(4, C), card(4, D)}));
    EXPECT_EQ(meldsOf(r.hand.myCards), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_FALSE(r.hand.myCards[1].isSelected);
    EXPECT_EQ(r.sent, (std::vector<std::vector<int8_t>>{{3, 9, 0}}));
    EXPECT_EQ(r.hand.indexOfCard2, -1);
}

TEST(PhomNewDrop, TheNarrowSearchKeepsThePlayersOrder) {
    // 7D dropped between 5D and 6D makes a run of the three as they lie.
    RecordingHand r(freeCards({card(6, D), card(0, S), card(4, D), card(5, D), card(9, H)}));
    r.hand.dropCard(0, 2);
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(0, S), card(4, D), card(6, D), card(5, D), card(9, H)}));
    EXPECT_EQ(meldsOf(r.hand.myCards), (std::vector<int>{0, 12, 12, 12, 0}));
    EXPECT_EQ(r.hand.phomRandom, 13);
}

TEST(PhomNewDrop, PositionsFromOutsideAreBounded) {
    std::vector<PhomCard> cards = freeCards({card(0, S), card(5, D), card(9, H)});
    RecordingHand r(cards);
    r.hand.dropCard(-1, 0);
    r.hand.dropCard(3, 0);
    r.hand.dropCard(0, 0);
    r.hand.dropCard(0, -1);
    r.hand.dropCard(1, -7);
    EXPECT_EQ(idsOf(r.hand.myCards), idsOf(cards));
    EXPECT_TRUE(r.sent.empty());
    r.hand.dropCard(0, 40);  // past the end: appended
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(5, D), card(9, H), card(0, S)}));
    EXPECT_EQ(r.sent.size(), 1u);

    r.hand.indexOfCard2 = 17;
    r.hand.checkDoiPhom();
    r.hand.changeLeft();
    r.hand.changeRight();
    r.hand.changeMid();
    EXPECT_EQ(r.sent.size(), 1u);
}

TEST(PhomNewDrop, NextToAnEatenMeldTheRightTrioWinsWhenAllThreeHold) {
    // 2H 3H | 5H* 6H 7H (eaten); 4H dropped between 3H and 5H: left, right and middle trios all run.
    RecordingHand r({freeCard(card(3, H)), freeCard(card(1, H)), freeCard(card(2, H)), inMeld(card(4, H), 8, true),
                     inMeld(card(5, H), 8), inMeld(card(6, H), 8)});
    r.hand.dropCard(0, 2);
    EXPECT_EQ(idsOf(r.hand.myCards),
              (std::vector<int>{card(5, H), card(4, H), card(3, H), card(1, H), card(2, H), card(6, H)}));
    EXPECT_EQ(meldsOf(r.hand.myCards), (std::vector<int>{11, 11, 11, 0, 0, 0}));
    // The change reports twice, the arrangement after the regrouping once more, the drop once.
    ASSERT_EQ(r.sent.size(), 4u);
    EXPECT_EQ(r.sent[0], r.sent[1]);
    for (const auto& bytes : r.sent)
        EXPECT_EQ(bytes, (std::vector<int8_t>{3, 9, 1, card(5, H), card(4, H), card(3, H), -1}));
}

TEST(PhomNewDrop, ARegroupingFreesEveryMeldItBreaks) {
    // 3S 3C 3H | 4H* 4S 4C (eaten); 5H dropped between 4H and 4S regroups 3H 4H 5H. The set of
    // threes loses 3H and is freed whole rather than left with two cards.
    RecordingHand r({inMeld(card(2, S), 5), inMeld(card(2, C), 5), inMeld(card(2, H), 5), inMeld(card(3, H), 6, true),
                     inMeld(card(3, S), 6), inMeld(card(3, C), 6), freeCard(card(4, H))});
    r.hand.dropCard(6, 4);
    EXPECT_EQ(idsOf(r.hand.myCards),
              (std::vector<int>{card(4, H), card(3, H), card(2, H), card(2, C), card(2, S), card(3, C), card(3, S)}));
    EXPECT_EQ(meldsOf(r.hand.myCards), (std::vector<int>{11, 11, 11, 0, 0, 0, 0}));
    EXPECT_EQ(r.sent.back(), (std::vector<int8_t>{3, 9, 1, card(4, H), card(3, H), card(2, H), -1}));
}

TEST(PhomNewDrop, NoTrioTakesACardOutOfAnEatenMeldWithoutItsEatenCard) {
    // 2D 3D 4D* eaten; 4D is the eaten card. AD dropped before 2D would take 2D and 3D and leave 4D
    // outside any meld.
    RecordingHand r({freeCard(card(0, D)), freeCard(card(9, C)), inMeld(card(1, D), 6), inMeld(card(2, D), 6),
                     inMeld(card(3, D), 6, true), freeCard(card(11, S))});
    r.hand.dropCard(0, 1);
    EXPECT_EQ(meldsOf(r.hand.myCards)[0], 6);  // the eaten meld is gathered again, first
    int eatenMeld = 0;
    for (const PhomCard& c : r.hand.myCards) {
        if (c.cardID == card(3, D)) eatenMeld = c.phom;
    }
    EXPECT_EQ(eatenMeld, 6);
    EXPECT_EQ(r.hand.countPhomCard(6), 3);
}

TEST(PhomNewDrop, TheNarrowRunSearchLeavesEatenMeldsAlone) {
    PhomNewHand hand;
    hand.phomRandom = 10;
    hand.myCards = {freeCard(card(2, H)), inMeld(card(3, H), 6), inMeld(card(4, H), 6, true), inMeld(card(5, H), 6)};
    hand.findPhom2();
    EXPECT_EQ(meldsOf(hand.myCards), (std::vector<int>{0, 6, 6, 6}));

    // An ordinary meld is freed whole when the search takes one of its cards.
    hand.myCards = {freeCard(card(2, H)), freeCard(card(3, H)), inMeld(card(4, H), 6), inMeld(card(4, S), 6),
                    inMeld(card(4, C), 6)};
    hand.findPhom2();
    EXPECT_EQ(meldsOf(hand.myCards), (std::vector<int>{14, 14, 14, 0, 0}));
}

TEST(PhomNewDrop, TheDecisionTable) {
    // The dropped card is free and next to meld 7 (or the eaten meld 8); the counter stands at 10,
    // so the trio that becomes a meld is the one numbered above 10.
    struct Case {
        std::vector<PhomCard> cards;
        int at;
        std::vector<int> meldedIds;  // high id first; empty: nothing changes
    };
    std::vector<Case> cases = {
        // Only the left trio holds: 4S 4C 4D | 4H.
        {{inMeld(card(3, S), 7), inMeld(card(3, C), 7), inMeld(card(3, D), 7), freeCard(card(3, H)),
          freeCard(card(12, S)), freeCard(card(8, H))},
         3, {card(3, H), card(3, D), card(3, C)}},
        // Left and middle both sets of sixes: the left set wins.
        {{inMeld(card(5, S), 7), inMeld(card(5, C), 7), freeCard(card(5, H)), inMeld(card(5, D), 7), freeCard(card(12, S))},
         2, {card(5, H), card(5, C), card(5, S)}},
        // Left and middle both runs: the middle wins.
        {{inMeld(card(2, D), 7), inMeld(card(3, D), 7), inMeld(card(4, D), 7), freeCard(card(5, D)), freeCard(card(6, D)),
          freeCard(card(11, S))},
         3, {card(6, D), card(5, D), card(4, D)}},
        // No trio holds.
        {{inMeld(card(3, S), 7), inMeld(card(3, C), 7), inMeld(card(3, D), 7), freeCard(card(12, S)),
          freeCard(card(8, H)), freeCard(card(0, D))},
         3, {}},
        // Only the right trio holds, but it would take two cards of the eaten meld and leave its eaten
        // card behind.
        {{freeCard(card(1, S)), freeCard(card(9, C)), freeCard(card(2, S)), inMeld(card(3, S), 8), inMeld(card(4, S), 8),
          inMeld(card(5, S), 8, true)},
         2, {}},
    };
    for (size_t k = 0; k < cases.size(); ++k) {
        RecordingHand r(cases[k].cards);
        r.hand.indexOfCard2 = cases[k].at;
        r.hand.checkDoiPhom();
        std::vector<int> melded;
        for (const PhomCard& c : r.hand.myCards) {
            if (c.phom > 10) melded.push_back(c.cardID);
        }
        EXPECT_EQ(melded, cases[k].meldedIds) << "case " << k;
        EXPECT_EQ(r.sent.size(), cases[k].meldedIds.empty() ? 0u : 2u) << "case " << k;
    }
}
