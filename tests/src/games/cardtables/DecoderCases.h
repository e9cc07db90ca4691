#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/Message.h"
#include "support/CardTableRecorders.h"
#include "support/RecordingSession.h"

namespace zuno::testing {

inline sys::Data I(int32_t v) { return int32Bytes(v); }
inline sys::Data L(int64_t v) { return bytes({int32Bytes(int32_t(uint64_t(v) >> 32)), int32Bytes(int32_t(uint64_t(v)))}); }

// One message as the server sends it and the logic-handler calls it must give (none when dropped).
struct DecoderCase {
    std::string name;
    int8_t command;
    sys::Data payload;
    std::vector<std::string> calls;
};

template <typename Decoder>
void expectEach(Decoder& decoder, CallLog& log, const std::vector<DecoderCase>& cases) {
    for (const DecoderCase& c : cases) {
        log.clear();
        Message message(c.command, c.payload);
        decoder.onMessage(message);
        EXPECT_EQ(log.calls(), c.calls) << c.name;
    }
}

// A seat record of a join reply: IDDB, name, money, avatar, exp, ready.
inline sys::Data seat(int32_t id, const std::string& name, int64_t money, int16_t avatar, int32_t exp, bool ready) {
    return bytes({I(id), utf(name), L(money), int16Bytes(avatar), I(exp), {uint8_t(ready)}});
}

}  // namespace zuno::testing
