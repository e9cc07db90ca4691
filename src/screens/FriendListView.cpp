#include "screens/FriendListView.h"
