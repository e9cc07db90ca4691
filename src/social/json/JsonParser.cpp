#include "social/json/JsonParser.h"

#include <cstdio>

#include "platform/core/Utf8.h"
#include "social/json/JsonNumber.h"

namespace zuno {

namespace {

bool isWhiteSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Bytes that a string holds as they are: everything but the quote, the backslash and control bytes.
bool isPlainStringByte(char ch) {
    return static_cast<unsigned char>(ch) >= 0x20 && ch != '"' && ch != '\\';
}

int hexDigitValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<sys::Value> JsonParser::objectWithString(std::optional<std::string_view> text) {
    std::optional<sys::Value> value = fragmentWithString(text);
    if (!value) return std::nullopt;
    if (!value->isArray() && !value->isDictionary()) {
        addErrorWithCode(JsonErrorCode::NotContainer, "Valid fragment, but not JSON");
        return std::nullopt;
    }
    return value;
}

std::optional<sys::Value> JsonParser::fragmentWithString(std::optional<std::string_view> text) {
    clearErrorTrace();
    if (!text) {
        addErrorWithCode(JsonErrorCode::NoInput, "Input was 'nil'");
        return std::nullopt;
    }
    depth_ = 0;
    c_ = text->data();
    end_ = c_ + text->size();
    sys::Value value;
    bool ok = scanValue(value);
    if (ok) {
        skipWhiteSpace();
        if (c_ != end_) {
            addErrorWithCode(JsonErrorCode::TrailingGarbage, "Garbage after JSON");
            ok = false;
        }
    }
    c_ = end_ = nullptr;
    if (!ok) return std::nullopt;
    return value;
}

void JsonParser::skipWhiteSpace() {
    while (c_ != end_ && isWhiteSpace(*c_)) ++c_;
}

bool JsonParser::failByte(JsonErrorCode code, const char* format, char byte) {
    // The byte is shown as a (sign-extended) char, so bytes above 0x7f read as 0xffffff..
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(static_cast<int>(static_cast<signed char>(byte))));
    addErrorWithCode(code, text);
    return false;
}

bool JsonParser::scanValue(sys::Value& out) {
    skipWhiteSpace();
    if (c_ == end_) {
        addErrorWithCode(JsonErrorCode::EndOfInput, "Unexpected end of string");
        return false;
    }
    char ch = *c_++;
    switch (ch) {
        case '"':
            return scanStringValue(out);
        case '-':
        case '0': case '1': case '2': case '3': case '4':
        case '5': case '6': case '7': case '8': case '9':
            --c_;
            return scanNumber(out);
        case '[':
            return scanRestOfArray(out);
        case '{':
            return scanRestOfObject(out);
        case 't':
            if (!scanWord("rue", "Expected 'true'")) return false;
            out = sys::Value(true);
            return true;
        case 'f':
            if (!scanWord("alse", "Expected 'false'")) return false;
            out = sys::Value(false);
            return true;
        case 'n':
            if (!scanWord("ull", "Expected 'null'")) return false;
            out = sys::Value();
            return true;
        case '+':
            addErrorWithCode(JsonErrorCode::BadNumber, "Leading + disallowed in number");
            return false;
        default:
            addErrorWithCode(JsonErrorCode::Syntax, "Unrecognised leading character");
            return false;
    }
}

bool JsonParser::scanWord(std::string_view rest, const char* failure) {
    if (static_cast<size_t>(end_ - c_) < rest.size() || std::string_view(c_, rest.size()) != rest) {
        addErrorWithCode(JsonErrorCode::Syntax, failure);
        return false;
    }
    c_ += rest.size();
    return true;
}

bool JsonParser::scanRestOfArray(sys::Value& out) {
    if (!enterNesting()) return false;
    sys::Array array;
    for (;;) {
        if (c_ == end_) {
            addErrorWithCode(JsonErrorCode::EndOfInput, "End of input while parsing array");
            return false;
        }
        skipWhiteSpace();
        if (at(']')) {
            ++c_;
            leaveNesting();
            out = sys::Value(std::move(array));
            return true;
        }
        array.emplace_back();
        if (!scanValue(array.back())) {
            addErrorWithCode(JsonErrorCode::Syntax, "Expected value while parsing array");
            return false;
        }
        // A missing comma is let through: the next element is read directly.
        skipWhiteSpace();
        if (at(',')) {
            ++c_;
            skipWhiteSpace();
            if (at(']')) {
                addErrorWithCode(JsonErrorCode::TrailingComma, "Trailing comma disallowed in array");
                return false;
            }
        }
    }
}

bool JsonParser::scanRestOfObject(sys::Value& out) {
    if (!enterNesting()) return false;
    sys::Dictionary dictionary;
    for (;;) {
        if (c_ == end_) {
            addErrorWithCode(JsonErrorCode::EndOfInput, "End of input while parsing object");
            return false;
        }
        skipWhiteSpace();
        if (at('}')) {
            ++c_;
            leaveNesting();
            out = sys::Value(std::move(dictionary));
            return true;
        }
        std::string key;
        bool keyRead = at('"');
        if (keyRead) {
            ++c_;
            keyRead = scanRestOfString(key);
        }
        if (!keyRead) {
            addErrorWithCode(JsonErrorCode::Syntax, "Object key string expected");
            return false;
        }
        skipWhiteSpace();
        if (!at(':')) {
            addErrorWithCode(JsonErrorCode::Syntax, "Expected ':' separating key and value");
            return false;
        }
        ++c_;
        sys::Value value;
        if (!scanValue(value)) {
            addErrorWithCode(JsonErrorCode::Syntax, "Object value expected for key: " + key);
            return false;
        }
        dictionary.set(std::move(key), std::move(value));
        // A missing comma is let through: the next member is read directly.
        skipWhiteSpace();
        if (at(',')) {
            ++c_;
            skipWhiteSpace();
            if (at('}')) {
                addErrorWithCode(JsonErrorCode::TrailingComma, "Trailing comma disallowed in object");
                return false;
            }
        }
    }
}

// Kept apart from scanValue so that the text's storage is not part of every nesting level's frame.
bool JsonParser::scanStringValue(sys::Value& out) {
    std::string text;
    if (!scanRestOfString(text)) return false;
    out = sys::Value(std::move(text));
    return true;
}

bool JsonParser::scanRestOfString(std::string& out) {
    for (;;) {
        const char* run = c_;
        while (c_ != end_ && isPlainStringByte(*c_)) ++c_;
        if (c_ != run) {
            if (!sys::isValidUtf8(std::string_view(run, static_cast<size_t>(c_ - run)))) {
                c_ = run;
                return failByte(JsonErrorCode::ControlCharacter, "Unescaped control character '0x%x'", *run);
            }
            out.append(run, c_);
        }
        if (c_ == end_) return failByte(JsonErrorCode::ControlCharacter, "Unescaped control character '0x%x'", 0);
        if (*c_ == '"') {
            ++c_;
            return true;
        }
        if (*c_ != '\\') return failByte(JsonErrorCode::ControlCharacter, "Unescaped control character '0x%x'", *c_);
        ++c_;
        if (!scanEscape(out)) return false;
        if (c_ == end_) {
            addErrorWithCode(JsonErrorCode::EndOfInput, "Unexpected EOF while parsing string");
            return false;
        }
    }
}

// At the byte after a backslash; steps over the whole escape.
bool JsonParser::scanEscape(std::string& out) {
    char letter = c_ == end_ ? '\0' : *c_;
    switch (letter) {
        case '"': case '\\': case '/': out.push_back(letter); break;
        case 'b': out.push_back('\b'); break;
        case 'f': out.push_back('\f'); break;
        case 'n': out.push_back('\n'); break;
        case 'r': out.push_back('\r'); break;
        case 't': out.push_back('\t'); break;
        case 'u':
            ++c_;
            if (scanUnicodeEscape(out)) return true;
            addErrorWithCode(JsonErrorCode::BadUnicodeEscape, "Broken unicode character");
            return false;
        default:
            return failByte(JsonErrorCode::IllegalEscape, "Illegal escape sequence '0x%x'", letter);
    }
    ++c_;
    return true;
}

// At the first hex digit after "\u".
bool JsonParser::scanUnicodeEscape(std::string& out) {
    char32_t high = 0;
    if (!scanHexQuad(high)) {
        addErrorWithCode(JsonErrorCode::BadUnicodeEscape, "Missing hex quad");
        return false;
    }
    if (high >= 0xDC00 && high <= 0xDFFF) {
        addErrorWithCode(JsonErrorCode::BadUnicodeEscape, "Invalid high character in surrogate pair");
        return false;
    }
    if (high < 0xD800 || high > 0xDBFF) {
        sys::appendUtf8(out, high);
        return true;
    }
    if (end_ - c_ < 2 || c_[0] != '\\' || c_[1] != 'u') {
        addErrorWithCode(JsonErrorCode::BadUnicodeEscape, "Missing low character in surrogate pair");
        return false;
    }
    c_ += 2;
    char32_t low = 0;
    if (!scanHexQuad(low)) {
        addErrorWithCode(JsonErrorCode::BadUnicodeEscape, "Missing hex quad");
        return false;
    }
    if (low < 0xDC00 || low > 0xDFFF) {
        addErrorWithCode(JsonErrorCode::BadUnicodeEscape, "Invalid low surrogate char");
        return false;
    }
    sys::appendUtf8(out, 0x10000 + (high - 0xD800) * 0x400 + (low - 0xDC00));
    return true;
}

bool JsonParser::scanHexQuad(char32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
        int digit = c_ == end_ ? -1 : hexDigitValue(*c_);
        if (digit < 0) {
            addErrorWithCode(JsonErrorCode::BadUnicodeEscape, "Missing hex digit in quad");
            return false;
        }
        out = out * 16 + static_cast<char32_t>(digit);
        ++c_;
    }
    return true;
}

bool JsonParser::scanNumber(sys::Value& out) {
    const char* start = c_;
    if (at('-')) ++c_;
    if (at('0')) {
        ++c_;
        if (c_ != end_ && isDigit(*c_)) {
            addErrorWithCode(JsonErrorCode::BadNumber, "Leading 0 disallowed in number");
            return false;
        }
    } else if (c_ == end_ || !isDigit(*c_)) {
        addErrorWithCode(JsonErrorCode::BadNumber, "No digits after initial minus");
        return false;
    } else {
        while (c_ != end_ && isDigit(*c_)) ++c_;
    }
    if (at('.')) {
        ++c_;
        if (c_ == end_ || !isDigit(*c_)) {
            addErrorWithCode(JsonErrorCode::BadNumber, "No digits after decimal point");
            return false;
        }
        while (c_ != end_ && isDigit(*c_)) ++c_;
    }
    if (at('e') || at('E')) {
        ++c_;
        if (at('-') || at('+')) ++c_;
        if (c_ == end_ || !isDigit(*c_)) {
            addErrorWithCode(JsonErrorCode::BadNumber, "No digits after exponent");
            return false;
        }
        while (c_ != end_ && isDigit(*c_)) ++c_;
    }
    std::optional<sys::Value> number = json::numberValue(std::string_view(start, static_cast<size_t>(c_ - start)));
    if (!number) {
        addErrorWithCode(JsonErrorCode::BadNumber, "Failed creating decimal instance");
        return false;
    }
    out = std::move(*number);
    return true;
}

}  // namespace zuno
