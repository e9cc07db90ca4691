#pragma once

// Helpers shared by the Tien Len rules tests: cards by name, every small set, random combinations and a
// plain counting reference of the combination types.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "platform/core/Log.h"

namespace zuno::testcards {

using Cards = std::vector<int8_t>;
using Card = TienLenCard;
using Type = TienLenCombination;

// "10h" is the ten of hearts, "2s" the two of spades.
inline int8_t card(std::string_view name) {
    static const std::array<std::string_view, 13> ranks{"3", "4", "5", "6", "7", "8", "9",
                                                        "10", "J", "Q", "K", "A", "2"};
    const auto suit = std::string_view("scdh").find(name.back());
    const auto rank = std::find(ranks.begin(), ranks.end(), name.substr(0, name.size() - 1));
    if (suit == std::string_view::npos || rank == ranks.end()) throw std::invalid_argument(std::string(name));
    return static_cast<int8_t>((rank - ranks.begin()) * 4 + static_cast<int>(suit));
}

inline Cards cards(const std::string& names) {
    Cards out;
    std::istringstream in(names);
    for (std::string name; in >> name;) out.push_back(card(name));
    return out;
}

inline Cards sorted(Cards set) {
    std::sort(set.begin(), set.end());
    return set;
}

// One variant's rules; the northern type's log line is dropped.
inline int8_t typeOf(bool northern, const Cards& set) {
    if (!northern) return CardUtils::getType(set);
    const int8_t type = CardMBUtils::getType(set);
    sys::Log::clearCaptured();
    return type;
}

inline bool available(bool northern, const Cards& played, const Cards& table) {
    const int8_t playedType = typeOf(northern, played), tableType = typeOf(northern, table);
    return northern ? CardMBUtils::available(played, playedType, table, tableType)
                    : CardUtils::available(played, playedType, table, tableType);
}

// Every set of n distinct cards, ascending.
inline void forEachSet(int n, const std::function<void(const Cards&)>& visit) {
    Cards set(static_cast<size_t>(n));
    std::function<void(int, int)> fill = [&](int slot, int from) {
        if (slot == n) return visit(set);
        for (int id = from; id <= Card::kDeckSize - (n - slot); ++id) {
            set[static_cast<size_t>(slot)] = static_cast<int8_t>(id);
            fill(slot + 1, id + 1);
        }
    };
    fill(0, 0);
}

// The combination types by counting ranks and suits, for sets of distinct cards in any order.
inline int8_t referenceType(const Cards& set, bool northern) {
    const int n = static_cast<int>(set.size());
    std::array<int, 13> perRank{};
    std::array<int, 4> perSuit{};
    std::array<int, 2> perColor{};
    for (int8_t id : set) ++perRank[Card::rank(id)], ++perSuit[Card::suit(id)], ++perColor[Card::color(id)];
    int low = 13, high = -1, ranks = 0, most = 0;
    for (int r = 0; r < 13; ++r)
        if (perRank[r] > 0) low = std::min(low, r), high = std::max(high, r), ++ranks, most = std::max(most, perRank[r]);
    const bool oneSuit = *std::max_element(perSuit.begin(), perSuit.end()) == n;
    const bool oneColor = std::max(perColor[0], perColor[1]) == n;
    const bool withTwo = perRank[Card::kRankTwo] > 0;
    const bool consecutive = high - low + 1 == ranks;

    if (n == 1) return Type::kSingle;
    if (ranks == 1 && n == 2) return !northern || withTwo || oneColor ? Type::kPair : Type::kInvalid;
    if (ranks == 1 && n == 3) return Type::kTriple;
    if (ranks == 1 && n == 4) return Type::kFourOfAKind;
    if (n >= 3 && most == 1 && consecutive && !withTwo && (!northern || oneSuit)) return Type::kStraight;
    if ((n == 6 || n == 8) && most == 2 && ranks * 2 == n && consecutive && (!northern || (oneColor && !withTwo)))
        return n == 6 ? Type::kThreeConsecutivePairs : Type::kFourConsecutivePairs;
    return Type::kInvalid;
}

inline int randomInt(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// A random valid set of the wanted type (northern rules when asked), ascending; straights take the length
// given, else a random one.
inline Cards randomCombination(int8_t type, bool northern, std::mt19937& rng, int straightLength = 0) {
    Cards out;
    // Cards of one rank in distinct suits; northern pairs keep one colour (2s excepted).
    auto addOfRank = [&](int rank, int count) {
        std::array<int, 4> suits{0, 1, 2, 3};
        std::shuffle(suits.begin(), suits.end(), rng);
        if (northern && count == 2 && rank != Card::kRankTwo) suits[0] = 2 * randomInt(rng, 0, 1), suits[1] = suits[0] + 1;
        for (int k = 0; k < count; ++k) out.push_back(static_cast<int8_t>(rank * 4 + suits[static_cast<size_t>(k)]));
    };
    if (type == Type::kSingle) {
        out.push_back(static_cast<int8_t>(randomInt(rng, 0, 51)));
    } else if (type == Type::kPair || type == Type::kTriple || type == Type::kFourOfAKind) {
        addOfRank(randomInt(rng, 0, 12), type == Type::kPair ? 2 : type == Type::kTriple ? 3 : 4);
    } else if (type == Type::kStraight) {
        const int length = straightLength > 0 ? straightLength : randomInt(rng, 3, 12);
        const int start = randomInt(rng, 0, 12 - length), suit = randomInt(rng, 0, 3);
        for (int r = start; r < start + length; ++r)
            out.push_back(static_cast<int8_t>(r * 4 + (northern ? suit : randomInt(rng, 0, 3))));
    } else {
        const int pairs = type == Type::kThreeConsecutivePairs ? 3 : 4;
        const int start = randomInt(rng, 0, (northern ? 12 : 13) - pairs), color = randomInt(rng, 0, 1);
        for (int r = start; r < start + pairs; ++r) {
            if (northern)
                out.insert(out.end(), {static_cast<int8_t>(r * 4 + 2 * color), static_cast<int8_t>(r * 4 + 2 * color + 1)});
            else
                addOfRank(r, 2);
        }
    }
    return sorted(out);
}

}  // namespace zuno::testcards
