#pragma once

#include <memory>

#include "lobby/model/Player.h"

namespace zuno {

// The seat player of the card tables (Tien Len, Phom, Poker and, through its own subclass, the banker
// games): a Player as the table's join reply and seat messages describe it. Its hand of card sprites
// joins it with the table screens.
class TienLenPlayer : public Player {
public:
    TienLenPlayer() = default;
};

using TienLenPlayerPtr = std::shared_ptr<TienLenPlayer>;

}  // namespace zuno
