#include "platform/net/HttpTypes.h"

#include "platform/core/Text.h"

namespace zuno::sys {

bool headerNameIs(std::string_view name, std::string_view wanted) {
    return equalsIgnoringAsciiCase(name, wanted);
}

HttpHeadLine parseHttpHeadLine(std::string_view line) {
    HttpHeadLine out;
    if (line.substr(0, 5) == "HTTP/") {
        out.kind = HttpHeadLine::Kind::Status;
        size_t space = line.find(' ');
        if (space != std::string_view::npos) {
            std::string_view code = line.substr(space + 1, 3);
            if (code.size() == 3 && code.find_first_not_of("0123456789") == std::string_view::npos)
                out.status = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
        }
        return out;
    }
    std::string_view content = trimWhitespace(line);
    if (content.empty()) {
        out.kind = HttpHeadLine::Kind::End;
        return out;
    }
    size_t colon = content.find(':');
    if (colon == std::string_view::npos) return out;
    out.kind = HttpHeadLine::Kind::Header;
    out.name = std::string(trimWhitespace(content.substr(0, colon)));
    out.value = std::string(trimWhitespace(content.substr(colon + 1)));
    return out;
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
