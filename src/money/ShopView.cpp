#include "money/ShopView.h"
