// The Poker table's pure functions: amounts, the bet slider, and the outlines of a shown hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/poker/PokerAmounts.h"
#include "games/poker/PokerShowdown.h"

using namespace zuno;

TEST(PokerAmountsTest, AmountsAboveNineThousandNineHundredNinetyNineShowInThousands) {
    const std::vector<std::pair<int32_t, std::string>> cases = {
        {0, "0"}, {9999, "9999"}, {10000, "10k"}, {12500, "12k"}, {25000, "25k"}, {123456, "123k"}};
    for (const auto& [amount, text] : cases) EXPECT_EQ(formatPokerAmount(amount), text) << amount;
}

TEST(PokerAmountsTest, SnappingSteps) {
    const std::vector<std::pair<int32_t, int32_t>> cases = {{0, 1},       {100, 101},   {101, 110},
                                                            {110, 120},   {1000, 1010}, {1001, 1100},
                                                            {1100, 1200}, {499, 500}};
    for (const auto& [value, snapped] : cases) EXPECT_EQ(snapPokerAmount(value), snapped) << value;
}

TEST(PokerAmountsTest, SliderOpensFromTheCallOrFromTheStack) {
    struct Case {
        int32_t toCall, stack, minimum, value, label;
    };
    const std::vector<Case> cases = {
        {0, 5000, 499, 500, 500},  // nothing to call: 499 snaps to 500
        {0, 300, 300, 300, 310},   // a short stack: the label runs ahead of the value
        {300, 5000, 301, 310, 310},  // after a raise to 400 over my 100
        {800, 500, 801, 500, 810},   // the call is above the stack: it opens at the stack
    };
    for (const auto& c : cases) {
        const PokerSlider s = openPokerSlider(c.toCall, c.stack);
        EXPECT_EQ(s.minimum, c.minimum) << c.toCall << "/" << c.stack;
        EXPECT_EQ(s.maximum, c.stack);
        EXPECT_EQ(s.value, c.value) << c.toCall << "/" << c.stack;
        EXPECT_EQ(s.label, c.label) << c.toCall << "/" << c.stack;
    }
    EXPECT_EQ(movePokerSlider(openPokerSlider(0, 5000), 4990).value, 5000);
}

TEST(PokerShowdownTest, FourOfAKindReadsTheFirstPairOfTheFive) {
    EXPECT_EQ(getFourOfAKind({4, 9, 6, -1, 30}), 2);
    EXPECT_EQ(getFourOfAKind({4, 6}), 2);  // a short list
    EXPECT_EQ(getFourOfAKind({}), -1);
    EXPECT_EQ(getFourOfAKind({-1, -1, 0, 8, 12}), -1);
    EXPECT_EQ(getFourOfAKind({0, 4, 8, 12, 16, 17}), -1);  // only five are read
}

namespace {

constexpr auto P = PokerCardLook::Plain;
constexpr auto D = PokerCardLook::Dimmed;
constexpr auto O = PokerCardLook::Outlined;

void expectOutline(const PokerOutline& got, std::array<PokerCardLook, 2> hole, std::vector<PokerCardLook> board) {
    EXPECT_EQ(got.hole, hole);
    EXPECT_EQ(got.board, board);
}

}  // namespace

// Card ids: rank = id / 4, so 0..3 are one rank, 4..7 the next.
TEST(PokerShowdownTest, Outlines) {
    // A hole pair beside an unrelated board pair: the board pair is outlined too.
    expectOutline(outlinePokerHand({0, 20}, {1, 40, 41, 50, 30}, "TWO PAIR", {0, 1, 40, 41, 50}), {O, D},
                  {O, O, O, D, D});
    // A straight all on the board, with no hole card pairing it: nothing outlined.
    expectOutline(outlinePokerHand({48, 37}, {0, 4, 8, 12, 16}, "STRAIGHT", {0, 4, 8, 12, 16}), {P, P},
                  {P, P, P, P, P});
    // A straight with one hole card in it.
    expectOutline(outlinePokerHand({16, 49}, {0, 4, 8, 12, 30}, "STRAIGHT", {0, 4, 8, 12, 16}), {O, D},
                  {O, O, O, O, D});
    // A flush of the board and one hole card.
    expectOutline(outlinePokerHand({1, 2}, {5, 9, 13, 17, 40}, "FLUS", {1, 5, 9, 13, 17}), {O, D},
                  {O, O, O, O, D});
    // Four of a kind with a hole card in it; all on the board with no hole card of the rank: nothing.
    expectOutline(outlinePokerHand({8, 40}, {9, 10, 11, 0, 30}, "FOUR OF A KIND", {8, 9, 10, 11, 40}), {O, D},
                  {O, O, O, D, D});
    expectOutline(outlinePokerHand({40, 44}, {8, 9, 10, 11, 0}, "FOUR OF A KIND", {8, 9, 10, 11, 44}), {P, P},
                  {P, P, P, P, P});
}

TEST(PokerShowdownTest, HighCardWinnerOutlinesTheHigherHoleCard) {
    expectOutline(outlinePokerWinner({3, 40}, {8, 13, 22}, "HIGH CARD", {}), {D, O}, {D, D, D});
    expectOutline(outlinePokerWinner({20, 20}, {}, "HIGH CARD", {}), {O, D}, {});
    // Any other name outlines as a seat's own hand does.
    expectOutline(outlinePokerWinner({0, 20}, {1, 40}, "ONE PAIR", {0, 1}), {O, D}, {O, D});
}
