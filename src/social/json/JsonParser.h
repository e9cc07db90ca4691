#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Value.h"
#include "social/json/JsonBase.h"

namespace zuno {

// Reads JSON text into values. Objects keep their members in the order of the text; a later duplicate
// key replaces the earlier value in its place. On failure the result is empty and errorTrace() says why.
class JsonParser : public JsonBase {
public:
    // One value that must be an object or an array.
    std::optional<sys::Value> objectWithString(std::optional<std::string_view> text);
    // Any one value.
    std::optional<sys::Value> fragmentWithString(std::optional<std::string_view> text);

private:
    bool scanValue(sys::Value& out);
    bool scanRestOfArray(sys::Value& out);
    bool scanRestOfObject(sys::Value& out);
    bool scanStringValue(sys::Value& out);
    bool scanRestOfString(std::string& out);
    bool scanEscape(std::string& out);
    bool scanUnicodeEscape(std::string& out);
    bool scanHexQuad(char32_t& out);
    bool scanNumber(sys::Value& out);
    bool scanWord(std::string_view rest, const char* failure);
    void skipWhiteSpace();
    bool at(char ch) const { return c_ != end_ && *c_ == ch; }
    bool failByte(JsonErrorCode code, const char* format, char byte);

    // The read position in the input's bytes.
    const char* c_ = nullptr;
    const char* end_ = nullptr;
};

}  // namespace zuno
