#pragma once

#include "lobby/GameRegistry.h"

namespace zuno {

// Tien Len (type 3) and Tien Len Mien Bac (type 12): one card-table screen, each with its own service.
GameDescriptor tienLenGame();
GameDescriptor tienLenMBGame();

}  // namespace zuno
