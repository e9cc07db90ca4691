// An HTTP answer held back by the test server.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "standin-server/http/HttpServer.h"

namespace zuno::testing {

// The answer to a path, held by the server until the test lets it go (or the holder goes). Once it is
// out (HttpServer::waitForAnswers), a marker asked for after it shows what that answer would have set off.
class HeldAnswer {
public:
    HeldAnswer(standin::HttpServer& server, const std::string& path) {
        server.route(path, [gate = gate_](const standin::ServerRequest&) {
            std::unique_lock<std::mutex> lock(gate->mutex);
            gate->opened.wait(lock, [&] { return gate->open; });
            return standin::ServerResponse::text("held");
        });
    }
    ~HeldAnswer() { release(); }
    void release() {
        std::lock_guard<std::mutex> lock(gate_->mutex);
        gate_->open = true;
        gate_->opened.notify_all();
    }

private:
    struct Gate {
        std::mutex mutex;
        std::condition_variable opened;
        bool open = false;
    };
    std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
};

}  // namespace zuno::testing
