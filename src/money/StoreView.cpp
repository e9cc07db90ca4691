#include "money/StoreView.h"
