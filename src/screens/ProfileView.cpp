#include "screens/ProfileView.h"
