#pragma once

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/core/Value.h"
#include "platform/ui/Image.h"

namespace zuno {

// A parameter of a social request or dialog: a text, or an upload (an image sent as PNG, or bytes).
using SNParamValue = std::variant<std::string, ui::ImagePtr, sys::Data>;

// Parameters in the order they were first set; setting a key again keeps its place.
class SNParams {
public:
    using Entry = std::pair<std::string, SNParamValue>;

    SNParams() = default;
    SNParams(std::initializer_list<std::pair<std::string, std::string>> texts);

    void set(std::string key, SNParamValue value);
    const SNParamValue* find(std::string_view key) const;
    // The value when it is a text.
    std::optional<std::string> text(std::string_view key) const;
    bool contains(std::string_view key) const { return find(key) != nullptr; }
    bool erase(std::string_view key);

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::vector<Entry>& entries() const { return entries_; }

    static bool isUpload(const SNParamValue& value) { return !std::holds_alternative<std::string>(value); }
    // "a=x%20y&b=1": the text parameters in order, values percent-escaped as UTF-8 (the reserved
    // characters too), keys as they stand; uploads are left out.
    std::string queryString() const;

private:
    std::vector<Entry> entries_;
};

// An error of the social client: the service's own ("socialErrDomain") or a transport or page-load
// failure in the domain that reported it.
struct SNError {
    static constexpr const char* kDomain = "socialErrDomain";

    std::string domain = kDomain;
    int64_t code = 0;
    sys::Dictionary userInfo;

    // "socialErrDomain 190: <error_msg or description>", for logs.
    std::string debugDescription() const;
};

}  // namespace zuno
