#include "platform/net/CookieStore.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <ctime>

#include "platform/core/Clock.h"
#include "platform/core/Text.h"
#include "platform/net/UrlEncoding.h"

namespace zuno::sys {

namespace {
bool isIpAddress(const std::string& host) {
    if (!host.empty() && host.front() == '[') return true;
    return std::all_of(host.begin(), host.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

// The host lies in the domain: the same name, or a name below it (and not an address).
bool domainMatches(const std::string& host, const std::string& domain) {
    if (host == domain) return true;
    if (isIpAddress(host) || host.size() <= domain.size()) return false;
    return host.compare(host.size() - domain.size(), domain.size(), domain) == 0 &&
           host[host.size() - domain.size() - 1] == '.';
}

bool pathMatches(const std::string& requestPath, const std::string& cookiePath) {
    if (requestPath == cookiePath) return true;
    if (requestPath.compare(0, cookiePath.size(), cookiePath) != 0) return false;
    return cookiePath.back() == '/' || requestPath[cookiePath.size()] == '/';
}

std::string defaultPath(const std::string& requestPath) {
    if (requestPath.empty() || requestPath.front() != '/') return "/";
    size_t slash = requestPath.rfind('/');
    return slash == 0 ? "/" : requestPath.substr(0, slash);
}

bool sendable(const Cookie& c, const UrlParts& url) {
    if (c.hostOnly ? url.host != c.domain : !domainMatches(url.host, c.domain)) return false;
    if (!pathMatches(url.path, c.path)) return false;
    return !c.secure || url.scheme == "https";
}

bool sameCookie(const Cookie& a, const Cookie& b) {
    return a.name == b.name && a.domain == b.domain && a.path == b.path;
}
}  // namespace

CookieStore& CookieStore::shared() {
    static CookieStore* store = new CookieStore();  // lives for the whole run
    return *store;
}

std::optional<double> CookieStore::parseHttpDate(std::string_view text) {
    // Tokens: day of month, month name, year, hh:mm:ss, in any order; the weekday and zone are ignored.
    static const char* months[] = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    int day = -1, month = -1, year = -1, hour = -1, minute = -1, second = -1;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !std::isalnum(static_cast<unsigned char>(text[i])) && text[i] != ':') ++i;
        size_t start = i;
        while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == ':')) ++i;
        std::string_view token = text.substr(start, i - start);
        if (token.empty()) continue;
        if (token.find(':') != std::string_view::npos) {
            int h = 0, m = 0, s = 0;
            if (std::sscanf(std::string(token).c_str(), "%d:%d:%d", &h, &m, &s) == 3) {
                hour = h;
                minute = m;
                second = s;
            }
        } else if (std::isdigit(static_cast<unsigned char>(token[0]))) {
            int v = 0;
            std::from_chars(token.data(), token.data() + token.size(), v);
            if (token.size() <= 2 && day < 0) {
                day = v;
            } else if (year < 0) {
                year = token.size() <= 2 ? (v < 70 ? 2000 + v : 1900 + v) : v;
            }
        } else if (month < 0 && token.size() >= 3) {
            std::string m = asciiLowercase(token.substr(0, 3));
            for (int k = 0; k < 12; ++k)
                if (m == months[k]) month = k;
        }
    }
    if (day < 1 || day > 31 || month < 0 || year < 1601 || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 60)
        return std::nullopt;
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return static_cast<double>(timegm(&tm));
}

std::optional<Cookie> CookieStore::parseSetCookie(std::string_view setCookie, std::string_view url, double now) {
    auto parts = parseUrl(url);
    if (!parts) return std::nullopt;
    size_t semi = setCookie.find(';');
    std::string_view pair = trimWhitespace(setCookie.substr(0, semi));
    size_t eq = pair.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    Cookie c;
    c.name = std::string(trimWhitespace(pair.substr(0, eq)));
    c.value = std::string(trimWhitespace(pair.substr(eq + 1)));
    if (c.name.empty()) return std::nullopt;
    c.domain = parts->host;
    c.path = defaultPath(parts->path);

    std::optional<double> maxAgeExpiry, dateExpiry;
    std::string_view rest = semi == std::string_view::npos ? std::string_view() : setCookie.substr(semi + 1);
    while (!rest.empty()) {
        size_t next = rest.find(';');
        std::string_view attr = trimWhitespace(rest.substr(0, next));
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
        size_t aeq = attr.find('=');
        std::string name = asciiLowercase(trimWhitespace(attr.substr(0, aeq)));
        std::string_view value = aeq == std::string_view::npos ? std::string_view() : trimWhitespace(attr.substr(aeq + 1));
        if (name == "domain" && !value.empty()) {
            std::string domain = asciiLowercase(value);
            if (domain.front() == '.') domain.erase(0, 1);
            if (domain.empty()) continue;
            // A site may set cookies for itself or a domain above it, but never for a bare top-level name.
            if (!domainMatches(parts->host, domain)) return std::nullopt;
            if (domain.find('.') == std::string::npos && domain != parts->host) return std::nullopt;
            c.domain = domain;
            c.hostOnly = isIpAddress(domain);  // an address stands for itself only
        } else if (name == "path") {
            c.path = !value.empty() && value.front() == '/' ? std::string(value) : defaultPath(parts->path);
        } else if (name == "max-age") {
            long long seconds = 0;
            auto res = std::from_chars(value.data(), value.data() + value.size(), seconds);
            if (res.ec == std::errc() && res.ptr == value.data() + value.size())
                maxAgeExpiry = seconds <= 0 ? now - 1 : now + static_cast<double>(seconds);
        } else if (name == "expires") {
            dateExpiry = parseHttpDate(value);
        } else if (name == "secure") {
            c.secure = true;
        } else if (name == "httponly") {
            c.httpOnly = true;
        }
    }
    c.expires = maxAgeExpiry ? maxAgeExpiry : dateExpiry;
    return c;
}

void CookieStore::setCookiesFromHeaders(std::string_view url, const std::vector<std::string>& setCookieValues) {
    double now = currentTimeSeconds();
    for (const auto& value : setCookieValues)
        if (auto c = parseSetCookie(value, url, now)) setCookie(std::move(*c));
}

void CookieStore::setCookie(Cookie cookie) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::find_if(cookies_.begin(), cookies_.end(), [&](const Cookie& c) { return sameCookie(c, cookie); });
    bool expired = cookie.expires && *cookie.expires <= currentTimeSeconds();  // an expired cookie only deletes
    if (it == cookies_.end()) {
        if (!expired) cookies_.push_back(std::move(cookie));
    } else if (expired) {
        cookies_.erase(it);
    } else {
        *it = std::move(cookie);  // keeps its place, so the order cookies are sent in stays
    }
}

void CookieStore::removeExpired(double now) const {
    cookies_.erase(std::remove_if(cookies_.begin(), cookies_.end(),
                                  [&](const Cookie& c) { return c.expires && *c.expires <= now; }),
                   cookies_.end());
}

std::vector<Cookie> CookieStore::cookiesForUrl(std::string_view url) const {
    auto parts = parseUrl(url);
    if (!parts) return {};
    std::lock_guard<std::mutex> lock(mutex_);
    removeExpired(currentTimeSeconds());
    std::vector<Cookie> out;
    for (const auto& c : cookies_)
        if (sendable(c, *parts)) out.push_back(c);
    std::stable_sort(out.begin(), out.end(), [](const Cookie& a, const Cookie& b) { return a.path.size() > b.path.size(); });
    return out;
}

std::optional<std::string> CookieStore::cookieHeaderForUrl(std::string_view url) const {
    auto list = cookiesForUrl(url);
    if (list.empty()) return std::nullopt;
    std::string header;
    for (const auto& c : list) {
        if (!header.empty()) header += "; ";
        header += c.name + "=" + c.value;
    }
    return header;
}

std::vector<Cookie> CookieStore::cookies() const {
    std::lock_guard<std::mutex> lock(mutex_);
    removeExpired(currentTimeSeconds());
    return cookies_;
}

size_t CookieStore::deleteCookiesForHost(std::string_view host) {
    std::string h = asciiLowercase(host);
    std::lock_guard<std::mutex> lock(mutex_);
    size_t before = cookies_.size();
    cookies_.erase(std::remove_if(cookies_.begin(), cookies_.end(),
                                  [&](const Cookie& c) { return c.hostOnly ? c.domain == h : domainMatches(h, c.domain); }),
                   cookies_.end());
    return before - cookies_.size();
}

void CookieStore::deleteCookie(const Cookie& cookie) {
    std::lock_guard<std::mutex> lock(mutex_);
    cookies_.erase(std::remove_if(cookies_.begin(), cookies_.end(), [&](const Cookie& c) { return sameCookie(c, cookie); }),
                   cookies_.end());
}

void CookieStore::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    cookies_.clear();
}

}  // namespace zuno::sys
