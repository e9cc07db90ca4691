#include "net/TEA.h"

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

sys::Data TEA::encrypt(const uint8_t* plain, size_t length) const {
    // Blocks are enciphered straight from the plaintext into the output: no word array in between.
    size_t blocks = (length + 7) / 8;
    sys::Data out(4 + 8 * blocks);
    uint8_t* o = out.data();
    storeBigEndian(static_cast<uint32_t>(length), o);
    o += 4;
    size_t whole = length / 8;
    for (size_t b = 0; b < whole; ++b, o += 8) {
        uint32_t l = loadBigEndian(plain + 8 * b), r = loadBigEndian(plain + 8 * b + 4);
        encipherPair(l, r);
        storeBigEndian(l, o);
        storeBigEndian(r, o + 4);
    }
    if (whole < blocks) {
        uint8_t last[8] = {};
        for (size_t i = 8 * whole; i < length; ++i) last[i - 8 * whole] = plain[i];
        uint32_t l = loadBigEndian(last), r = loadBigEndian(last + 4);
        encipherPair(l, r);
        storeBigEndian(l, o);
        storeBigEndian(r, o + 4);
    }
    return out;
}

std::optional<sys::Data> TEA::decrypt(const uint8_t* cipher, size_t length) const {
    if (length % 8 != 4) return std::nullopt;
    uint32_t plainLength = loadBigEndian(cipher);
    size_t room = length - 4;
    if (plainLength > room) return std::nullopt;
    sys::Data out(room);
    uint8_t* o = out.data();
    for (size_t at = 4; at < length; at += 8, o += 8) {
        uint32_t l = loadBigEndian(cipher + at), r = loadBigEndian(cipher + at + 4);
        decipherPair(l, r);
        storeBigEndian(l, o);
        storeBigEndian(r, o + 4);
    }
    out.resize(plainLength);
    return out;
}

}  // namespace zuno
