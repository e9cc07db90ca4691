#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// Co Vua (type 9).
GameDescriptor coVuaGame();

}  // namespace zuno
