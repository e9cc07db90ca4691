#include "screens/TellFriendView.h"
