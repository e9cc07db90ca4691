#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuno {

// The query variables of an address: "http://host/p?id=5&messenge=hi" holds "id=5" and "messenge=hi".
class URLParser {
public:
    URLParser() = default;
    // Everything up to the first "?" is skipped; then each run up to the next "&" is one variable,
    // with leading "&" and "?" skipped. An address without "?" holds no variables.
    explicit URLParser(std::string_view url);

    // The value of the first variable "name=value" with a non-empty value; nothing when none.
    std::optional<std::string> valueForVariable(std::string_view name) const;

    const std::vector<std::string>& variables() const { return variables_; }
    void setVariables(std::vector<std::string> variables) { variables_ = std::move(variables); }

private:
    std::vector<std::string> variables_;
};

}  // namespace zuno
