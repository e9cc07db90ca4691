#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The guide, terms and event pages.
class EventView : public ZunoViewController {
public:
    EventView() : EventView("EventView") {}
    explicit EventView(std::string nibName);
    virtual void showEventWithInfo(const std::string& info) {}
};

}  // namespace zuno
