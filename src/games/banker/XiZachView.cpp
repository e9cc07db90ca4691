#include "games/banker/XiZachView.h"
