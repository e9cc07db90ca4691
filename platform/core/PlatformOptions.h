#pragma once

#include <string>
#include <vector>

namespace zuno::sys {

// Takes the platform's own options out of a program's arguments and applies them:
//   --data-dir PATH  (or --data-dir=PATH)  the folder of the user's data (user defaults, device id)
//   --bundle PATH    (or --bundle=PATH)    the application bundle's folder
// The other arguments stay, in order. Answers an error text for an option without its value.
std::string takePlatformOptions(std::vector<std::string>& args);

}  // namespace zuno::sys
