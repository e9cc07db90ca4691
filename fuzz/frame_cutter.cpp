// The frame cutter fed the same bytes in random chunks cuts the same frames as in one piece, and
// every frame body goes through the receive path (decipher, build, read) without harm.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "net/Frame.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"

using namespace zuno;

namespace {
std::vector<std::vector<uint8_t>> cutWhole(const std::vector<uint8_t>& bytes) {
    std::vector<std::vector<uint8_t>> out;
    FrameCutter cutter;
    cutter.feed(bytes.data(), bytes.size(), [&](const uint8_t* b, size_t n) {
        out.emplace_back(b, b + n);
        return true;
    });
    return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (sys::Log::startCapture(), true);
    (void)quiet;
    sys::Log::clearCaptured();
    FuzzedDataProvider in(data, size);
    std::vector<uint8_t> chunkSizes = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(1, 32));
    std::vector<uint8_t> stream = in.ConsumeRemainingBytes<uint8_t>();

    std::vector<std::vector<uint8_t>> pieces;
    FrameCutter cutter;
    size_t at = 0, turn = 0;
    while (at < stream.size()) {
        size_t n = std::min<size_t>(stream.size() - at, chunkSizes[turn++ % chunkSizes.size()] + 1u);
        cutter.feed(stream.data() + at, n, [&](const uint8_t* b, size_t len) {
            pieces.emplace_back(b, b + len);
            return true;
        });
        at += n;
    }
    if (pieces != cutWhole(stream)) std::abort();

    static const TEA tea(0x0102030405060708);
    for (const auto& body : pieces) {
        if (body.empty()) std::abort();  // empty frames are skipped
        auto message = Frame::decode(body.data(), body.size(), tea);
        if (!message) continue;
        try {
            while (message->available()) message->readUTF();
        } catch (const sys::Exception&) {
        }
    }
    return 0;
}
