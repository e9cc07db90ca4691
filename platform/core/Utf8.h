#pragma once

#include <string>
#include <string_view>

namespace zuno::sys {

// True when the bytes are well-formed UTF-8: no overlong forms, no encoded surrogates, nothing above
// U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view bytes);

// Appends one code point as UTF-8. The code point must be a scalar value (at most U+10FFFF, not a
// surrogate).
void appendUtf8(std::string& out, char32_t codePoint);

// The number of characters (code points) of a UTF-8 text: every byte that does not continue one
// starts one.
size_t characterCount(std::string_view text);
// The first `limit` characters of a UTF-8 text.
std::string firstCharacters(std::string_view text, size_t limit);

}  // namespace zuno::sys
