#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Value.h"
#include "social/json/JsonBase.h"

namespace zuno {

// Writes values as JSON text: compact by default, or one member per line indented by two spaces per
// level (humanReadable), with object members in their own order or sorted by key (sortKeys). Data
// values, numbers that are not finite and texts that are not UTF-8 cannot be written: the result is
// then empty and errorTrace() says why.
class JsonWriter : public JsonBase {
public:
    // A dictionary or an array.
    std::optional<std::string> stringWithObject(const sys::Value& value);
    // Any value that can be written.
    std::optional<std::string> stringWithFragment(const sys::Value& value);

    bool sortKeys() const { return sortKeys_; }
    void setSortKeys(bool sortKeys) { sortKeys_ = sortKeys; }
    bool humanReadable() const { return humanReadable_; }
    void setHumanReadable(bool humanReadable) { humanReadable_ = humanReadable; }

private:
    bool appendValue(const sys::Value& value, std::string& json);
    bool appendDictionary(const sys::Dictionary& dictionary, std::string& json);
    bool appendMember(const std::string& key, const sys::Value& value, bool first, std::string& json);
    bool appendArray(const sys::Array& array, std::string& json);
    void appendIndent(std::string& json) const;
    bool unsupported(const char* what);

    bool sortKeys_ = false;
    bool humanReadable_ = false;
};

}  // namespace zuno
