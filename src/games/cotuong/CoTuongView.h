#pragma once

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The Co Tuong board screen.
class CoTuongView : public ZunoViewController, public TableScreenEvents {
public:
    using ZunoViewController::ZunoViewController;
};

}  // namespace zuno
