#include "money/MoneyView.h"
