#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::sys {

struct Cookie {
    std::string name;
    std::string value;
    std::string domain;  // lower case, without a leading "."
    std::string path = "/";
    bool hostOnly = true;  // sent to that exact host only (no Domain attribute)
    bool secure = false;
    bool httpOnly = false;
    std::optional<double> expires;  // seconds since 1970; none for a cookie of this run only
};

// The cookies that HTTP answers set, sent back with later requests to the same site. Any thread.
// Kept in memory for the run.
class CookieStore {
public:
    static CookieStore& shared();

    // Takes the Set-Cookie header values of an answer from the URL. Cookies for another site are
    // refused; an expired one deletes the stored cookie of that name.
    void setCookiesFromHeaders(std::string_view url, const std::vector<std::string>& setCookieValues);
    void setCookie(Cookie cookie);

    // The cookies to send to the URL, longest path first.
    std::vector<Cookie> cookiesForUrl(std::string_view url) const;
    // "a=1; b=2", or nothing when there is no cookie to send.
    std::optional<std::string> cookieHeaderForUrl(std::string_view url) const;
    std::vector<Cookie> cookies() const;

    // Deletes every cookie that would be sent to the host (its own and those of the domains above
    // it); cookies of other hosts stay. Answers how many went.
    size_t deleteCookiesForHost(std::string_view host);
    void deleteCookie(const Cookie& cookie);  // by name, domain and path
    void clear();

    // One Set-Cookie value, as received from the URL; nothing when it is malformed or not allowed.
    static std::optional<Cookie> parseSetCookie(std::string_view setCookie, std::string_view url, double now);
    // An HTTP date ("Sun, 06 Nov 1994 08:49:37 GMT", also with dashes), as seconds since 1970.
    static std::optional<double> parseHttpDate(std::string_view text);

private:
    void removeExpired(double now) const;  // with mutex_ held

    mutable std::mutex mutex_;
    mutable std::vector<Cookie> cookies_;
};

}  // namespace zuno::sys
