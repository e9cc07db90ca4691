#pragma once

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "net/IMobileClient.h"
#include "net/Message.h"
#include "platform/core/Value.h"

namespace zuno::testing {

// A connection that keeps what it is asked to send, for checking the bytes of requests.
class RecordingSession : public IMobileClient {
public:
    void close() override {}
    void sendMessage(Message message) override {
        std::lock_guard<std::mutex> lock(mutex_);
        sent_.push_back(std::move(message));
    }
    bool connectToHost(const std::string&, uint16_t) override { return true; }
    void setHandler(IMessageListener*) override {}
    bool isConnected() const override { return connected; }

    std::vector<Message> sent() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return sent_;
    }
    // The last message: command id followed by its payload.
    sys::Data lastBytes() const {
        std::lock_guard<std::mutex> lock(mutex_);
        if (sent_.empty()) return {};
        sys::Data out{static_cast<uint8_t>(sent_.back()._commandId())};
        out.insert(out.end(), sent_.back()._data().begin(), sent_.back()._data().end());
        return out;
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        sent_.clear();
    }

    bool connected = false;

private:
    mutable std::mutex mutex_;
    std::vector<Message> sent_;
};

// Bytes of a text as the protocol writes it: 16-bit length, then UTF-8.
inline sys::Data utf(const std::string& text) {
    sys::Data out;
    out.reserve(2 + text.size());
    out.push_back(static_cast<uint8_t>(text.size() >> 8));
    out.push_back(static_cast<uint8_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

// Big-endian bytes of a 32-bit and a 16-bit integer.
inline sys::Data int32Bytes(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {static_cast<uint8_t>(u >> 24), static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 8),
            static_cast<uint8_t>(u)};
}
inline sys::Data int16Bytes(int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    return {static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u)};
}

// Concatenates byte pieces.
inline sys::Data bytes(std::initializer_list<sys::Data> pieces) {
    size_t size = 0;
    for (const auto& p : pieces) size += p.size();
    sys::Data out;
    out.reserve(size);
    for (const auto& p : pieces) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace zuno::testing
