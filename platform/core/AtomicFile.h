#pragma once

#include <cstddef>
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

// Files we read whole are small (property lists, sounds, interface files); this bounds what a damaged or
// hostile path can make us allocate.
constexpr size_t kMaxWholeFileBytes = 64 * 1024 * 1024;

// The whole file, or nothing when it cannot be read, is not a regular file (a pipe, a device, a
// folder: reading those could block or never end) or holds more than maxBytes.
std::optional<std::string> readWholeFile(const std::string& path, size_t maxBytes = kMaxWholeFileBytes);

// Makes the folder and its missing parents; new folders are owner-only. Answers an error text or nothing.
std::optional<std::string> makeFolders(const std::string& path);

}  // namespace zuno::sys
