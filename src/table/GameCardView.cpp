#include "table/GameCardView.h"
