#include "screens/SubRankingView.h"
