#include "platform/core/Base64.h"

namespace zuno::sys {

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextet(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}
}  // namespace

std::string base64Encode(const uint8_t* bytes, size_t length) {
    std::string out;
    out.reserve(4 * ((length + 2) / 3));
    for (size_t i = 0; i < length; i += 3) {
        uint32_t group = static_cast<uint32_t>(bytes[i]) << 16;
        size_t present = length - i < 3 ? length - i : 3;
        if (present > 1) group |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (present > 2) group |= bytes[i + 2];
        out.push_back(kAlphabet[(group >> 18) & 63]);
        out.push_back(kAlphabet[(group >> 12) & 63]);
        out.push_back(present > 1 ? kAlphabet[(group >> 6) & 63] : '=');
        out.push_back(present > 2 ? kAlphabet[group & 63] : '=');
    }
    return out;
}

std::optional<Data> base64Decode(std::string_view text) {
    Data out;
    out.reserve(text.size() / 4 * 3);
    uint32_t group = 0;
    int count = 0;    // sextets in the current group
    int padding = 0;  // "=" seen
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        if (c == '=') {
            if (count < 2 || ++padding > 2) return std::nullopt;
            continue;
        }
        if (padding > 0) return std::nullopt;  // nothing but padding may follow padding
        int v = sextet(c);
        if (v < 0) return std::nullopt;
        group = (group << 6) | static_cast<uint32_t>(v);
        if (++count == 4) {
            out.push_back(static_cast<uint8_t>(group >> 16));
            out.push_back(static_cast<uint8_t>(group >> 8));
            out.push_back(static_cast<uint8_t>(group));
            group = 0;
            count = 0;
        }
    }
    if (padding > 0 && count + padding != 4) return std::nullopt;
    if (count == 1) return std::nullopt;
    if (count == 2) {
        out.push_back(static_cast<uint8_t>(group >> 4));
    } else if (count == 3) {
        out.push_back(static_cast<uint8_t>(group >> 10));
        out.push_back(static_cast<uint8_t>(group >> 2));
    }
    return out;
}

}  // namespace zuno::sys
