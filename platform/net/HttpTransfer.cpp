#include "platform/net/HttpTransfer.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/core/Text.h"
#include "platform/net/CookieStore.h"

namespace zuno::sys {

namespace {
constexpr int kMaxRedirects = 10;

bool isRedirectStatus(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}
}  // namespace

void ensureCurlReady() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

HttpTransfer::HttpTransfer(HttpRequest request, Clock clock) : request_(std::move(request)), clock_(std::move(clock)) {
    ensureCurlReady();
    easy_ = curl_easy_init();
    currentUrl_ = request_.url;
    method_ = request_.method.empty() ? "GET" : request_.method;
    sendBody_ = method_ != "GET" && method_ != "HEAD";
    double timeout = std::isfinite(request_.timeoutSeconds) && request_.timeoutSeconds > 0 ? request_.timeoutSeconds : 60.0;
    deadline_ = clock_() + timeout;
}

HttpTransfer::~HttpTransfer() {
    if (headerList_) curl_slist_free_all(headerList_);
    if (easy_) curl_easy_cleanup(easy_);
}

bool HttpTransfer::prepare() {
    if (!easy_) {
        outcome_.error = "HTTP is not available";
        return false;
    }
    if (!isWebUrl(currentUrl_)) {
        outcome_.error = "not an http or https address: " + currentUrl_;
        return false;
    }
    double left = deadline_ - clock_();
    if (left <= 0) {
        outcome_.error = "timed out";
        outcome_.timedOut = true;
        return false;
    }
    curl_easy_reset(easy_);
    hopStatus_ = 0;
    hopHeaders_.clear();
    hopIsRedirect_ = false;
    errorBuffer_[0] = '\0';

    curl_easy_setopt(easy_, CURLOPT_URL, currentUrl_.c_str());
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 0L);
    hopTimeoutMillis_ = std::max(1L, static_cast<long>(std::ceil(left * 1000.0)));
    curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, hopTimeoutMillis_);
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &HttpTransfer::headerCallback);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &HttpTransfer::writeCallback);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy_, CURLOPT_ACCEPT_ENCODING, "");

    if (headerList_) {
        curl_slist_free_all(headerList_);
        headerList_ = nullptr;
    }
    for (const auto& [name, value] : request_.headers) {
        // Content headers describe the body; they go when a redirect turns the request into a GET.
        if (!sendBody_ && (headerNameIs(name, "Content-Type") || headerNameIs(name, "Content-Length")))
            continue;
        if (headerNameIs(name, "Cookie") && request_.useCookies) continue;  // the store's cookies win
        std::string line = name + ": " + value;
        for (char& c : line)
            if (c == '\r' || c == '\n') c = ' ';  // a value cannot add header lines of its own
        headerList_ = curl_slist_append(headerList_, line.c_str());
    }
    headerList_ = curl_slist_append(headerList_, "Expect:");  // send the body at once
    if (request_.useCookies) {
        if (auto cookie = CookieStore::shared().cookieHeaderForUrl(currentUrl_))
            headerList_ = curl_slist_append(headerList_, ("Cookie: " + *cookie).c_str());
    }
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headerList_);

    if (method_ == "GET") {
        curl_easy_setopt(easy_, CURLOPT_HTTPGET, 1L);
    } else if (method_ == "HEAD") {
        curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
    } else {
        curl_easy_setopt(easy_, CURLOPT_POST, 1L);
        curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request_.body.size()));
        curl_easy_setopt(easy_, CURLOPT_POSTFIELDS, request_.body.data());
        if (method_ != "POST") curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, method_.c_str());
    }
    return true;
}

size_t HttpTransfer::headerCallback(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<HttpTransfer*>(self);
    size_t n = size * count;
    HttpHeadLine line = parseHttpHeadLine(std::string_view(data, n));
    switch (line.kind) {
        case HttpHeadLine::Kind::Status:
            // A new answer begins (after a "100 Continue", for instance).
            t->hopHeaders_.clear();
            t->hopStatus_ = line.status;
            break;
        case HttpHeadLine::Kind::End:
            if (t->hopStatus_ >= 200 || t->hopStatus_ == 0) t->headersDone();
            break;
        case HttpHeadLine::Kind::Header: t->hopHeaders_.emplace_back(std::move(line.name), std::move(line.value)); break;
        case HttpHeadLine::Kind::Other: break;
    }
    return n;
}

void HttpTransfer::headersDone() {
    if (request_.useCookies) {
        std::vector<std::string> setCookies;
        for (const auto& [k, v] : hopHeaders_)
            if (headerNameIs(k, "Set-Cookie")) setCookies.push_back(v);
        if (!setCookies.empty()) CookieStore::shared().setCookiesFromHeaders(currentUrl_, setCookies);
    }
    hopIsRedirect_ = request_.followRedirects && isRedirectStatus(hopStatus_) && findHeader(hopHeaders_, "Location");
    if (hopIsRedirect_) return;
    outcome_.response.status = hopStatus_;
    outcome_.response.headers = hopHeaders_;
    outcome_.response.url = currentUrl_;
    outcome_.response.body.clear();
    if (onHead) onHead(outcome_.response);
}

size_t HttpTransfer::writeCallback(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<HttpTransfer*>(self);
    size_t n = size * count;
    if (t->hopIsRedirect_) return n;  // the page that comes with a redirect is not wanted
    if (t->outcome_.response.body.size() + n > kMaxBody) {
        t->bodyTooLarge_ = true;
        return 0;  // stops the transfer
    }
    t->outcome_.response.body.append(data, n);
    if (t->onData) t->onData(std::string_view(data, n));
    return n;
}

bool HttpTransfer::hopFinished(CURLcode code) {
    if (code != CURLE_OK) {
        if (bodyTooLarge_) {
            outcome_.error = "the answer is too large";
        } else if (code == CURLE_OPERATION_TIMEDOUT) {
            outcome_.error = "timed out";
            outcome_.timedOut = true;
        } else {
            outcome_.error = errorBuffer_[0] ? std::string(errorBuffer_) : std::string(curl_easy_strerror(code));
        }
        return false;
    }
    if (hopIsRedirect_) {
        char* next = nullptr;
        curl_easy_getinfo(easy_, CURLINFO_REDIRECT_URL, &next);
        if (!next) {
            outcome_.error = "a redirect without a usable address";
            return false;
        }
        if (++hops_ > kMaxRedirects) {
            outcome_.error = "too many redirects";
            return false;
        }
        currentUrl_ = next;
        // As browsers do: 303, and 301/302 after a POST, go on as a GET without the body.
        if (hopStatus_ == 303 || ((hopStatus_ == 301 || hopStatus_ == 302) && method_ == "POST")) {
            if (method_ != "HEAD") method_ = "GET";
            sendBody_ = false;
        }
        return prepare();
    }
    if (outcome_.response.status == 0) {
        long status = 0;
        curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
        outcome_.response.status = static_cast<int>(status);
        outcome_.response.url = currentUrl_;
    }
    int status = outcome_.response.status;
    if (status < 200 || status >= 300) outcome_.error = "HTTP status " + std::to_string(status);
    return false;
}

void HttpTransfer::runHere() {
    if (!prepare()) return;
    while (hopFinished(curl_easy_perform(easy_))) {
    }
}

}  // namespace zuno::sys
