#include "shell/LobbyShell.h"

#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

void LobbyShell::install() { ILobbyShell::install(std::make_shared<LobbyShell>()); }

std::string LobbyShell::textForKey(std::string_view key) const { return Resources::getInstance().textForKey(key); }

std::string LobbyShell::currentLanguage() const { return Resources::getInstance().currentLanguage(); }

sys::Value LobbyShell::configValue(std::string_view key) const { return Resources::getInstance().configValue(key); }

std::string LobbyShell::networkType() const { return Util::getNetworkType(); }

bool LobbyShell::checkVersioniOS4() const { return UIController::checkVersioniOS4(); }

bool LobbyShell::checkApStore() const { return UIController::checkApStore(); }
bool LobbyShell::checkVersionToSendSMS() const { return UIController::checkVersionToSendSMS(); }

int8_t LobbyShell::gameType() const { return UIController::gameType(); }

void LobbyShell::setGameType(int8_t type) { UIController::setGameType(type); }

bool LobbyShell::inviting() const { return UIController::inviting(); }

void LobbyShell::setMyInfo(PlayerPtr player) { UIController::setMyInfo(std::move(player)); }

void LobbyShell::showNotice(const std::string& text) {
    // The server refuses a join with a notice: the table list takes taps again.
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController &&
        std::dynamic_pointer_cast<BoardView>(delegate->navigationController->topViewController())) {
        BoardView::setnumOfTouchUp(0);
    }
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(text);
}

std::shared_ptr<ItemsOfCategory> LobbyShell::getItemsOfCategory(int32_t categoryId) {
    return Resources::getInstance().getItemsOfCategory(categoryId);
}

std::shared_ptr<UserItemsOfCategory> LobbyShell::getUserItemsOfCategory(int32_t categoryId) {
    return Resources::getInstance().getUserItemsOfCategory(categoryId);
}

}  // namespace zuno
