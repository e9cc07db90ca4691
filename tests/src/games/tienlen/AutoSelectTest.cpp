#include <gtest/gtest.h>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "platform/core/Log.h"
#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

namespace {

using Positions = std::vector<int8_t>;

// The hand's raised ids after one automatic selection on the table set.
Cards pick(bool northern, const std::string& table, TienLenHand& hand) {
    if (northern)
        CardMBUtils::autoSelect(cards(table), hand);
    else
        CardUtils::autoSelect(cards(table), hand);
    return sorted(hand.getSelectedCardsValue());
}

Cards pickSouth(const std::string& table, TienLenHand& hand) { return pick(false, table, hand); }
Cards pickNorth(const std::string& table, TienLenHand& hand) { return pick(true, table, hand); }

TienLenHand handOf(const std::string& names) { return TienLenHand(cards(names)); }

}  // namespace

TEST(AutoSelect, LeadingWalksUpTheHandAndWrapsAround) {
    TienLenHand hand = handOf("3s 5d 7h Ks 2h");
    EXPECT_EQ(CardUtils::autoSelect({}, hand), Positions{0});
    EXPECT_EQ(pickSouth("", hand), cards("5d"));
    EXPECT_EQ(pickSouth("", hand), cards("7h"));
    hand.unSelectAllCards();
    hand.selectCardAt(4);
    EXPECT_EQ(pickSouth("", hand), cards("3s"));
    TienLenHand empty;
    EXPECT_TRUE(CardUtils::autoSelect({}, empty).empty());
}

TEST(AutoSelect, SinglesStartAgainFromTheTable) {
    TienLenHand hand = handOf("4s 8d 9c Jh");
    EXPECT_EQ(pickSouth("8s", hand), cards("8d"));
    EXPECT_EQ(pickSouth("8s", hand), cards("9c"));
    EXPECT_EQ(pickSouth("8s", hand), cards("Jh"));
    EXPECT_EQ(pickSouth("8s", hand), cards("8d"));
    EXPECT_TRUE(pickSouth("Qs", hand).empty());
}

TEST(AutoSelect, LoneTwoIsChoppedFirst) {
    TienLenHand hand = handOf("4s 4c 5d 5h 6s 6h 9s 9c 9d 9h Ah");
    EXPECT_EQ(pickSouth("2d", hand), cards("4s 4c 5d 5h 6s 6h"));
    TienLenHand quad = handOf("4s 9s 9c 9d 9h Ah");
    EXPECT_EQ(pickSouth("2d", quad), cards("9s 9c 9d 9h"));
    TienLenHand none = handOf("4s 9s Ah 2h");
    EXPECT_EQ(pickSouth("2d", none), cards("2h"));
}

TEST(AutoSelect, PairsTriplesAndStraightsMoveUpFromTheRaisedCards) {
    TienLenHand hand = handOf("4s 6d 6h 8s 8c 8h 9d 10c Jh Qs");
    EXPECT_EQ(CardUtils::autoSelect(cards("5s 5c"), hand), (Positions{1, 2}));
    EXPECT_EQ(pickSouth("5s 5c", hand), cards("8s 8c"));  // above the raised 6h
    EXPECT_EQ(CardUtils::autoSelect(cards("7s 7c 7d"), hand), (Positions{3, 4, 5}));
    hand.unSelectAllCards();
    EXPECT_EQ(CardUtils::autoSelect(cards("5s 6s 7c"), hand), (Positions{7, 6, 3}));
    EXPECT_EQ(pickSouth("5s 6s 7c 8d 9h", hand), cards("8s 9d 10c Jh Qs"));
}

TEST(AutoSelect, NoHigherTripleLeavesNothingRaised) {
    TienLenHand hand = handOf("5s 5c 5d 7h Kc");
    hand.selectCardAt(3);
    EXPECT_TRUE(CardUtils::autoSelect(cards("9s 9c 9d"), hand).empty());
    EXPECT_TRUE(hand.getSelectedCardsValue().empty());
}

TEST(AutoSelect, FourConsecutivePairsChopFourOfAKindWhateverIsRaised) {
    TienLenHand hand = handOf("3s 6s 6c 7s 7c 8s 8c 9s 9c Ah");
    hand.selectCardAt(9);  // the ace lies above the table's four 5s
    EXPECT_EQ(pickSouth("5s 5c 5d 5h", hand), cards("6s 6c 7s 7c 8s 8c 9s 9c"));
    TienLenHand withFour = handOf("3s 6s 6c 6d 6h Ah");
    withFour.selectCardAt(5);
    EXPECT_EQ(pickSouth("5s 5c 5d 5h", withFour), cards("6s 6c 6d 6h"));
}

TEST(AutoSelect, PairOfTwosFallsToFourOfAKindNotToThreePairs) {
    TienLenHand hand = handOf("3s 3c 3d 3h 5s 5c");
    EXPECT_EQ(pickSouth("2s 2c", hand), cards("3s 3c 3d 3h"));
    TienLenHand pairs = handOf("3s 3c 4d 4h 5s 5c");
    EXPECT_TRUE(pickSouth("2s 2c", pairs).empty());
}

TEST(AutoSelect, FindersReportHandPositions) {
    const Cards hand = cards("Ks 4d 4s Kh 9c 4h Kc 5c 6c");
    EXPECT_EQ(CardUtils::findAndSelectTwin(card("4s"), hand), (Positions{0, 3}));
    EXPECT_EQ(CardUtils::findAndSelectTriple(-1, hand), (Positions{3, 6, 0}));
    EXPECT_EQ(CardUtils::findAndSelectSeries(-1, hand, 3), (Positions{8, 7, 1}));
    EXPECT_TRUE(CardUtils::findAndSelectQuart(-1, hand).empty());
    EXPECT_TRUE(CardUtils::findAndSelectQuart(-1, cards("2s 2c 2d 2h 3s")).empty());
    EXPECT_EQ(CardUtils::findDoubleSequence(-1, cards("3s 3c 4s 4c 5s 5c 6s 6c"), 3), (Positions{7, 6, 5, 4, 3, 2}));
    EXPECT_TRUE(CardUtils::findAndSelectSeries(-1, hand, 0).empty());
    EXPECT_TRUE(CardUtils::findDoubleSequence(-1, hand, -2).empty());
    EXPECT_TRUE(CardUtils::findAndSelectTwin(-1, Cards{-1, 0}).empty());  // a face-down card pairs with nothing
}

TEST(AutoSelectNorth, SinglesKeepTheSuitOrPlayATwo) {
    TienLenHand hand = handOf("9s 10h Jh 2c");
    EXPECT_EQ(pickNorth("7h", hand), cards("10h"));
    EXPECT_EQ(pickNorth("7h", hand), cards("Jh"));
    EXPECT_EQ(pickNorth("7h", hand), cards("2c"));
    EXPECT_EQ(pickNorth("7h", hand), cards("10h"));
    // The lowest card of the suit wins over a 2 met first.
    TienLenHand twoFirst = handOf("2c Jh 10h");
    EXPECT_EQ(pickNorth("7h", twoFirst), cards("10h"));
}

TEST(AutoSelectNorth, PairsTriplesAndStraightsFollowTheTableSuits) {
    TienLenHand hand = handOf("9s 9c 9d 9h Jd Jh 2s 2d");
    EXPECT_EQ(pickNorth("8s 8c", hand), cards("9s 9c"));
    EXPECT_EQ(pickNorth("8s 8c", hand), cards("2s 2d"));
    hand.unSelectAllCards();
    EXPECT_EQ(pickNorth("8d 8h", hand), cards("9d 9h"));
    hand.unSelectAllCards();
    EXPECT_EQ(pickNorth("8s 8d 8h", hand), cards("9s 9d 9h"));
    TienLenHand straight = handOf("4s 6h 7h 8d 8h");
    EXPECT_EQ(pickNorth("3h 4h 5h", straight), cards("6h 7h 8h"));
    straight.unSelectAllCards();
    EXPECT_TRUE(pickNorth("3s 4s 5s", straight).empty());
    EXPECT_TRUE(CardMBUtils::findAndSelectSeries(-1, cards("5h 6h 7h"), 3).empty());
}

TEST(AutoSelectNorth, ConsecutivePairsUseEveryPositionAndCompareRanks) {
    // Pairs at both ends of the hand.
    EXPECT_EQ(CardMBUtils::findDoubleSequence(-1, cards("3s 3c 4s 4c 5s 5c"), 3), (Positions{4, 5, 2, 3, 0, 1}));
    // A spade next to a club of another rank is no pair.
    EXPECT_TRUE(CardMBUtils::findDoubleSequence(-1, cards("3s 4c 4s 5c 5s 6c"), 2).empty());
}

TEST(AutoSelectNorth, ConsecutivePairsKeepOneColour) {
    EXPECT_TRUE(CardMBUtils::findDoubleSequence(-1, cards("5s 5c 6d 6h 7s 7c"), 3).empty());
    // On red pairs, the red run is taken, not the black one found first.
    TienLenHand hand = handOf("6s 6c 6d 6h 7s 7c 7d 7h 8s 8c 8d 8h");
    EXPECT_EQ(pickNorth("3d 3h 4d 4h 5d 5h", hand), cards("6d 6h 7d 7h 8d 8h"));
    TienLenHand chop = handOf("4s 4c 5s 5c 6s 6c Kh");
    EXPECT_EQ(pickNorth("2h", chop), cards("4s 4c 5s 5c 6s 6c"));
}

// Whatever the hand and the table, what automatic selection raises is a legal set that goes on the
// table, asked once or again and again, and the positions it reports are the ones raised.
TEST(AutoSelect, RaisedCardsAlwaysBeatTheTable) {
    std::mt19937 rng(2024);
    std::array<int, 7> hits{};
    for (int round = 0; round < 8000; ++round) {
        const bool northern = round % 2 == 1;
        const auto tableType = static_cast<int8_t>(randomInt(rng, 0, 6));
        const Cards table = randomCombination(tableType, northern, rng);
        auto free = [&](const Cards& dealt, int8_t id) {
            return std::find(table.begin(), table.end(), id) == table.end() &&
                   std::find(dealt.begin(), dealt.end(), id) == dealt.end();
        };
        // Half the hands hold a set of the table's kind (or a chop), the rest is random.
        Cards dealt;
        if (round % 4 < 2) {
            const bool sameKind = randomInt(rng, 0, 1) == 0;
            const auto type = sameKind ? tableType : static_cast<int8_t>(randomInt(rng, 0, 6));
            for (int8_t id : randomCombination(type, northern, rng, sameKind ? static_cast<int>(table.size()) : 0))
                if (free(dealt, id)) dealt.push_back(id);
        }
        Cards deck;
        for (int id = 0; id < 52; ++id) deck.push_back(static_cast<int8_t>(id));
        std::shuffle(deck.begin(), deck.end(), rng);
        for (int8_t id : deck)
            if (dealt.size() < 13 && free(dealt, id)) dealt.push_back(id);
        std::shuffle(dealt.begin(), dealt.end(), rng);
        if (round % 3 != 0) std::sort(dealt.begin(), dealt.end());
        TienLenHand hand(dealt);
        // Northern selection follows the suit of the player's last raised card, so only southern hands
        // start with cards the player raised.
        if (!northern)
            for (int p = 0; p < 13; ++p)
                if (randomInt(rng, 0, 5) == 0) hand.selectCardAt(p);

        for (int request = 0; request < 4; ++request) {
            const Positions found = northern ? CardMBUtils::autoSelect(table, hand) : CardUtils::autoSelect(table, hand);
            std::vector<int> asInts(found.begin(), found.end());
            std::sort(asInts.begin(), asInts.end());
            ASSERT_EQ(asInts, hand.selectedPositions());
            if (found.empty()) break;
            const Cards raised = hand.getSelectedCardsValue();
            const int8_t type = northern ? CardMBUtils::getType(raised) : CardUtils::getType(raised);
            const int8_t onTable = northern ? CardMBUtils::getType(table) : CardUtils::getType(table);
            sys::Log::clearCaptured();
            ASSERT_NE(type, Type::kInvalid) << "north " << northern << " round " << round;
            ASSERT_TRUE(northern ? CardMBUtils::available(raised, type, table, onTable)
                                 : CardUtils::available(raised, type, table, onTable))
                << "north " << northern << " round " << round;
            ++hits[static_cast<size_t>(tableType)];
        }
    }
    for (int count : hits) EXPECT_GT(count, 20);
}
