#include <gtest/gtest.h>

#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

namespace {

bool wins(bool northern, const Cards& hand, bool newGame) {
    return northern ? CardMBUtils::checkForceFinishWithCards(hand, newGame)
                    : CardUtils::checkForceFinishWithCards(hand, newGame);
}

}  // namespace

TEST(ConsecutivePairs, CountOfTheLongestRun) {
    const struct {
        bool northern;
        const char* cards;
        int pairs;
    } examples[] = {
        {false, "5s 5h", 1},
        {false, "5s 5h 6s 6d 7c 7h", 3},
        {false, "3s 3c 3d 4s 4h 5c 5d 7s 7c 8d 8h 9s 9h", 3},  // a third card of a rank is passed over
        {false, "3s 3c 4s 5c 5d 6s 6h", 2},
        {false, "3s 4c 5s 6c", 0},
        {false, "Js Jh Qs Qh Ks Kh As Ah 2s 2h", 5},
        {false, "", 0},
        {true, "5d 5h 6d 6h 7d 7h", 3},
        {true, "5s 5c 6d 6h", 1},
        {true, "5s 5c 6d 7s 7c", 1},  // another colour after a pair is passed over
        {true, "5s 5c 6s 6c 7s 7c 8s 8c 9s 9c", 5},
    };
    for (const auto& e : examples) {
        const Cards set = cards(e.cards);
        EXPECT_EQ(e.northern ? CardMBUtils::demDoiThong(set) : CardUtils::demDoiThong(set), e.pairs) << e.cards;
    }
    EXPECT_EQ(CardUtils::demDoiThong(Cards(48, 0)), 0);
    EXPECT_EQ(CardMBUtils::demDoiThong(Cards(48, 0)), 0);
}

// Hands as dealt, in any order: the tests read an ascending copy.
TEST(InstantWin, Hands) {
    const struct {
        bool northern;
        const char* hand;
        bool newGame;
        bool wins;
    } examples[] = {
        {false, "3s 4s 5d 6h 7c 8s 9s 10s Jd Qh Kc Ah 5s", false, true},
        {false, "3s 4s 5d 6h 7c 8s 9s 10s Jd Qh Kc 2h 5s", false, false},
        {false, "2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d 8d", false, true},
        {false, "Ac 3s 3c 5d 7h 9c Jh 3d Ks 4d 6d 8d 3h", true, true},
        {false, "Ac 3s 3c 5d 7h 9c Jh 3d Ks 4d 6d 8d 3h", false, false},
        {false, "3s 3c 5s 5c 7s 7c 9s 9c Js Jc Ks Kc 2h", false, true},
        {false, "3s 3c 5s 5c 7s 7c 9s 9c Js Jc Ks Ad 2h", false, false},
        {false, "3s 3c 5s 5c 7s 7c 7d 7h Js Jc Ks Kd 2h", false, true},  // four 7s count as two pairs
        {false, "8c 4s 4c 5s 5c 6s 6c 7s 7c 8s Js Qd Kh", false, true},
        {false, "4s 4c 5s 5c 6s 6c 7s 7c 9s 10c Js Qd Kh", false, false},
        {true, "2h 3s 4s 5s 6s 7s 8s 9s 10s Js Qs Ks As", false, true},
        {true, "3s 4s 5s 6s 7s 8s 9s 10s Js Qs Ks Ah 2h", false, false},
        {true, "3s 4s 5s 5h 6s 7s 8s 9s 10s Js Qs Ks As", false, false},  // neighbours only, as it always read
        {true, "3s 3c 5d 5h 7s 7c 9d 9h Js Jc Ks Kc 2h", false, true},
        {true, "3s 3c 5d 5h 7s 7c 9d 9h Js Jc Ks Kd 2h", false, false},
        {true, "2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d 8d", false, true},
        {true, "Ac 3s 3c 5d 7h 9c Jh 3d Ks 4d 6d 8d 3h", true, true},
        {true, "4s 4c 5s 5c 6s 6c 7s 7c 8s 8c Js Qd Kh", false, true},
        {true, "4s 4c 5s 5c 6d 6h 7s 7c 8s 8c Js Qd Kh", false, false},
    };
    std::mt19937 rng(3);
    for (const auto& e : examples) {
        Cards hand = cards(e.hand);
        EXPECT_EQ(wins(e.northern, hand, e.newGame), e.wins) << e.hand;
        std::shuffle(hand.begin(), hand.end(), rng);
        EXPECT_EQ(wins(e.northern, hand, e.newGame), e.wins) << "shuffled " << e.hand;
    }
    // Only a whole deal is tested; of a longer list, the first 13 cards.
    EXPECT_FALSE(wins(false, cards("2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d"), false));
    EXPECT_TRUE(wins(true, cards("2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d 8d 3c"), false));
}

TEST(InstantWin, NorthernThreeOfSpadesWithThreePairs) {
    EXPECT_TRUE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3s 3c 4s 4c 5s 5c 7d 9h Jh Ks 6d Ad 2c")));
    EXPECT_TRUE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("Ks 5c 4s 3c 3s 4c 5s 7d 9h Jh 6d Ad 2c")));
    EXPECT_FALSE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3c 3d 4s 4c 5s 5c 7d 9h Jh Ks 6d Ad 2c")));
    EXPECT_FALSE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3s 3c 4d 4h 5s 5c 7d 9h Jh Ks 6d Ad 2c")));
    EXPECT_FALSE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3s 3c 4s 4c 5s 5c")));
}
