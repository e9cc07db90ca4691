#pragma once

#include <cstdint>
#include <memory>

#include "games/poker/PokerView.h"

namespace zuno::testing {

// The player on whose avatar a Poker marker (dealer, blind or ante) lies: -1 while it is hidden, 0 when
// it lies on no seated player's avatar (beside a free seat, say).
inline int32_t markedPlayer(const PokerView& table, const std::shared_ptr<ui::ImageView>& marker) {
    if (marker->isHidden()) return -1;
    for (const auto& record : table.poker().playingPlayers) {
        const int seat = record->playerNewSeat();
        if (record->playerId() == -1 || seat < 0 || seat >= PokerView::kSeats) continue;
        const auto& avatar = table.ava[seat];
        if (!avatar->isHidden() && avatar->frame().intersects(marker->frame())) return record->playerId();
    }
    return 0;
}

}  // namespace zuno::testing
