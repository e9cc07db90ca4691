#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/core/Value.h"

namespace zuno {

// One message of the game-server protocol: a signed command id and a payload that request builders
// write field by field and decoders read field by field. Integers are big-endian two's complement;
// a string is a 16-bit byte count followed by its UTF-8 bytes.
//
// Used by one thread at a time; it holds no lock.
class Message {
public:
    // The longest text a string field can carry: readers take the count as signed.
    static constexpr size_t kMaxTextBytes = 32767;

    Message() = default;
    explicit Message(int8_t commandId) : commandId_(commandId) {}
    Message(int8_t commandId, sys::Data data) : commandId_(commandId), data_(std::move(data)) {}
    // A received message: the first byte is the command id, the rest the payload. Raises
    // InvalidArgumentException for empty data.
    static Message initWithRawData(const uint8_t* bytes, size_t length);
    static Message initWithRawData(const sys::Data& raw) { return initWithRawData(raw.data(), raw.size()); }

    // One byte: the value's low byte as given (a true bool writes 1).
    void writeBool(int8_t value);
    void writeByte(int8_t value);
    void writeShort(int16_t value);
    void writeInt(int32_t value);
    void writeLong(int64_t value);
    // A missing text writes nothing, not even the count. A text too long to be carried is not written
    // and marks the message as unsendable (see hasRefusedText()).
    void writeUTF(const std::optional<std::string>& text);

    bool readBool();
    // Past the end: logs the failure and answers 0 without moving the cursor.
    int8_t readByte();
    int16_t readShort();
    int32_t readInt();
    int64_t readLong();
    // Bytes that are not valid UTF-8 give a missing text.
    std::optional<std::string> readUTF();
    sys::Data readDataWithLength(int16_t length);

    // True while the cursor is before the end of the payload.
    bool available() const;

    int8_t _commandId() const { return commandId_; }
    void set_commandId(int8_t commandId) { commandId_ = commandId; }
    const sys::Data& _data() const { return data_; }
    void set_data(sys::Data data) { data_ = std::move(data); }
    int32_t _idx() const { return idx_; }
    void set_idx(int32_t idx) { idx_ = idx; }

    // A writer refused a text that a 16-bit count cannot carry; the connection drops such a message
    // rather than send it with a field missing.
    bool hasRefusedText() const { return refusedText_; }

private:
    // Throws RangeException unless `count` bytes remain at the cursor; answers the cursor.
    size_t take(int64_t count);
    void append(uint64_t value, int bytes);
    uint64_t readBigEndian(int bytes);

    int8_t commandId_ = 0;
    sys::Data data_;
    int32_t idx_ = 0;
    bool refusedText_ = false;
};

}  // namespace zuno
