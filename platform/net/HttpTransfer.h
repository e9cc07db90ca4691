#pragma once

#include <curl/curl.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/core/Clock.h"
#include "platform/net/HttpTypes.h"

namespace zuno::sys {

// One HTTP exchange on a libcurl handle, redirects and cookies included. Redirects are followed here,
// one hop at a time, so that each hop's cookies are stored before the next request is made.
// Used by the synchronous calls on the calling thread and by the asynchronous engine on its thread.
class HttpTransfer {
public:
    // The clock (in seconds) that the request's time-out is kept on; tests stand in their own.
    using Clock = std::function<double()>;

    explicit HttpTransfer(HttpRequest request, Clock clock = monotonicSeconds);
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    // Called on the transferring thread: the final answer's status and headers, then its body pieces.
    std::function<void(const HttpResponse& head)> onHead;
    std::function<void(std::string_view bytes)> onData;

    CURL* handle() const { return easy_; }
    // Sets the handle up for the current hop; false (with outcome().error set) when it cannot start.
    bool prepare();
    // The handle finished a hop with this code. Answers true when another hop was prepared and
    // should be run, false when the exchange is over (outcome() holds the result).
    bool hopFinished(CURLcode code);

    // Runs the whole exchange on this thread.
    void runHere();

    // The time the prepared hop may take, given to libcurl: what is left of the request's time-out.
    long hopTimeoutMillis() const { return hopTimeoutMillis_; }

    const HttpOutcome& outcome() const { return outcome_; }
    HttpOutcome& outcome() { return outcome_; }

    // Answers above this size are cut off with an error.
    static constexpr size_t kMaxBody = 64u * 1024u * 1024u;

private:
    static size_t headerCallback(char* data, size_t size, size_t count, void* self);
    static size_t writeCallback(char* data, size_t size, size_t count, void* self);
    void headersDone();

    HttpRequest request_;
    Clock clock_;
    CURL* easy_ = nullptr;
    curl_slist* headerList_ = nullptr;
    std::string currentUrl_;
    std::string method_;
    bool sendBody_ = false;
    int hops_ = 0;
    double deadline_ = 0;
    long hopTimeoutMillis_ = 0;
    // The hop now running.
    int hopStatus_ = 0;
    HttpHeaders hopHeaders_;
    bool hopIsRedirect_ = false;
    bool bodyTooLarge_ = false;
    HttpOutcome outcome_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
};

// libcurl is set up once for the whole program.
void ensureCurlReady();

}  // namespace zuno::sys
