#include <gtest/gtest.h>

#include <map>

#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

namespace {

// Two ascending sets of one type, by counting: a higher top card, the same length, and in the north
// the same suits position by position unless the newcomer is a 2 or a pair of 2s.
bool referenceBeatsSameType(bool northern, int8_t type, const Cards& played, const Cards& table) {
    if (played.back() <= table.back() || played.size() != table.size()) return false;
    if (!northern || type == Type::kFourOfAKind) return true;
    if ((type == Type::kSingle || type == Type::kPair) && Card::isTwo(played[0])) return true;
    for (size_t i = 0; i < played.size(); ++i)
        if (Card::suit(played[i]) != Card::suit(table[i])) return false;
    return true;
}

}  // namespace

TEST(Beating, EveryPairOfSmallSetsOfOneType) {
    for (bool northern : {false, true}) {
        std::map<int8_t, std::vector<Cards>> byType;
        for (int n = 1; n <= 4; ++n)
            forEachSet(n, [&](const Cards& set) {
                const int8_t type = referenceType(set, northern);
                if (type != Type::kInvalid) byType[type].push_back(set);
            });
        for (const auto& [type, sets] : byType)
            for (const Cards& played : sets)
                for (const Cards& table : sets) {
                    const bool result = northern ? CardMBUtils::available(played, type, table, type)
                                                 : CardUtils::available(played, type, table, type);
                    ASSERT_EQ(result, referenceBeatsSameType(northern, type, played, table))
                        << northern << " type " << int(type);
                }
    }
}

TEST(Beating, NeverRunsBothWays) {
    std::mt19937 rng(91);
    for (int round = 0; round < 20000; ++round) {
        const bool northern = round % 2 == 1;
        const Cards a = randomCombination(static_cast<int8_t>(randomInt(rng, 0, 6)), northern, rng);
        const Cards b = randomCombination(static_cast<int8_t>(randomInt(rng, 0, 6)), northern, rng);
        ASSERT_FALSE(available(northern, a, b) && available(northern, b, a));
    }
}

// Low and high sets of every type (of matching suits type by type, valid in both variants) and 2s, each
// played on each: the same type with a higher top, or a chop.
TEST(Beating, ChopsAndTypesAcrossTheTable) {
    const std::vector<std::string> all{
        "5h", "5h 6h 7h", "5d 5h", "5s 5d 5h", "4d 4h 5d 5h 6d 6h", "4d 4h 5d 5h 6d 6h 7d 7h", "5s 5c 5d 5h",
        "Kh", "9h 10h Jh", "Kd Kh", "Ks Kd Kh", "9d 9h 10d 10h Jd Jh", "9d 9h 10d 10h Jd Jh Qd Qh", "Ks Kc Kd Kh",
        "2s", "2s 2c"};
    for (bool northern : {false, true})
        for (const auto& onTable : all)
            for (const auto& played : all) {
                const Cards t = cards(onTable), p = cards(played);
                const int8_t tableType = CardUtils::getType(t), type = CardUtils::getType(p);
                const bool twos = Card::isTwo(t[0]);
                bool expected = type == tableType && p.back() > t.back();
                if (tableType == Type::kSingle && twos) expected |= type >= Type::kThreeConsecutivePairs;
                if (tableType == Type::kPair && twos)
                    expected |= type == Type::kFourConsecutivePairs || type == Type::kFourOfAKind;
                if (tableType == Type::kThreeConsecutivePairs)
                    expected |= type == Type::kFourConsecutivePairs || type == Type::kFourOfAKind;
                if (tableType == Type::kFourOfAKind) expected |= type == Type::kFourConsecutivePairs;
                EXPECT_EQ(available(northern, p, t), expected) << played << " on " << onTable << " north " << northern;
            }
}

// Beyond one-to-four-card sets of one type and the cross-type table above.
TEST(Beating, Examples) {
    const struct {
        bool northern;
        const char* played;
        const char* table;
        bool beats;
    } examples[] = {
        {false, "3s 3c 3d 3h", "", true}, {true, "3s", "", true}, {false, "3s 5c", "", false}, {true, "", "", false},
        {false, "Ks Kh As Ad 2s 2h", "2h", true},
        {false, "8s 9s 10s Js", "3s 4s 5s 6s 7s", false},
        {true, "6s 6c 7s 7c 8s 8c", "4d 4h 5d 5h 6d 6h", false},
        {true, "4s 5s 6s 7s", "3h 4h 5h 6h", false},
    };
    for (const auto& e : examples)
        EXPECT_EQ(available(e.northern, cards(e.played), cards(e.table)), e.beats)
            << e.played << " on " << e.table << " north " << e.northern;
    // The table's type decides: -1 is a free lead, an unknown type is beaten by nothing.
    EXPECT_TRUE(CardUtils::available(cards("4s"), Type::kSingle, cards("Ah"), Type::kInvalid));
    EXPECT_FALSE(CardMBUtils::available(cards("4s 5s 6s"), Type::kStraight, cards("Ah"), 7));
    EXPECT_TRUE(CardMBUtils::isSameTypeAndColor(cards("8s 8c"), cards("Ks Kc")));
    EXPECT_FALSE(CardMBUtils::isSameTypeAndColor(cards("8s 8c"), cards("Ks Kc Kh")));
    EXPECT_TRUE(CardMBUtils::isSameColor(cards("8d 9h Kh")));
    EXPECT_FALSE(CardMBUtils::isSameType(cards("8d 9h Kh")));
}
