#pragma once

#include <memory>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "shell/ZunoViewController.h"
#include "lobby/model/ZunoMessage.h"

namespace zuno {

// The friend list and its chat tabs.
class FriendListView : public ZunoViewController, public ForceReloadTableView, public FriendListScreen {
public:
    using ZunoViewController::ZunoViewController;

    void setFriendList(std::vector<PlayerPtr> friends) override {}
    void forceReloadTableView() override {}
    // 0: the friend was deleted.
    void onDelFriendResult(int result) override {}
    void onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) override {}
};

}  // namespace zuno
