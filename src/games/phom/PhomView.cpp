#include "games/phom/PhomView.h"
