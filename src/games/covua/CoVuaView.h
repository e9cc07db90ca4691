#pragma once

#include <memory>
#include <string>

#include "lobby/ScreenEvents.h"
#include "platform/ui/Button.h"
#include "shell/ZunoViewController.h"
#include "table/TableSeating.h"

namespace zuno {

// The Co Vua board.
class CoVuaView : public ZunoViewController, public BoardTableSeating, public TableScreenEvents {
public:
    CoVuaView() : CoVuaView("CoVuaView") {}
    explicit CoVuaView(std::string nibName);
    // The player resigned.
    void setIsLosing(bool on) { isLosing = on; }
    bool isLosing = false;
    // The resign button.
    std::shared_ptr<ui::Button> btnLose;
};

}  // namespace zuno
