// The stand-in's poker evaluator on fixed hands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "standin-server/StandinPokerJudge.h"
#include "support/AceLowCards.h"

namespace J = zuno::standin::pokerjudge;
using zuno::testing::aceLowCards;

namespace {
J::Hand best(const std::string& cards) { return J::best(aceLowCards(cards)); }
std::vector<int8_t> sorted(std::vector<int8_t> cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
}
}  // namespace

TEST(StandinPokerJudge, NamesTheBestFiveOfSeven) {
    const struct {
        const char* cards;
        const char* name;
        const char* five;
    } cases[] = {
        {"AS 9C 7D 5H 3S 2C JD", "HIGH CARD", "AS JD 9C 7D 5H"},
        {"AS AC 7D 5H 3S 2C JD", "PAIR", "AS AC JD 7D 5H"},
        {"AS AC 7D 7H 3S 3C JD", "TWO PAIRS", "AS AC 7D 7H JD"},
        {"9S 9C 9D 5H 3S 2C JD", "THREE OF A KIND", "9S 9C 9D JD 5H"},
        {"AS 2C 3D 4H 5S 9C KD", "STRAIGHT", "AS 2C 3D 4H 5S"},
        {"TS JC QD KH AS 2C 3D", "STRAIGHT", "TS JC QD KH AS"},
        {"2H 7H 9H JH KH AS AC", "FLUS", "2H 7H 9H JH KH"},
        {"9S 9C 9D 5H 5S 2C 2D", "FULL HOUSE", "9S 9C 9D 5H 5S"},
        {"9S 9C 9D 9H 5S 2C KD", "FOUR OF A KIND", "9S 9C 9D 9H KD"},
        {"5S 6S 7S 8S 9S TS 2C", "STRAIGHT FLUS", "6S 7S 8S 9S TS"},
        {"TH JH QH KH AH 2C 3D", "ROYAL FLUS", "TH JH QH KH AH"},
    };
    for (const auto& c : cases) {
        const J::Hand hand = best(c.cards);
        EXPECT_EQ(J::name(hand.category), c.name) << c.cards;
        EXPECT_EQ(sorted(hand.best), sorted(aceLowCards(c.five))) << c.cards;
    }
}

TEST(StandinPokerJudge, ComparesWithinACategory) {
    const struct {
        const char* stronger;
        const char* weaker;
    } cases[] = {
        {"AS AC 7D 5H 3S 2C JD", "KS KC 7D 5H 3S 2C JD"},   // the higher pair
        {"AS AC 7D 5H 3S 2C QD", "AH AD 7D 5H 3S 2C JD"},   // the kicker
        {"6S 2C 3D 4H 5S 9C KD", "AS 2C 3D 4H 5S 9C KD"},   // six high beats the wheel
        {"9S 9C 9D 5H 5S 2C 2D", "8S 8C 8D KH KS 2C 2D"},   // the three decide a full house
        {"2H 3D 4C 5S 7H 9C JS", "2S 3H 4D 5C 7S 8D JH"},   // high cards down to the last
    };
    for (const auto& c : cases) {
        EXPECT_GT(J::compare(best(c.stronger), best(c.weaker)), 0) << c.stronger << " / " << c.weaker;
        EXPECT_LT(J::compare(best(c.weaker), best(c.stronger)), 0) << c.stronger << " / " << c.weaker;
    }
    EXPECT_EQ(J::compare(best("AS KC 7D 5H 3S 2C JD"), best("AH KD 7C 5S 3H 2D JC")), 0);
}
