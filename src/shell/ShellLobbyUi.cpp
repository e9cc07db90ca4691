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

}  // namespace zuno
