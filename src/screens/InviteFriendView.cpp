#include "screens/InviteFriendView.h"
