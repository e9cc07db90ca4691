#include "games/cotuong/CoTuongView.h"
