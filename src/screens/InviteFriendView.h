#pragma once

#include <vector>

#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The list of players to invite to the table.
class InviteFriendView : public ZunoViewController, public ShowDataTableView {
public:
    using ZunoViewController::ZunoViewController;

    virtual void setOnlineList(std::vector<PlayerPtr> players) {}
    void showDataTableView() override {}
};

}  // namespace zuno
