#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Value.h"

namespace zuno::sys {

// The application bundle: the folder of read-only files the program ships with (Info.plist, the
// configuration and language tables, interface files, images, sounds).
class Bundle {
public:
    // The program's bundle: the folder chosen with setMainPath(), else the first of these holding an
    // Info.plist: the installed one (share/zuno/bundle beside the program's bin folder), a "bundle"
    // folder next to the program or in one of the folders above it, and the checkout's bundle folder
    // the build recorded (the answer when none holds one).
    static Bundle& main();
    // Chooses the main bundle's folder (command line, tests); an empty path searches again.
    static void setMainPath(std::string path);

    explicit Bundle(std::string path);

    const std::string& bundlePath() const { return path_; }

    // The path of an existing file "name.type" in the bundle's folder or one of its sub-folders
    // (images/, sounds/, ui/ ...), the top folder first. The type may be empty when the name carries
    // its extension, and the name may start with a sub-folder ("images/av0.png").
    std::optional<std::string> pathForResource(std::string_view name, std::string_view type = {}) const;

    // What makes the folder unusable as the program's bundle (no readable Info.plist, no interface
    // files, a damaged one), or nothing when it is usable.
    std::optional<std::string> problem() const;

    // Info.plist, read once; empty (with one log line) when it is missing or damaged.
    const Dictionary& infoDictionary() const;
    // An Info.plist value ("Provider", "CFBundleVersion", "CFBundleIdentifier"), or null.
    Value objectForInfoDictionaryKey(std::string_view key) const;

private:
    std::string path_;
    mutable std::once_flag infoOnce_;  // the connection's threads read it too
    mutable Dictionary info_;
};

}  // namespace zuno::sys
