#include "screens/MessageView.h"
