#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Value.h"
#include "shell/ImageCache.h"
#include "shell/ShopCache.h"
#include "shell/SystemSounds.h"

namespace zuno {

// What the application loads from its bundle and keeps for the whole run: the configuration, the
// language table and its look-up, the emoticon table, the names of the turn-timer images and the
// system sounds; and what it learns from the server: pictures (ImageCache) and the shop (ShopCache).
// When made, it becomes the language look-up of interface files (ui::LocalizedText) and installs the
// shell the lobby reaches (LobbyShell).
class Resources : public SystemSounds, public ImageCache, public ShopCache {
public:
    static Resources& getInstance();

    // The bundle folder.
    const std::string& path() const { return path_; }
    // ZunoOnlineConfig.plist: "Server", "Port", "LinkServer", "LinkTerm", "LinkGuide", "Hotline",
    // "AppStore", "AppStoreUrl", "PaymentUrl".
    const sys::Dictionary& zunoConfig() const { return zunoConfig_; }
    // One configuration value, or null.
    sys::Value configValue(std::string_view key) const;

    // "en" or "vi".
    std::string currentLanguage() const;
    void setCurrentLanguage(std::string language);
    // Turns to the other language and keeps the choice ("language") in the user defaults; answers it.
    std::string switchLanguage();
    // Loads the table of the current language.
    void loadLanguage();
    // Loads the table of the given language without changing the current language. Texts of
    // interface files that name a key are looked up again in it.
    void loadLanguageWithPath(const std::string& language);
    // The language table in force (a snapshot: a later load replaces it, never changes it).
    std::shared_ptr<const sys::Dictionary> zunoLanguage() const;

    // The text of a localisation key in the shared instance's table; nothing when the key or the table
    // is missing.
    static std::optional<std::string> getNameWithKey(std::string_view key);
    // The same, as a text that is empty when missing (what a label shows).
    std::string textForKey(std::string_view key) const { return getNameWithKey(key).value_or(std::string()); }

    // emotions.plist: each emoticon token to its image name.
    const sys::Dictionary& xDictEmotion() const { return xDictEmotion_; }

    // Frames of the turn timers: "t1.png".."t20.png", "ct20.png".."ct1.png", "caro-0.png".."caro-29.png".
    const std::vector<std::string>& arrayImgTimer() const { return arrayImgTimer_; }
    const std::vector<std::string>& arrayImgCTTimer() const { return arrayImgCTTimer_; }
    const std::vector<std::string>& arrayImgCRTimer() const { return arrayImgCRTimer_; }

    // The language the user chose ("language"), else the system's first ("AppleLanguages"); anything
    // but "en" and "vi" gives "en".
    static std::string chooseLanguage();

    // A configuration file to read in place of the bundle's ZunoOnlineConfig.plist (none: the
    // bundle's); takes effect when the shared instance is made.
    static void setConfigurationFile(std::optional<std::string> path);

    // Tests: forget the shared instance so the next getInstance() loads everything again.
    static void resetForTests();

private:
    Resources();
    void loadBundleFiles();
    void installLanguageTable(const std::string& language);
    sys::Dictionary readBundlePlist(const std::string& name) const;

    std::string path_;
    sys::Dictionary zunoConfig_;
    sys::Dictionary xDictEmotion_;
    std::vector<std::string> arrayImgTimer_;
    std::vector<std::string> arrayImgCTTimer_;
    std::vector<std::string> arrayImgCRTimer_;

    mutable std::mutex languageMutex_;
    std::string currentLanguage_;
    std::shared_ptr<const sys::Dictionary> zunoLanguage_;
};

}  // namespace zuno
