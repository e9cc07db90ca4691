#include "platform/core/PlatformOptions.h"

#include <atomic>

#include "platform/core/Bundle.h"
#include "platform/core/DataFolder.h"

namespace zuno::sys {

namespace {
std::atomic<int> gRequestedScale{0};
}  // namespace

int requestedDisplayScale() { return gRequestedScale.load(); }

void setRequestedDisplayScale(int scale) { gRequestedScale = scale == 1 || scale == 2 ? scale : 0; }

std::string takePlatformOptions(std::vector<std::string>& args) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string name;
        std::string value;
        for (const char* option : {"--data-dir", "--bundle", "--scale"}) {
            std::string o = option;
            if (a == o) {
                if (i + 1 >= args.size()) return o == "--scale" ? "--scale needs 1 or 2" : o + " needs a folder";
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
        if (name == "--scale") {
            if (value != "1" && value != "2") return "--scale needs 1 or 2";
            setRequestedDisplayScale(value[0] - '0');
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
