#pragma once

#include <string>

namespace artwork {

// The file name of a picture at a scale: "a/b.png" at scale 2 is "a/b@2x.png".
std::string scaledName(const std::string& name, int scale);

// Writes every picture at scales 1 and 2 under the folder; files whose bytes would not change are
// left alone. Reports failures on stderr.
bool writeAll(const std::string& folder);

// One PNG showing every picture whose name contains the filter (all with an empty filter) in a grid,
// each over a checkerboard with its name below.
bool writeContactSheet(const std::string& file, int scale, const std::string& filter);

}  // namespace artwork
