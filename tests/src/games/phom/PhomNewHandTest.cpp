#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "PhomTestCards.h"
#include "games/phom/PhomMelds.h"
#include "games/phom/PhomNewHand.h"
#include "games/phom/PhomRequestBytes.h"

using namespace zuno;
using namespace zuno::test;

namespace {

// A hand that records every reset-melds request it sends.
struct RecordingHand {
    PhomNewHand hand;
    std::vector<std::vector<int8_t>> sent;

    explicit RecordingHand(std::vector<PhomCard> cards) {
        hand.myCards = std::move(cards);
        hand.sendResetPhom = [this](std::span<const PhomCard> cards) {
            sent.push_back(PhomNewRequestBytes::doResetPhom(3, 9, cards));
        };
    }
};

}  // namespace

TEST(PhomNewArrangement, TheWorkedExample) {
    RecordingHand r(freeCards({card(4, H), card(6, S), card(4, S), card(5, H), card(12, D), card(6, H), card(4, C),
                               card(1, D), card(6, D)}));
    r.hand.intelligentSort();
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{27, 26, 24, 19, 17, 16, 6, 23, 50}));
    ASSERT_EQ(r.sent.size(), 1u);
    EXPECT_EQ(r.sent[0], (std::vector<int8_t>{3, 9, 2, 27, 26, 24, -1, 19, 17, 16, -1}));
    EXPECT_EQ(r.hand.phomRandom, 7);
}

TEST(PhomNewArrangement, SmallHandsAreSortedButNotSearched) {
    RecordingHand r(freeCards({card(2, H), card(2, S)}));
    r.hand.intelligentSort();
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(2, H), card(2, S)}));
    EXPECT_EQ(r.sent, (std::vector<std::vector<int8_t>>{{3, 9, 0}}));

    RecordingHand empty({});
    empty.hand.intelligentSort();
    EXPECT_EQ(empty.sent.size(), 1u);
}

TEST(PhomNewArrangement, FourOfAKindMakeASetAndAFreeCard) {
    RecordingHand r(freeCards({card(4, S), card(4, C), card(4, D), card(4, H)}));
    r.hand.intelligentSort();
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(4, H), card(4, D), card(4, C), card(4, S)}));
    EXPECT_EQ(r.hand.myCards[3].phom, 0);
}

TEST(PhomNewArrangement, SetsAreSearchedBeforeRuns) {
    RecordingHand r(freeCards({card(2, H), card(3, H), card(4, H), card(3, S), card(3, C)}));
    r.hand.intelligentSort();
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(3, H), card(3, C), card(3, S), card(2, H), card(4, H)}));
    EXPECT_EQ(r.sent.back(), (std::vector<int8_t>{3, 9, 1, card(3, H), card(3, C), card(3, S), -1}));
}

TEST(PhomNewArrangement, RunsAreAceLowWithoutWrapping) {
    RecordingHand low(freeCards({card(2, C), card(0, C), card(1, C)}));
    low.hand.intelligentSort();
    EXPECT_EQ(idsOf(low.hand.myCards), (std::vector<int>{card(2, C), card(1, C), card(0, C)}));
    EXPECT_NE(low.hand.myCards[0].phom, 0);

    RecordingHand high(freeCards({card(11, C), card(12, C), card(0, C)}));
    high.hand.intelligentSort();
    EXPECT_EQ(meldsOf(high.hand.myCards), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(PhomNewHand::canBePhom(freeCard(card(11, C)), freeCard(card(12, C)), freeCard(card(0, C))));
    EXPECT_TRUE(PhomNewHand::canBePhom(freeCard(card(4, C)), freeCard(card(4, H)), freeCard(card(4, S))));
}

TEST(PhomNewArrangement, SetsComeFirstThenHeavierMeldsEqualWeightsKeepingTheirOrder) {
    // A-2-3 of hearts and of spades weigh 6 each; the jack-queen-king run weighs 36 but the set of
    // twos comes first.
    RecordingHand r(freeCards({card(0, S), card(1, S), card(2, S), card(0, H), card(1, H), card(2, H), card(10, D),
                               card(11, D), card(12, D), card(1, C), card(1, D)}));
    r.hand.intelligentSort();
    // The set of twos takes 2C, 2D and 2H, which leaves no run of hearts and puts 3S out of the run
    // search's reach from the ace of spades.
    std::vector<int> ids = idsOf(r.hand.myCards);
    ASSERT_EQ(r.hand.myCards.size(), 11u);
    EXPECT_TRUE(r.hand.isPhomBaLa(r.hand.myCards[0].phom));
    EXPECT_EQ(r.hand.myCards[0].value(), 2);
    EXPECT_EQ((std::vector<int>(ids.begin() + 3, ids.begin() + 6)),
              (std::vector<int>{card(12, D), card(11, D), card(10, D)}));

    RecordingHand tie(freeCards({card(0, S), card(1, S), card(2, S), card(0, H), card(1, H), card(2, H)}));
    tie.hand.intelligentSort();
    EXPECT_EQ(idsOf(tie.hand.myCards),
              (std::vector<int>{card(2, H), card(1, H), card(0, H), card(2, S), card(1, S), card(0, S)}));
}

TEST(PhomNewArrangement, ExistingMeldsAreNeverInterleaved) {
    // A set of fives and a heavier run through the fourth five, numbered by earlier regroupings:
    // each meld's cards stay together, the set first.
    RecordingHand r({inMeld(card(4, S), 20), inMeld(card(4, C), 20), inMeld(card(4, H), 20), inMeld(card(4, D), 21),
                     inMeld(card(5, D), 21), inMeld(card(6, D), 21)});
    r.hand.intelligentSort();
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(4, H), card(4, C), card(4, S), card(6, D), card(5, D), card(4, D)}));
    EXPECT_EQ(r.sent.back(), (std::vector<int8_t>{3, 9, 2, card(4, H), card(4, C), card(4, S), -1, card(6, D), card(5, D),
                                                  card(4, D), -1}));
}

TEST(PhomNewArrangement, MeldNumbersDoNotWrapPastAByte) {
    RecordingHand r(freeCards({card(4, S), card(4, C), card(4, D), card(7, S), card(7, C), card(7, D)}));
    r.hand.phomRandom = 254;
    r.hand.intelligentSort();
    std::vector<int> numbers = meldsOf(r.hand.myCards);
    EXPECT_EQ(std::count(numbers.begin(), numbers.end(), 0), 0);
    EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), 2u);
    EXPECT_EQ(r.sent.back()[2], 2);
}

TEST(PhomNewArrangement, ExistingMeldsStayAndAFreeEatenCardIsInNoMeld) {
    RecordingHand r({freeCard(card(9, C)), inMeld(card(5, S), 40, true), inMeld(card(5, C), 40), freeCard(card(0, D)),
                     inMeld(card(5, H), 40)});
    r.hand.intelligentSort();
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{card(5, H), card(5, C), card(5, S), card(0, D), card(9, C)}));
    EXPECT_TRUE(r.hand.isPhomAn(40));
    r.hand.myCards[0].isFix = true;
    r.hand.myCards[0].phom = 0;
    EXPECT_FALSE(r.hand.isPhomAn(0));
}

namespace {

// The arrangement's promises on any hand: the same cards, melds of three valid cards standing
// together before the free cards, every eaten card in a meld, and a request carrying whole melds.
void expectArranged(const PhomNewHand& hand, const std::vector<int>& idsBefore, bool meldsFirst,
                    const std::vector<int8_t>& lastSent) {
    std::vector<int> ids = idsOf(hand.myCards);
    std::vector<int> a = ids, b = idsBefore;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    ASSERT_EQ(a, b) << "not a permutation";

    std::map<int, std::vector<size_t>> melds;
    bool seenFree = false;
    for (size_t i = 0; i < hand.myCards.size(); ++i) {
        const PhomCard& c = hand.myCards[i];
        ASSERT_NE(c.phom, PhomNewHand::kTrialMeld);
        if (c.isFix) ASSERT_NE(c.phom, 0) << "eaten card left free";
        if (c.phom == 0) {
            seenFree = true;
            continue;
        }
        if (meldsFirst) ASSERT_FALSE(seenFree) << "meld after a free card";
        melds[c.phom].push_back(i);
    }
    std::vector<int8_t> expected = {3, 9, static_cast<int8_t>(melds.size())};
    for (auto& [number, at] : melds) {
        ASSERT_EQ(at.size(), 3u) << "meld " << number << " of " << at.size() << " cards";
        ASSERT_EQ(at[2], at[0] + 2) << "meld " << number << " not together";
        std::vector<int> trio = {hand.myCards[at[0]].cardID, hand.myCards[at[1]].cardID, hand.myCards[at[2]].cardID};
        ASSERT_TRUE(PhomMelds::checkPhomBaLa(trio) || PhomMelds::checkPhomSanh(trio)) << "meld " << number;
    }
    for (size_t i = 0; i < hand.myCards.size();) {
        if (hand.myCards[i].phom == 0) {
            ++i;
            continue;
        }
        for (size_t k = i; k < i + 3; ++k) expected.push_back(hand.myCards[k].cardID);
        expected.push_back(-1);
        i += 3;
    }
    ASSERT_EQ(lastSent, expected);
}

std::vector<PhomCard> randomHand(std::mt19937& rng, size_t size) {
    std::vector<int> deck(52);
    for (int i = 0; i < 52; ++i) deck[static_cast<size_t>(i)] = i;
    std::shuffle(deck.begin(), deck.end(), rng);
    std::vector<PhomCard> cards;
    for (size_t i = 0; i < size; ++i) cards.push_back(freeCard(static_cast<int8_t>(deck[i])));
    return cards;
}

}  // namespace

TEST(PhomNewArrangement, RandomHandsArePermutationsWithWholeValidMeldsFirst) {
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        RecordingHand r(randomHand(rng, 9 + rng() % 5));
        std::vector<int> before = idsOf(r.hand.myCards);
        r.hand.intelligentSort();
        ASSERT_EQ(r.sent.size(), 1u);
        expectArranged(r.hand, before, true, r.sent.back());
    }
}

// Random drags on arranged hands that hold an eaten meld: every drop keeps the melds whole and
// valid and keeps the eaten card in a meld.
TEST(PhomNewArrangement, RandomDropsKeepMeldsWholeAndEatenCardsMelded) {
    std::mt19937 rng(9);
    for (int round = 0; round < 1500; ++round) {
        RecordingHand r(randomHand(rng, 9 + rng() % 3));
        // An eaten meld: the first free run or set that the arrangement finds, with one card eaten.
        r.hand.intelligentSort();
        if (r.hand.myCards[0].phom == 0) continue;
        r.hand.myCards[rng() % 3].isFix = true;
        std::vector<int> before = idsOf(r.hand.myCards);
        for (int drop = 0; drop < 8; ++drop) {
            int count = static_cast<int>(r.hand.myCards.size());
            int from = static_cast<int>(rng() % static_cast<unsigned>(count));
            int to = static_cast<int>(rng() % static_cast<unsigned>(count + 1));
            r.hand.dropCard(from, to);
            ASSERT_EQ(r.hand.indexOfCard2, -1);
            expectArranged(r.hand, before, false, r.sent.back());
        }
    }
}
