#include "net/Message.h"

#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/Utf8.h"

namespace zuno {

Message Message::initWithRawData(const uint8_t* bytes, size_t length) {
    if (length == 0) throw sys::Exception(sys::Exception::kInvalidArgument, "a message needs its command id");
    return Message(static_cast<int8_t>(bytes[0]), sys::Data(bytes + 1, bytes + length));
}

void Message::append(uint64_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) data_.push_back(static_cast<uint8_t>(value >> shift));
}

void Message::writeBool(int8_t value) { data_.push_back(static_cast<uint8_t>(value)); }
void Message::writeByte(int8_t value) { data_.push_back(static_cast<uint8_t>(value)); }
void Message::writeShort(int16_t value) { append(static_cast<uint16_t>(value), 2); }
void Message::writeInt(int32_t value) { append(static_cast<uint32_t>(value), 4); }
void Message::writeLong(int64_t value) { append(static_cast<uint64_t>(value), 8); }

void Message::writeUTF(const std::optional<std::string>& text) {
    if (!text) return;
    if (text->size() > kMaxTextBytes) {
        // Cutting the text would corrupt it and the fields after it; the message is not sent at all.
        sys::Log::warningFormat("Message %d: a text of %zu bytes is too long to send", commandId_, text->size());
        refusedText_ = true;
        return;
    }
    append(text->size(), 2);
    data_.insert(data_.end(), text->begin(), text->end());
}

size_t Message::take(int64_t count) {
    int64_t size = static_cast<int64_t>(data_.size());
    if (count < 0 || idx_ < 0 || idx_ > size || count > size - idx_) {
        throw sys::Exception(sys::Exception::kRange, "read of " + std::to_string(count) + " bytes at " +
                                                         std::to_string(idx_) + " in a payload of " +
                                                         std::to_string(size));
    }
    size_t at = static_cast<size_t>(idx_);
    idx_ += static_cast<int32_t>(count);
    return at;
}

uint64_t Message::readBigEndian(int bytes) {
    size_t at = take(bytes);
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | data_[at + static_cast<size_t>(i)];
    return v;
}

bool Message::readBool() { return data_[take(1)] != 0; }

int8_t Message::readByte() {
    try {
        return static_cast<int8_t>(data_[take(1)]);
    } catch (const sys::Exception& e) {
        sys::Log::warning(e.name());
        return 0;
    }
}

int16_t Message::readShort() { return static_cast<int16_t>(readBigEndian(2)); }
int32_t Message::readInt() { return static_cast<int32_t>(readBigEndian(4)); }
int64_t Message::readLong() { return static_cast<int64_t>(readBigEndian(8)); }

std::optional<std::string> Message::readUTF() {
    int16_t count = readShort();
    size_t at = take(count);
    std::string text(reinterpret_cast<const char*>(data_.data() + at), static_cast<size_t>(count));
    if (!sys::isValidUtf8(text)) return std::nullopt;
    return text;
}

sys::Data Message::readDataWithLength(int16_t length) {
    size_t at = take(length);
    return sys::Data(data_.begin() + static_cast<std::ptrdiff_t>(at),
                     data_.begin() + static_cast<std::ptrdiff_t>(at) + length);
}

bool Message::available() const { return idx_ >= 0 && static_cast<size_t>(idx_) < data_.size(); }

}  // namespace zuno
