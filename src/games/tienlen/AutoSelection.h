#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "games/tienlen/SelectableHand.h"
#include "games/tienlen/TienLenCard.h"

namespace zuno::tienlen {

// Hand positions, one signed byte each (hands are bounded to fit).
using Positions = std::vector<int8_t>;

inline int8_t position(size_t i) { return static_cast<int8_t>(i); }

// The first card in hand order above the threshold.
inline Positions firstAbove(int8_t threshold, std::span<const int8_t> hand) {
    for (size_t i = 0; i < hand.size(); ++i)
        if (hand[i] > threshold) return {position(i)};
    return {};
}

// Leading: the first card above the threshold, else the first card of the hand.
inline Positions lead(int8_t threshold, std::span<const int8_t> hand) {
    Positions found = firstAbove(threshold, hand);
    if (found.empty() && !hand.empty()) found = {0};
    return found;
}

// Picks what beats the ascending table set, by its length; t is the threshold (the table's top card, or
// the player's last raised card when that is higher). Rules supplies one variant's tests and finders;
// the finders that answer the table set itself get it, for the rules whose suits follow the table's.
template <class Rules>
Positions chooseToBeat(std::span<const int8_t> set, int8_t t, std::span<const int8_t> hand) {
    if (set.empty()) return lead(t, hand);
    const int8_t top = set.back();
    Positions found;
    switch (set.size()) {
    case 1:
        // A lone 2 can be chopped.
        if (TienLenCard::isTwo(top)) {
            found = Rules::findDoubleSequence(-1, hand, 3);
            if (found.empty()) found = Rules::findAndSelectQuart(-1, hand);
            if (found.empty()) found = Rules::findDoubleSequence(-1, hand, 4);
        }
        if (found.empty()) found = Rules::findSingle(t, top, hand);
        return found;
    case 2:
        found = Rules::findPair(t, hand, set);
        if (found.empty() && !TienLenCard::isBelowTwos(set.front())) {
            found = Rules::findAndSelectQuart(-1, hand);
            if (found.empty()) found = Rules::findDoubleSequence(-1, hand, 4);
        }
        return found;
    case 3:
        if (Rules::is3la(set)) {
            found = Rules::findTriple(t, hand, set);
            // Past the last triple above the player's own choice, start again from the table.
            if (found.empty() && t > top) found = Rules::findTriple(top, hand, set);
            return found;
        }
        if (Rules::isSanh(set)) return Rules::findStraight(t, hand, set);
        return {};
    case 4:
        if (Rules::isTuQuy(set)) {
            found = Rules::findAndSelectQuart(t, hand);
            if (!found.empty()) return found;
            found = Rules::findDoubleSequence(-1, hand, 4);
            // Past the last four above the player's own choice, a four above the table's comes first;
            // the four consecutive pairs stand only when there is none.
            if (t > top) {
                Positions again = Rules::findAndSelectQuart(top, hand);
                if (!again.empty()) found = std::move(again);
            }
            return found;
        }
        if (Rules::isSanh(set)) return Rules::findStraight(t, hand, set);
        return {};
    case 6:
        if (Rules::is3DoiThong(set)) {
            found = Rules::findRunOfPairs(t, hand, set);
            if (found.empty()) found = Rules::findAndSelectQuart(-1, hand);
            if (found.empty()) found = Rules::findDoubleSequence(-1, hand, 4);
            return found;
        }
        if (Rules::isSanh(set)) return Rules::findStraight(t, hand, set);
        return {};
    case 8:
        if (Rules::is4DoiThong(set)) return Rules::findRunOfPairs(top, hand, set);
        if (Rules::isSanh(set)) return Rules::findStraight(t, hand, set);
        return {};
    case 5:
    case 7:
    case 9:
    case 10:
    case 11:
        return Rules::findStraight(t, hand, set);
    default:
        return {};
    }
}

// The whole request: threshold, lowering the hand, choosing, raising what was chosen.
template <class Rules>
Positions autoSelect(std::span<const int8_t> currentCards, SelectableHand& player) {
    const std::vector<int8_t> ids = player.cardIds();
    const std::span<const int8_t> hand = boundedHand(ids);

    int8_t t = currentCards.empty() ? int8_t{-1} : currentCards.back();
    const std::vector<int8_t> raised = player.getSelectedCardsValue();
    if (!raised.empty() && raised.back() > t) t = raised.back();

    player.unSelectAllCards();
    const Positions found = chooseToBeat<Rules>(currentCards, t, hand);
    for (int8_t position : found) player.selectCardAt(position);
    return found;
}

}  // namespace zuno::tienlen
