#pragma once

#include <cstddef>
#include <cstdint>

namespace zuno {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const uint8_t* bytes, size_t length);

}  // namespace zuno
