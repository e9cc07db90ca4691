#include "screens/MenuSheets.h"

#include "platform/ui/ScreenFactory.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

const ui::BindingTable& menuMain::bindings() {
    using B = ui::Bind<menuMain>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {
                                            B::outlet("lblLogin_Register", &menuMain::lblLogin_Register),
                                            B::action("doHelp:", &menuMain::doHelp),
                                            B::action("doSendFriend:", &menuMain::doSendFriend),
                                            B::action("doRePassword:", &menuMain::doRePassword),
                                            B::action("doRegister:", &menuMain::doRegister),
                                        });
    return table;
}

menuMain::menuMain() : CustomUIActionSheetViewController(std::string("menuMain")) {}

void menuMain::doHelp(ui::Object*) { slideOut(); }
void menuMain::doSendFriend(ui::Object*) { slideOut(); }
void menuMain::doRePassword(ui::Object*) { slideOut(); }

void menuMain::doRegister(ui::Object*) {
    slideOut();
    const bool registering = lblLogin_Register && lblLogin_Register->text() == kRegisterCaption;
    auto screen = ui::ScreenFactory::create(registering ? "RegisterView" : "LoginView");
    auto delegate = ZunoOnlineAppDelegate::current();
    if (screen && delegate && delegate->navigationController)
        delegate->navigationController->pushViewController(screen, true);
}

const ui::BindingTable& menuGopy::bindings() {
    using B = ui::Bind<menuGopy>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {
                                            B::outlet("lblGopY", &menuGopy::lblGopY),
                                            B::outlet("lblGoiTroGiup", &menuGopy::lblGoiTroGiup),
                                            B::outlet("lblTangBanBe", &menuGopy::lblTangBanBe),
                                            B::outlet("lblThoi", &menuGopy::lblThoi),
                                        });
    return table;
}

menuGopy::menuGopy() : CustomUIActionSheetViewController(std::string("menuGopy")) {}

ZUNO_REGISTER_SCREEN(menuMain)
ZUNO_REGISTER_SCREEN(menuGopy)

}  // namespace zuno
