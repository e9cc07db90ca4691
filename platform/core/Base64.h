#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Value.h"

namespace zuno::sys {

// Standard base64 (A-Z, a-z, 0-9, "+", "/", "=" padding), without line breaks.
std::string base64Encode(const uint8_t* bytes, size_t length);
inline std::string base64Encode(const Data& data) { return base64Encode(data.data(), data.size()); }

// Decodes base64, skipping white space (property lists wrap their data lines). Answers nothing for
// any other character outside the alphabet or for a broken length.
std::optional<Data> base64Decode(std::string_view text);

}  // namespace zuno::sys
