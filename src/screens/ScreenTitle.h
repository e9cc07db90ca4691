#pragma once

#include <string>
#include <string_view>

namespace zuno {

// The text in capitals, Vietnamese letters included ("Chọn khu vực" -> "CHỌN KHU VỰC").
std::string upperCased(std::string_view text);

// The top bar's title: the text as it is, or a language key's text in capitals.
void setWindowTitle(const std::string& text);
void setUpperCasedWindowTitle(std::string_view key);

}  // namespace zuno
