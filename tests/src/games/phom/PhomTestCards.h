#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "games/phom/PhomCard.h"

namespace zuno::test {

// Ace-low ids: rank 0 ace ... 12 king; suits spade, club, diamond, heart.
enum Suit { S = 0, C = 1, D = 2, H = 3 };
constexpr int8_t card(int rankFromAce, Suit suit) { return static_cast<int8_t>(rankFromAce * 4 + suit); }

inline PhomCard freeCard(int8_t id) { return PhomCard{.cardID = id}; }
inline PhomCard inMeld(int8_t id, int phom, bool eaten = false) { return PhomCard{.cardID = id, .phom = phom, .isFix = eaten}; }

inline std::vector<PhomCard> freeCards(std::initializer_list<int> ids) {
    std::vector<PhomCard> cards;
    for (int id : ids) cards.push_back(freeCard(static_cast<int8_t>(id)));
    return cards;
}

inline std::vector<int> idsOf(const std::vector<PhomCard>& cards) {
    std::vector<int> ids;
    for (const PhomCard& c : cards) ids.push_back(c.cardID);
    return ids;
}

inline std::vector<int> meldsOf(const std::vector<PhomCard>& cards) {
    std::vector<int> melds;
    for (const PhomCard& c : cards) melds.push_back(c.phom);
    return melds;
}

}  // namespace zuno::test
