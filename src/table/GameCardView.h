#pragma once

#include <string>

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"
#include "table/TableSeating.h"

namespace zuno {

// The common card-table screen.
class GameCardView : public ZunoViewController, public CardTableSeating, public TableScreenEvents {
public:
    GameCardView() : GameCardView("TienLenView") {}
    explicit GameCardView(std::string nibName);
};

}  // namespace zuno
