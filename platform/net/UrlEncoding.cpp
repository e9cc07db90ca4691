#include "platform/net/UrlEncoding.h"

#include <charconv>
#include <vector>

#include "platform/core/Text.h"

namespace zuno::sys {

namespace {
bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string percentEncode(std::string_view text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (isUnreserved(c)) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}

std::string percentDecode(std::string_view text, bool plusAsSpace) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else if (c == '+' && plusAsSpace) {
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string formUrlEncode(const QueryPairs& pairs) {
    std::string out;
    for (const auto& [name, value] : pairs) {
        if (!out.empty()) out.push_back('&');
        out += percentEncode(name);
        out.push_back('=');
        out += percentEncode(value);
    }
    return out;
}

QueryPairs parseQuery(std::string_view query) {
    if (!query.empty() && query.front() == '?') query.remove_prefix(1);
    QueryPairs out;
    size_t start = 0;
    while (start < query.size()) {
        size_t amp = query.find('&', start);
        if (amp == std::string_view::npos) amp = query.size();
        std::string_view piece = query.substr(start, amp - start);
        if (!piece.empty()) {
            size_t eq = piece.find('=');
            if (eq == std::string_view::npos) {
                out.emplace_back(percentDecode(piece, true), std::string());
            } else {
                out.emplace_back(percentDecode(piece.substr(0, eq), true), percentDecode(piece.substr(eq + 1), true));
            }
        }
        start = amp + 1;
    }
    return out;
}

std::string formatUrl(std::string_view urlFormat, std::initializer_list<FormatArg> args) {
    std::vector<FormatArg> encoded;
    encoded.reserve(args.size());
    for (const FormatArg& a : args) {
        if (const auto* text = std::get_if<std::string>(&a.holder())) {
            encoded.emplace_back(percentEncode(*text));
        } else {
            encoded.push_back(a);  // numbers format to digits, signs and points only
        }
    }
    return formatList(urlFormat, encoded);
}

std::optional<UrlParts> parseUrl(std::string_view url) {
    size_t colon = url.find("://");
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    UrlParts parts;
    parts.scheme = asciiLowercase(url.substr(0, colon));
    std::string_view rest = url.substr(colon + 3);
    size_t end = rest.find_first_of("/?#");
    std::string_view authority = rest.substr(0, end);
    std::string_view tail = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    if (size_t at = authority.rfind('@'); at != std::string_view::npos) authority.remove_prefix(at + 1);
    std::string_view host = authority;
    std::string_view port;
    if (!authority.empty() && authority.front() == '[') {
        size_t close = authority.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        host = authority.substr(0, close + 1);
        if (close + 1 < authority.size() && authority[close + 1] == ':') port = authority.substr(close + 2);
    } else if (size_t c = authority.rfind(':'); c != std::string_view::npos) {
        host = authority.substr(0, c);
        port = authority.substr(c + 1);
    }
    if (host.empty()) return std::nullopt;
    parts.host = asciiLowercase(host);
    if (!port.empty()) {
        auto res = std::from_chars(port.data(), port.data() + port.size(), parts.port);
        if (res.ec != std::errc() || res.ptr != port.data() + port.size() || parts.port < 0 || parts.port > 65535)
            return std::nullopt;
    }
    if (size_t hash = tail.find('#'); hash != std::string_view::npos) tail = tail.substr(0, hash);
    size_t q = tail.find('?');
    const std::string_view path = tail.substr(0, q);
    parts.path = std::string(path.empty() ? "/" : path);
    if (q != std::string_view::npos) parts.query = std::string(tail.substr(q + 1));
    return parts;
}

bool isWebUrl(std::string_view url) {
    auto parts = parseUrl(url);
    return parts && (parts->scheme == "http" || parts->scheme == "https");
}

}  // namespace zuno::sys
