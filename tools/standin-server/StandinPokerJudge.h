#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuno::standin {

// The stand-in's small poker hand evaluator, on card ids (rank = id / 4 with the ace as 0, suit =
// id % 4); in play the ace counts high, and low only in the straight up to five.
namespace pokerjudge {

using Cards = std::vector<int8_t>;

enum class Category : uint8_t {
    HighCard,
    Pair,
    TwoPairs,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush,
};

struct Hand {
    Category category = Category::HighCard;
    std::vector<int> order;  // the values that decide between two hands of the category, highest first
    Cards best;              // the best five cards (fewer when fewer were given)
};

// The best five of up to seven cards.
Hand best(const Cards& cards);
// Below 0 when a loses to b, 0 for a tie, above 0 when a wins.
int compare(const Hand& a, const Hand& b);
// The name the table shows: "HIGH CARD", "PAIR", "TWO PAIRS", "THREE OF A KIND", "STRAIGHT", "FLUS",
// "FULL HOUSE", "FOUR OF A KIND", "STRAIGHT FLUS", "ROYAL FLUS".
std::string name(Category category);

}  // namespace pokerjudge
}  // namespace zuno::standin
