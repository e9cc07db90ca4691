#pragma once

#include <memory>
#include <mutex>

namespace zuno {

// The logic handler a game decoder hands its events to: the game's shared one unless a test puts
// another in its place. Read on the reader thread, replaced from any.
template <typename Handler>
class LogicHandlerSlot {
public:
    explicit LogicHandlerSlot(std::shared_ptr<Handler> handler) : handler_(std::move(handler)) {}

    std::shared_ptr<Handler> get() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return handler_;
    }
    void set(std::shared_ptr<Handler> handler) {
        std::lock_guard<std::mutex> lock(mutex_);
        handler_ = std::move(handler);
    }

private:
    mutable std::mutex mutex_;
    std::shared_ptr<Handler> handler_;
};

}  // namespace zuno
