#pragma once

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The Blocks screen.
class BlocksView : public ZunoViewController, public TableScreenEvents {
public:
    using ZunoViewController::ZunoViewController;
};

}  // namespace zuno
