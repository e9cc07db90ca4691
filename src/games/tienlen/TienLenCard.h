#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zuno {

// Card ids of the Tien Len games: rank * 4 + suit. Rank 0 is the 3, rank 11 the ace and rank 12 the 2;
// suits run spade, club, diamond, heart, so a higher id is always the stronger card.
struct TienLenCard {
    static constexpr int kDeckSize = 52;
    static constexpr int kRankThree = 0;
    static constexpr int kRankTwo = 12;
    static constexpr int kSpade = 0, kClub = 1, kDiamond = 2, kHeart = 3;
    static constexpr int kBlack = 0, kRed = 1;

    // Ids outside the deck (a face-down -1, or garbage) are never part of a combination.
    static constexpr bool isCard(int id) { return id >= 0 && id < kDeckSize; }
    static constexpr int rank(int id) { return id / 4; }
    static constexpr int suit(int id) { return id % 4; }
    static constexpr int color(int id) { return suit(id) >= kDiamond ? kRed : kBlack; }
    static constexpr bool isTwo(int id) { return id >= 48 && id <= 51; }
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

inline bool allCards(std::span<const int8_t> cards) {
    return std::all_of(cards.begin(), cards.end(), [](int8_t id) { return TienLenCard::isCard(id); });
}

// An ascending copy of a set of at most a deck's worth of ids, kept on the stack so that the rules can
// read positions whatever order the caller's set is in. A longer set does not fit and copies nothing.
class SortedCards {
public:
    explicit SortedCards(std::span<const int8_t> cards) {
        if (cards.size() > ids_.size()) return;
        fits_ = true;
        size_ = cards.size();
        std::copy(cards.begin(), cards.end(), ids_.begin());
        std::sort(ids_.begin(), ids_.begin() + static_cast<std::ptrdiff_t>(size_));
    }

    bool fits() const { return fits_; }
    std::span<const int8_t> cards() const { return {ids_.data(), size_}; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    int8_t operator[](size_t i) const { return ids_[i]; }
    int8_t lowest() const { return ids_[0]; }
    int8_t top() const { return ids_[size_ - 1]; }

private:
    std::array<int8_t, TienLenCard::kDeckSize> ids_{};
    size_t size_ = 0;
    bool fits_ = false;
};

}  // namespace tienlen

}  // namespace zuno
