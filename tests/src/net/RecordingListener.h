#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/IMessageListener.h"
#include "net/Message.h"

namespace zuno::testing {

// Records what the connection tells its listener, with the thread each call came on.
class RecordingListener : public IMessageListener {
public:
    struct Call {
        std::string what;
        std::thread::id thread;
    };

    // Runs inside onMessage, on the reader thread (after the message is recorded).
    std::function<void(Message&)> onEachMessage;
    // Runs inside onConnectionFail, on the thread that reports it.
    std::function<void()> onEachFail;
    // Runs inside onDisconnected (after it is recorded).
    std::function<void()> onEachDisconnect;

    void onMessage(Message& message) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            messages_.push_back(message);
            calls_.push_back({"message", std::this_thread::get_id()});
        }
        if (onEachMessage) onEachMessage(message);
    }
    void onDisconnected() override {
        record("disconnected");
        if (onEachDisconnect) onEachDisconnect();
    }
    void onConnectionFail() override {
        record("fail");
        if (onEachFail) onEachFail();
    }
    void onConnectionOK() override { record("ok"); }

    std::vector<Call> calls() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& c : calls()) out.push_back(c.what);
        return out;
    }
    int count(const std::string& what) const {
        int n = 0;
        for (const auto& c : calls()) n += c.what == what;
        return n;
    }
    std::thread::id threadOf(const std::string& what) const {
        for (const auto& c : calls())
            if (c.what == what) return c.thread;
        return {};
    }
    std::vector<Message> messages() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return messages_;
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.clear();
        messages_.clear();
    }

private:
    void record(const char* what) {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back({what, std::this_thread::get_id()});
    }

    mutable std::mutex mutex_;
    std::vector<Call> calls_;
    std::vector<Message> messages_;
};

}  // namespace zuno::testing
