#include <gtest/gtest.h>

#include "PhomTestCards.h"
#include "games/phom/PhomRequestBytes.h"

using namespace zuno;
using namespace zuno::test;

namespace {
// [meld 5: 4, 8, 12][free 20][meld 7: 30, 31, 29]
const std::vector<PhomCard> kHand = {inMeld(4, 5), inMeld(8, 5), inMeld(12, 5), freeCard(20),
                                     inMeld(30, 7), inMeld(31, 7), inMeld(29, 7)};
}  // namespace

TEST(PhomRequestBytes, LayDownGroupsMeldsWithOneSeparator) {
    EXPECT_EQ(PhomRequestBytes::haPhom(3, 9, kHand), (std::vector<int8_t>{3, 9, 4, 8, 12, -1, 30, 31, 29}));
    // Two melds side by side; a free card after the last meld; free cards first.
    std::vector<PhomCard> hand = {freeCard(40), inMeld(4, 5), inMeld(8, 5), inMeld(12, 5), inMeld(30, 300),
                                  inMeld(31, 300), inMeld(29, 300), freeCard(20), freeCard(44)};
    EXPECT_EQ(PhomRequestBytes::haPhom(-1, -128, hand),
              (std::vector<int8_t>{-1, -128, 4, 8, 12, -1, 30, 31, 29, -1}));
    EXPECT_EQ(PhomRequestBytes::haPhom(3, 9, freeCards({1, 2})), (std::vector<int8_t>{3, 9}));
}

TEST(PhomRequestBytes, ResetMeldsWithTheEatenCard) {
    std::vector<int8_t> slots = {12, 13, 14, -1, -1};
    EXPECT_EQ(PhomRequestBytes::doResetPhomEat(3, 9, slots, 13), (std::vector<int8_t>{3, 9, 13, 12, 13, 14}));
    std::vector<int8_t> full = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(PhomRequestBytes::doResetPhomEat(3, 9, full, 0), (std::vector<int8_t>{3, 9, 0, 1, 2, 3, 4, 5}));
    std::vector<int8_t> shortSlots = {7};
    EXPECT_EQ(PhomRequestBytes::doResetPhomEat(3, 9, shortSlots, 8), (std::vector<int8_t>{3, 9, 8, 7}));
}

TEST(PhomNewRequestBytes, MeldsOfThreeAdjacentCards) {
    std::vector<int8_t> expected = {3, 9, 2, 4, 8, 12, -1, 30, 31, 29, -1};
    EXPECT_EQ(PhomNewRequestBytes::haPhom(3, 9, kHand), expected);
    EXPECT_EQ(PhomNewRequestBytes::doResetPhom(3, 9, kHand), expected);
    EXPECT_EQ(PhomNewRequestBytes::doResetPhom(3, 9, {}), (std::vector<int8_t>{3, 9, 0}));
}

TEST(PhomNewRequestBytes, AMeldCutShortByTheEndOfTheHandIsNotSent) {
    std::vector<PhomCard> hand = {inMeld(4, 5), inMeld(8, 5), inMeld(12, 5), freeCard(20), inMeld(30, 7), inMeld(31, 7)};
    EXPECT_EQ(PhomNewRequestBytes::doResetPhom(3, 9, hand), (std::vector<int8_t>{3, 9, 1, 4, 8, 12, -1}));
    EXPECT_EQ(PhomNewRequestBytes::haPhom(3, 9, std::vector<PhomCard>{inMeld(4, 5)}), (std::vector<int8_t>{3, 9, 0}));
}
