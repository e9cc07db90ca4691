#pragma once

#include <string>

namespace zuno::sys {

// The folder that holds this user's data (user defaults, the device identifier):
// $XDG_DATA_HOME/zuno, else ~/.local/share/zuno, unless the program (its command line) or a test
// chose another. It is made, owner-only, on first use.
std::string dataFolder();
// An empty path goes back to the default.
void setDataFolder(std::string path);

}  // namespace zuno::sys
