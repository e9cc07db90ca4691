#pragma once

#include "lobby/ILobbyShell.h"

namespace zuno {

// The shell as the lobby sees it: Resources, UIController, ProgressHUD and Util behind the lobby's
// interface.
class LobbyShell : public ILobbyShell {
public:
    // Makes this the lobby's shell (Resources does so when it is made).
    static void install();

    std::string textForKey(std::string_view key) const override;
    std::string currentLanguage() const override;
    sys::Value configValue(std::string_view key) const override;
    std::string networkType() const override;
    bool checkVersioniOS4() const override;
    bool checkApStore() const override;
    bool checkVersionToSendSMS() const override;
    int8_t gameType() const override;
    void setGameType(int8_t type) override;
    bool inviting() const override;
    PlayerPtr myInfo() const override;
    void setMyInfo(PlayerPtr player) override;
    void forgetAccount() override;
    void showNotice(const std::string& text) override;
    void setOkValue(int value) override;
    void setObject(sys::Value value) override;
    void startOKDlg(const std::string& message) override;
    void startCancelDlg(const std::string& message) override;
    void startCancelOkDlg(const std::string& message, const std::string& cancelTitle,
                          const std::string& okTitle) override;
    void closeDialog() override;
    void hideHUDForView(const std::shared_ptr<ui::View>& view, bool animated) override;
    void addMessage(std::shared_ptr<ZunoMessage> message) override;
    size_t unreadMessageCount() const override;
    std::shared_ptr<ui::View> btnAlertMessage() const override;
    void setBtnAlertMessage(std::shared_ptr<ui::View> button) override;
    void callHotlineFromServer(const std::string& number) override;
    std::shared_ptr<ItemsOfCategory> getItemsOfCategory(int32_t categoryId) override;
    std::shared_ptr<UserItemsOfCategory> getUserItemsOfCategory(int32_t categoryId) override;
    ImagePtr getAvatarWithKey(int16_t avatarId) override;
    void setAvatarWithImage(ImagePtr image, int16_t avatarId) override;
    void setAssetWithImage(ImagePtr image, int32_t assetId) override;
    void setItemWithImage(const sys::Data& data, int32_t itemId) override;
    ImagePtr getItemImageWithKey(int32_t itemId) override;
};

}  // namespace zuno
