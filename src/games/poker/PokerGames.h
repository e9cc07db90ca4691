#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// Poker (type 4): a table others may watch.
GameDescriptor pokerGame();

}  // namespace zuno
