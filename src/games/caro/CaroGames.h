#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// Caro (type 1): its table and sheets wear their own pictures.
GameDescriptor caroGame();

}  // namespace zuno
