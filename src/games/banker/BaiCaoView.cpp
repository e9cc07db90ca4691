#include "games/banker/BaiCaoView.h"
