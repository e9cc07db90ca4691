#include "games/phom/PhomRequestBytes.h"

#include <algorithm>

#include "platform/core/Log.h"

namespace zuno {

namespace {
constexpr int8_t kSeparator = -1;
constexpr size_t kResetSlots = 5;
constexpr size_t kMeldCards = 3;
}  // namespace

std::vector<int8_t> PhomRequestBytes::haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards) {
    std::vector<int8_t> bytes{roomId, boardId};
    constexpr int kNone = 0;  // meld numbers of real melds are never 0
    int last = kNone;
    for (const PhomCard& card : cards) {
        if (!card.isFree()) {
            if (last != kNone && card.phom != last) bytes.push_back(kSeparator);
            last = card.phom;
            bytes.push_back(card.cardID);
        } else if (last != kNone) {
            bytes.push_back(kSeparator);
            last = kNone;
        }
    }
    return bytes;
}

std::vector<int8_t> PhomRequestBytes::doResetPhomEat(int8_t roomId, int8_t boardId, std::span<const int8_t> cards,
                                                     int8_t cardEat) {
    std::vector<int8_t> bytes{roomId, boardId, cardEat};
    for (size_t i = 0; i < std::min(cards.size(), kResetSlots) && cards[i] != kSeparator; ++i) bytes.push_back(cards[i]);
    return bytes;
}

std::vector<int8_t> PhomNewRequestBytes::haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards) {
    return meldBytes(roomId, boardId, cards, true);
}

std::vector<int8_t> PhomNewRequestBytes::doResetPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards) {
    return meldBytes(roomId, boardId, cards, false);
}

std::vector<int8_t> PhomNewRequestBytes::meldBytes(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards,
                                                   bool layDown) {
    std::vector<int8_t> bytes{roomId, boardId, 0};
    int8_t melds = 0;
    size_t i = 0;
    while (i < cards.size()) {
        if (cards[i].isFree()) {
            ++i;
            continue;
        }
        if (i + kMeldCards > cards.size()) break;
        for (size_t k = i; k < i + kMeldCards; ++k) bytes.push_back(cards[k].cardID);
        bytes.push_back(kSeparator);
        ++melds;
        i += kMeldCards;
    }
    bytes[2] = melds;
    if (layDown)
        sys::Log::format("so luong phom ha: %d", melds);
    else
        sys::Log::format("so luong phom %d", melds);
    // Each meld is three ids and its separator.
    for (size_t meld = 3; meld < bytes.size(); meld += kMeldCards + 1) {
        for (size_t k = meld; k < meld + kMeldCards; ++k) {
            if (layDown)
                sys::Log::format("bai phom ha: %d", bytes[k]);
            else
                sys::Log::format("Bai phom %d", bytes[k]);
        }
    }
    return bytes;
}

}  // namespace zuno
