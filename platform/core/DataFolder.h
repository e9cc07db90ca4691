#pragma once

#include <string>

namespace zuno::sys {

// The folder that holds this user's data (user defaults, the device identifier):
// $XDG_DATA_HOME/zuno, else ~/.local/share/zuno, unless the program (its command line) or a test
// chose another. It is made, owner-only, on first use.
std::string dataFolder();
// An empty path goes back to the default.
void setDataFolder(std::string path);

// Something of the data folder could not be made or written ("User defaults: cannot make the folder
// ..."). The first such failure of a run is a warning that names the folder and --data; the ones
// after it, mostly the same failure again at each save, are the program's own lines.
void reportDataFolderFailure(const std::string& text);
// Tests: the next failure is the first of the run again.
void resetDataFolderFailureReportForTests();

}  // namespace zuno::sys
