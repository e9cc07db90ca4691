#include "platform/core/Device.h"

#include <sys/utsname.h>

#include <cstdlib>
#include <mutex>
#include <random>

#include "platform/core/AtomicFile.h"
#include "platform/core/DataFolder.h"
#include "platform/core/Log.h"

namespace zuno::sys {

namespace {
std::mutex& deviceMutex() {
    static std::mutex m;
    return m;
}
std::optional<DeviceInfo>& overrideSlot() {
    static std::optional<DeviceInfo> slot;
    return slot;
}

std::optional<DeviceInfo> overridden() {
    std::lock_guard<std::mutex> lock(deviceMutex());
    return overrideSlot();
}

bool isIdentifier(const std::string& s) {
    if (s.size() != 32) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

std::string makeIdentifier() {
    std::random_device random;
    static const char* hex = "0123456789abcdef";
    std::string id;
    for (int i = 0; i < 32; ++i) id.push_back(hex[random() & 15]);
    return id;
}

std::string realSystemVersion() {
    utsname u{};
    if (::uname(&u) != 0) return "0";
    // Keep the leading numbers and dots: "6.1.0-18-amd64" -> "6.1.0".
    std::string release = u.release;
    size_t end = 0;
    while (end < release.size() && ((release[end] >= '0' && release[end] <= '9') || release[end] == '.')) ++end;
    std::string version = release.substr(0, end);
    while (!version.empty() && version.back() == '.') version.pop_back();
    return version.empty() ? "0" : version;
}
}  // namespace

std::string Device::model() {
    if (auto o = overridden()) return o->model;
    return "Desktop";
}

std::string Device::systemName() {
    if (auto o = overridden()) return o->systemName;
    return "Linux";
}

std::string Device::systemVersion() {
    if (auto o = overridden()) return o->systemVersion;
    return realSystemVersion();
}

std::string Device::uniqueIdentifier() {
    if (auto o = overridden()) return o->uniqueIdentifier;
    static std::mutex idMutex;
    static std::string cachedFolder, cachedId;
    std::lock_guard<std::mutex> lock(idMutex);
    std::string folder = dataFolder();
    if (folder == cachedFolder && !cachedId.empty()) return cachedId;
    std::string path = folder + "/device-id";
    std::string id;
    if (auto stored = readWholeFile(path)) {
        id = *stored;
        while (!id.empty() && (id.back() == '\n' || id.back() == '\r')) id.pop_back();
    }
    if (!isIdentifier(id)) {
        id = makeIdentifier();
        if (auto error = writeFileAtomically(path, id + "\n", 0600))
            reportDataFolderFailure("Device identifier not kept: " + *error);
    }
    cachedFolder = folder;
    cachedId = id;
    return id;
}

std::optional<std::string> Device::carrierName() {
    if (auto o = overridden()) return o->carrierName;
    return std::nullopt;
}

bool Device::isMultitaskingSupported() {
    if (auto o = overridden()) return o->multitaskingSupported;
    return false;
}

std::optional<std::string> Device::languageOfLocale(const std::string& locale) {
    size_t end = 0;
    while (end < locale.size() && locale[end] >= 'a' && locale[end] <= 'z') ++end;
    if (end < 2 || end > 3) return std::nullopt;  // "C", "POSIX", "" and odd names carry none
    if (end < locale.size() && locale[end] != '_' && locale[end] != '.' && locale[end] != '@' && locale[end] != '-')
        return std::nullopt;
    return locale.substr(0, end);
}

std::vector<std::string> Device::preferredLanguages() {
    if (auto o = overridden()) return o->preferredLanguages;
    std::vector<std::string> out;
    auto add = [&](const std::string& locale) {
        auto lang = languageOfLocale(locale);
        if (!lang) return;
        for (const auto& l : out)
            if (l == *lang) return;
        out.push_back(*lang);
    };
    // LANGUAGE is a priority list ("vi:en"); it counts only when a locale is set at all.
    const char* all = std::getenv("LC_ALL");
    const char* messages = std::getenv("LC_MESSAGES");
    const char* lang = std::getenv("LANG");
    std::string locale = all && *all ? all : messages && *messages ? messages : lang && *lang ? lang : "";
    if (const char* list = std::getenv("LANGUAGE"); list && *list && languageOfLocale(locale)) {
        std::string s = list;
        size_t start = 0;
        while (start <= s.size()) {
            size_t colon = s.find(':', start);
            if (colon == std::string::npos) colon = s.size();
            add(s.substr(start, colon - start));
            start = colon + 1;
        }
    }
    add(locale);
    if (out.empty()) out.push_back("en");
    return out;
}

DeviceInfo Device::current() {
    return DeviceInfo{model(), systemName(), systemVersion(), uniqueIdentifier(), carrierName(), preferredLanguages(),
                      isMultitaskingSupported()};
}

void Device::override(DeviceInfo info) {
    std::lock_guard<std::mutex> lock(deviceMutex());
    overrideSlot() = std::move(info);
}

void Device::clearOverride() {
    std::lock_guard<std::mutex> lock(deviceMutex());
    overrideSlot().reset();
}

}  // namespace zuno::sys
