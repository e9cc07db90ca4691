#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "games/phom/PhomCard.h"

namespace zuno {

// Payloads of the meld requests of both Phom games, room and table first; the services write them
// byte by byte. Meld numbers only decide the grouping: they are never written.
class PhomRequestBytes {
public:
    // Phom lay-down (65): the melded cards in hand order, one -1 between two melds; a -1 also follows
    // a meld that a free card follows. A meld's cards must stand together to form one group.
    static std::vector<int8_t> haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards);
    // Phom meld re-arrangement (68): the eaten card, then the ids of the slots up to the first -1,
    // at most five.
    static std::vector<int8_t> doResetPhomEat(int8_t roomId, int8_t boardId, std::span<const int8_t> cards,
                                              int8_t cardEat);
};

class PhomNewRequestBytes {
public:
    // New Phom lay-down (65) and reset-melds (68) share one layout: the number of melds, then per
    // meld three ids and -1. Walking the hand from the left, a card in a meld opens one made of it
    // and the next two cards; a meld that the end of the hand cuts short is not sent.
    static std::vector<int8_t> haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards);
    static std::vector<int8_t> doResetPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards);

private:
    static std::vector<int8_t> meldBytes(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards, bool layDown);
};

}  // namespace zuno
