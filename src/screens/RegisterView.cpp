#include "screens/RegisterView.h"
