#pragma once

#include "shell/ZunoViewController.h"

namespace zuno {

// The main menu.
class MainView : public ZunoViewController {
public:
    MainView() : ZunoViewController("MainView") {}
};

}  // namespace zuno
