#pragma once

#include "lobby/ILobbyShell.h"

namespace zuno {

// The shell as the lobby sees it: Resources, UIController and Util behind the lobby's interface.
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
    void setMyInfo(PlayerPtr player) override;
    void showNotice(const std::string& text) override;
    std::shared_ptr<ItemsOfCategory> getItemsOfCategory(int32_t categoryId) override;
    std::shared_ptr<UserItemsOfCategory> getUserItemsOfCategory(int32_t categoryId) override;
};

}  // namespace zuno
