#pragma once

#include <string>

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"
#include "table/TableSeating.h"

namespace zuno {

// The Phom table: not a GameCardView, but seated and sent events like one.
class PhomView : public ZunoViewController, public CardTableSeating, public TableScreenEvents {
public:
    PhomView() : PhomView("PhomView") {}
    explicit PhomView(std::string nibName);
};

}  // namespace zuno
