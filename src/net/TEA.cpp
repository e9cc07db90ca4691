#include "net/TEA.h"

#include <cstring>

namespace zuno {

namespace {
inline uint32_t loadBigEndian(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

inline void storeBigEndian(uint32_t v, uint8_t* p) {
    p[0] = static_cast<uint8_t>(v >> 24);
    p[1] = static_cast<uint8_t>(v >> 16);
    p[2] = static_cast<uint8_t>(v >> 8);
    p[3] = static_cast<uint8_t>(v);
}

inline uint32_t loadLittleEndian(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
}  // namespace

std::array<uint8_t, 16> TEA::generateKeyWithValue(int64_t value) {
    std::array<uint8_t, 16> key{};
    auto v = static_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        key[static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (56 - 8 * i));
        key[static_cast<size_t>(i + 8)] = key[static_cast<size_t>(i)];
    }
    return key;
}

TEA::TEA(int64_t longKey) : TEA(generateKeyWithValue(longKey)) {}

TEA::TEA(const std::array<uint8_t, 16>& charKey) {
    for (size_t i = 0; i < 4; ++i) S_[i] = loadLittleEndian(charKey.data() + 4 * i);
}

void TEA::brew(uint32_t* words, size_t length) const {
    if (length % 2 == 0) return;
    for (size_t i = 1; i + 1 < length; i += 2) encipherPair(words[i], words[i + 1]);
}

void TEA::unbrew(uint32_t* words, size_t length) const {
    if (length % 2 == 0) return;
    for (size_t i = 1; i + 1 < length; i += 2) decipherPair(words[i], words[i + 1]);
}

void TEA::pack(const sys::Data& src, uint32_t* dest, size_t destLength, size_t destOffset) {
    size_t byte = 0;
    for (size_t w = destOffset; w < destLength && byte < src.size(); ++w) {
        uint32_t v = 0;
        for (int k = 0; k < 4; ++k, ++byte) v = (v << 8) | (byte < src.size() ? src[byte] : 0);
        dest[w] = v;
    }
}

sys::Data TEA::unpack(const uint32_t* src, size_t srcLength, size_t srcOffset, size_t destLength) {
    sys::Data out;
    out.reserve(destLength);
    for (size_t w = srcOffset; w < srcLength && out.size() < destLength; ++w)
        for (int shift = 24; shift >= 0 && out.size() < destLength; shift -= 8) out.push_back(static_cast<uint8_t>(src[w] >> shift));
    return out;
}

namespace {
// Each 8-byte block is enciphered on its own, so a run of them is processed kLanes at a time in vector
// registers: the rounds of independent blocks overlap instead of waiting on one block's chain of
// additions. Two groups of four keep two vector chains in flight.
using Words = uint32_t __attribute__((vector_size(16)));
constexpr size_t kWidth = sizeof(Words) / sizeof(uint32_t);
constexpr size_t kGroups = 2;
constexpr size_t kLanes = kWidth * kGroups;
static_assert(kGroups == 2, "the round loops below name both groups");

struct Lanes {
    Words l[kGroups], r[kGroups];

    void load(const uint8_t* in) {
        uint32_t left[kLanes], right[kLanes];
        for (size_t k = 0; k < kLanes; ++k) left[k] = loadBigEndian(in + 8 * k), right[k] = loadBigEndian(in + 8 * k + 4);
        std::memcpy(l, left, sizeof l);
        std::memcpy(r, right, sizeof r);
    }
    void store(uint8_t* out) const {
        uint32_t left[kLanes], right[kLanes];
        std::memcpy(left, l, sizeof l);
        std::memcpy(right, r, sizeof r);
        for (size_t k = 0; k < kLanes; ++k) storeBigEndian(left[k], out + 8 * k), storeBigEndian(right[k], out + 8 * k + 4);
    }
};

// The same rounds as TEA::encipherPair and TEA::decipherPair, on kLanes blocks at once.
void encipherLanes(Lanes& b, const std::array<uint32_t, 4>& s) {
    Words l0 = b.l[0], l1 = b.l[1], r0 = b.r[0], r1 = b.r[1];
    uint32_t sum = 0;
    for (int i = 0; i < TEA::kRounds; ++i) {
        sum += TEA::kDelta;
        l0 += ((r0 >> 5) ^ sum) + s[1] + (((r0 << 4) + s[0]) ^ r0);
        l1 += ((r1 >> 5) ^ sum) + s[1] + (((r1 << 4) + s[0]) ^ r1);
        r0 += ((l0 >> 5) ^ sum) + s[3] + (((l0 << 4) + s[2]) ^ l0);
        r1 += ((l1 >> 5) ^ sum) + s[3] + (((l1 << 4) + s[2]) ^ l1);
    }
    b.l[0] = l0, b.l[1] = l1, b.r[0] = r0, b.r[1] = r1;
}

void decipherLanes(Lanes& b, const std::array<uint32_t, 4>& s) {
    Words l0 = b.l[0], l1 = b.l[1], r0 = b.r[0], r1 = b.r[1];
    uint32_t sum = TEA::kDelta * static_cast<uint32_t>(TEA::kRounds);
    for (int i = 0; i < TEA::kRounds; ++i) {
        r0 -= ((l0 >> 5) ^ sum) + s[3] + (((l0 << 4) + s[2]) ^ l0);
        r1 -= ((l1 >> 5) ^ sum) + s[3] + (((l1 << 4) + s[2]) ^ l1);
        l0 -= ((r0 >> 5) ^ sum) + s[1] + (((r0 << 4) + s[0]) ^ r0);
        l1 -= ((r1 >> 5) ^ sum) + s[1] + (((r1 << 4) + s[0]) ^ r1);
        sum -= TEA::kDelta;
    }
    b.l[0] = l0, b.l[1] = l1, b.r[0] = r0, b.r[1] = r1;
}
}  // namespace

template <bool Encipher>
void TEA::processBlocks(const uint8_t* in, uint8_t* out, size_t blocks) const {
    for (; blocks >= kLanes; blocks -= kLanes, in += 8 * kLanes, out += 8 * kLanes) {
        Lanes b;
        b.load(in);
        if constexpr (Encipher) encipherLanes(b, S_); else decipherLanes(b, S_);
        b.store(out);
    }
    for (; blocks > 0; --blocks, in += 8, out += 8) {
        uint32_t l = loadBigEndian(in), r = loadBigEndian(in + 4);
        if constexpr (Encipher) encipherPair(l, r); else decipherPair(l, r);
        storeBigEndian(l, out);
        storeBigEndian(r, out + 4);
    }
}

sys::Data TEA::encrypt(const uint8_t* plain, size_t length) const {
    // Blocks are enciphered straight from the plaintext into the output: no word array in between.
    size_t blocks = (length + 7) / 8;
    sys::Data out(4 + 8 * blocks);
    storeBigEndian(static_cast<uint32_t>(length), out.data());
    size_t whole = length / 8;
    processBlocks<true>(plain, out.data() + 4, whole);
    if (whole < blocks) {
        uint8_t last[8] = {};
        for (size_t i = 8 * whole; i < length; ++i) last[i - 8 * whole] = plain[i];
        processBlocks<true>(last, out.data() + 4 + 8 * whole, 1);
    }
    return out;
}

std::optional<sys::Data> TEA::decrypt(const uint8_t* cipher, size_t length) const {
    if (length % 8 != 4) return std::nullopt;
    uint32_t plainLength = loadBigEndian(cipher);
    size_t room = length - 4;
    if (plainLength > room) return std::nullopt;
    sys::Data out(room);
    processBlocks<false>(cipher + 4, out.data(), room / 8);
    out.resize(plainLength);
    return out;
}

}  // namespace zuno
