#include "screens/ProvinceView.h"
