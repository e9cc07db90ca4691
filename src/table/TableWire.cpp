#include "table/TableWire.h"

#include "platform/core/Exception.h"
#include "platform/core/Log.h"

namespace zuno::tablewire {

namespace {
[[noreturn]] void raiseRange(const std::string& reason) { throw sys::Exception(sys::Exception::kRange, reason); }
}  // namespace

int8_t readByte(Message& message) {
    if (!message.available()) raiseRange("a byte past the end of the message");
    return message.readByte();
}

std::vector<int8_t> readBytes(Message& message, int count) { return readBytesKeeping(message, count, SIZE_MAX); }

std::vector<int8_t> readBytesKeeping(Message& message, int count, size_t keep) {
    std::vector<int8_t> bytes;
    for (int i = 0; i < count; ++i) {
        int8_t b = readByte(message);
        if (bytes.size() < keep) bytes.push_back(b);
    }
    return bytes;
}

std::vector<int8_t> readArrivedBytes(Message& message, int count) {
    std::vector<int8_t> bytes;
    for (int i = 0; i < count && message.available(); ++i) bytes.push_back(message.readByte());
    return bytes;
}

std::vector<int8_t> readRest(Message& message, size_t keep) {
    std::vector<int8_t> bytes;
    while (message.available()) {
        int8_t b = message.readByte();
        if (bytes.size() < keep) bytes.push_back(b);
    }
    return bytes;
}

std::string readText(Message& message) { return message.readUTF().value_or(std::string()); }

void checkSeat(int seat, int lastSeat) {
    if (seat < 0 || seat > lastSeat) raiseRange("seat " + std::to_string(seat) + " outside 0.." + std::to_string(lastSeat));
}

void guardCase(const char* label, const std::function<void()>& decode) {
    if (label) sys::Log::line(label);
    try {
        decode();
    } catch (const std::exception& e) {
        sys::Log::warning("Exception " + sys::failureName(e));
    }
}

std::string readBuzz(Message& message) {
    std::string from = readText(message);
    std::string text = readText(message);
    return from + ": " + text;
}

}  // namespace zuno::tablewire
