#pragma once

#include <string>

#include "lobby/ScreenEvents.h"
#include "shell/ZunoViewController.h"
#include "table/TableSeating.h"

namespace zuno {

// The Blocks screen (portrait).
class BlocksView : public ZunoViewController, public BoardTableSeating, public TableScreenEvents {
public:
    BlocksView() : BlocksView("BlocksView") {}
    explicit BlocksView(std::string nibName);
};

}  // namespace zuno
