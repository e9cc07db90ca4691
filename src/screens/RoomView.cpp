#include "screens/RoomView.h"
