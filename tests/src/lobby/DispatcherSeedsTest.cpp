#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "lobby/decoders/LobbyDecoders.h"
#include "platform/core/AtomicFile.h"

using namespace zuno;

// The dispatcher's fuzz target starts from its seeds: every lobby decoder needs one, or the fuzzer may
// never reach it (fuzz/make_lobby_dispatcher_seeds.py writes them).
TEST(DispatcherSeeds, EveryLobbyDecoderHasASeedFrame) {
    std::set<int> seeded;
    for (const auto& entry : std::filesystem::directory_iterator(ZUNO_SOURCE_DIR "/fuzz/corpus/lobby_dispatcher")) {
        auto bytes = sys::readWholeFile(entry.path().string());
        ASSERT_TRUE(bytes) << entry.path();
        // Two bytes choosing the decoder and screens, then frames of a 16-bit length and a body.
        for (size_t at = 2; at + 2 < bytes->size();) {
            size_t length = (size_t{static_cast<uint8_t>((*bytes)[at])} << 8) | static_cast<uint8_t>((*bytes)[at + 1]);
            if (length > 0 && at + 2 < bytes->size()) seeded.insert(static_cast<int8_t>((*bytes)[at + 2]));
            at += 2 + length;
        }
    }
    for (int id = -128; id <= 127; ++id)
        if (lobbyDecoderFor(static_cast<int8_t>(id))) {
            EXPECT_TRUE(seeded.count(id)) << "no seed for command " << id;
        }
}
