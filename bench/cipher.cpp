// Cipher throughput at 64 B, 1 KiB and 32 KiB, side by side with the TEA of Crypto++ run in the same
// program: the same 32 rounds of a 64-bit block, framed exactly like ours (length word in clear, then
// zero-padded 8-byte blocks, each on its own). Encrypting and deciphering must each reach at least
// 1.5 times Crypto++'s throughput.
#include <benchmark/benchmark.h>
#include <cryptopp/modes.h>
#include <cryptopp/tea.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "net/TEA.h"

namespace {

constexpr double kGoal = 1.5;
const int64_t kKey = 0x0123456789ABCDEF;

// Crypto++'s TEA behind our framing.
class CryptoppTEA {
public:
    CryptoppTEA() {
        auto key = zuno::TEA::generateKeyWithValue(kKey);
        enc_.SetKey(key.data(), key.size());
        dec_.SetKey(key.data(), key.size());
    }

    std::vector<uint8_t> encrypt(const uint8_t* plain, size_t length) {
        size_t blocks = (length + 7) / 8;
        std::vector<uint8_t> out(4 + 8 * blocks);
        store(static_cast<uint32_t>(length), out.data());
        std::memcpy(out.data() + 4, plain, length);
        enc_.ProcessData(out.data() + 4, out.data() + 4, 8 * blocks);
        return out;
    }

    std::vector<uint8_t> decrypt(const uint8_t* cipher, size_t length) {
        std::vector<uint8_t> out(length - 4);
        dec_.ProcessData(out.data(), cipher + 4, length - 4);
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

    CryptoPP::ECB_Mode<CryptoPP::TEA>::Encryption enc_;
    CryptoPP::ECB_Mode<CryptoPP::TEA>::Decryption dec_;
};

std::vector<uint8_t> plaintext(size_t n) {
    std::vector<uint8_t> p(n);
    for (size_t i = 0; i < n; ++i) p[i] = static_cast<uint8_t>(i * 7 + 3);
    return p;
}

void BM_OursEncrypt(benchmark::State& state) {
    zuno::TEA tea(kKey);
    auto p = plaintext(static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(tea.encrypt(p.data(), p.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_CryptoppEncrypt(benchmark::State& state) {
    CryptoppTEA tea;
    auto p = plaintext(static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(tea.encrypt(p.data(), p.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_OursDecrypt(benchmark::State& state) {
    zuno::TEA tea(kKey);
    auto c = tea.encrypt(plaintext(static_cast<size_t>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(tea.decrypt(c.data(), c.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_CryptoppDecrypt(benchmark::State& state) {
    CryptoppTEA tea;
    auto p = plaintext(static_cast<size_t>(state.range(0)));
    auto c = tea.encrypt(p.data(), p.size());
    for (auto _ : state) benchmark::DoNotOptimize(tea.decrypt(c.data(), c.size()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_OursEncrypt)->Arg(64)->Arg(1024)->Arg(32768);
BENCHMARK(BM_CryptoppEncrypt)->Arg(64)->Arg(1024)->Arg(32768);
BENCHMARK(BM_OursDecrypt)->Arg(64)->Arg(1024)->Arg(32768);
BENCHMARK(BM_CryptoppDecrypt)->Arg(64)->Arg(1024)->Arg(32768);

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
    zuno::TEA ours(kKey);
    CryptoppTEA theirs;
    bool met = true;
    std::printf("\nThroughput next to Crypto++ TEA (goal: ratio >= %.2f for encrypt and decrypt)\n", kGoal);
    for (size_t size : {size_t{64}, size_t{1024}, size_t{32768}}) {
        auto p = plaintext(size);
        auto c = ours.encrypt(p);
        auto tc = theirs.encrypt(p.data(), p.size());
        double oe = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(ours.encrypt(p.data(), p.size())); });
        double te = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(theirs.encrypt(p.data(), p.size())); });
        double od = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(ours.decrypt(c.data(), c.size())); });
        double td = megabytesPerSecond(size, [&] { benchmark::DoNotOptimize(theirs.decrypt(tc.data(), tc.size())); });
        std::printf("%6zu B  encrypt %8.1f MB/s vs %8.1f MB/s  ratio %.2f   decrypt %8.1f MB/s vs %8.1f MB/s  ratio %.2f\n",
                    size, oe, te, oe / te, od, td, od / td);
        met = met && oe / te >= kGoal && od / td >= kGoal;
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
