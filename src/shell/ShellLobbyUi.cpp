#include "shell/ShellLobbyUi.h"

#include "games/poker/PokerView.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/TableScreenKinds.h"

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
    return isTableScreen(top.get()) && !dynamic_cast<const PokerView*>(top.get());
}

std::shared_ptr<ui::ViewController> ShellLobbyUi::topScreen() const {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate || !delegate->navigationController) return nullptr;
    return delegate->navigationController->topViewController();
}

void ShellLobbyUi::popToRootScreen(bool animated) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController) delegate->navigationController->popToRootViewControllerAnimated(animated);
}

void ShellLobbyUi::pushScreen(const std::shared_ptr<ui::ViewController>& screen, bool animated) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (screen && delegate && delegate->navigationController)
        delegate->navigationController->pushViewController(screen, animated);
}

}  // namespace zuno
