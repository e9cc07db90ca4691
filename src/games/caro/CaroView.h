#pragma once

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The Caro board screen.
class CaroView : public ZunoViewController, public TableScreenEvents {
public:
    using ZunoViewController::ZunoViewController;
};

}  // namespace zuno
