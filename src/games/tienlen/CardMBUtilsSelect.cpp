#include "games/tienlen/AutoSelection.h"
#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"

namespace zuno {

namespace {

using namespace tienlen;
using Card = TienLenCard;

// No threshold: its suit, -1, is no card's suit, so the searches that follow the threshold's suit find
// nothing but 2s.
constexpr int8_t kNoThreshold = -1;

bool isCardOf(int8_t id, int rank, int suit) { return Card::rank(id) == rank && Card::suit(id) == suit; }

// A single above the threshold of its suit or a 2; the lowest such card of the suit wins over the first
// one met.
Positions findSingleOfSuit(int8_t threshold, std::span<const int8_t> hand) {
    const int suit = Card::suit(threshold);
    size_t best = hand.size();
    for (size_t i = 0; i < hand.size(); ++i) {
        const int8_t id = hand[i];
        if (id <= threshold) continue;
        const bool ofSuit = Card::suit(id) == suit;
        if (!ofSuit && !Card::isTwo(id)) continue;
        if (best == hand.size() || (ofSuit && id < hand[best])) best = i;
    }
    if (best == hand.size()) return {};
    return {position(best)};
}

struct NorthRules {
    static bool isSanh(std::span<const int8_t> set) { return CardMBUtils::isSanh(set); }
    static bool is3la(std::span<const int8_t> set) { return CardMBUtils::is3la(set); }
    static bool isTuQuy(std::span<const int8_t> set) { return CardMBUtils::isTuQuy(set); }
    static bool is3DoiThong(std::span<const int8_t> set) { return CardMBUtils::is3DoiThong(set); }
    static bool is4DoiThong(std::span<const int8_t> set) { return CardMBUtils::is4DoiThong(set); }

    static Positions findSingle(int8_t t, int8_t tableCard, std::span<const int8_t> hand) {
        Positions found = findSingleOfSuit(t, hand);
        if (found.empty() && tableCard < t) found = findSingleOfSuit(tableCard, hand);
        return found;
    }
    static Positions findAndSelectTwin(int8_t t, std::span<const int8_t> hand) {
        return CardMBUtils::findAndSelectTwin(t, hand);
    }
    static Positions findTriple(int8_t t, std::span<const int8_t> hand, std::span<const int8_t> table) {
        return CardMBUtils::findAndSelectTriple(t, hand, table);
    }
    static Positions findAndSelectQuart(int8_t t, std::span<const int8_t> hand) {
        return CardMBUtils::findAndSelectQuart(t, hand);
    }
    static Positions findAndSelectSeries(int8_t t, std::span<const int8_t> hand, int length) {
        return CardMBUtils::findAndSelectSeries(t, hand, length);
    }
    static Positions findDoubleSequence(int8_t t, std::span<const int8_t> hand, int pairs) {
        return CardMBUtils::findDoubleSequence(t, hand, pairs);
    }
};

}  // namespace

std::vector<int8_t> CardMBUtils::autoSelect(std::span<const int8_t> currentCards, SelectableHand& player) {
    return tienlen::autoSelect<NorthRules>(currentCards, player);
}

std::vector<int8_t> CardMBUtils::findAndSelectTwin(int8_t threshold, std::span<const int8_t> cards) {
    cards = boundedHand(cards);
    // A pair of one colour: a club goes with the spade of its rank, a heart with the diamond. A diamond
    // is not matched with the club below it, which would make a pair of two colours, no northern pair.
    const int suit = Card::suit(threshold);
    if (suit == Card::kClub || suit == Card::kHeart) {
        for (size_t i = 0; i < cards.size(); ++i) {
            if (cards[i] <= threshold || Card::suit(cards[i]) != suit) continue;
            for (size_t j = 0; j < cards.size(); ++j)
                if (isCardOf(cards[j], Card::rank(cards[i]), suit - 1)) return {position(i), position(j)};
        }
    }
    // Failing that, any two 2s.
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold || !Card::isTwo(cards[i])) continue;
        for (size_t j = 0; j < cards.size(); ++j)
            if (j != i && Card::isTwo(cards[j])) return {position(i), position(j)};
    }
    return {};
}

std::vector<int8_t> CardMBUtils::findAndSelectTriple(int8_t threshold, std::span<const int8_t> cards,
                                                     std::span<const int8_t> currentCards) {
    cards = boundedHand(cards);
    if (currentCards.size() < 2) return {};
    const int suit = Card::suit(threshold);
    const int lowSuit = Card::suit(currentCards[0]), midSuit = Card::suit(currentCards[1]);
    Positions partners;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold || Card::suit(cards[i]) != suit) continue;
        const int rank = Card::rank(cards[i]);
        partners.clear();
        for (size_t j = 0; j < cards.size() && partners.size() < 2; ++j)
            if (j != i && (isCardOf(cards[j], rank, lowSuit) || isCardOf(cards[j], rank, midSuit)))
                partners.push_back(position(j));
        if (partners.size() == 2) return {partners[0], partners[1], position(i)};
    }
    return {};
}

std::vector<int8_t> CardMBUtils::findAndSelectQuart(int8_t threshold, std::span<const int8_t> cards) {
    return CardUtils::findAndSelectQuart(threshold, cards);
}

std::vector<int8_t> CardMBUtils::findAndSelectSeries(int8_t threshold, std::span<const int8_t> cards, int length) {
    cards = boundedHand(cards);
    const int suit = Card::suit(threshold);
    if (length < 1 || cards.size() < static_cast<size_t>(length)) return {};
    // One suit throughout: the threshold's.
    Positions found;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold || Card::suit(cards[i]) != suit ||
            Card::rank(cards[i]) == Card::kRankTwo)
            continue;
        found.assign(1, position(i));
        for (int k = 1; k < length; ++k) {
            size_t j = 0;
            while (j < cards.size() && !isCardOf(cards[j], Card::rank(cards[i]) - k, suit)) ++j;
            if (j == cards.size()) break;
            found.push_back(position(j));
        }
        if (found.size() == static_cast<size_t>(length)) return found;
    }
    return {};
}

std::vector<int8_t> CardMBUtils::findDoubleSequence(int8_t threshold, std::span<const int8_t> cards, int noPair) {
    cards = boundedHand(cards);
    if (noPair < 1) return {};
    const size_t n = cards.size();
    // A pair is two neighbouring cards of one rank: a spade before its club, or a diamond before its
    // heart. The whole run keeps one colour, the threshold's (or with no threshold the anchor's): pairs
    // of mixed colours are no northern run, and another colour than the table's never beats it.
    auto pairedAt = [&](size_t j, int rank) {
        const int suit = Card::suit(cards[j]);
        if (suit == Card::kClub || suit == Card::kHeart)
            return j > 0 && isCardOf(cards[j - 1], rank, suit - 1);
        return j + 1 < n && isCardOf(cards[j + 1], rank, suit + 1);
    };
    Positions found;
    for (size_t i = 0; i < n; ++i) {
        const int8_t anchor = cards[i];
        if (anchor <= threshold || !Card::isBelowTwos(anchor)) continue;
        if (threshold != kNoThreshold && Card::color(anchor) != Card::color(threshold)) continue;
        const int color = Card::color(anchor);
        found.clear();
        for (int r = 0; r < noPair; ++r) {
            const int rank = Card::rank(anchor) - r;
            size_t recorded = 0;
            for (size_t j = 0; j < n && recorded < 2; ++j) {
                const int8_t id = cards[j];
                if (Card::rank(id) != rank || Card::color(id) != color) continue;
                if (pairedAt(j, rank)) {
                    found.push_back(position(j));
                    ++recorded;
                }
            }
            if (recorded < 2) break;
        }
        if (found.size() == 2 * static_cast<size_t>(noPair)) return found;
    }
    return {};
}

}  // namespace zuno
