#pragma once

#include <string>

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"
#include "table/TableSeating.h"

namespace zuno {

// The Poker table: not a GameCardView, but seated and sent events like one.
class PokerView : public ZunoViewController, public CardTableSeating, public TableScreenEvents, public PokerTableScreen {
public:
    PokerView() : PokerView("PokerView") {}
    explicit PokerView(std::string nibName);
    // The zoomed view of the table is open.
    bool isZoom = false;
    // Stops the turn timer when it runs.
    virtual void hideTimer() {}
};

}  // namespace zuno
