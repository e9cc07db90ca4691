#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zuno {

// Card ids of the Tien Len games: rank * 4 + suit. Rank 0 is the 3, rank 11 the ace and rank 12 the 2;
// suits run spade, club, diamond, heart, so a higher id is always the stronger card.
struct TienLenCard {
    static constexpr int kDeckSize = 52;
    static constexpr int kRankTwo = 12;
    static constexpr int kSpade = 0, kClub = 1, kDiamond = 2, kHeart = 3;
    static constexpr int kBlack = 0, kRed = 1;

    static constexpr int rank(int id) { return id / 4; }
    static constexpr int suit(int id) { return id % 4; }
    static constexpr int color(int id) { return suit(id) >= kDiamond ? kRed : kBlack; }
    static constexpr bool isTwo(int id) { return id >= 48 && id <= 51; }
    // The bound the chop searches put on their top card (at most the ace of hearts).
    static constexpr bool isBelowTwos(int id) { return id <= 47; }
};

// What a set of cards forms, as one signed byte.
struct TienLenCombination {
    static constexpr int8_t kInvalid = -1;
    static constexpr int8_t kSingle = 0;
    static constexpr int8_t kStraight = 1;
    static constexpr int8_t kPair = 2;
    static constexpr int8_t kTriple = 3;
    static constexpr int8_t kThreeConsecutivePairs = 4;
    static constexpr int8_t kFourConsecutivePairs = 5;
    static constexpr int8_t kFourOfAKind = 6;

    static constexpr bool isValid(int8_t type) { return type >= kSingle && type <= kFourOfAKind; }
};

namespace tienlen {

// Hand positions travel as signed bytes, so only this many cards of a hand are ever looked at.
inline constexpr size_t kMaxHandPositions = 127;

inline std::span<const int8_t> boundedHand(std::span<const int8_t> cards) {
    return cards.first(std::min(cards.size(), kMaxHandPositions));
}

}  // namespace tienlen

}  // namespace zuno
