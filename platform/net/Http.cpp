#include "platform/net/Http.h"

#include <curl/curl.h>

#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/net/HttpTransfer.h"

namespace zuno::sys {

// The HTTP thread: runs every asynchronous exchange on one libcurl multi handle.
class HttpEngine {
public:
    static HttpEngine& shared() {
        static HttpEngine engine;
        return engine;
    }

    ~HttpEngine() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        if (worker_.joinable()) {
            curl_multi_wakeup(multi_);
            worker_.join();
        }
        for (auto& [easy, call] : running_) curl_multi_remove_handle(multi_, easy);
        running_.clear();
        curl_multi_cleanup(multi_);
    }

    void add(std::shared_ptr<HttpCall> call) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            incoming_.push_back(std::move(call));
            ++active_;
            if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
        }
        curl_multi_wakeup(multi_);
    }

    void wake() { curl_multi_wakeup(multi_); }

    size_t activeCount() {
        std::lock_guard<std::mutex> lock(mutex_);
        return active_;
    }

    void cancelAll() {
        std::vector<std::shared_ptr<HttpCall>> calls;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            calls = incoming_;
            for (auto& [easy, call] : running_) calls.push_back(call);
        }
        for (auto& call : calls) call->cancel();
    }

    void finishedOne() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (active_ > 0) --active_;
    }

private:
    HttpEngine() {
        ensureCurlReady();
        multi_ = curl_multi_init();
    }

    void run() {
        for (;;) {
            std::vector<std::shared_ptr<HttpCall>> incoming;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (stopping_) return;
                incoming.swap(incoming_);
            }
            for (auto& call : incoming) begin(std::move(call));
            dropCancelled();
            int stillRunning = 0;
            curl_multi_perform(multi_, &stillRunning);
            int left = 0;
            while (CURLMsg* msg = curl_multi_info_read(multi_, &left)) {
                if (msg->msg != CURLMSG_DONE) continue;
                CURL* easy = msg->easy_handle;
                CURLcode code = msg->data.result;
                auto it = running_.find(easy);
                if (it == running_.end()) continue;
                std::shared_ptr<HttpCall> call = it->second;
                curl_multi_remove_handle(multi_, easy);
                running_.erase(it);
                if (call->transfer_->hopFinished(code) && !call->cancelled_) {
                    running_.emplace(easy, call);
                    curl_multi_add_handle(multi_, easy);
                } else {
                    finish(call);
                }
            }
            curl_multi_poll(multi_, nullptr, 0, 1000, nullptr);
        }
    }

    void begin(std::shared_ptr<HttpCall> call) {
        if (call->cancelled_) {
            finishedOne();
            return;
        }
        if (!call->transfer_->prepare()) {
            finish(call);
            return;
        }
        CURL* easy = call->transfer_->handle();
        running_.emplace(easy, std::move(call));
        curl_multi_add_handle(multi_, easy);
    }

    void dropCancelled() {
        for (auto it = running_.begin(); it != running_.end();) {
            if (it->second->cancelled_) {
                curl_multi_remove_handle(multi_, it->first);
                it = running_.erase(it);
                finishedOne();
            } else {
                ++it;
            }
        }
    }

    void finish(const std::shared_ptr<HttpCall>& call) {
        if (!call->cancelled_) {
            HttpOutcome outcome = call->transfer_->outcome();
            call->loop_.post([call, outcome = std::move(outcome)] {
                if (call->cancelled_) return;
                call->finished_ = true;
                auto onFinish = std::move(call->handlers_.onFinish);
                call->handlers_ = {};  // lets go of whatever the handlers hold
                if (onFinish) onFinish(outcome);
            });
        }
        // Counted out once its end is on the loop, so that no call seems over while its end is still to come.
        finishedOne();
    }

    std::mutex mutex_;
    std::vector<std::shared_ptr<HttpCall>> incoming_;
    std::map<CURL*, std::shared_ptr<HttpCall>> running_;  // the HTTP thread's own
    size_t active_ = 0;
    bool stopping_ = false;
    CURLM* multi_ = nullptr;
    std::thread worker_;
};

HttpCall::HttpCall(HttpRequest request, HttpHandlers handlers, RunLoop& loop)
    : url_(request.url), transfer_(std::make_unique<HttpTransfer>(std::move(request))),
      handlers_(std::move(handlers)), loop_(loop) {}

HttpCall::~HttpCall() = default;

void HttpCall::cancel() {
    if (cancelled_.exchange(true)) return;
    if (loop_.isCurrent()) handlers_ = {};
    HttpEngine::shared().wake();
}

HttpFetchResult Http::get(const std::string& url, double timeoutSeconds) {
    HttpRequest request = HttpRequest::get(url);
    request.timeoutSeconds = timeoutSeconds;
    HttpOutcome outcome = perform(std::move(request));
    HttpFetchResult result;
    result.status = outcome.response.status;
    result.timedOut = outcome.timedOut;
    if (outcome.succeeded()) {
        result.body = std::move(outcome.response.body);
    } else {
        result.error = outcome.error;
    }
    return result;
}

HttpOutcome Http::perform(HttpRequest request) {
    HttpTransfer transfer(std::move(request));
    transfer.runHere();
    return transfer.outcome();
}

std::shared_ptr<HttpCall> Http::start(HttpRequest request, HttpHandlers handlers, RunLoop& loop) {
    bool wantsHead = static_cast<bool>(handlers.onResponse);
    bool wantsData = static_cast<bool>(handlers.onData);
    std::shared_ptr<HttpCall> call(new HttpCall(std::move(request), std::move(handlers), loop));
    std::weak_ptr<HttpCall> weak = call;
    // Progress goes to the run loop as it comes; each step checks for a cancel when it runs there.
    // The handlers themselves are touched on the run loop's thread only.
    if (wantsHead) {
        call->transfer_->onHead = [weak, &loop](const HttpResponse& head) {
            auto c = weak.lock();
            if (!c || c->cancelled_) return;
            loop.post([c, head] {
                if (!c->cancelled_ && c->handlers_.onResponse) c->handlers_.onResponse(head);
            });
        };
    }
    if (wantsData) {
        call->transfer_->onData = [weak, &loop](std::string_view bytes) {
            auto c = weak.lock();
            if (!c || c->cancelled_) return;
            loop.post([c, chunk = std::string(bytes)] {
                if (!c->cancelled_ && c->handlers_.onData) c->handlers_.onData(chunk);
            });
        };
    }
    HttpEngine::shared().add(call);
    return call;
}

std::shared_ptr<HttpCall> Http::start(HttpRequest request, std::function<void(const HttpOutcome&)> onFinish,
                                      RunLoop& loop) {
    HttpHandlers handlers;
    handlers.onFinish = std::move(onFinish);
    return start(std::move(request), std::move(handlers), loop);
}

size_t Http::activeCallCount() { return HttpEngine::shared().activeCount(); }

void Http::cancelAll() { HttpEngine::shared().cancelAll(); }

}  // namespace zuno::sys
