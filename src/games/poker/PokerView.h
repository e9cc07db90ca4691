#pragma once

#include <string>

#include "shell/ZunoViewController.h"
#include "table/TableSeating.h"

namespace zuno {

// The Poker table.
class PokerView : public ZunoViewController, public CardTableSeating {
public:
    PokerView() : PokerView("PokerView") {}
    explicit PokerView(std::string nibName);
    // The zoomed view of the table is open.
    bool isZoom = false;
    // Stops the turn timer when it runs.
    virtual void hideTimer() {}
};

}  // namespace zuno
