#pragma once

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The common card-table screen.
class GameCardView : public ZunoViewController, public TableScreenEvents {
public:
    using ZunoViewController::ZunoViewController;
};

}  // namespace zuno
