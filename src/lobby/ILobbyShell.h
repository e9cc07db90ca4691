#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "lobby/model/Player.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/ZunoMessage.h"
#include "platform/core/Value.h"

namespace zuno {

namespace ui {
class View;
}

// What the lobby needs of the application shell, which is built on top of it: the language table and
// the configuration, the session's game and player, the dialogs and their pending action, the inbox,
// the picture cache. The lobby reaches the shell through this interface only. The shell installs its
// own when its resources are made; until then this base answers as a client without a shell: no
// texts, no configuration, game 0, no player, nothing shown.
//
// Any thread, except the dialogs, the inbox's button and the progress overlay (main thread).
class ILobbyShell {
public:
    virtual ~ILobbyShell() = default;

    // The installed shell (never null).
    static std::shared_ptr<ILobbyShell> shared();
    // nullptr puts the base back.
    static void install(std::shared_ptr<ILobbyShell> shell);

    // The text of a language key in the current language; empty when missing.
    virtual std::string textForKey(std::string_view key) const { return {}; }
    // "en" or "vi".
    virtual std::string currentLanguage() const { return "en"; }
    // One value of the configuration file, or null.
    virtual sys::Value configValue(std::string_view key) const { return {}; }
    // "WIFI", "GPRS/3G" or "Others".
    virtual std::string networkType() const { return "Others"; }
    // The system version is 4.0 or later.
    virtual bool checkVersioniOS4() const { return true; }
    // The store build with SMS switched on.
    virtual bool checkApStore() const { return false; }
    // The device can send an SMS itself.
    virtual bool checkVersionToSendSMS() const { return false; }

    // The game chosen in the session.
    virtual int8_t gameType() const { return 0; }
    virtual void setGameType(int8_t type) {}
    // The player accepts table invitations.
    virtual bool inviting() const { return false; }
    // The signed-in player; none before sign-in.
    virtual PlayerPtr myInfo() const { return nullptr; }
    virtual void setMyInfo(PlayerPtr player) {}
    // Main thread: the signed-in player's session is over; nothing held of that account stays for the
    // next one (the player, the inbox and its button, what the shop learned of the account's items).
    // The settings, the language and the saved sign-in are not the account's and stay.
    virtual void forgetAccount() {}

    // Main thread: an information dialog with no pending action.
    virtual void showNotice(const std::string& text) {}
    // Main thread: the dialogs, each replacing the one shown, and what OK of the next one will do (a
    // DialogAction) with its payload.
    virtual void setOkValue(int value) {}
    virtual void setObject(sys::Value value) {}
    virtual void startOKDlg(const std::string& message) {}
    virtual void startCancelDlg(const std::string& message) {}
    virtual void startCancelOkDlg(const std::string& message, const std::string& cancelTitle,
                                  const std::string& okTitle) {}
    virtual void closeDialog() {}
    // Main thread: hides the progress overlay added last to the view.
    virtual void hideHUDForView(const std::shared_ptr<ui::View>& view, bool animated) {}

    // The inbox of private messages (a new one goes first) and, on the main thread, the unread-mail
    // button shown.
    virtual void addMessage(std::shared_ptr<ZunoMessage> message) {}
    virtual size_t unreadMessageCount() const { return 0; }
    virtual std::shared_ptr<ui::View> btnAlertMessage() const { return nullptr; }
    virtual void setBtnAlertMessage(std::shared_ptr<ui::View> button) {}

    // Main thread: dials the hotline number the server sent.
    virtual void callHotlineFromServer(const std::string& number) {}

    // The cached page of a category for sale, and of owned items.
    virtual std::shared_ptr<ItemsOfCategory> getItemsOfCategory(int32_t categoryId) { return nullptr; }
    virtual std::shared_ptr<UserItemsOfCategory> getUserItemsOfCategory(int32_t categoryId) { return nullptr; }

    // The picture cache: avatars, asset pictures and shop items' full pictures. A missing avatar or
    // item picture is asked of the server and answers none until it arrives.
    virtual ImagePtr getAvatarWithKey(int16_t avatarId) { return nullptr; }
    virtual void setAvatarWithImage(ImagePtr image, int16_t avatarId) {}
    virtual void setAssetWithImage(ImagePtr image, int32_t assetId) {}
    virtual void setItemWithImage(const sys::Data& data, int32_t itemId) {}
    virtual ImagePtr getItemImageWithKey(int32_t itemId) { return nullptr; }
};

}  // namespace zuno
