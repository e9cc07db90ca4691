#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/net/UrlEncoding.h"

namespace zuno::sys {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

// Header names compare without regard to case.
bool headerNameIs(std::string_view name, std::string_view wanted);
// Case-insensitive look-up of the first header of that name.
std::optional<std::string> findHeader(const HttpHeaders& headers, std::string_view name);

// One line of an answer's head as it arrives: a status line ("HTTP/1.1 200 OK", status 0 when it has
// no number), a header ("Name: value", both trimmed), the blank line that ends the head, or a line
// that is none of these.
struct HttpHeadLine {
    enum class Kind { Status, Header, End, Other };
    Kind kind = Kind::Other;
    int status = 0;
    std::string name, value;
};
HttpHeadLine parseHttpHeadLine(std::string_view line);

struct HttpRequest {
    std::string method = "GET";
    std::string url;
    HttpHeaders headers;
    std::string body;  // the bytes sent with POST (and other methods that carry a body)
    double timeoutSeconds = 60.0;  // the whole exchange, redirects included
    bool followRedirects = true;   // up to 10
    bool useCookies = true;        // with the shared cookie store

    static HttpRequest get(std::string url);
    // A POST of "application/x-www-form-urlencoded" fields.
    static HttpRequest postForm(std::string url, const QueryPairs& fields);
    // A POST of a prepared body with its content type (a multipart form, for instance).
    static HttpRequest post(std::string url, std::string body, std::string contentType);
};

// What the server answered (the last answer, after redirects).
struct HttpResponse {
    int status = 0;
    HttpHeaders headers;
    std::string body;
    std::string url;  // where the answer came from

    std::optional<std::string> header(std::string_view name) const { return findHeader(headers, name); }
};

// How an exchange ended. It succeeded when an answer with a 2xx status arrived; otherwise error
// says why (no answer, a time-out, a bad address, an answer of another status, a cancel).
struct HttpOutcome {
    HttpResponse response;  // status 0 when nothing arrived
    std::string error;
    bool timedOut = false;
    bool cancelled = false;

    bool succeeded() const { return error.empty() && response.status >= 200 && response.status < 300; }
};

// The answer of a synchronous GET: the body only when the answer succeeded, so that an error page or
// an empty failure is never taken for content.
struct HttpFetchResult {
    int status = 0;
    std::optional<std::string> body;
    std::string error;
    bool timedOut = false;

    bool ok() const { return body.has_value(); }
};

}  // namespace zuno::sys
