#include "screens/UserDataView.h"
