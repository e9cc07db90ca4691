#pragma once

#include <memory>
#include <vector>

#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "shell/ZunoViewController.h"
#include "lobby/model/ZunoMessage.h"

namespace zuno {

// The friend list and its chat tabs.
class FriendListView : public ZunoViewController, public ForceReloadTableView {
public:
    using ZunoViewController::ZunoViewController;

    virtual void setFriendList(std::vector<PlayerPtr> friends) {}
    void forceReloadTableView() override {}
    // 0: the friend was deleted.
    virtual void onDelFriendResult(int result) {}
    virtual void onChatFromWithMessage(std::shared_ptr<ZunoMessage> message) {}
};

}  // namespace zuno
