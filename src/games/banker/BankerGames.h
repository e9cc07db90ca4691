#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// The banker games Bai Cao (type 11) and Xi Zach (type 2), on the common card-table screen.
GameDescriptor baiCaoGame();
GameDescriptor xiZachGame();

}  // namespace zuno
