// Which language a shown text is in, told from the words of the two language tables.
#pragma once

#include <optional>
#include <string>

namespace zuno::testing {

// A word of the text that belongs to the other language than the one in use: in the English
// interface a word with Vietnamese letters or a word only the Vietnamese table has (with or without
// its marks: "Dang tai"); in the Vietnamese interface a word only the English table has. None when the
// text reads as the language in use. Player names of the stand-in and web addresses are nobody's words.
std::optional<std::string> otherLanguageWord(const std::string& text);

}  // namespace zuno::testing
