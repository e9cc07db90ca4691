#include "platform/core/Text.h"

#include <glib.h>

#include <optional>
#include <utility>

namespace zuno::sys {

namespace {
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The text in one case by Unicode's rules; text that is not UTF-8 changes its ASCII letters only.
std::string convertCase(std::string_view text, gchar* (*convert)(const gchar*, gssize), char (*ascii)(char)) {
    if (!g_utf8_validate(text.data(), gssize(text.size()), nullptr)) {
        std::string out(text);
        for (char& c : out) c = ascii(c);
        return out;
    }
    gchar* converted = convert(text.data(), gssize(text.size()));
    std::string out(converted);
    g_free(converted);
    return out;
}
bool isWhitespace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Unicode's White_Space property.
bool isUnicodeWhitespace(gunichar c) {
    return (c >= 0x09 && c <= 0x0d) || c == 0x20 || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f || c == 0x205f || c == 0x3000;
}

// The code point that starts the text, with its length in bytes; none for bytes that are not UTF-8.
std::optional<std::pair<gunichar, size_t>> firstCodePoint(std::string_view text) {
    const gunichar c = g_utf8_get_char_validated(text.data(), gssize(text.size()));
    if (c == gunichar(-1) || c == gunichar(-2)) return std::nullopt;
    return std::pair{c, size_t(g_utf8_next_char(text.data()) - text.data())};
}
}  // namespace

std::string asciiLowercase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerAscii(c);
    return out;
}

std::string lowercase(std::string_view text) { return convertCase(text, g_utf8_strdown, lowerAscii); }

std::string uppercase(std::string_view text) { return convertCase(text, g_utf8_strup, upperAscii); }

std::string_view trimWhitespace(std::string_view text) {
    while (!text.empty() && isWhitespace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isWhitespace(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view trimUnicodeWhitespace(std::string_view text) {
    while (!text.empty()) {
        auto first = firstCodePoint(text);
        if (!first || !isUnicodeWhitespace(first->first)) break;
        text.remove_prefix(first->second);
    }
    while (!text.empty()) {
        // The last character starts at the last byte that does not continue one (10xxxxxx).
        size_t start = text.size() - 1;
        while (start > 0 && text.size() - start < 4 && (static_cast<unsigned char>(text[start]) & 0xc0) == 0x80) --start;
        auto last = firstCodePoint(text.substr(start));
        if (!last || last->second != text.size() - start || !isUnicodeWhitespace(last->first)) break;
        text.remove_suffix(last->second);
    }
    return text;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

}  // namespace zuno::sys
