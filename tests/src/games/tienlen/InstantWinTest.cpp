#include <gtest/gtest.h>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

namespace {

bool southWins(const std::string& hand, bool newGame = false) {
    return CardUtils::checkForceFinishWithCards(cards(hand), newGame);
}
bool northWins(const std::string& hand, bool newGame = false) {
    return CardMBUtils::checkForceFinishWithCards(cards(hand), newGame);
}

}  // namespace

TEST(ConsecutivePairs, SouthernCount) {
    EXPECT_EQ(CardUtils::demDoiThong(cards("5s 5h")), 1);
    EXPECT_EQ(CardUtils::demDoiThong(cards("5s 5h 6s 6d 7c 7h")), 3);
    EXPECT_EQ(CardUtils::demDoiThong(cards("3s 3c 3d 4s 4h 5c 5d 7s 7c 8d 8h 9s 9h")), 3);
    EXPECT_EQ(CardUtils::demDoiThong(cards("3s 3c 4s 5c 5d 6s 6h")), 2);
    EXPECT_EQ(CardUtils::demDoiThong(cards("3s 4c 5s 6c")), 0);
    EXPECT_EQ(CardUtils::demDoiThong(cards("Js Jh Qs Qh Ks Kh As Ah 2s 2h")), 5);
    EXPECT_EQ(CardUtils::demDoiThong(Cards(48, 0)), 0);
    EXPECT_EQ(CardUtils::demDoiThong(Cards{}), 0);
}

TEST(ConsecutivePairs, NorthernCountStepsWithinAColour) {
    EXPECT_EQ(CardMBUtils::demDoiThong(cards("5d 5h 6d 6h 7d 7h")), 3);
    EXPECT_EQ(CardMBUtils::demDoiThong(cards("5s 5c 6d 6h")), 1);
    // After a pair, a card of the other colour is passed over without ending the run.
    EXPECT_EQ(CardMBUtils::demDoiThong(cards("5s 5c 6d 7s 7c")), 1);
    EXPECT_EQ(CardMBUtils::demDoiThong(cards("5s 5c 6s 6c 7s 7c 8s 8c 9s 9c")), 5);
}

TEST(InstantWin, SouthernHands) {
    EXPECT_TRUE(southWins("3s 4s 5d 6h 7c 8s 9s 10s Jd Qh Kc Ah 5s"));
    EXPECT_FALSE(southWins("3s 4s 5d 6h 7c 8s 9s 10s Jd Qh Kc 2h 5s"));
    EXPECT_TRUE(southWins("2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d 8d"));
    EXPECT_TRUE(southWins("3s 3c 3d 3h 5d 7h 9c Jh Ks 4d 6d 8d Ac", true));
    EXPECT_FALSE(southWins("3s 3c 3d 3h 5d 7h 9c Jh Ks 4d 6d 8d Ac", false));
    EXPECT_TRUE(southWins("3s 3c 5s 5c 7s 7c 9s 9c Js Jc Ks Kc 2h"));
    EXPECT_FALSE(southWins("3s 3c 5s 5c 7s 7c 9s 9c Js Jc Ks Ad 2h"));
    EXPECT_TRUE(southWins("3s 3c 5s 5c 7s 7c 7d 7h Js Jc Ks Kd 2h"));  // four 7s count as two pairs
    EXPECT_TRUE(southWins("4s 4c 5s 5c 6s 6c 7s 7c 8s 8c Js Qd Kh"));
    EXPECT_FALSE(southWins("4s 4c 5s 5c 6s 6c 7s 7c 9s 10c Js Qd Kh"));
}

TEST(InstantWin, DealOrderDoesNotMatter) {
    std::mt19937 rng(3);
    for (const char* hand : {"3s 4s 5d 6h 7c 8s 9s 10s Jd Qh Kc Ah 5s", "2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d 8d",
                             "3s 3c 5s 5c 7s 7c 9s 9c Js Jc Ks Kc 2h"}) {
        Cards dealt = cards(hand);
        for (int round = 0; round < 20; ++round) {
            std::shuffle(dealt.begin(), dealt.end(), rng);
            EXPECT_TRUE(CardUtils::checkForceFinishWithCards(dealt, false)) << hand;
        }
    }
    Cards threes = cards("Ac 3s 3c 5d 7h 9c Jh 3d Ks 4d 6d 8d 3h");
    EXPECT_TRUE(CardMBUtils::checkForceFinishWithCards(threes, true));
}

TEST(InstantWin, OnlyWholeDealsOfCards) {
    EXPECT_FALSE(southWins("2s 2c 2d 2h"));
    EXPECT_FALSE(CardUtils::checkForceFinishWithCards(Cards(14, 48), false));
    Cards withBack = cards("2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d 8d");
    withBack[4] = -1;
    EXPECT_FALSE(CardUtils::checkForceFinishWithCards(withBack, false));
    EXPECT_FALSE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3s 3c 4s 4c 5s 5c")));
}

TEST(InstantWin, NorthernHands) {
    EXPECT_TRUE(northWins("3s 4s 5s 6s 7s 8s 9s 10s Js Qs Ks As 2h"));
    EXPECT_FALSE(northWins("3s 4s 5s 6s 7s 8s 9s 10s Js Qs Ks Ah 2h"));
    // The dragon walk compares neighbours only, as the rule has always read.
    EXPECT_FALSE(northWins("3s 4s 5s 5h 6s 7s 8s 9s 10s Js Qs Ks As"));
    EXPECT_TRUE(northWins("3s 3c 5d 5h 7s 7c 9d 9h Js Jc Ks Kc 2h"));
    EXPECT_FALSE(northWins("3s 3c 5d 5h 7s 7c 9d 9h Js Jc Ks Kd 2h"));
    EXPECT_TRUE(northWins("2s 2c 2d 2h 3s 5d 7h 9c Jh Ks 4d 6d 8d"));
}

TEST(InstantWin, NorthernThreeOfSpadesWithThreePairs) {
    EXPECT_TRUE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3s 3c 4s 4c 5s 5c 7d 9h Jh Ks 6d Ad 2c")));
    EXPECT_TRUE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("Ks 5c 4s 3c 3s 4c 5s 7d 9h Jh 6d Ad 2c")));
    EXPECT_FALSE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3c 3d 4s 4c 5s 5c 7d 9h Jh Ks 6d Ad 2c")));
    EXPECT_FALSE(CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(cards("3s 3c 4d 4h 5s 5c 7d 9h Jh Ks 6d Ad 2c")));
}
