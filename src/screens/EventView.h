#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The event page.
class EventView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;
    virtual void showEventWithInfo(const std::string& info) {}
};

}  // namespace zuno
