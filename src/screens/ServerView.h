#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The server list, from which the player signs in.
class ServerView : public ZunoViewController {
public:
    ServerView() : ServerView("ServerView") {}
    explicit ServerView(std::string nibName);
};

}  // namespace zuno
