#include "shell/Resources.h"

#include "platform/core/Bundle.h"
#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/PropertyList.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/LocalizedText.h"
#include "shell/LobbyShell.h"

namespace zuno {

namespace {
std::mutex instanceMutex;
std::unique_ptr<Resources>& instanceSlot() {
    static std::unique_ptr<Resources> slot;
    return slot;
}
}  // namespace

Resources& Resources::getInstance() {
    std::lock_guard<std::mutex> lock(instanceMutex);
    auto& slot = instanceSlot();
    if (!slot) slot.reset(new Resources());
    return *slot;
}

void Resources::resetForTests() {
    std::lock_guard<std::mutex> lock(instanceMutex);
    instanceSlot().reset();
}

Resources::Resources() {
    sys::Log::line("da khoi tao resources...");
    addBuiltInAvatar();
    for (int i = 1; i <= 20; ++i) arrayImgTimer_.push_back(sys::format("t%d.png", i));
    for (int i = 20; i >= 1; --i) arrayImgCTTimer_.push_back(sys::format("ct%d.png", i));
    for (int i = 0; i < 30; ++i) arrayImgCRTimer_.push_back(sys::format("caro-%d.png", i));
    loadBundleFiles();
    loadSystemSounds();
    currentLanguage_ = chooseLanguage();
    installLanguageTable(currentLanguage_);
    // Interface files name language keys ("@ZUNO_login"); they are looked up in this table.
    ui::LocalizedText::setResolver([](std::string_view key) { return Resources::getNameWithKey(key); });
    // The lobby reaches the shell through its own interface.
    LobbyShell::install();
}

sys::Dictionary Resources::readBundlePlist(const std::string& name) const {
    auto file = sys::Bundle::main().pathForResource(name, "plist");
    if (!file) {
        sys::Log::warning("Resources: missing " + name + ".plist");
        return {};
    }
    try {
        sys::Value root = sys::PropertyList::readFile(*file);
        if (const auto* d = root.dictionary()) return *d;
        sys::Log::warning("Resources: " + *file + " is not a dictionary");
    } catch (const sys::Exception& e) {
        sys::Log::warning("Resources: " + e.reason());
    }
    return {};
}

namespace {
std::mutex configurationFileMutex;
std::optional<std::string>& configurationFileSlot() {
    static std::optional<std::string> path;
    return path;
}
}  // namespace

void Resources::setConfigurationFile(std::optional<std::string> path) {
    std::lock_guard<std::mutex> lock(configurationFileMutex);
    configurationFileSlot() = std::move(path);
}

void Resources::loadBundleFiles() {
    path_ = sys::Bundle::main().bundlePath();
    xDictEmotion_ = readBundlePlist("emotions");
    std::optional<std::string> configuration;
    {
        std::lock_guard<std::mutex> lock(configurationFileMutex);
        configuration = configurationFileSlot();
    }
    zunoConfig_ = readBundlePlist("ZunoOnlineConfig");
    if (!configuration) return;
    try {
        sys::Value root = sys::PropertyList::readFile(*configuration);
        if (const auto* d = root.dictionary()) {
            zunoConfig_ = *d;
            return;
        }
        sys::Log::warning("Resources: " + *configuration + " is not a dictionary");
    } catch (const sys::Exception& e) {
        sys::Log::warning("Resources: " + e.reason());
    }
}

sys::Value Resources::configValue(std::string_view key) const {
    const sys::Value* v = zunoConfig_.find(key);
    return v ? *v : sys::Value();
}

std::string Resources::chooseLanguage() {
    auto& defaults = sys::UserDefaults::standard();
    std::optional<std::string> language = defaults.stringForKey("language");
    if (!language) {
        auto preferred = defaults.stringArrayForKey("AppleLanguages");
        if (preferred && !preferred->empty()) language = preferred->front();
    }
    if (language == "en" || language == "vi") return *language;
    return "en";
}

std::string Resources::currentLanguage() const {
    std::lock_guard<std::mutex> lock(languageMutex_);
    return currentLanguage_;
}

void Resources::setCurrentLanguage(std::string language) {
    std::lock_guard<std::mutex> lock(languageMutex_);
    currentLanguage_ = std::move(language);
}

std::string Resources::switchLanguage() {
    const std::string language = currentLanguage() == "vi" ? "en" : "vi";
    setCurrentLanguage(language);
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(language), "language");
    defaults.synchronize();
    return language;
}

void Resources::loadLanguage() { loadLanguageWithPath(currentLanguage()); }

void Resources::loadLanguageWithPath(const std::string& language) {
    installLanguageTable(language);
    // Texts on screen that name a key take the new table's text.
    ui::LocalizedText::languageChanged();
}

void Resources::installLanguageTable(const std::string& language) {
    auto table = std::make_shared<const sys::Dictionary>(readBundlePlist(language));
    std::lock_guard<std::mutex> lock(languageMutex_);
    zunoLanguage_ = std::move(table);
}

std::shared_ptr<const sys::Dictionary> Resources::zunoLanguage() const {
    std::lock_guard<std::mutex> lock(languageMutex_);
    return zunoLanguage_;
}

std::optional<std::string> Resources::getNameWithKey(std::string_view key) {
    auto table = getInstance().zunoLanguage();
    if (!table) return std::nullopt;
    const sys::Value* v = table->find(key);
    if (!v || !v->text()) return std::nullopt;
    return *v->text();
}

}  // namespace zuno
