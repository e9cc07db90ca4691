#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/core/RunLoop.h"
#include "platform/net/HttpTypes.h"

namespace zuno::sys {

class HttpTransfer;

// What an asynchronous exchange reports, each on the run loop it was started for (the main one
// unless said otherwise): the answer's status and headers, the body as it arrives, and the end.
// onFinish always comes last, once, unless the call was cancelled.
struct HttpHandlers {
    std::function<void(const HttpResponse& head)> onResponse;
    std::function<void(std::string_view bytes)> onData;
    std::function<void(const HttpOutcome& outcome)> onFinish;
};

// One asynchronous exchange.
class HttpCall {
public:
    ~HttpCall();
    // On the run loop's thread: no handler is called after this returns. Any other thread: the
    // exchange stops soon, and handlers not yet begun are not called.
    void cancel();
    bool isCancelled() const { return cancelled_; }
    bool isFinished() const { return finished_; }
    const std::string& url() const { return url_; }

private:
    friend class Http;
    friend class HttpEngine;
    HttpCall(HttpRequest request, HttpHandlers handlers, RunLoop& loop);

    std::string url_;
    std::unique_ptr<HttpTransfer> transfer_;
    HttpHandlers handlers_;
    RunLoop& loop_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
};

// HTTP and HTTPS over libcurl, with the shared cookie store.
class Http {
public:
    // A GET on the calling thread, waiting at most the given time. The body comes only with a 2xx
    // answer; a failure, a time-out or any other status gives an error and no body.
    static HttpFetchResult get(const std::string& url, double timeoutSeconds = 30.0);
    // Any request on the calling thread.
    static HttpOutcome perform(HttpRequest request);

    // Starts the exchange on the HTTP thread and answers at once.
    static std::shared_ptr<HttpCall> start(HttpRequest request, HttpHandlers handlers,
                                           RunLoop& loop = RunLoop::main());
    static std::shared_ptr<HttpCall> start(HttpRequest request, std::function<void(const HttpOutcome&)> onFinish,
                                           RunLoop& loop = RunLoop::main());

    // Exchanges started and not yet over (nor cancelled).
    static size_t activeCallCount();
    // Cancels every running exchange (between tests, at exit).
    static void cancelAll();
};

}  // namespace zuno::sys
