#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// Blocks (type 8): a two-player falling-block duel in a portrait window; no resignation.
GameDescriptor blocksGame();

}  // namespace zuno
