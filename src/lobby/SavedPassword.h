#pragma once

namespace zuno {

// The password keys of the user defaults ("password", the registration's and the pending new one):
// kept in memory for the run under the same keys, and written to the file only while "Stay signed
// in" is on. Switching it off removes them from the file.
void keepPasswordInFile(bool staySignedIn);

}  // namespace zuno
