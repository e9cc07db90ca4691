#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zuno::sys {

// Replaces the file with the given bytes so that a crash at any moment leaves either the old or the
// new content, never a mix: a temporary file in the same folder is written, flushed to disk and
// renamed over the old one. The file gets the given permissions (owner-only by default). Answers an
// error text, or nothing on success.
std::optional<std::string> writeFileAtomically(const std::string& path, std::string_view bytes,
                                               unsigned mode = 0600);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Makes the folder and its missing parents; new folders are owner-only. Answers an error text or nothing.
std::optional<std::string> makeFolders(const std::string& path);

}  // namespace zuno::sys
