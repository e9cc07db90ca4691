#pragma once

#include "lobby/LobbyScreenEvents.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The registration screen; it registers itself as the connect-OK listener.
class RegisterView : public ZunoViewController, public RegistrationScreen {
public:
    using ZunoViewController::ZunoViewController;
};

}  // namespace zuno
