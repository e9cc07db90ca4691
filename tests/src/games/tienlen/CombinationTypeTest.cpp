#include <gtest/gtest.h>

#include <numeric>

#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

TEST(CombinationType, EverySmallSetMatchesCountingReference) {
    for (int n = 1; n <= 4; ++n)
        forEachSet(n, [&](const Cards& set) {
            for (bool northern : {false, true}) ASSERT_EQ(typeOf(northern, set), referenceType(set, northern)) << n;
        });
}

// Combinations and random handfuls dealt in any order: once sorted, their type is the reference's.
TEST(CombinationType, SortedRandomSetsMatchCountingReference) {
    std::mt19937 rng(9);
    Cards deck(52);
    std::iota(deck.begin(), deck.end(), int8_t{0});
    for (int round = 0; round < 6000; ++round) {
        for (bool northern : {false, true}) {
            Cards set = randomCombination(static_cast<int8_t>(randomInt(rng, 0, 6)), northern, rng);
            if (round % 2 == 1) {
                std::shuffle(deck.begin(), deck.end(), rng);
                set.assign(deck.begin(), deck.begin() + randomInt(rng, 1, 13));
            }
            std::shuffle(set.begin(), set.end(), rng);
            CardUtils::sort(set);
            ASSERT_EQ(typeOf(northern, set), referenceType(set, northern)) << "round " << round;
        }
    }
}

TEST(CombinationType, LongerSetsOfBothVariants) {
    const struct {
        bool northern;
        const char* cards;
        int8_t type;
    } examples[] = {
        {false, "10s Jd Qh Kc Ah", Type::kStraight},
        {false, "3s 5d 7h 9c Jh", Type::kInvalid},
        {false, "Ks Kh As Ad 2s 2h", Type::kThreeConsecutivePairs},  // 2s may close consecutive pairs
        {false, "5s 5h 6s 6d 7c 7h 8s 8c", Type::kFourConsecutivePairs},
        {false, "5s 5h 6s 6d 8c 8h", Type::kInvalid},
        {true, "5s 5h 6s 6h 7s 7h", Type::kInvalid},
        {true, "5d 5h 6d 6h 7d 7h", Type::kThreeConsecutivePairs},
        {true, "Ks Kc As Ac 2s 2c", Type::kInvalid},
        {true, "5s 5c 6s 6c 7s 7c 8s 8c", Type::kFourConsecutivePairs},
        {true, "9h 10h Jh Qh Kh", Type::kStraight},
        {true, "9h 10h Jd Qh Kh", Type::kInvalid},
    };
    for (const auto& e : examples) EXPECT_EQ(typeOf(e.northern, cards(e.cards)), e.type) << e.cards;
}

// The screens always pass ascending sets; the rules read them as given.
TEST(CombinationType, PositionsAreReadAsGiven) {
    EXPECT_EQ(CardUtils::getType(cards("4s 3s 5s")), Type::kInvalid);
    EXPECT_EQ(CardUtils::getType(Cards{-1, 2}), Type::kPair);  // rank = id / 4
    EXPECT_EQ(CardUtils::getType(Cards{}), Type::kInvalid);
    EXPECT_TRUE(CardUtils::available(cards("Ks Kd"), Type::kPair, cards("Kh Kc"), Type::kPair));
    Cards set = cards("2h 3s Kd 10c 3c");
    set.push_back(-1);
    CardUtils::sort(set);
    EXPECT_EQ(set, (Cards{-1, card("3s"), card("3c"), card("10c"), card("Kd"), card("2h")}));
}

TEST(CombinationType, NorthernTypeIsLogged) {
    sys::Log::clearCaptured();
    for (const char* set : {"4h", "5d 5h", "7s 7c 7h", "5d 5h 6d 6h 7d 7h", "5s 5c 6s 6c 7s 7c 8s 8c",
                            "9s 9c 9d 9h", "3h 4h 5h", "5s 5h"})
        CardMBUtils::getType(cards(set));
    EXPECT_EQ(sys::Log::captured(), (std::vector<std::string>{"TYPE_1", "TYPE_2", "TYPE_3", "TYPE_3DOITHONG",
                                                              "TYPE_4DOITHONG", "TYPE_TUQUY", "TYPE_SANH",
                                                              "---------1"}));
}
