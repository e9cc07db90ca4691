#include "screens/RankingView.h"
