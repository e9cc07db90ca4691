#include "screens/EventView.h"
