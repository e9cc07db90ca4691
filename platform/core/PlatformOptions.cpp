#include "platform/core/PlatformOptions.h"

#include "platform/core/Bundle.h"
#include "platform/core/DataFolder.h"

namespace zuno::sys {

std::string takePlatformOptions(std::vector<std::string>& args) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string name;
        std::string value;
        for (const char* option : {"--data-dir", "--bundle"}) {
            std::string o = option;
            if (a == o) {
                if (i + 1 >= args.size()) return o + " needs a folder";
                name = o;
                value = args[++i];
            } else if (a.rfind(o + "=", 0) == 0) {
                name = o;
                value = a.substr(o.size() + 1);
            }
            if (!name.empty()) break;
        }
        if (name.empty()) {
            rest.push_back(a);
            continue;
        }
        if (value.empty()) return name + " needs a folder";
        if (name == "--data-dir") {
            setDataFolder(value);
        } else {
            Bundle::setMainPath(value);
        }
    }
    args.swap(rest);
    return {};
}

}  // namespace zuno::sys
