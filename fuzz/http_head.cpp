// Any bytes as the head of an HTTP answer, line by line, as libcurl hands it over: status lines,
// headers, Set-Cookie values into the cookie store and the dates they carry. Nothing may crash or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/net/CookieStore.h"
#include "platform/net/HttpTypes.h"

using namespace zuno::sys;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view head(reinterpret_cast<const char*>(data), size);
    HttpHeaders headers;
    std::vector<std::string> setCookies;
    while (!head.empty()) {
        size_t end = head.find('\n');
        std::string_view line = head.substr(0, end == std::string_view::npos ? head.size() : end + 1);
        head.remove_prefix(line.size());
        HttpHeadLine parsed = parseHttpHeadLine(line);
        if (parsed.kind == HttpHeadLine::Kind::Status && (parsed.status < 0 || parsed.status > 999)) std::abort();
        if (parsed.kind != HttpHeadLine::Kind::Header) continue;
        if (headerNameIs(parsed.name, "Set-Cookie")) setCookies.push_back(parsed.value);
        if (headerNameIs(parsed.name, "Date") || headerNameIs(parsed.name, "Expires")) CookieStore::parseHttpDate(parsed.value);
        headers.emplace_back(std::move(parsed.name), std::move(parsed.value));
    }
    findHeader(headers, "Location");
    CookieStore& store = CookieStore::shared();
    store.setCookiesFromHeaders("http://game.example.com/a/b", setCookies);
    store.cookieHeaderForUrl("http://game.example.com/a/b/c");
    store.clear();
    return 0;
}
