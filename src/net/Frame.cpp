#include "net/Frame.h"

#include "platform/core/Log.h"

namespace zuno {

std::optional<sys::Data> Frame::encode(const Message& message, const TEA& tea) {
    const sys::Data& payload = message._data();
    sys::Data plain;
    plain.reserve(1 + payload.size());
    plain.push_back(static_cast<uint8_t>(message._commandId()));
    plain.insert(plain.end(), payload.begin(), payload.end());
    // Refuse before enciphering what the server cannot take: the body is 4 + 8 * ceil(plain / 8) bytes.
    if (4 + 8 * ((plain.size() + 7) / 8) > kMaxSentBodyBytes) return std::nullopt;
    sys::Data body = tea.encrypt(plain);
    sys::Data frame;
    frame.reserve(2 + body.size());
    frame.push_back(static_cast<uint8_t>(body.size() >> 8));
    frame.push_back(static_cast<uint8_t>(body.size()));
    frame.insert(frame.end(), body.begin(), body.end());
    return frame;
}

std::optional<Message> Frame::decode(const uint8_t* body, size_t length, const TEA& tea) {
    std::optional<sys::Data> plain = tea.decrypt(body, length);
    if (!plain) {
        sys::Log::warningFormat("Frame: dropped a body of %zu bytes that does not decipher", length);
        return std::nullopt;
    }
    if (plain->empty()) {
        sys::Log::warningFormat("Frame: dropped a body of %zu bytes without a command id", length);
        return std::nullopt;
    }
    return Message::initWithRawData(*plain);
}

void FrameCutter::compact() {
    if (start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
    } else if (start_ > 0 && start_ >= buffer_.size() / 2) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start_));
        start_ = 0;
    }
}

}  // namespace zuno
