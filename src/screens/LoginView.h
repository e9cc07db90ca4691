#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The login screen, the root of the navigation stack.
class LoginView : public ZunoViewController {
public:
    LoginView() : LoginView("LoginView") {}
    explicit LoginView(std::string nibName);
};

}  // namespace zuno
