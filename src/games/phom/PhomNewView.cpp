#include "games/phom/PhomNewView.h"
