#include <gtest/gtest.h>

#include "PhomTestCards.h"
#include "games/phom/PhomRequestBytes.h"

using namespace zuno;
using namespace zuno::test;

using Bytes = std::vector<int8_t>;

namespace {
// [meld 5: ids 4, 8, 12][free 20][meld 7: ids 30, 31, 29]
const std::vector<PhomCard> kHand = cards("2S:5 3S:5 4S:5 6S 8D:7 8H:7 8C:7");
}  // namespace

TEST(PhomRequestBytes, LayDownGroupsMeldsWithOneSeparator) {
    EXPECT_EQ(PhomRequestBytes::haPhom(3, 9, kHand), (Bytes{3, 9, 4, 8, 12, -1, 30, 31, 29}));
    // Free cards first, two melds side by side, a free card after the last meld.
    EXPECT_EQ(PhomRequestBytes::haPhom(-1, -128, cards("JS 2S:5 3S:5 4S:5 8D:300 8H:300 8C:300 6S QS")),
              (Bytes{-1, -128, 4, 8, 12, -1, 30, 31, 29, -1}));
    EXPECT_EQ(PhomRequestBytes::haPhom(3, 9, cards("AS AC")), (Bytes{3, 9}));
}

TEST(PhomRequestBytes, ResetMeldsWithTheEatenCard) {
    EXPECT_EQ(PhomRequestBytes::doResetPhomEat(3, 9, Bytes{12, 13, 14, -1, -1}, 13), (Bytes{3, 9, 13, 12, 13, 14}));
    EXPECT_EQ(PhomRequestBytes::doResetPhomEat(3, 9, Bytes{1, 2, 3, 4, 5, 6}, 0), (Bytes{3, 9, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(PhomRequestBytes::doResetPhomEat(3, 9, Bytes{7}, 8), (Bytes{3, 9, 8, 7}));
}

TEST(PhomNewRequestBytes, MeldsOfThreeAdjacentCardsAndNothingPastTheHand) {
    const Bytes expected = {3, 9, 2, 4, 8, 12, -1, 30, 31, 29, -1};
    EXPECT_EQ(PhomNewRequestBytes::haPhom(3, 9, kHand), expected);
    EXPECT_EQ(PhomNewRequestBytes::doResetPhom(3, 9, kHand), expected);
    EXPECT_EQ(PhomNewRequestBytes::doResetPhom(3, 9, {}), (Bytes{3, 9, 0}));
    // A meld that the end of the hand cuts short is not sent.
    EXPECT_EQ(PhomNewRequestBytes::doResetPhom(3, 9, cards("2S:5 3S:5 4S:5 6S 8D:7 8H:7")), (Bytes{3, 9, 1, 4, 8, 12, -1}));
    EXPECT_EQ(PhomNewRequestBytes::haPhom(3, 9, cards("2S:5")), (Bytes{3, 9, 0}));
}
