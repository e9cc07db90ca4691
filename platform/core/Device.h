#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zuno::sys {

// What the program tells the server about the machine it runs on.
struct DeviceInfo {
    std::string model;          // "Desktop" on a desktop
    std::string systemName;     // "Linux"
    std::string systemVersion;  // the kernel's version numbers, "6.1.0"
    std::string uniqueIdentifier;
    std::optional<std::string> carrierName;   // the cellular provider; none on a desktop
    std::vector<std::string> preferredLanguages;  // language codes, most preferred first: "vi", "en"
    // Whether another program can hand the user back to this one through an address of its scheme:
    // never on a desktop.
    bool multitaskingSupported = false;
};

class Device {
public:
    static std::string model();
    static std::string systemName();
    static std::string systemVersion();
    // 32 hexadecimal digits, made once and kept in the data folder ("device-id"), so it stays the same
    // across runs for this user.
    static std::string uniqueIdentifier();
    static std::optional<std::string> carrierName();
    // From the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); "en" when none names a language.
    static std::vector<std::string> preferredLanguages();
    static bool isMultitaskingSupported();

    static DeviceInfo current();
    // Tests (and a demo) can pretend to be another device; clearOverride() goes back to this one.
    static void override(DeviceInfo info);
    static void clearOverride();

    // "vi_VN.UTF-8" -> "vi"; "C" and "POSIX" name no language (nothing).
    static std::optional<std::string> languageOfLocale(const std::string& locale);
};

}  // namespace zuno::sys
