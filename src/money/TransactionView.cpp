#include "money/TransactionView.h"
