#pragma once

#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The list of players to invite to the table.
class InviteFriendView : public ZunoViewController, public ShowDataTableView, public InviteListScreen {
public:
    using ZunoViewController::ZunoViewController;

    void setOnlineList(std::vector<PlayerPtr> players) override {}
    void showDataTableView() override {}
};

}  // namespace zuno
