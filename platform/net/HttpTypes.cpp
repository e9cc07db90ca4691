#include "platform/net/HttpTypes.h"

#include "platform/core/Text.h"

namespace zuno::sys {

bool headerNameIs(std::string_view name, std::string_view wanted) {
    return equalsIgnoringAsciiCase(name, wanted);
}

std::optional<std::string> findHeader(const HttpHeaders& headers, std::string_view name) {
    for (const auto& [k, v] : headers)
        if (headerNameIs(k, name)) return v;
    return std::nullopt;
}

HttpRequest HttpRequest::get(std::string url) {
    HttpRequest r;
    r.url = std::move(url);
    return r;
}

HttpRequest HttpRequest::postForm(std::string url, const QueryPairs& fields) {
    return post(std::move(url), formUrlEncode(fields), "application/x-www-form-urlencoded");
}

HttpRequest HttpRequest::post(std::string url, std::string body, std::string contentType) {
    HttpRequest r;
    r.method = "POST";
    r.url = std::move(url);
    r.body = std::move(body);
    r.headers.emplace_back("Content-Type", std::move(contentType));
    return r;
}

}  // namespace zuno::sys
