#include "platform/core/Text.h"

#include <glib.h>

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

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

}  // namespace zuno::sys
