#include "games/caro/CaroView.h"
