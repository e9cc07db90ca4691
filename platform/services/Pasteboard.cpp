#include "platform/services/Pasteboard.h"

namespace zuno::sys {

Pasteboard& Pasteboard::general() {
    static Pasteboard* board = new Pasteboard();
    return *board;
}

void Pasteboard::setString(std::string text) {
    std::function<void(const std::string&)> set;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        history_.push_back(text);
        text_ = text;
        set = backend_.setText;
    }
    if (set) set(text);
}

std::optional<std::string> Pasteboard::string() const {
    std::function<std::optional<std::string>()> get;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        get = backend_.getText;
        if (!get) return text_;
    }
    return get();
}

std::vector<std::string> Pasteboard::history() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return history_;
}

void Pasteboard::setBackend(Backend backend) {
    std::lock_guard<std::mutex> lock(mutex_);
    backend_ = std::move(backend);
}

void Pasteboard::resetForTests() {
    Pasteboard& p = general();
    std::lock_guard<std::mutex> lock(p.mutex_);
    p.backend_ = {};
    p.text_.reset();
    p.history_.clear();
}

}  // namespace zuno::sys
