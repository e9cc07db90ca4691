#include "games/tienlen/TienLenView.h"
