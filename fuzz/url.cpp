// Any bytes as a URL, a query and percent-encoded text. Encoding then decoding gives the text back;
// what parses as a URL has a scheme and a path; nothing may crash or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/net/UrlEncoding.h"

using namespace zuno::sys;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto url = parseUrl(text)) {
        if (url->scheme.empty() || url->path.empty() || url->port < 0 || url->port > 65535) std::abort();
    }
    QueryPairs pairs = parseQuery(text);
    parseQuery(formUrlEncode(pairs));
    if (percentDecode(percentEncode(text)) != text) std::abort();
    percentDecode(text, true);
    return 0;
}
