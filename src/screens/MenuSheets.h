#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The account sheet of the menu family: help, tell a friend and change password only slide it out;
// register opens the registration screen when its caption is exactly "Đăng ký", else a login screen.
class menuMain : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    // The caption that means "register".
    static constexpr const char* kRegisterCaption = "Đăng ký";

    menuMain();

    void doHelp(ui::Object* sender);
    void doSendFriend(ui::Object* sender);
    void doRePassword(ui::Object* sender);
    void doRegister(ui::Object* sender);

    std::shared_ptr<ui::Label> lblLogin_Register;
};

// The feedback sheet of the menu family: four buttons wired in its interface file.
class menuGopy : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuGopy();

    std::shared_ptr<ui::Button> lblGopY, lblGoiTroGiup, lblTangBanBe, lblThoi;
};

}  // namespace zuno
