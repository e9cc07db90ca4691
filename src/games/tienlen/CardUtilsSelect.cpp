#include "games/tienlen/AutoSelection.h"
#include "games/tienlen/CardUtils.h"

namespace zuno {

namespace {

using namespace tienlen;
using Card = TienLenCard;

bool hasRank(int8_t id, int rank) { return Card::rank(id) == rank; }

struct SouthRules {
    static bool isSanh(std::span<const int8_t> set) { return CardUtils::isSanh(set); }
    static bool is3la(std::span<const int8_t> set) { return CardUtils::is3la(set); }
    static bool isTuQuy(std::span<const int8_t> set) { return CardUtils::isTuQuy(set); }
    static bool is3DoiThong(std::span<const int8_t> set) { return CardUtils::is3DoiThong(set); }
    static bool is4DoiThong(std::span<const int8_t> set) { return CardUtils::is4DoiThong(set); }

    static Positions findSingle(int8_t t, int8_t tableCard, std::span<const int8_t> hand) {
        Positions found = tienlen::firstAbove(t, hand);
        if (found.empty() && t > tableCard) found = tienlen::firstAbove(tableCard, hand);
        return found;
    }
    static Positions findPair(int8_t t, std::span<const int8_t> hand, std::span<const int8_t>) {
        return CardUtils::findAndSelectTwin(t, hand);
    }
    static Positions findTriple(int8_t t, std::span<const int8_t> hand, std::span<const int8_t>) {
        return CardUtils::findAndSelectTriple(t, hand);
    }
    static Positions findAndSelectQuart(int8_t t, std::span<const int8_t> hand) {
        return CardUtils::findAndSelectQuart(t, hand);
    }
    static Positions findStraight(int8_t t, std::span<const int8_t> hand, std::span<const int8_t> table) {
        return CardUtils::findAndSelectSeries(t, hand, static_cast<int>(table.size()));
    }
    static Positions findRunOfPairs(int8_t t, std::span<const int8_t> hand, std::span<const int8_t> table) {
        return CardUtils::findDoubleSequence(t, hand, static_cast<int>(table.size() / 2));
    }
    static Positions findDoubleSequence(int8_t t, std::span<const int8_t> hand, int pairs) {
        return CardUtils::findDoubleSequence(t, hand, pairs);
    }
};

}  // namespace

std::vector<int8_t> CardUtils::autoSelect(std::span<const int8_t> currentCards, SelectableHand& player) {
    return tienlen::autoSelect<SouthRules>(currentCards, player);
}

std::vector<int8_t> CardUtils::findAndSelectTwin(int8_t threshold, std::span<const int8_t> cards) {
    cards = boundedHand(cards);
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold) continue;
        for (size_t j = 0; j < cards.size(); ++j)
            if (j != i && hasRank(cards[j], Card::rank(cards[i]))) return {position(i), position(j)};
    }
    return {};
}

std::vector<int8_t> CardUtils::findAndSelectTriple(int8_t threshold, std::span<const int8_t> cards) {
    cards = boundedHand(cards);
    Positions partners;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold) continue;
        partners.clear();
        for (size_t j = 0; j < cards.size() && partners.size() < 2; ++j)
            if (j != i && hasRank(cards[j], Card::rank(cards[i]))) partners.push_back(position(j));
        if (partners.size() == 2) return {partners[0], partners[1], position(i)};
    }
    return {};
}

std::vector<int8_t> CardUtils::findAndSelectQuart(int8_t threshold, std::span<const int8_t> cards) {
    cards = boundedHand(cards);
    if (cards.size() < 4) return {};
    // From the top down, and never four 2s.
    Positions found;
    for (size_t i = cards.size(); i-- > 0;) {
        if (cards[i] <= threshold || !Card::isBelowTwos(cards[i])) continue;
        found.assign(1, position(i));
        for (size_t j = cards.size(); j-- > 0 && found.size() < 4;)
            if (j != i && hasRank(cards[j], Card::rank(cards[i]))) found.push_back(position(j));
        if (found.size() == 4) return found;
    }
    return {};
}

std::vector<int8_t> CardUtils::findAndSelectSeries(int8_t threshold, std::span<const int8_t> cards, int length) {
    cards = boundedHand(cards);
    if (length < 1 || cards.size() < static_cast<size_t>(length)) return {};
    // The anchor is the straight's top card; the others are found one rank below another.
    Positions found;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] <= threshold || Card::rank(cards[i]) == Card::kRankTwo) continue;
        found.assign(1, position(i));
        for (int k = 1; k < length; ++k) {
            const int wanted = Card::rank(cards[i]) - k;
            size_t j = 0;
            while (j < cards.size() && !hasRank(cards[j], wanted)) ++j;
            if (j == cards.size()) break;
            found.push_back(position(j));
        }
        if (found.size() == static_cast<size_t>(length)) return found;
    }
    return {};
}

std::vector<int8_t> CardUtils::findDoubleSequence(int8_t threshold, std::span<const int8_t> cards, int noPair) {
    cards = boundedHand(cards);
    if (noPair < 1) return {};
    // From the top down, so the highest run comes first.
    Positions found;
    for (size_t i = cards.size(); i-- > 0;) {
        if (cards[i] <= threshold || Card::isTwo(cards[i])) continue;
        found.clear();
        for (int r = 0; r < noPair; ++r) {
            const int wanted = Card::rank(cards[i]) - r;
            size_t taken = 0;
            for (size_t j = cards.size(); j-- > 0 && taken < 2;) {
                if (!hasRank(cards[j], wanted)) continue;
                found.push_back(position(j));
                ++taken;
            }
            if (taken < 2) break;
        }
        if (found.size() == 2 * static_cast<size_t>(noPair)) return found;
    }
    return {};
}

}  // namespace zuno
