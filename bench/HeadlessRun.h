// A headless run of the program against the stand-in in this process: a fresh folder for its data and
// a configuration whose server list (and, where given, whose default server) is the stand-in's.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "Program.h"
#include "platform/core/DataFolder.h"

namespace zuno::bench {

struct HeadlessRun {
    app::ProgramOptions options;
    std::filesystem::path folder;  // removed by the run when it ends
};

inline HeadlessRun prepareHeadlessRun(const std::string& name, int httpPort, std::optional<int> serverPort = std::nullopt) {
    const auto folder = std::filesystem::temp_directory_path() / ("zuno-bench-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    sys::setDataFolder((folder / "data").string());
    app::ProgramOptions options;
    options.headless = true;
    options.configFile = (folder / "config.plist").string();
    std::ofstream config(*options.configFile);
    config << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>";
    if (serverPort) config << "<key>Server</key><string>127.0.0.1</string><key>Port</key><string>" << *serverPort << "</string>";
    config << "<key>LinkServer</key><string>http://127.0.0.1:" << httpPort << "/serverlist</string></dict></plist>";
    return {options, folder};
}

}  // namespace zuno::bench
