#pragma once

#include <cstddef>
#include <string>

namespace zuno::json {

// True when the bytes are well-formed UTF-8: no overlong forms, no encoded surrogates, nothing above
// U+10FFFF, no sequence cut short.
bool isValidUtf8(const char* begin, const char* end);

// Appends one code point (at most U+10FFFF) as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace zuno::json
