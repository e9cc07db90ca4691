#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "net/Message.h"
#include "net/TEA.h"
#include "platform/core/Value.h"

namespace zuno {

// A frame on the wire, both directions: a 16-bit big-endian length N, then N bytes of cipher text whose
// plaintext is the command id followed by the payload.
namespace Frame {

// What a received length can say (it is read unsigned).
constexpr size_t kMaxBodyBytes = 65535;
// The server reads the length as signed, so a body we send stays within 32767 bytes: a plaintext
// (command id and payload) of at most 32760 bytes.
constexpr size_t kMaxSentBodyBytes = 32767;
constexpr size_t kMaxSentPlainBytes = 32760;

// The whole frame (length and body), or nothing when the body would exceed kMaxSentBodyBytes.
std::optional<sys::Data> encode(const Message& message, const TEA& tea);

// The message of a frame body, or nothing (with a log line) when the cipher text is malformed or the
// plaintext is empty.
std::optional<Message> decode(const uint8_t* body, size_t length, const TEA& tea);

}  // namespace Frame

// Cuts frames out of a byte stream that arrives in chunks of any size. A frame of length 0 carries
// nothing and is skipped.
class FrameCutter {
public:
    // Calls onBody(bytes, length) for each frame completed by these bytes, in order; onBody answers
    // false to stop (the bytes not yet cut stay for the next call).
    template <typename OnBody>
    void feed(const uint8_t* bytes, size_t length, OnBody&& onBody);

    // Bytes held of a frame not yet complete.
    size_t pendingBytes() const { return buffer_.size() - start_; }

private:
    void compact();

    sys::Data buffer_;
    size_t start_ = 0;
};

template <typename OnBody>
void FrameCutter::feed(const uint8_t* bytes, size_t length, OnBody&& onBody) {
    buffer_.insert(buffer_.end(), bytes, bytes + length);
    for (;;) {
        size_t have = buffer_.size() - start_;
        if (have < 2) break;
        size_t n = (size_t{buffer_[start_]} << 8) | buffer_[start_ + 1];
        if (have < 2 + n) break;
        const uint8_t* body = buffer_.data() + start_ + 2;
        start_ += 2 + n;
        if (n > 0 && !onBody(body, n)) break;
    }
    compact();
}

}  // namespace zuno
