#include "ProgramOptions.h"

#include <cstdlib>

#include "platform/core/Log.h"
#include "platform/core/PlatformOptions.h"

namespace zuno::app {

namespace {
// "--name value" or "--name=value"; answers whether args[i] is that option, moving i past its value.
bool takeValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
               std::string& error) {
    const std::string& a = args[i];
    if (a.rfind(name + "=", 0) == 0) {
        value = a.substr(name.size() + 1);
    } else if (a == name) {
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return true;
        }
        value = args[++i];
    } else {
        return false;
    }
    if (value.empty()) error = name + " needs a value";
    return true;
}
}  // namespace

std::string usageText() {
    return "usage: zuno [options]\n"
           "  --headless          run without a window: sign in, open the game list and end\n"
           "  --snapshot DIR      with --headless, write a PNG of each screen shown into DIR\n"
           "  --user NAME         the account of the headless run (default demo)\n"
           "  --password TEXT     its password (default demo)\n"
           "  --data DIR          the folder of your data (default $XDG_DATA_HOME/zuno)\n"
           "  --config FILE       a configuration property list in place of the bundle's\n"
           "  --provider N        the distributor id in place of the bundle's (121 sells through the store)\n"
           "  --sandbox-store     store purchases ask in a dialog instead of a real store\n"
           "  --scale 1|2         pixels per point of the window (default: what the display has room for)\n"
           "  --bundle DIR        the application bundle\n"
           "  --verbose           print the program's own lines too, not only warnings and errors\n"
           "                      (or ZUNO_VERBOSE=1 in the environment)\n"
           "  --help              this text\n"
           "Keys: Tab moves to the next field, Enter is the field's return key (or a dialog's OK),\n"
           "Escape goes back, Ctrl+C and Ctrl+V copy and paste.\n";
}

ParsedOptions parseProgramOptions(std::vector<std::string> args) {
    ParsedOptions parsed;
    std::vector<std::string> platformArgs;
    for (size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& a = args[i];
        std::string value;
        if (a == "--help" || a == "-h") {
            parsed.options.help = true;
        } else if (a == "--verbose") {
            sys::Log::setVerbose(true);
        } else if (a == "--headless") {
            parsed.options.headless = true;
        } else if (takeValue(args, i, "--snapshot", value, parsed.error)) {
            parsed.options.snapshotDir = value;
        } else if (takeValue(args, i, "--config", value, parsed.error)) {
            parsed.options.configFile = value;
        } else if (takeValue(args, i, "--provider", value, parsed.error)) {
            char* end = nullptr;
            const long provider = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || provider < 0 || provider > 255) {
                parsed.error = "--provider takes a number from 0 to 255";
            } else {
                parsed.options.provider = static_cast<int>(provider);
            }
        } else if (a == "--sandbox-store") {
            parsed.options.sandboxStore = true;
        } else if (takeValue(args, i, "--user", value, parsed.error)) {
            parsed.options.user = value;
        } else if (takeValue(args, i, "--password", value, parsed.error)) {
            parsed.options.password = value;
        } else if (takeValue(args, i, "--data", value, parsed.error)) {
            platformArgs.push_back("--data-dir=" + value);
        } else if (a.rfind("--data-dir", 0) == 0 || a.rfind("--scale", 0) == 0 || a.rfind("--bundle", 0) == 0) {
            platformArgs.push_back(a);
            if (a.find('=') == std::string::npos && i + 1 < args.size()) platformArgs.push_back(args[++i]);
        } else {
            parsed.error = "unknown option '" + a + "'";
        }
    }
    if (!parsed.error.empty()) return parsed;
    parsed.error = sys::takePlatformOptions(platformArgs);
    if (parsed.error.empty() && parsed.options.snapshotDir && !parsed.options.headless)
        parsed.error = "--snapshot goes with --headless";
    return parsed;
}

}  // namespace zuno::app
