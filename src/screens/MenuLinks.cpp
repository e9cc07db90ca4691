#include "screens/MenuLinks.h"

#include "platform/core/Log.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno::menu {

std::shared_ptr<ui::ViewController> pushNamed(ZunoViewController& from, const char* name) {
    auto screen = ui::ScreenFactory::create(name);
    if (!screen) {
        sys::Log::line(std::string("Menu: no screen named ") + name);
        return nullptr;
    }
    if (auto nav = from.navigationController()) nav->pushViewController(screen, true);
    return screen;
}

void openEventPage(ZunoViewController& from, std::string_view titleKey) {
    pushNamed(from, "EventView");
    setUpperCasedWindowTitle(titleKey);
}

void showSendAdminView(ZunoViewController& from, std::shared_ptr<ui::ViewController>& sheet) {
    // The feedback sheet is made by name: it belongs to the feedback screens.
    if (!sheet) sheet = ui::ScreenFactory::create("SendAdminView");
    if (!sheet) {
        sys::Log::line("Menu: no feedback sheet");
        return;
    }
    sheet->setTitle(Resources::getInstance().textForKey("ZUNO_Comment"));
    from.view()->addSubview(sheet->view());
    sheet->viewWillAppear(false);
}

void callHotline() { UIController::callHotline(Resources::getInstance().configValue("Hotline").asText()); }

void closeSideMenu(ZunoViewController& from) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->btnMenu && delegate->btnMenu->tag() == 1) from.showMenu();
}

}  // namespace zuno::menu
