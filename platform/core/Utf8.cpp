#include "platform/core/Utf8.h"

namespace zuno::sys {

namespace {
bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }
}  // namespace

bool isValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* e = p + bytes.size();
    while (p != e) {
        unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        size_t left = static_cast<size_t>(e - p);
        if (b >= 0xC2 && b <= 0xDF) {
            if (left < 2 || !isContinuation(p[1])) return false;
            p += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (left < 3 || !isContinuation(p[1]) || !isContinuation(p[2])) return false;
            if (b == 0xE0 && p[1] < 0xA0) return false;   // overlong
            if (b == 0xED && p[1] >= 0xA0) return false;  // a surrogate
            p += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            if (left < 4 || !isContinuation(p[1]) || !isContinuation(p[2]) || !isContinuation(p[3])) return false;
            if (b == 0xF0 && p[1] < 0x90) return false;   // overlong
            if (b == 0xF4 && p[1] >= 0x90) return false;  // above U+10FFFF
            p += 4;
        } else {
            return false;
        }
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

size_t characterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text)
        if (!isContinuation(static_cast<unsigned char>(c))) ++count;
    return count;
}

std::string firstCharacters(std::string_view text, size_t limit) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i]))) continue;
        if (count == limit) return std::string(text.substr(0, i));
        ++count;
    }
    return std::string(text);
}

}  // namespace zuno::sys
