#pragma once

#include <cstdint>

namespace zuno {

// What a tap on a banker-game card asks of its table screen.
class BankerCardTaps {
public:
    virtual ~BankerCardTaps() = default;
    // One of my cards (Bai Cao: show it; -1 shows the next hidden one).
    virtual void doFireWithCardId(int8_t cardId) = 0;
    // Xi Zach: a card of another player's hand, which the dealer examines.
    virtual void xetBaiWithPlayer(int32_t playerId) = 0;
};

}  // namespace zuno
