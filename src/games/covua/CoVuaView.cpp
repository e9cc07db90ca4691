#include "games/covua/CoVuaView.h"
