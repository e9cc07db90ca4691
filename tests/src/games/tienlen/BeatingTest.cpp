#include <gtest/gtest.h>

#include <map>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "platform/core/Log.h"
#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

namespace {

bool beats(bool northern, const Cards& played, const Cards& table) {
    if (northern) {
        const bool result = CardMBUtils::available(played, CardMBUtils::getType(played), table,
                                                   CardMBUtils::getType(table));
        sys::Log::clearCaptured();
        return result;
    }
    return CardUtils::available(played, CardUtils::getType(played), table, CardUtils::getType(table));
}

bool beatsSouth(const std::string& played, const std::string& table) { return beats(false, cards(played), cards(table)); }
bool beatsNorth(const std::string& played, const std::string& table) { return beats(true, cards(played), cards(table)); }

// A small set as the counting reference sees it: ascending, with its top card and suits.
struct SmallSet {
    Cards cards;
    Cards suits;
    int8_t top;
    bool twos;

    explicit SmallSet(const Cards& ascending) : cards(ascending), top(ascending.back()), twos(Card::isTwo(ascending[0])) {
        for (int8_t id : ascending) suits.push_back(static_cast<int8_t>(Card::suit(id)));
    }
};

// Two sets of one type, by counting: a higher top card, the same length, and in the north the same suits
// unless the newcomer is made of 2s.
bool referenceBeatsSameType(bool northern, int8_t type, const SmallSet& played, const SmallSet& table) {
    if (played.top <= table.top || played.cards.size() != table.cards.size()) return false;
    if (!northern || type == Type::kFourOfAKind) return true;
    if ((type == Type::kSingle || type == Type::kPair) && played.twos) return true;
    return played.suits == table.suits;
}

}  // namespace

TEST(Beating, EveryPairOfSmallSetsOfOneType) {
    for (bool northern : {false, true}) {
        std::map<int8_t, std::vector<SmallSet>> byType;
        for (int n = 1; n <= 4; ++n)
            forEachSet(n, [&](const Cards& set) {
                const int8_t type = referenceType(set, northern);
                if (type != Type::kInvalid) byType[type].emplace_back(set);
            });
        for (const auto& [type, sets] : byType) {
            for (const SmallSet& played : sets)
                for (const SmallSet& table : sets) {
                    const bool result = northern ? CardMBUtils::available(played.cards, type, table.cards, type)
                                                 : CardUtils::available(played.cards, type, table.cards, type);
                    ASSERT_EQ(result, referenceBeatsSameType(northern, type, played, table))
                        << northern << " type " << int(type);
                }
        }
    }
}

TEST(Beating, NeverRunsBothWays) {
    std::mt19937 rng(91);
    for (int round = 0; round < 20000; ++round) {
        const bool northern = round % 2 == 1;
        const Cards a = randomCombination(static_cast<int8_t>(randomInt(rng, 0, 6)), northern, rng);
        const Cards b = randomCombination(static_cast<int8_t>(randomInt(rng, 0, 6)), northern, rng);
        ASSERT_FALSE(beats(northern, a, b) && beats(northern, b, a));
    }
}

TEST(Beating, ChopsAndTypesAcrossTheTable) {
    // Low and high sets of every type, valid in both variants and of matching suits type by type.
    const std::vector<std::string> low{"5h", "5h 6h 7h", "5d 5h", "5s 5d 5h", "4d 4h 5d 5h 6d 6h",
                                       "4d 4h 5d 5h 6d 6h 7d 7h", "5s 5c 5d 5h"};
    const std::vector<std::string> high{"Kh", "9h 10h Jh", "Kd Kh", "Ks Kd Kh", "9d 9h 10d 10h Jd Jh",
                                        "9d 9h 10d 10h Jd Jh Qd Qh", "Ks Kc Kd Kh"};
    std::vector<std::string> all(low);
    all.insert(all.end(), high.begin(), high.end());
    all.push_back("2s");
    all.push_back("2s 2c");
    for (bool northern : {false, true})
        for (const auto& table : all)
            for (const auto& played : all) {
                const Cards t = cards(table), p = cards(played);
                const int8_t tableType = CardUtils::getType(t), type = CardUtils::getType(p);
                const bool twos = Card::isTwo(sorted(t).front());
                bool expected = type == tableType && sorted(p).back() > sorted(t).back();
                if (tableType == Type::kSingle && twos) expected |= type >= Type::kThreeConsecutivePairs;
                if (tableType == Type::kPair && twos)
                    expected |= type == Type::kFourConsecutivePairs || type == Type::kFourOfAKind;
                if (tableType == Type::kThreeConsecutivePairs)
                    expected |= type == Type::kFourConsecutivePairs || type == Type::kFourOfAKind;
                if (tableType == Type::kFourOfAKind) expected |= type == Type::kFourConsecutivePairs;
                EXPECT_EQ(beats(northern, p, t), expected) << played << " on " << table << " north " << northern;
            }
}

TEST(Beating, LeadingTakesAnyValidSet) {
    for (bool northern : {false, true}) {
        EXPECT_TRUE(beats(northern, cards("3s"), {}));
        EXPECT_TRUE(beats(northern, cards("3s 3c 3d 3h"), {}));
        EXPECT_FALSE(beats(northern, cards("3s 5c"), {}));
        EXPECT_FALSE(beats(northern, {}, {}));
    }
    EXPECT_TRUE(CardUtils::available(cards("4s"), Type::kSingle, cards("Ah"), Type::kInvalid));
    EXPECT_FALSE(CardUtils::available(cards("4s 5s 6s"), Type::kStraight, cards("Ah"), 7));
}

TEST(Beating, SouthernExamples) {
    EXPECT_TRUE(beatsSouth("Ks Kh As Ad 2s 2h", "2h"));
    EXPECT_TRUE(beatsSouth("3s 3c 3d 3h", "2s"));
    EXPECT_TRUE(beatsSouth("3s 3c 3d 3h", "2c 2h"));
    EXPECT_FALSE(beatsSouth("4s 4h 5s 5h 6s 6h", "2c 2h"));
    EXPECT_FALSE(beatsSouth("8s 9s 10s Js", "3s 4s 5s 6s 7s"));
    EXPECT_TRUE(beatsSouth("8h", "8s"));
    EXPECT_TRUE(beatsSouth("8s 8h", "8c 8d"));
    EXPECT_FALSE(beatsSouth("8c 8d", "8s 8h"));
    // The table's order does not matter: its top card is its highest.
    EXPECT_TRUE(CardUtils::available(cards("9h"), Type::kSingle, cards("9d"), Type::kSingle));
    EXPECT_FALSE(CardUtils::available(cards("Kd Ks"), Type::kPair, cards("Kh Kc"), Type::kPair));
}

TEST(Beating, NorthernSuitsMustMatch) {
    EXPECT_FALSE(beatsNorth("9s", "7h"));
    EXPECT_TRUE(beatsNorth("9h", "7h"));
    EXPECT_TRUE(beatsNorth("2s", "7h"));
    EXPECT_FALSE(beatsNorth("9d 9h", "8s 8c"));
    EXPECT_TRUE(beatsNorth("9s 9c", "8s 8c"));
    EXPECT_TRUE(beatsNorth("2d 2h", "8s 8c"));
    EXPECT_TRUE(beatsNorth("2s 2h", "2c 2d"));
    EXPECT_FALSE(beatsNorth("9s 9d 9h", "8s 8c 8h"));
    EXPECT_TRUE(beatsNorth("9s 9c 9h", "8s 8c 8h"));
    EXPECT_FALSE(beatsNorth("6s 6c 7s 7c 8s 8c", "4d 4h 5d 5h 6d 6h"));
    EXPECT_TRUE(beatsNorth("6d 6h 7d 7h 8d 8h", "4d 4h 5d 5h 6d 6h"));
    EXPECT_TRUE(beatsNorth("3s 3c 3d 3h", "4d 4h 5d 5h 6d 6h"));
    EXPECT_TRUE(CardMBUtils::isSameTypeAndColor(cards("8s 8c"), cards("Ks Kc")));
    EXPECT_FALSE(CardMBUtils::isSameTypeAndColor(cards("8s 8c"), cards("Ks Kc Kh")));
    EXPECT_TRUE(CardMBUtils::isSameColor(cards("8d 9h Kh")));
    EXPECT_FALSE(CardMBUtils::isSameType(cards("8d 9h Kh")));
}
