#pragma once

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The Poker table screen; it takes the card-table events without being a card table.
class PokerView : public ZunoViewController, public TableScreenEvents {
public:
    using ZunoViewController::ZunoViewController;
};

}  // namespace zuno
