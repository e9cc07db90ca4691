#include "shell/LobbyShell.h"

#include "lobby/LobbyScreenEvents.h"
#include "platform/ui/NavigationController.h"
#include "shell/ProgressHUD.h"
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

PlayerPtr LobbyShell::myInfo() const { return UIController::myInfo(); }

void LobbyShell::setMyInfo(PlayerPtr player) { UIController::setMyInfo(std::move(player)); }

void LobbyShell::forgetAccount() {
    UIController::forgetAccount();
    Resources::getInstance().forgetAccountItems();
    Resources::getInstance().forgetUserAvatarImageViews();
}

void LobbyShell::showNotice(const std::string& text) {
    // The server refuses a join with a notice: the table list takes taps again.
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController) {
        auto top = delegate->navigationController->topViewController();
        if (auto tables = std::dynamic_pointer_cast<TableListScreen>(top)) tables->resetNumOfTouchUp();
    }
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(text);
}

void LobbyShell::setOkValue(int value) { UIController::setOkValue(value); }

void LobbyShell::setObject(sys::Value value) { UIController::setObject(std::move(value)); }

void LobbyShell::startOKDlg(const std::string& message) { UIController::startOKDlg(message); }

void LobbyShell::startCancelDlg(const std::string& message) { UIController::startCancelDlg(message); }

void LobbyShell::startCancelOkDlg(const std::string& message, const std::string& cancelTitle,
                                  const std::string& okTitle) {
    UIController::startCancelOkDlg(message, cancelTitle, okTitle);
}

void LobbyShell::closeDialog() { UIController::closeDialog(); }

void LobbyShell::hideHUDForView(const std::shared_ptr<ui::View>& view, bool animated) {
    ProgressHUD::hideHUDForView(view, animated);
}

// The inbox is read newest first.
void LobbyShell::addMessage(std::shared_ptr<ZunoMessage> message) { UIController::insertMessageAtFront(std::move(message)); }

size_t LobbyShell::unreadMessageCount() const { return UIController::unreadMessageCount(); }

std::shared_ptr<ui::View> LobbyShell::btnAlertMessage() const { return UIController::btnAlertMessage(); }

void LobbyShell::setBtnAlertMessage(std::shared_ptr<ui::View> button) {
    UIController::setBtnAlertMessage(std::move(button));
}

void LobbyShell::callHotlineFromServer(const std::string& number) { UIController::callHotlineFromServer(number); }

std::shared_ptr<ItemsOfCategory> LobbyShell::getItemsOfCategory(int32_t categoryId) {
    return Resources::getInstance().getItemsOfCategory(categoryId);
}

std::shared_ptr<UserItemsOfCategory> LobbyShell::getUserItemsOfCategory(int32_t categoryId) {
    return Resources::getInstance().getUserItemsOfCategory(categoryId);
}

ImagePtr LobbyShell::getAvatarWithKey(int16_t avatarId) { return Resources::getInstance().getAvatarWithKey(avatarId); }

void LobbyShell::setAvatarWithImage(ImagePtr image, int16_t avatarId) {
    Resources::getInstance().setAvatarWithImage(std::move(image), avatarId);
}

void LobbyShell::setAssetWithImage(ImagePtr image, int32_t assetId) {
    Resources::getInstance().setAssetWithImage(std::move(image), assetId);
}

void LobbyShell::setItemWithImage(const sys::Data& data, int32_t itemId) {
    Resources::getInstance().setItemWithImage(data, itemId);
}

ImagePtr LobbyShell::getItemImageWithKey(int32_t itemId) { return Resources::getInstance().getItemImageWithKey(itemId); }

}  // namespace zuno
