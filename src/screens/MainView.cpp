#include "screens/MainView.h"
