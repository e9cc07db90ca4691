#pragma once

#include <string>
#include <string_view>

namespace zuno::sys {

// The text with A-Z turned to a-z; other bytes (UTF-8 included) stay as they are.
std::string asciiLowercase(std::string_view text);
// The text with every letter in its small form (Vietnamese capitals included); text that is not UTF-8
// falls back to asciiLowercase.
std::string lowercase(std::string_view text);

// The text in capitals, by Unicode's case rules ("phòng" -> "PHÒNG"); text that is not UTF-8 changes its
// ASCII letters only.
std::string uppercase(std::string_view text);

// The text without spaces, tabs, carriage returns and line feeds at either end.
std::string_view trimWhitespace(std::string_view text);
// The UTF-8 text without Unicode white space at either end: spaces of every width (the ideographic
// U+3000 and the no-break U+00A0 among them), line and paragraph separators, tab, line feed, vertical
// tab, form feed, carriage return and next line. Bytes that are not UTF-8 end the trim there.
std::string_view trimUnicodeWhitespace(std::string_view text);

// Equal but for the case of A-Z (header names, tokens of protocols).
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace zuno::sys
