#include "games/tienlen/CardUtils.h"

#include <algorithm>

#include "games/tienlen/DealtHand.h"

namespace zuno {

namespace {

using namespace tienlen;
using Card = TienLenCard;
using Type = TienLenCombination;

bool allOneRank(std::span<const int8_t> cards) {
    return std::all_of(cards.begin(), cards.end(),
                       [&](int8_t id) { return Card::rank(id) == Card::rank(cards[0]); });
}

// Pairs of one rank each, every pair one rank above the one before.
bool isRunOfPairs(std::span<const int8_t> cards, size_t pairs) {
    if (cards.size() != 2 * pairs) return false;
    for (size_t i = 0; i < cards.size(); i += 2) {
        if (Card::rank(cards[i]) != Card::rank(cards[i + 1])) return false;
        if (i > 0 && Card::rank(cards[i]) != Card::rank(cards[i - 1]) + 1) return false;
    }
    return true;
}

}  // namespace

void CardUtils::sort(std::span<int8_t> cards) { std::sort(cards.begin(), cards.end()); }

int8_t CardUtils::getType(std::span<const int8_t> set) {
    if (is1(set)) return Type::kSingle;
    if (isDoi(set)) return Type::kPair;
    if (is3la(set)) return Type::kTriple;
    if (is3DoiThong(set)) return Type::kThreeConsecutivePairs;
    if (is4DoiThong(set)) return Type::kFourConsecutivePairs;
    if (isTuQuy(set)) return Type::kFourOfAKind;
    if (isSanh(set)) return Type::kStraight;
    return Type::kInvalid;
}

bool CardUtils::is1(std::span<const int8_t> cards) { return cards.size() == 1; }

bool CardUtils::isDoi(std::span<const int8_t> cards) { return cards.size() == 2 && allOneRank(cards); }

bool CardUtils::is3la(std::span<const int8_t> cards) { return cards.size() == 3 && allOneRank(cards); }

bool CardUtils::is3DoiThong(std::span<const int8_t> cards) { return isRunOfPairs(cards, 3); }

bool CardUtils::is4DoiThong(std::span<const int8_t> cards) { return isRunOfPairs(cards, 4); }

bool CardUtils::isTuQuy(std::span<const int8_t> cards) { return cards.size() == 4 && allOneRank(cards); }

bool CardUtils::isSanh(std::span<const int8_t> cards) {
    if (cards.size() < 3) return false;
    for (size_t i = 1; i < cards.size(); ++i)
        if (Card::rank(cards[i]) != Card::rank(cards[i - 1]) + 1) return false;
    return !Card::isTwo(cards.back());
}

bool CardUtils::available(std::span<const int8_t> baiSapDanh, int8_t typeBaiSapDanh,
                          std::span<const int8_t> baiDanh, int8_t typeBaiDanh) {
    // An empty set has no top card to compare: an empty table set means the player leads.
    if (baiSapDanh.empty() || !Type::isValid(typeBaiSapDanh)) return false;
    if (typeBaiDanh == Type::kInvalid || baiDanh.empty()) return true;

    const int8_t type = typeBaiSapDanh;
    const bool higher = baiSapDanh.back() > baiDanh.back();
    const bool chop = type == Type::kThreeConsecutivePairs || type == Type::kFourConsecutivePairs ||
                      type == Type::kFourOfAKind;
    switch (typeBaiDanh) {
    case Type::kSingle:
        return (type == Type::kSingle && higher) || (Card::isTwo(baiDanh.back()) && chop);
    case Type::kStraight:
        return type == Type::kStraight && baiSapDanh.size() == baiDanh.size() && higher;
    case Type::kPair:
        // Three consecutive pairs do not chop a pair of 2s.
        return (type == Type::kPair && higher) ||
               (Card::isTwo(baiDanh.front()) && (type == Type::kFourConsecutivePairs || type == Type::kFourOfAKind));
    case Type::kTriple:
        return type == Type::kTriple && higher;
    case Type::kThreeConsecutivePairs:
        return (type == Type::kThreeConsecutivePairs && higher) || type == Type::kFourOfAKind ||
               type == Type::kFourConsecutivePairs;
    case Type::kFourConsecutivePairs:
        return type == Type::kFourConsecutivePairs && higher;
    case Type::kFourOfAKind:
        return (type == Type::kFourOfAKind && higher) || type == Type::kFourConsecutivePairs;
    default:
        return false;
    }
}

int CardUtils::demDoiThong(std::span<const int8_t> cards) {
    if (cards.size() >= 48) return 0;
    // run counts pairs and steps: 1 after a pair, 2 after the step to the next rank, 3 after its pair...
    int run = 0, best = 0;
    for (size_t i = 0; i + 1 < cards.size(); ++i) {
        const int a = Card::rank(cards[i]), b = Card::rank(cards[i + 1]);
        bool ends = false;
        if (run == 0) {
            if (a == b) run = 1;
        } else if (run % 2 == 1) {
            if (b == a + 1)
                ++run;
            else if (b != a)  // a third card of the pair's rank is passed over
                ends = true;
        } else {
            if (a == b)
                ++run;
            else
                ends = true;
        }
        if (ends) {
            best = std::max(best, run);
            run = 0;
        }
    }
    return (std::max(best, run) + 1) / 2;
}

bool CardUtils::checkForceFinishWithCards(std::span<const int8_t> cards, bool newGame) {
    const auto hand = DealtHand::from(cards);
    if (!hand) return false;
    if (hand->hasFourTwos()) return true;
    if (newGame && hand->hasFourThrees()) return true;

    // Dragon: every rank from 3 to the ace.
    int steps = 0;
    for (size_t i = 0; i + 1 < DealtHand::kSize; ++i) {
        const int a = Card::rank((*hand)[i]), b = Card::rank((*hand)[i + 1]);
        if (b == a + 1 && !Card::isTwo((*hand)[i + 1]))
            ++steps;
        else if (b != a)
            break;
    }
    if (steps > 10) return true;

    // Six pairs, of any ranks: a triple counts once, four of a kind twice.
    int pairs = 0;
    for (size_t i = 0; i + 1 < DealtHand::kSize;) {
        if (Card::rank((*hand)[i]) == Card::rank((*hand)[i + 1])) {
            ++pairs;
            i += 2;
        } else {
            ++i;
        }
    }
    if (pairs > 5) return true;

    return demDoiThong(hand->cards()) > 4;
}

}  // namespace zuno
