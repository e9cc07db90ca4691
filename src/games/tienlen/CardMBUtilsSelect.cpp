#include <algorithm>

#include "games/tienlen/AutoSelection.h"
#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"

namespace zuno {

namespace {

using namespace tienlen;
using Card = TienLenCard;

// The searches below take the suit (or colour) to keep apart from the threshold: at the table it is the
// suit of the set to beat, while the threshold may be a raised card of another suit. The class's own
// finders, asked with a bare threshold, keep that threshold's suit.
constexpr int kAny = -1;

bool isCardOf(int8_t id, int rank, int suit) { return Card::rank(id) == rank && Card::suit(id) == suit; }

bool holds(std::span<const int8_t> hand, int rank, int suit) {
    return std::any_of(hand.begin(), hand.end(), [&](int8_t id) { return isCardOf(id, rank, suit); });
}

// A single above the threshold of the suit or a 2; the lowest such card of the suit wins over the first
// one met.
Positions findSingleOfSuit(int8_t threshold, int suit, std::span<const int8_t> hand) {
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

// A pair of one colour whose upper card has the given suit: a club goes with the spade of its rank, a
// heart with the diamond. Failing that, any two 2s.
Positions findPairOfSuit(int8_t threshold, int upperSuit, std::span<const int8_t> cards) {
    if (upperSuit == Card::kClub || upperSuit == Card::kHeart) {
        for (size_t i = 0; i < cards.size(); ++i) {
            if (cards[i] <= threshold || Card::suit(cards[i]) != upperSuit) continue;
            for (size_t j = 0; j < cards.size(); ++j)
                if (isCardOf(cards[j], Card::rank(cards[i]), upperSuit - 1)) return {position(i), position(j)};
        }
    }
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold || !Card::isTwo(cards[i])) continue;
        for (size_t j = 0; j < cards.size(); ++j)
            if (j != i && Card::isTwo(cards[j])) return {position(i), position(j)};
    }
    return {};
}

// A straight of one suit whose top card, the anchor, is above the threshold.
Positions findStraightOfSuit(int8_t threshold, int suit, std::span<const int8_t> cards, int length) {
    if (length < 1 || cards.size() < static_cast<size_t>(length)) return {};
    Positions found;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold || Card::suit(cards[i]) != suit || Card::rank(cards[i]) == Card::kRankTwo)
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

// Consecutive pairs of one colour (kAny: the anchor's) under an anchor above the threshold. A pair
// is the spade and club, or the diamond and heart, of one rank wherever they lie in the hand: the player
// may have moved them apart. Pairs of two colours are no northern run.
Positions findRunOfColor(int8_t threshold, int color, std::span<const int8_t> cards, int noPair) {
    if (noPair < 1) return {};
    auto partnerHeld = [&](int8_t id) {
        const int suit = Card::suit(id);
        return holds(cards, Card::rank(id), suit % 2 == 0 ? suit + 1 : suit - 1);
    };
    Positions found;
    for (size_t i = 0; i < cards.size(); ++i) {
        const int8_t anchor = cards[i];
        if (anchor <= threshold || !Card::isBelowTwos(anchor)) continue;
        if (color != kAny && Card::color(anchor) != color) continue;
        const int runColor = Card::color(anchor);
        found.clear();
        for (int r = 0; r < noPair; ++r) {
            const int rank = Card::rank(anchor) - r;
            size_t recorded = 0;
            for (size_t j = 0; j < cards.size() && recorded < 2; ++j) {
                const int8_t id = cards[j];
                if (Card::rank(id) != rank || Card::color(id) != runColor || !partnerHeld(id)) continue;
                found.push_back(position(j));
                ++recorded;
            }
            if (recorded < 2) break;
        }
        if (found.size() == 2 * static_cast<size_t>(noPair)) return found;
    }
    return {};
}

int suitOf(int8_t threshold) { return threshold < 0 ? kAny : Card::suit(threshold); }

struct NorthRules {
    static bool isSanh(std::span<const int8_t> set) { return CardMBUtils::isSanh(set); }
    static bool is3la(std::span<const int8_t> set) { return CardMBUtils::is3la(set); }
    static bool isTuQuy(std::span<const int8_t> set) { return CardMBUtils::isTuQuy(set); }
    static bool is3DoiThong(std::span<const int8_t> set) { return CardMBUtils::is3DoiThong(set); }
    static bool is4DoiThong(std::span<const int8_t> set) { return CardMBUtils::is4DoiThong(set); }

    static Positions findSingle(int8_t t, int8_t tableCard, std::span<const int8_t> hand) {
        Positions found = findSingleOfSuit(t, Card::suit(tableCard), hand);
        if (found.empty() && tableCard < t) found = findSingleOfSuit(tableCard, Card::suit(tableCard), hand);
        return found;
    }
    static Positions findPair(int8_t t, std::span<const int8_t> hand, std::span<const int8_t> table) {
        return findPairOfSuit(t, Card::suit(table.back()), hand);
    }
    static Positions findTriple(int8_t t, std::span<const int8_t> hand, std::span<const int8_t> table) {
        return CardMBUtils::findAndSelectTriple(t, hand, table);
    }
    static Positions findAndSelectQuart(int8_t t, std::span<const int8_t> hand) {
        return CardMBUtils::findAndSelectQuart(t, hand);
    }
    static Positions findStraight(int8_t t, std::span<const int8_t> hand, std::span<const int8_t> table) {
        return findStraightOfSuit(t, Card::suit(table.back()), hand, static_cast<int>(table.size()));
    }
    static Positions findRunOfPairs(int8_t t, std::span<const int8_t> hand, std::span<const int8_t> table) {
        return findRunOfColor(t, Card::color(table.back()), hand, static_cast<int>(table.size() / 2));
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
    return findPairOfSuit(threshold, suitOf(threshold), boundedHand(cards));
}

std::vector<int8_t> CardMBUtils::findAndSelectTriple(int8_t threshold, std::span<const int8_t> cards,
                                                     std::span<const int8_t> currentCards) {
    cards = boundedHand(cards);
    if (currentCards.size() < 3) return {};
    const int topSuit = Card::suit(currentCards[2]);
    const int lowSuit = Card::suit(currentCards[0]), midSuit = Card::suit(currentCards[1]);
    Positions partners;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold || Card::suit(cards[i]) != topSuit) continue;
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
    return findStraightOfSuit(threshold, suitOf(threshold), boundedHand(cards), length);
}

std::vector<int8_t> CardMBUtils::findDoubleSequence(int8_t threshold, std::span<const int8_t> cards, int noPair) {
    const int color = threshold < 0 ? kAny : Card::color(threshold);
    return findRunOfColor(threshold, color, boundedHand(cards), noPair);
}

}  // namespace zuno
