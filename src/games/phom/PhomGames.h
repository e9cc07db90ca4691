#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// Phom (type 7) and new Phom (type 13).
GameDescriptor phomGame();
GameDescriptor phomNewGame();

}  // namespace zuno
