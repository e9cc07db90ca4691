#pragma once

#include <optional>
#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The tell-a-friend screen.
class TellFriendView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;
    // The server's text for the SMS to a friend.
    virtual void updateWithInfo(const std::optional<std::string>& info) {}
};

}  // namespace zuno
