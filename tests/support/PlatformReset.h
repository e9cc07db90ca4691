#pragma once

#include <string>

namespace zuno::testing {

// Points the data folder at a fresh temporary folder for this test program, so that no test reads
// or writes the real user's data. Called once by the shared main.
void useTemporaryDataFolder();
// Removes that folder at the end of the program.
void removeTemporaryDataFolder();
// The folder itself.
const std::string& temporaryDataFolder();

// Puts the platform's shared services back to their state at start, before each test: empty user
// defaults, no data folder failure reported yet, no recorded sounds, URLs or pasteboard texts, no
// observers, no device or service stand-ins left over from another test, and no external program
// (browser, audio device) ever used.
void resetPlatformServices();

// A fresh empty folder under the temporary data folder, for a test's own files.
std::string makeTemporaryFolder(const std::string& name);

}  // namespace zuno::testing
