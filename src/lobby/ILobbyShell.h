#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "lobby/model/Player.h"
#include "lobby/model/ShopRecords.h"
#include "platform/core/Value.h"

namespace zuno {

// What the lobby needs of the application shell, which is built on top of it: the language table and
// the configuration, the session's game and player, the dialog of a plain notice. The lobby reaches
// the shell through this interface only. The shell installs its own when its resources are made;
// until then this base answers as a client without a shell: no texts, no configuration, game 0.
//
// Any thread, except showNotice (main thread).
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
    // The signed-in player.
    virtual void setMyInfo(PlayerPtr player) {}

    // Main thread: an information dialog with no pending action.
    virtual void showNotice(const std::string& text) {}

    // The cached page of a category for sale, and of owned items.
    virtual std::shared_ptr<ItemsOfCategory> getItemsOfCategory(int32_t categoryId) { return nullptr; }
    virtual std::shared_ptr<UserItemsOfCategory> getUserItemsOfCategory(int32_t categoryId) { return nullptr; }
};

}  // namespace zuno
