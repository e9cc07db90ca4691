#pragma once

#include <optional>
#include <string>

#include "lobby/LobbyScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The tell-a-friend screen.
class TellFriendView : public ZunoViewController, public TellFriendScreen {
public:
    using ZunoViewController::ZunoViewController;
    // The server's text for the SMS to a friend.
    void updateWithInfo(const std::optional<std::string>& info) override {}
};

}  // namespace zuno
