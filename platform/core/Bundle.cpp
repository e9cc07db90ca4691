#include "platform/core/Bundle.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <mutex>
#include <vector>

#include <pugixml.hpp>

#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/PropertyList.h"

namespace zuno::sys {

namespace {
std::mutex& bundleMutex() {
    static std::mutex m;
    return m;
}
std::unique_ptr<Bundle>& mainSlot() {
    static std::unique_ptr<Bundle> slot;
    return slot;
}
std::string& chosenPath() {
    static std::string path;
    return path;
}

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string programFolder() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string exe(buf, static_cast<size_t>(n));
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

// Where the install rule puts the bundle, from the folder of the installed program.
constexpr const char* kInstalledBundle = "../share/zuno/bundle";

std::string findBundle() {
    const std::string installed = std::filesystem::path(programFolder() + "/" + kInstalledBundle).lexically_normal();
    if (isFile(installed + "/Info.plist")) return installed;
    std::string folder = programFolder();
    for (int up = 0; up < 5 && !folder.empty(); ++up) {
        if (isFile(folder + "/bundle/Info.plist")) return folder + "/bundle";
        size_t slash = folder.rfind('/');
        if (slash == std::string::npos || slash == 0) break;
        folder.resize(slash);
    }
#ifdef ZUNO_CHECKOUT_BUNDLE
    return ZUNO_CHECKOUT_BUNDLE;
#else
    return programFolder() + "/bundle";
#endif
}

// A resource name never climbs out of the bundle.
bool isSafeName(std::string_view name) {
    if (name.empty() || name.front() == '/') return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t slash = name.find('/', start);
        if (slash == std::string_view::npos) slash = name.size();
        if (name.substr(start, slash - start) == "..") return false;
        start = slash + 1;
    }
    return true;
}
}  // namespace

Bundle& Bundle::main() {
    std::lock_guard<std::mutex> lock(bundleMutex());
    auto& slot = mainSlot();
    if (!slot) slot = std::make_unique<Bundle>(chosenPath().empty() ? findBundle() : chosenPath());
    return *slot;
}

void Bundle::setMainPath(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    std::lock_guard<std::mutex> lock(bundleMutex());
    chosenPath() = std::move(path);
    mainSlot().reset();
}

Bundle::Bundle(std::string path) : path_(std::move(path)) {}

std::optional<std::string> Bundle::pathForResource(std::string_view name, std::string_view type) const {
    std::string file(name);
    if (!type.empty()) {
        if (type.front() != '.') file += '.';
        file += type;
    }
    if (!isSafeName(file)) return std::nullopt;
    std::string top = path_ + "/" + file;
    if (isFile(top)) return top;
    if (file.find('/') != std::string::npos) return std::nullopt;
    std::vector<std::string> folders;
    if (DIR* dir = ::opendir(path_.c_str())) {
        while (dirent* entry = ::readdir(dir)) {
            std::string sub = entry->d_name;
            if (sub == "." || sub == "..") continue;
            struct stat st {};
            std::string full = path_ + "/" + sub;
            if (::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) folders.push_back(full);
        }
        ::closedir(dir);
    }
    std::sort(folders.begin(), folders.end());  // the same answer on every machine
    for (const auto& folder : folders) {
        std::string candidate = folder + "/" + file;
        if (isFile(candidate)) return candidate;
    }
    return std::nullopt;
}

std::optional<std::string> Bundle::problem() const {
    const std::string info = path_ + "/Info.plist";
    if (!isFile(info)) return "no Info.plist";
    try {
        if (!PropertyList::readFile(info).dictionary()) return "Info.plist holds no dictionary";
    } catch (const Exception& e) {
        return e.reason();
    }
    std::vector<std::string> interfaceFiles;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(path_ + "/ui", error)) {
        if (entry.path().extension() == ".xml") interfaceFiles.push_back(entry.path());
    }
    if (interfaceFiles.empty()) return "no interface files in ui/";
    std::sort(interfaceFiles.begin(), interfaceFiles.end());
    for (const auto& file : interfaceFiles) {
        pugi::xml_document doc;
        if (!doc.load_file(file.c_str()) || !doc.child("interface")) return file + " is damaged";
    }
    return std::nullopt;
}

const Dictionary& Bundle::infoDictionary() const {
    std::call_once(infoOnce_, [this] {
        std::string path = path_ + "/Info.plist";
        try {
            Value root = PropertyList::readFile(path);
            if (root.dictionary()) {
                info_ = *root.dictionary();
            } else {
                Log::warning("Bundle: " + path + " does not hold a dictionary");
            }
        } catch (const Exception& e) {
            Log::warning("Bundle: " + e.reason());
        }
    });
    return info_;
}

Value Bundle::objectForInfoDictionaryKey(std::string_view key) const {
    const Value* v = infoDictionary().find(key);
    return v ? *v : Value();
}

}  // namespace zuno::sys
