#include "money/AvatarView.h"
