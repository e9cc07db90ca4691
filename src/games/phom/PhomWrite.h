#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "net/Message.h"
#include "platform/core/Exception.h"

namespace zuno {

// Writes prepared request bytes one by one.
inline void writeBytes(Message& message, std::span<const int8_t> bytes) {
    for (int8_t b : bytes) message.writeByte(b);
}

// A request that needs `count` slots of a list fails, and sends nothing, when the list is shorter.
inline void requireSlots(std::span<const int8_t> cards, size_t count) {
    if (cards.size() < count)
        throw sys::Exception(sys::Exception::kInvalidArgument,
                             std::to_string(cards.size()) + " card slots where " + std::to_string(count) + " are needed");
}

}  // namespace zuno
