#include <gtest/gtest.h>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "platform/core/Log.h"
#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

namespace {

int8_t southType(const std::string& names) { return CardUtils::getType(cards(names)); }
int8_t northType(const std::string& names) { return CardMBUtils::getType(cards(names)); }

}  // namespace

TEST(CombinationType, EverySmallSetMatchesCountingReference) {
    for (int n = 1; n <= 4; ++n) {
        forEachSet(n, [&](const Cards& set) {
            Cards reversed(set.rbegin(), set.rend());
            ASSERT_EQ(CardUtils::getType(set), referenceType(set, false)) << n;
            ASSERT_EQ(CardUtils::getType(reversed), referenceType(set, false)) << n;
            ASSERT_EQ(CardMBUtils::getType(reversed), referenceType(set, true)) << n;
            sys::Log::clearCaptured();
        });
    }
}

TEST(CombinationType, RandomCombinationsClassifyInAnyOrder) {
    std::mt19937 rng(9);
    for (int round = 0; round < 4000; ++round) {
        for (bool northern : {false, true}) {
            const auto type = static_cast<int8_t>(randomInt(rng, Type::kSingle, Type::kFourOfAKind));
            Cards set = randomCombination(type, northern, rng);
            const int8_t expected = referenceType(set, northern);
            ASSERT_NE(expected, Type::kInvalid);
            for (int shuffle = 0; shuffle < 3; ++shuffle) {
                std::shuffle(set.begin(), set.end(), rng);
                ASSERT_EQ(northern ? CardMBUtils::getType(set) : CardUtils::getType(set), expected);
            }
        }
        // Any random handful agrees with the reference too, valid or not.
        Cards deck(52);
        for (int i = 0; i < 52; ++i) deck[static_cast<size_t>(i)] = static_cast<int8_t>(i);
        std::shuffle(deck.begin(), deck.end(), rng);
        Cards handful(deck.begin(), deck.begin() + randomInt(rng, 1, 13));
        ASSERT_EQ(CardUtils::getType(handful), referenceType(handful, false));
        ASSERT_EQ(CardMBUtils::getType(handful), referenceType(handful, true));
        sys::Log::clearCaptured();
    }
}

TEST(CombinationType, SouthernExamples) {
    EXPECT_EQ(southType("3s 4d 5h"), Type::kStraight);
    EXPECT_EQ(southType("10s Jd Qh Kc Ah"), Type::kStraight);
    EXPECT_EQ(southType("Qs Kd Ah 2c"), Type::kInvalid);
    EXPECT_EQ(southType("4s 5s"), Type::kInvalid);
    EXPECT_EQ(southType("2h"), Type::kSingle);
    EXPECT_EQ(southType("9s 9c 9d 9h"), Type::kFourOfAKind);
    EXPECT_EQ(southType("3s 5d 7h 9c Jh"), Type::kInvalid);
    // Consecutive pairs may hold 2s in the south.
    EXPECT_EQ(southType("Ks Kh As Ad 2s 2h"), Type::kThreeConsecutivePairs);
    EXPECT_EQ(southType("5s 5h 6s 6d 7c 7h 8s 8c"), Type::kFourConsecutivePairs);
    EXPECT_EQ(southType("5s 5h 6s 6d 8c 8h"), Type::kInvalid);
}

TEST(CombinationType, NorthernSuitsAndColours) {
    EXPECT_EQ(northType("5s 5h"), Type::kInvalid);
    EXPECT_EQ(northType("5d 5h"), Type::kPair);
    EXPECT_EQ(northType("2s 2h"), Type::kPair);
    EXPECT_EQ(northType("3s 4d 5h"), Type::kInvalid);
    EXPECT_EQ(northType("3h 4h 5h"), Type::kStraight);
    EXPECT_EQ(northType("5s 5h 6s 6h 7s 7h"), Type::kInvalid);
    EXPECT_EQ(northType("5d 5h 6d 6h 7d 7h"), Type::kThreeConsecutivePairs);
    EXPECT_EQ(northType("Ks Kc As Ac 2s 2c"), Type::kInvalid);
    EXPECT_EQ(northType("7s 7c 7h"), Type::kTriple);
}

TEST(CombinationType, NorthernTypeIsLogged) {
    sys::Log::clearCaptured();
    northType("5d 5h 6d 6h 7d 7h");
    northType("5s 5h");
    northType("9s 9c 9d 9h");
    EXPECT_EQ(sys::Log::captured(), (std::vector<std::string>{"TYPE_3DOITHONG", "---------1", "TYPE_TUQUY"}));
}

TEST(CombinationType, IdsThatAreNoCardsFormNothing) {
    EXPECT_EQ(CardUtils::getType(Cards{-1}), Type::kInvalid);
    EXPECT_EQ(CardUtils::getType(Cards{-1, 2}), Type::kInvalid);  // -1 / 4 would pass for a 3
    EXPECT_EQ(CardUtils::getType(Cards{52, 53}), Type::kInvalid);
    EXPECT_EQ(CardUtils::getType(Cards{}), Type::kInvalid);
    EXPECT_EQ(CardMBUtils::getType(Cards(60, 4)), Type::kInvalid);
}

TEST(CombinationType, SortIsAscendingBySignedId) {
    Cards set = cards("2h 3s Kd 10c 3c");
    set.push_back(-1);
    CardUtils::sort(set);
    EXPECT_EQ(set, (Cards{-1, card("3s"), card("3c"), card("10c"), card("Kd"), card("2h")}));
}
