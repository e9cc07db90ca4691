// Any bytes as one Set-Cookie value and as an HTTP date; a cookie taken is sent back to the page it
// came from unless it names another path. Nothing may crash or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/net/CookieStore.h"

using namespace zuno::sys;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CookieStore::parseHttpDate(text);
    auto cookie = CookieStore::parseSetCookie(text, "http://game.example.com/shop/list", 1.0e9);
    if (cookie && (cookie->path.empty() || cookie->path[0] != '/')) std::abort();
    return 0;
}
