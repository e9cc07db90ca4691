#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lobby/model/Player.h"
#include "platform/core/Property.h"

namespace zuno {

// The seat record of the two-seat board tables (Co Tuong, Co Vua, Caro and Blocks): a player with
// the whole-game time left to him, which Blocks does not use.
class ChessPlayer : public Player {
    ZUNO_PROPERTY(int32_t, quotaTime, setQuotaTime) = 0;
};

using ChessPlayers = std::vector<std::shared_ptr<ChessPlayer>>;

}  // namespace zuno
