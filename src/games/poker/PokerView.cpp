#include "games/poker/PokerView.h"
