#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/Format.h"

namespace zuno::sys {

using QueryPairs = std::vector<std::pair<std::string, std::string>>;

// Percent-encodes every byte but the unreserved ones (A-Z a-z 0-9 - . _ ~), as UTF-8.
std::string percentEncode(std::string_view text);
// Decodes %XX escapes (a broken escape stays as it is); with plusAsSpace a "+" becomes a space.
std::string percentDecode(std::string_view text, bool plusAsSpace = false);

// "a=1&b=x%20y": names and values percent-encoded, in the given order.
std::string formUrlEncode(const QueryPairs& pairs);
// The pairs of a query ("a=1&b=x%20y", with or without a leading "?"), decoded.
QueryPairs parseQuery(std::string_view query);

// Fills a configured address with values the way format() does, but every value is percent-encoded
// first, so a value can neither break the address nor be read as a format.
std::string formatUrl(std::string_view urlFormat, std::initializer_list<FormatArg> args);
template <typename... Args>
std::string formatUrl(std::string_view urlFormat, const Args&... args) {
    return formatUrl(urlFormat, {FormatArg(args)...});
}

// The parts of an absolute URL: "http://user@Host:8080/a/b?q#f" -> scheme "http", host "host"
// (lower case), port 8080 (0 when absent), path "/a/b" ("/" when empty), query "q".
struct UrlParts {
    std::string scheme;
    std::string host;
    int port = 0;
    std::string path;
    std::string query;
};
std::optional<UrlParts> parseUrl(std::string_view url);
// An absolute http or https address.
bool isWebUrl(std::string_view url);

}  // namespace zuno::sys
