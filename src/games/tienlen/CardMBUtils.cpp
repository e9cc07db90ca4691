#include "games/tienlen/CardMBUtils.h"

#include <algorithm>

#include "games/tienlen/CardUtils.h"
#include "games/tienlen/DealtHand.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {

using namespace tienlen;
using Card = TienLenCard;
using Type = TienLenCombination;

bool oneColorThroughout(std::span<const int8_t> cards) {
    for (size_t i = 1; i < cards.size(); ++i)
        if (Card::color(cards[i]) != Card::color(cards[i - 1])) return false;
    return true;
}

// The southern pattern of pairs, all of one colour and without 2s.
bool isOneColorRunOfPairs(std::span<const int8_t> cards, size_t pairs) {
    if (cards.size() != 2 * pairs) return false;
    const bool pattern = pairs == 3 ? CardUtils::is3DoiThong(cards) : CardUtils::is4DoiThong(cards);
    return pattern && Card::isBelowTwos(cards.back()) && oneColorThroughout(cards);
}

const char* typeName(int8_t type) {
    switch (type) {
    case Type::kSingle: return "TYPE_1";
    case Type::kPair: return "TYPE_2";
    case Type::kTriple: return "TYPE_3";
    case Type::kThreeConsecutivePairs: return "TYPE_3DOITHONG";
    case Type::kFourConsecutivePairs: return "TYPE_4DOITHONG";
    case Type::kFourOfAKind: return "TYPE_TUQUY";
    case Type::kStraight: return "TYPE_SANH";
    default: return "---------1";
    }
}

int8_t classify(std::span<const int8_t> set) {
    if (CardMBUtils::is1(set)) return Type::kSingle;
    if (CardMBUtils::isDoi(set)) return Type::kPair;
    if (CardMBUtils::is3la(set)) return Type::kTriple;
    if (CardMBUtils::is3DoiThong(set)) return Type::kThreeConsecutivePairs;
    if (CardMBUtils::is4DoiThong(set)) return Type::kFourConsecutivePairs;
    if (CardMBUtils::isTuQuy(set)) return Type::kFourOfAKind;
    if (CardMBUtils::isSanh(set)) return Type::kStraight;
    return Type::kInvalid;
}

}  // namespace

void CardMBUtils::sort(std::span<int8_t> cards) { CardUtils::sort(cards); }

int8_t CardMBUtils::getType(std::span<const int8_t> cards) {
    const int8_t type = classify(cards);
    sys::Log::line(typeName(type));
    return type;
}

bool CardMBUtils::is1(std::span<const int8_t> cards) { return CardUtils::is1(cards); }

bool CardMBUtils::isDoi(std::span<const int8_t> cards) {
    if (cards.size() != 2) return false;
    if (Card::isTwo(cards[0]) && Card::isTwo(cards[1])) return true;
    return Card::rank(cards[0]) == Card::rank(cards[1]) && Card::color(cards[0]) == Card::color(cards[1]);
}

bool CardMBUtils::is3la(std::span<const int8_t> cards) { return CardUtils::is3la(cards); }

bool CardMBUtils::is3DoiThong(std::span<const int8_t> cards) { return isOneColorRunOfPairs(cards, 3); }

bool CardMBUtils::is4DoiThong(std::span<const int8_t> cards) { return isOneColorRunOfPairs(cards, 4); }

bool CardMBUtils::isTuQuy(std::span<const int8_t> cards) { return CardUtils::isTuQuy(cards); }

bool CardMBUtils::isSanh(std::span<const int8_t> cards) { return CardUtils::isSanh(cards) && isSameType(cards); }

bool CardMBUtils::isSameType(std::span<const int8_t> cards) {
    return std::all_of(cards.begin(), cards.end(),
                       [&](int8_t id) { return Card::suit(id) == Card::suit(cards[0]); });
}

bool CardMBUtils::isSameColor(std::span<const int8_t> cards) {
    return std::all_of(cards.begin(), cards.end(),
                       [&](int8_t id) { return Card::color(id) == Card::color(cards[0]); });
}

bool CardMBUtils::isSameTypeAndColor(std::span<const int8_t> cards1, std::span<const int8_t> cards2) {
    if (cards1.size() != cards2.size()) return false;
    for (size_t i = 0; i < cards1.size(); ++i)
        if (Card::suit(cards1[i]) != Card::suit(cards2[i])) return false;
    return true;
}

bool CardMBUtils::available(std::span<const int8_t> baiSapDanh, int8_t typeBaiSapDanh,
                            std::span<const int8_t> baiDanh, int8_t typeBaiDanh) {
    if (baiSapDanh.empty() || !Type::isValid(typeBaiSapDanh)) return false;
    if (typeBaiDanh == Type::kInvalid || baiDanh.empty()) return true;

    const int8_t type = typeBaiSapDanh;
    const bool higher = baiSapDanh.back() > baiDanh.back();
    const bool sameSuits = isSameTypeAndColor(baiDanh, baiSapDanh);
    const bool chop = type == Type::kThreeConsecutivePairs || type == Type::kFourConsecutivePairs ||
                      type == Type::kFourOfAKind;
    switch (typeBaiDanh) {
    case Type::kSingle:
        return (type == Type::kSingle && higher && (Card::isTwo(baiSapDanh.back()) || sameSuits)) ||
               (Card::isTwo(baiDanh.back()) && chop);
    case Type::kStraight:
        return type == Type::kStraight && higher && sameSuits;
    case Type::kPair:
        return (type == Type::kPair && higher && (Card::isTwo(baiSapDanh.front()) || sameSuits)) ||
               (Card::isTwo(baiDanh.front()) && (type == Type::kFourConsecutivePairs || type == Type::kFourOfAKind));
    case Type::kTriple:
        return type == Type::kTriple && higher && sameSuits;
    case Type::kThreeConsecutivePairs:
        return (type == Type::kThreeConsecutivePairs && higher && sameSuits) || type == Type::kFourOfAKind ||
               type == Type::kFourConsecutivePairs;
    case Type::kFourConsecutivePairs:
        return type == Type::kFourConsecutivePairs && higher && sameSuits;
    case Type::kFourOfAKind:
        return (type == Type::kFourOfAKind && higher) || type == Type::kFourConsecutivePairs;
    default:
        return false;
    }
}

int CardMBUtils::demDoiThong(std::span<const int8_t> cards) {
    if (cards.size() >= 48) return 0;
    int run = 0, best = 0;
    for (size_t i = 0; i + 1 < cards.size(); ++i) {
        const int8_t a = cards[i], b = cards[i + 1];
        const bool sameRank = Card::rank(a) == Card::rank(b);
        const bool sameColor = Card::color(a) == Card::color(b);
        bool ends = false;
        if (run == 0) {
            if (sameRank) run = 1;
        } else if (run % 2 == 1) {
            // After a pair: a step up within the colour goes on; a card of another colour is passed
            // over as well, and only a same-coloured card of another rank ends the run.
            if (Card::rank(b) == Card::rank(a) + 1 && sameColor)
                ++run;
            else if (!sameRank && sameColor)
                ends = true;
        } else {
            if (sameRank && sameColor)
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

bool CardMBUtils::checkForceFinishWithCards(std::span<const int8_t> cards, bool newGame) {
    const auto hand = DealtHand::from(cards);
    if (!hand) return false;
    if (hand->hasFourTwos()) return true;
    if (newGame && hand->hasFourThrees()) return true;

    // Dragon of one suit, walked over neighbouring cards: a step to another suit ends the walk.
    int steps = 0;
    for (size_t i = 0; i + 1 < DealtHand::kSize; ++i) {
        const int8_t a = (*hand)[i], b = (*hand)[i + 1];
        if (Card::rank(b) == Card::rank(a) + 1 && !Card::isTwo(b)) {
            if (Card::suit(a) != Card::suit(b)) break;
            ++steps;
        } else if (Card::rank(b) != Card::rank(a)) {
            break;
        }
    }
    if (steps > 10) return true;

    // Six pairs, each of one colour.
    int pairs = 0;
    for (size_t i = 0; i + 1 < DealtHand::kSize;) {
        const int8_t a = (*hand)[i], b = (*hand)[i + 1];
        if (Card::rank(a) == Card::rank(b) && Card::color(a) == Card::color(b)) {
            ++pairs;
            i += 2;
        } else {
            ++i;
        }
    }
    if (pairs > 5) return true;

    return demDoiThong(hand->cards()) > 4;
}

bool CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(std::span<const int8_t> cards) {
    const auto hand = DealtHand::from(cards);
    return hand && (*hand)[0] == 0 && is3DoiThong(hand->cards().first(6));
}

}  // namespace zuno
