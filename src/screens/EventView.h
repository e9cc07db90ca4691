#pragma once

#include <string>

#include "lobby/LobbyScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The guide, terms and event pages.
class EventView : public ZunoViewController, public EventScreen {
public:
    EventView() : EventView("EventView") {}
    explicit EventView(std::string nibName);
    void showEventWithInfo(const std::string& info) override {}
};

}  // namespace zuno
