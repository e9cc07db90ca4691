#include "games/blocks/BlocksView.h"
