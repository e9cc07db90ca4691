#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/core/Log.h"
#include "platform/core/Property.h"
#include "table/TienLenPlayer.h"

namespace zuno {

// What the Poker table keeps for one of its nine seats. The hole cards are kept as card ids (-1 face
// down); the table screen draws them.
class PokerPlayer {
public:
    using HoleCards = std::array<int8_t, 2>;
    static constexpr int8_t kFaceDown = -1;

    // An empty record.
    PokerPlayer() = default;
    // A seated player: nothing put in yet, not placed on the screen, two face-down cards.
    PokerPlayer(std::shared_ptr<TienLenPlayer> player, int32_t stack, int32_t seat)
        : player_(std::move(player)), playerStack_(stack), playerSeat_(seat) {}

    // The seated player's id; -1 for an empty seat or watcher entry.
    int32_t playerId() const { return player_ ? player_->IDDB() : -1; }

    // Replaces the hole cards with entries 0 and 1 of the list.
    void setCard(const HoleCards& cards) { playerCards_ = cards; }
    // Back to two face-down cards.
    void resetCard() {
        sys::Log::line("========== card reset======");
        playerCards_ = {kFaceDown, kFaceDown};
    }

    ZUNO_PROPERTY(std::shared_ptr<TienLenPlayer>, player, setPlayer);
    // Chips on the table.
    ZUNO_PROPERTY(int32_t, playerStack, setPlayerStack) = 0;
    // The server's seat, 0..8.
    ZUNO_PROPERTY(int32_t, playerSeat, setPlayerSeat) = 0;
    // Put in during the current betting round; -1 when nothing is known.
    ZUNO_PROPERTY(int32_t, playerMoney, setPlayerMoney) = -1;
    // The display seat once the table is turned to put the own seat first; -1 until placed.
    ZUNO_PROPERTY(int32_t, playerNewSeat, setPlayerNewSeat) = -1;
    ZUNO_PROPERTY(HoleCards, playerCards, setPlayerCards) = {kFaceDown, kFaceDown};
};

}  // namespace zuno
