#pragma once

#include <string>
#include <vector>

namespace zuno::sys {

// Takes the platform's own options out of a program's arguments and applies them:
//   --data-dir PATH  (or --data-dir=PATH)  the folder of the user's data (user defaults, device id)
//   --bundle PATH    (or --bundle=PATH)    the application bundle's folder
//   --scale 1|2      (or --scale=N)        pixels per point of the window; without it the display decides
// The other arguments stay, in order. Answers an error text for an option without its value.
std::string takePlatformOptions(std::vector<std::string>& args);

// The device scale asked for on the command line (or by the program): 1 or 2, or 0 when the display
// is to decide.
int requestedDisplayScale();
void setRequestedDisplayScale(int scale);

}  // namespace zuno::sys
