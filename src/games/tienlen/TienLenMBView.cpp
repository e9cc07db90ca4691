#include "games/tienlen/TienLenMBView.h"
