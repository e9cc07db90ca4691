#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "PhomTestCards.h"
#include "games/phom/PhomMelds.h"

using namespace zuno;
using namespace zuno::test;

namespace {

// Plain references: distinct cards of one rank; or one suit with ranks following one another.
bool referenceSet(std::vector<int> ids) {
    std::sort(ids.begin(), ids.end());
    return ids.size() >= 3 && std::adjacent_find(ids.begin(), ids.end()) == ids.end() &&
           std::all_of(ids.begin(), ids.end(), [&](int id) { return id / 4 == ids[0] / 4; });
}

bool referenceRun(std::vector<int> ids) {
    std::sort(ids.begin(), ids.end());
    for (size_t i = 1; i < ids.size(); ++i) {
        if (ids[i] != ids[i - 1] + 4) return false;
    }
    return ids.size() >= 3;
}

}  // namespace

// Every 3-card combination, and every 4-card one grown from a meld, scrambled among empty entries.
TEST(PhomMelds, EverySmallCombinationAgreesWithTheReference) {
    std::mt19937 rng(7);
    auto check = [&](std::vector<int> ids) {
        std::vector<int> arr(ids);
        arr.resize(6, -1);
        std::shuffle(arr.begin(), arr.end(), rng);
        auto before = arr;
        ASSERT_EQ(PhomMelds::checkPhomBaLa(arr), referenceSet(ids)) << ids[0] << " " << ids[1] << " " << ids[2];
        ASSERT_EQ(PhomMelds::checkPhomSanh(arr), referenceRun(ids)) << ids[0] << " " << ids[1] << " " << ids[2];
        ASSERT_EQ(arr, before);
    };
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c) {
                check({a, b, c});
                if (!referenceSet({a, b, c}) && !referenceRun({a, b, c})) continue;
                for (int d = 0; d < 52; ++d) {
                    if (d != a && d != b && d != c) check({a, b, c, d});
                }
            }
}

TEST(PhomMelds, RepeatedIdsPairsAndBookkeeping) {
    EXPECT_FALSE(PhomMelds::checkPhomBaLa(ids("KS KS KH")));
    EXPECT_FALSE(PhomMelds::checkPhomSanh(ids("4H 5H 5H")));
    EXPECT_FALSE(PhomMelds::checkPhomBaLa(std::array{51, -1, 50, -1}));

    std::array<int, 6> sorted{-1, 9, -1, 3, 40, 0};
    PhomMelds::orderArrayIncrease(sorted);
    EXPECT_EQ(sorted, (std::array<int, 6>{0, 3, 9, 40, -1, -1}));

    EXPECT_EQ(PhomMelds::getAssetArray(std::array{-1, -1, -1, -1}), 0);
    EXPECT_EQ(PhomMelds::getAssetArray(std::array{5, 9, 2, -1}), 3);
    EXPECT_EQ(PhomMelds::getAssetArray(std::array{5, 9, 2, 0}), -1);
}
