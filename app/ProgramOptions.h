#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zuno::app {

// The command line of `zuno`.
struct ProgramOptions {
    bool help = false;
    bool headless = false;
    std::optional<std::string> snapshotDir;  // a PNG of each screen shown goes here
    std::optional<std::string> configFile;   // in place of the bundle's configuration
    std::optional<int> provider;             // the distributor id in place of the bundle's
    bool sandboxStore = false;               // store payments go to the sandbox store
    // The account the headless run signs in with.
    std::string user = "demo";
    std::string password = "demo";
};

struct ParsedOptions {
    ProgramOptions options;
    std::string error;  // empty when the command line is good
};

// Reads the program's options; the platform's own (--data, --scale, --bundle) are applied here.
ParsedOptions parseProgramOptions(std::vector<std::string> args);
std::string usageText();

}  // namespace zuno::app
