#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// Co Tuong (type 5).
GameDescriptor coTuongGame();

}  // namespace zuno
