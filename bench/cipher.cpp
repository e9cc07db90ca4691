// Cipher throughput at 64 B, 1 KiB and 32 KiB, next to the published TEA round function (same 32
// rounds, same framing and packing) compiled into this program. Our throughput must be at least 0.9
// of the published one's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "net/TEA.h"

using zuno::TEA;

namespace {

// The published TEA (Wheeler and Needham), framed exactly like ours: length word in clear, then
// big-endian 8-byte blocks, zero-padded.
class PublishedTEA {
public:
    explicit PublishedTEA(const std::array<uint32_t, 4>& key) : k_(key) {}

    std::vector<uint8_t> encrypt(const uint8_t* plain, size_t length) const {
        size_t blocks = (length + 7) / 8;
        std::vector<uint8_t> out(4 + 8 * blocks);
        uint8_t* o = out.data();
        store(static_cast<uint32_t>(length), o);
        o += 4;
        for (size_t b = 0; b < blocks; ++b, o += 8) {
            uint8_t block[8] = {};
            size_t n = std::min<size_t>(8, length - 8 * b);
            std::copy(plain + 8 * b, plain + 8 * b + n, block);
            uint32_t v0 = load(block), v1 = load(block + 4), sum = 0;
            for (int i = 0; i < 32; ++i) {
                sum += 0x9E3779B9;
                v0 += ((v1 << 4) + k_[0]) ^ (v1 + sum) ^ ((v1 >> 5) + k_[1]);
                v1 += ((v0 << 4) + k_[2]) ^ (v0 + sum) ^ ((v0 >> 5) + k_[3]);
            }
            store(v0, o);
            store(v1, o + 4);
        }
        return out;
    }

    std::vector<uint8_t> decrypt(const uint8_t* cipher, size_t length) const {
        std::vector<uint8_t> out(length - 4);
        uint8_t* o = out.data();
        for (size_t at = 4; at < length; at += 8, o += 8) {
            uint32_t v0 = load(cipher + at), v1 = load(cipher + at + 4), sum = 0xC6EF3720;
            for (int i = 0; i < 32; ++i) {
                v1 -= ((v0 << 4) + k_[2]) ^ (v0 + sum) ^ ((v0 >> 5) + k_[3]);
                v0 -= ((v1 << 4) + k_[0]) ^ (v1 + sum) ^ ((v1 >> 5) + k_[1]);
                sum -= 0x9E3779B9;
            }
            store(v0, o);
            store(v1, o + 4);
        }
        out.resize(load(cipher));
        return out;
    }

private:
    static uint32_t load(const uint8_t* p) {
        return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
    }
    static void store(uint32_t v, uint8_t* p) {
        p[0] = static_cast<uint8_t>(v >> 24), p[1] = static_cast<uint8_t>(v >> 16);
        p[2] = static_cast<uint8_t>(v >> 8), p[3] = static_cast<uint8_t>(v);
    }
    std::array<uint32_t, 4> k_;
};

const int64_t kKey = 0x0123456789ABCDEF;

std::vector<uint8_t> plaintext(size_t n) {
    std::vector<uint8_t> p(n);
    for (size_t i = 0; i < n; ++i) p[i] = static_cast<uint8_t>(i * 7 + 3);
    return p;
}

void BM_OursEncrypt(benchmark::State& state) {
    TEA tea(kKey);
    auto p = plaintext(static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(tea.encrypt(p.data(), p.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_PublishedEncrypt(benchmark::State& state) {
    PublishedTEA tea(TEA(kKey).S());
    auto p = plaintext(static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(tea.encrypt(p.data(), p.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_OursDecrypt(benchmark::State& state) {
    TEA tea(kKey);
    auto c = tea.encrypt(plaintext(static_cast<size_t>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(tea.decrypt(c.data(), c.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_PublishedDecrypt(benchmark::State& state) {
    PublishedTEA tea(TEA(kKey).S());
    auto c = tea.encrypt(plaintext(static_cast<size_t>(state.range(0))).data(), static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(tea.decrypt(c.data(), c.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_OursEncrypt)->Arg(64)->Arg(1024)->Arg(32768);
BENCHMARK(BM_PublishedEncrypt)->Arg(64)->Arg(1024)->Arg(32768);
BENCHMARK(BM_OursDecrypt)->Arg(64)->Arg(1024)->Arg(32768);
BENCHMARK(BM_PublishedDecrypt)->Arg(64)->Arg(1024)->Arg(32768);

// MB/s of a function over the plaintext size, best of several short rounds.
template <typename F>
double megabytesPerSecond(size_t size, F&& f) {
    using clock = std::chrono::steady_clock;
    double best = 0;
    for (int round = 0; round < 5; ++round) {
        size_t bytes = 0;
        auto start = clock::now();
        double elapsed = 0;
        while (elapsed < 0.1) {
            for (int i = 0; i < 16; ++i) f();
            bytes += 16 * size;
            elapsed = std::chrono::duration<double>(clock::now() - start).count();
        }
        best = std::max(best, bytes / elapsed / 1e6);
    }
    return best;
}

void printRatios() {
    TEA ours(kKey);
    PublishedTEA published(ours.S());
    bool met = true;
    std::printf("\nThroughput next to the published TEA (goal: ratio >= 0.90)\n");
    for (size_t size : {size_t{64}, size_t{1024}, size_t{32768}}) {
        auto p = plaintext(size);
        auto c = ours.encrypt(p);
        auto pc = published.encrypt(p.data(), p.size());
        double oe = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(ours.encrypt(p.data(), p.size())); });
        double pe = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(published.encrypt(p.data(), p.size())); });
        double od = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(ours.decrypt(c.data(), c.size())); });
        double pd = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(published.decrypt(pc.data(), pc.size())); });
        std::printf("%6zu B  encrypt %8.1f MB/s vs %8.1f MB/s  ratio %.2f   decrypt %8.1f MB/s vs %8.1f MB/s  ratio %.2f\n",
                    size, oe, pe, oe / pe, od, pd, od / pd);
        met = met && oe / pe >= 0.9 && od / pd >= 0.9;
    }
    std::printf("%s\n", met ? "goal met" : "GOAL MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}
