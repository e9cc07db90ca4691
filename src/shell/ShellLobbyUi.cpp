#include "shell/ShellLobbyUi.h"

#include "lobby/GameRegistry.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/TableScreenKinds.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

void ShellLobbyUi::startEventWithiOS4(const std::string& text) {
    if (auto delegate = ZunoOnlineAppDelegate::current()) delegate->startEventWithiOS4(text);
}

void ShellLobbyUi::startEventWithiOS3(const std::string& text) {
    if (auto delegate = ZunoOnlineAppDelegate::current()) delegate->startEventWithiOS3(text);
}

bool ShellLobbyUi::topScreenRefusesInvitations() const {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate || !delegate->navigationController) return false;
    auto top = delegate->navigationController->topViewController();
    const GameDescriptor* shown = GameRegistry::ofScreen(top.get());
    return isTableScreen(top.get()) && !(shown && shown->family == TableFamily::Poker);
}

namespace {
std::shared_ptr<ui::NavigationController> navigation() {
    auto delegate = ZunoOnlineAppDelegate::current();
    return delegate ? delegate->navigationController : nullptr;
}
}  // namespace

void ShellLobbyUi::pushRoomView(const std::string& title) {
    auto rooms = ui::ScreenFactory::create("RoomView");
    if (!rooms) return;
    rooms->setTitle(title);
    pushScreen(rooms, true);
}

std::shared_ptr<ui::ViewController> ShellLobbyUi::topScreen() const {
    auto nav = navigation();
    return nav ? nav->topViewController() : nullptr;
}

void ShellLobbyUi::popToRootScreen(bool animated) {
    if (auto nav = navigation()) nav->popToRootViewControllerAnimated(animated);
}

void ShellLobbyUi::pushScreen(const std::shared_ptr<ui::ViewController>& screen, bool animated) {
    if (auto nav = navigation(); nav && screen) nav->pushViewController(screen, animated);
}

}  // namespace zuno
