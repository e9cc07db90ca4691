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

std::array<int, 6> window(std::initializer_list<int> ids) {
    std::array<int, 6> w;
    w.fill(-1);
    std::copy(ids.begin(), ids.end(), w.begin());
    return w;
}

// Plain references: one rank throughout; or one suit with ranks following one another.
bool referenceSet(std::vector<int> ids) {
    if (ids.size() < 3) return false;
    std::sort(ids.begin(), ids.end());
    if (std::adjacent_find(ids.begin(), ids.end()) != ids.end()) return false;
    return std::all_of(ids.begin(), ids.end(), [&](int id) { return id / 4 == ids[0] / 4; });
}

bool referenceRun(std::vector<int> ids) {
    if (ids.size() < 3) return false;
    std::vector<int> ranks;
    for (int id : ids) {
        if (id % 4 != ids[0] % 4) return false;
        ranks.push_back(id / 4);
    }
    std::sort(ranks.begin(), ranks.end());
    for (size_t i = 1; i < ranks.size(); ++i) {
        if (ranks[i] != ranks[i - 1] + 1) return false;
    }
    return true;
}

}  // namespace

TEST(PhomMelds, SetsAndRunsOfTheRules) {
    EXPECT_TRUE(PhomMelds::checkPhomBaLa(window({card(12, S), card(12, H), card(12, D)})));
    EXPECT_FALSE(PhomMelds::checkPhomBaLa(window({card(12, S), card(12, H)})));
    EXPECT_FALSE(PhomMelds::checkPhomBaLa(window({card(12, S), card(12, S), card(12, H)})));
    EXPECT_TRUE(PhomMelds::checkPhomBaLa(window({card(4, S), card(4, C), card(4, D), card(4, H)})));

    EXPECT_TRUE(PhomMelds::checkPhomSanh(window({card(2, H), card(0, H), card(1, H)})));
    EXPECT_FALSE(PhomMelds::checkPhomSanh(window({card(11, H), card(12, H), card(0, H)})));
    EXPECT_FALSE(PhomMelds::checkPhomSanh(window({card(3, H), card(4, H), card(5, S)})));
    EXPECT_FALSE(PhomMelds::checkPhomSanh(window({card(3, H), card(4, H), card(4, H)})));
    EXPECT_TRUE(PhomMelds::checkPhomSanh(window({card(3, C), card(7, C), card(5, C), card(4, C), card(6, C)})));
    EXPECT_FALSE(PhomMelds::checkPhomSanh(window({card(3, C), card(7, C), card(5, C)})));
}

TEST(PhomMelds, TestsLeaveTheirArrayAlone) {
    auto w = window({card(5, S), card(3, S), card(4, S)});
    auto before = w;
    EXPECT_TRUE(PhomMelds::checkPhomSanh(w));
    EXPECT_FALSE(PhomMelds::checkPhomBaLa(w));
    EXPECT_EQ(w, before);
}

// Every 3- and 4-card combination, in a scrambled order with empty entries around it.
TEST(PhomMelds, EverySmallCombinationAgreesWithTheReference) {
    std::mt19937 rng(7);
    auto check = [&](std::vector<int> ids) {
        std::vector<int> arr(ids);
        arr.resize(6, -1);
        std::shuffle(arr.begin(), arr.end(), rng);
        ASSERT_EQ(PhomMelds::checkPhomBaLa(arr), referenceSet(ids)) << ids[0] << " " << ids[1] << " " << ids[2];
        ASSERT_EQ(PhomMelds::checkPhomSanh(arr), referenceRun(ids)) << ids[0] << " " << ids[1] << " " << ids[2];
    };
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c) {
                check({a, b, c});
                // Four-card melds only arise from three-card ones, so extend those.
                if (referenceSet({a, b, c}) || referenceRun({a, b, c})) {
                    for (int d = 0; d < 52; ++d) {
                        if (d != a && d != b && d != c) check({a, b, c, d});
                    }
                }
            }
}

TEST(PhomMelds, GetAssetArrayGivesTheFirstEmptySlot) {
    EXPECT_EQ(PhomMelds::getAssetArray(std::array<int, 4>{-1, -1, -1, -1}), 0);
    EXPECT_EQ(PhomMelds::getAssetArray(std::array<int, 4>{5, 9, 2, -1}), 3);
    EXPECT_EQ(PhomMelds::getAssetArray(std::array<int, 4>{5, 9, 2, 0}), -1);
}
