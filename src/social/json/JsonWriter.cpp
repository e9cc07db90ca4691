#include "social/json/JsonWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/core/Utf8.h"

namespace zuno {

namespace {

// False, writing nothing, for text that is not UTF-8: no reader would take the result.
bool appendString(std::string_view text, std::string& json) {
    if (!sys::isValidUtf8(text)) return false;
    json.push_back('"');
    size_t plainStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\') continue;
        json.append(text.data() + plainStart, i - plainStart);
        plainStart = i + 1;
        switch (byte) {
            case '"': json += "\\\""; break;
            case '\\': json += "\\\\"; break;
            case '\b': json += "\\b"; break;
            case '\t': json += "\\t"; break;
            case '\n': json += "\\n"; break;
            case '\f': json += "\\f"; break;
            case '\r': json += "\\r"; break;
            default: {
                static const char kHex[] = "0123456789abcdef";
                json += "\\u00";
                json.push_back(kHex[byte >> 4]);
                json.push_back(kHex[byte & 0xF]);
            }
        }
    }
    json.append(text.data() + plainStart, text.size() - plainStart);
    json.push_back('"');
    return true;
}

template <typename Number>
void appendNumber(Number number, std::string& json) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, number);
    json.append(text, result.ptr);
}

}  // namespace

std::optional<std::string> JsonWriter::stringWithObject(const sys::Value& value) {
    if (value.isDictionary() || value.isArray()) return stringWithFragment(value);
    clearErrorTrace();
    addErrorWithCode(JsonErrorCode::NotContainer, "Not valid type for JSON");
    return std::nullopt;
}

std::optional<std::string> JsonWriter::stringWithFragment(const sys::Value& value) {
    clearErrorTrace();
    depth_ = 0;
    std::string json;
    json.reserve(128);
    if (!appendValue(value, json)) return std::nullopt;
    return json;
}

bool JsonWriter::unsupported(const char* what) {
    addErrorWithCode(JsonErrorCode::UnsupportedValue, std::string("JSON serialisation not supported for ") + what);
    return false;
}

bool JsonWriter::appendValue(const sys::Value& value, std::string& json) {
    switch (value.kind()) {
        case sys::Value::Kind::Null:
            json += "null";
            return true;
        case sys::Value::Kind::Bool:
            json += value.asBool() ? "true" : "false";
            return true;
        case sys::Value::Kind::Integer:
            appendNumber(value.asInteger(), json);
            return true;
        case sys::Value::Kind::Real: {
            double real = value.asReal();
            if (!std::isfinite(real)) return unsupported("non-finite number");
            appendNumber(real, json);
            return true;
        }
        case sys::Value::Kind::Text:
            if (!appendString(*value.text(), json)) return unsupported("text that is not valid UTF-8");
            return true;
        case sys::Value::Kind::Data:
            return unsupported(sys::Value::kindName(value.kind()));
        case sys::Value::Kind::Array:
            return appendArray(*value.array(), json);
        case sys::Value::Kind::Dictionary:
            return appendDictionary(*value.dictionary(), json);
    }
    return unsupported(sys::Value::kindName(value.kind()));
}

bool JsonWriter::appendDictionary(const sys::Dictionary& dictionary, std::string& json) {
    if (!enterNesting()) return false;
    json.push_back('{');
    if (sortKeys_) {
        std::vector<const sys::Dictionary::Entry*> sorted;
        sorted.reserve(dictionary.size());
        for (const auto& entry : dictionary) sorted.push_back(&entry);
        std::sort(sorted.begin(), sorted.end(), [](auto* a, auto* b) { return a->first < b->first; });
        for (size_t i = 0; i < sorted.size(); ++i)
            if (!appendMember(sorted[i]->first, sorted[i]->second, i == 0, json)) return false;
    } else {
        bool first = true;
        for (const auto& [key, value] : dictionary) {
            if (!appendMember(key, value, first, json)) return false;
            first = false;
        }
    }
    leaveNesting();
    if (humanReadable_ && !dictionary.empty()) appendIndent(json);
    json.push_back('}');
    return true;
}

bool JsonWriter::appendMember(const std::string& key, const sys::Value& value, bool first, std::string& json) {
    if (!first) json.push_back(',');
    if (humanReadable_) appendIndent(json);
    if (!appendString(key, json)) {
        addErrorWithCode(JsonErrorCode::UnsupportedValue, "JSON object key must be string");
        return false;
    }
    json += humanReadable_ ? " : " : ":";
    if (!appendValue(value, json)) {
        addErrorWithCode(JsonErrorCode::UnsupportedValue, "Unsupported value for key " + key + " in object");
        return false;
    }
    return true;
}

bool JsonWriter::appendArray(const sys::Array& array, std::string& json) {
    if (!enterNesting()) return false;
    json.push_back('[');
    for (size_t i = 0; i < array.size(); ++i) {
        if (i > 0) json.push_back(',');
        if (humanReadable_) appendIndent(json);
        if (!appendValue(array[i], json)) return false;
    }
    leaveNesting();
    if (humanReadable_ && !array.empty()) appendIndent(json);
    json.push_back(']');
    return true;
}

void JsonWriter::appendIndent(std::string& json) const {
    json.push_back('\n');
    json.append(2 * static_cast<size_t>(depth_), ' ');
}

}  // namespace zuno
