#include "lobby/URLParser.h"

namespace zuno {

URLParser::URLParser(std::string_view url) {
    size_t pos = url.find('?');
    if (pos == std::string_view::npos) return;
    while (true) {
        pos = url.find_first_not_of("&?", pos);
        if (pos == std::string_view::npos) return;
        size_t end = url.find('&', pos);
        if (end == std::string_view::npos) end = url.size();
        variables_.emplace_back(url.substr(pos, end - pos));
        pos = end;
    }
}

std::optional<std::string> URLParser::valueForVariable(std::string_view name) const {
    for (const auto& variable : variables_) {
        if (variable.size() > name.size() + 1 && variable.compare(0, name.size(), name) == 0 &&
            variable[name.size()] == '=') {
            return variable.substr(name.size() + 1);
        }
    }
    return std::nullopt;
}

}  // namespace zuno
