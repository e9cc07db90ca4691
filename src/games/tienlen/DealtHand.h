#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "games/tienlen/TienLenCard.h"

namespace zuno::tienlen {

// A freshly dealt hand as the instant-win tests read it: its 13 ids, ascending. The deal message may
// list them in any order, so the tests never read the caller's order.
class DealtHand {
public:
    static constexpr size_t kSize = 13;

    // A deal of fewer than 13 cards cannot be tested; only the first 13 of a longer one are read.
    static std::optional<DealtHand> from(std::span<const int8_t> cards) {
        if (cards.size() < kSize) return std::nullopt;
        DealtHand hand;
        std::copy_n(cards.begin(), kSize, hand.ids_.begin());
        std::sort(hand.ids_.begin(), hand.ids_.end());
        return hand;
    }

    std::span<const int8_t> cards() const { return ids_; }
    int8_t operator[](size_t i) const { return ids_[i]; }

    // The four 2s close an ascending hand.
    bool hasFourTwos() const {
        return std::all_of(ids_.end() - 4, ids_.end(), [](int8_t id) { return TienLenCard::isTwo(id); });
    }
    // The four 3s open it.
    bool hasFourThrees() const {
        return std::all_of(ids_.begin(), ids_.begin() + 4, [](int8_t id) { return id >= 0 && id <= 3; });
    }

private:
    DealtHand() = default;
    std::array<int8_t, kSize> ids_{};
};

}  // namespace zuno::tienlen
