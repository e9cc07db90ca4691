// The receive path per frame: cut the frame out of the byte stream, decipher it, build the Message.
#include <benchmark/benchmark.h>

#include <vector>

#include "net/Frame.h"

using namespace zuno;

namespace {

void BM_ReceiveFrame(benchmark::State& state) {
    TEA tea(0x0123456789ABCDEF);
    Message m(7, sys::Data(static_cast<size_t>(state.range(0)), 0x5A));
    sys::Data frame = *Frame::encode(m, tea);
    FrameCutter cutter;
    size_t delivered = 0;
    for (auto _ : state) {
        cutter.feed(frame.data(), frame.size(), [&](const uint8_t* body, size_t length) {
            std::optional<Message> message = Frame::decode(body, length, tea);
            benchmark::DoNotOptimize(message);
            delivered += message.has_value();
            return true;
        });
    }
    if (delivered != static_cast<size_t>(state.iterations())) state.SkipWithError("frames lost");
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(frame.size()));
}

// The same frames arriving in TCP-sized pieces that cut them anywhere.
void BM_ReceiveFramesInSegments(benchmark::State& state) {
    TEA tea(0x0123456789ABCDEF);
    sys::Data stream;
    const int kFrames = 64;
    for (int i = 0; i < kFrames; ++i) {
        sys::Data f = *Frame::encode(Message(7, sys::Data(static_cast<size_t>(state.range(0)), 0x5A)), tea);
        stream.insert(stream.end(), f.begin(), f.end());
    }
    const size_t kSegment = 1448;
    FrameCutter cutter;
    for (auto _ : state) {
        for (size_t at = 0; at < stream.size(); at += kSegment) {
            cutter.feed(stream.data() + at, std::min(kSegment, stream.size() - at), [&](const uint8_t* body, size_t length) {
                benchmark::DoNotOptimize(Frame::decode(body, length, tea));
                return true;
            });
        }
    }
    state.SetItemsProcessed(state.iterations() * kFrames);
}

BENCHMARK(BM_ReceiveFrame)->Arg(64)->Arg(4096);
BENCHMARK(BM_ReceiveFramesInSegments)->Arg(64)->Arg(4096);

}  // namespace

BENCHMARK_MAIN();
