#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/core/Value.h"

namespace zuno {

// The block cipher around every frame body: TEA's constant and 32 rounds on pairs of 32-bit words, with
// this protocol's own round function (the additions are ordered differently from the published TEA,
// so a standard TEA does not interoperate). Each connection keys a new instance with the 64-bit key
// it sends in the handshake.
//
// Cipher text: the plaintext length L as 4 bytes big-endian in clear, then the plaintext in 8-byte
// blocks, zero-padded, each enciphered as two big-endian words: 4 + 8 * ceil(L / 8) bytes.
class TEA {
public:
    static constexpr uint32_t kDelta = 0x9E3779B9;
    static constexpr int kRounds = 32;

    // Keyed from a 64-bit value: its 8 big-endian bytes twice make the 16 key bytes.
    explicit TEA(int64_t longKey);
    // Keyed directly: S[i] is the little-endian word of key bytes 4i..4i+3.
    explicit TEA(const std::array<uint8_t, 16>& charKey);

    static std::array<uint8_t, 16> generateKeyWithValue(int64_t value);

    sys::Data encrypt(const uint8_t* plain, size_t length) const;
    sys::Data encrypt(const sys::Data& plain) const { return encrypt(plain.data(), plain.size()); }
    // The plaintext, or nothing when the input is malformed.
    std::optional<sys::Data> decrypt(const uint8_t* cipher, size_t length) const;
    std::optional<sys::Data> decrypt(const sys::Data& cipher) const { return decrypt(cipher.data(), cipher.size()); }

    // Building blocks on word arrays. brew/unbrew leave word 0 alone and process the pairs (1,2),
    // (3,4), ...; they need an odd word count and do nothing for an even one.
    void brew(uint32_t* words, size_t length) const;
    void unbrew(uint32_t* words, size_t length) const;
    // Bytes into big-endian words of dest (destLength words) starting at word destOffset; a short last
    // word is zero-filled.
    static void pack(const sys::Data& src, uint32_t* dest, size_t destLength, size_t destOffset);
    // The words of src (srcLength words) from srcOffset on, as destLength big-endian bytes.
    static sys::Data unpack(const uint32_t* src, size_t srcLength, size_t srcOffset, size_t destLength);

    const std::array<uint32_t, 4>& S() const { return S_; }

private:
    // Enciphers (or deciphers) whole 8-byte blocks from in to out, several blocks at a time.
    template <bool Encipher>
    void processBlocks(const uint8_t* in, uint8_t* out, size_t blocks) const;

    void encipherPair(uint32_t& left, uint32_t& right) const {
        const uint32_t s0 = S_[0], s1 = S_[1], s2 = S_[2], s3 = S_[3];
        uint32_t l = left, r = right, sum = 0;
        for (int i = 0; i < kRounds; ++i) {
            sum += kDelta;
            l += ((r >> 5) ^ sum) + s1 + (((r << 4) + s0) ^ r);
            r += ((l >> 5) ^ sum) + s3 + (((l << 4) + s2) ^ l);
        }
        left = l;
        right = r;
    }

    void decipherPair(uint32_t& left, uint32_t& right) const {
        const uint32_t s0 = S_[0], s1 = S_[1], s2 = S_[2], s3 = S_[3];
        uint32_t l = left, r = right, sum = kDelta * static_cast<uint32_t>(kRounds);
        for (int i = 0; i < kRounds; ++i) {
            r -= ((l >> 5) ^ sum) + s3 + (((l << 4) + s2) ^ l);
            l -= ((r >> 5) ^ sum) + s1 + (((r << 4) + s0) ^ r);
            sum -= kDelta;
        }
        left = l;
        right = r;
    }

    std::array<uint32_t, 4> S_{};
};

}  // namespace zuno
