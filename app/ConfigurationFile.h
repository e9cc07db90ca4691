#pragma once

#include <string>

namespace zuno::app {

// The configuration `--config FILE` reads in place of the bundle's ZunoOnlineConfig.plist: a property
// list dictionary that names the game server ("Server", "Port") and the server list's address
// ("LinkServer"), and may give the other addresses and values of the bundle's file. Answers what is
// wrong with it in one line that names the file and the key; empty when it is good.
std::string checkConfigurationFile(const std::string& path);

}  // namespace zuno::app
