#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The settings screen.
class ConfigView : public ZunoViewController {
public:
    ConfigView() : ConfigView("ConfigView") {}
    explicit ConfigView(std::string nibName);
};

}  // namespace zuno
