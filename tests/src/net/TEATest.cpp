#include <gtest/gtest.h>

#include <random>

#include "net/TEA.h"

using namespace zuno;
using sys::Data;

namespace {
const int64_t kKey = 0x0102030405060708;

Data randomBytes(size_t n, std::mt19937& rng) {
    Data d(n);
    for (auto& b : d) b = static_cast<uint8_t>(rng());
    return d;
}
}  // namespace

TEST(TEA, KeyWordsAreLittleEndianOfTheBigEndianValue) {
    TEA tea(kKey);
    EXPECT_EQ(tea.S()[0], 0x04030201u);
    EXPECT_EQ(tea.S()[1], 0x08070605u);
    EXPECT_EQ(tea.S()[2], tea.S()[0]);
    EXPECT_EQ(tea.S()[3], tea.S()[1]);
    EXPECT_NE(TEA(1).S(), TEA(2).S());

    auto bytes = TEA::generateKeyWithValue(kKey);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[15], 8);
    EXPECT_EQ(TEA(bytes).S(), tea.S());
}

TEST(TEA, KnownCipherTexts) {
    TEA tea(kKey);
    // Sizes are 4 + 8 per started block: 1 and 8 bytes give 12, 9 give 20.
    EXPECT_EQ(tea.encrypt(Data{1}), (Data{0, 0, 0, 1, 0x81, 0x65, 0x7a, 0x0a, 0xfb, 0xb4, 0x21, 0x50}));
    EXPECT_EQ(tea.encrypt(Data(8)).size(), 12u);
    EXPECT_EQ(tea.encrypt(Data{1, 2, 3, 4, 5, 6, 7, 8, 9}),
              (Data{0, 0, 0, 9, 0x01, 0xa5, 0xa9, 0x6d, 0x38, 0x03, 0x48, 0x79, 0x51, 0xc9, 0xba, 0xe0, 0xb4, 0x09,
                    0xfa, 0x2e}));
    EXPECT_EQ(TEA(1).encrypt(Data{'a', 'b', 'c'}), (Data{0, 0, 0, 3, 0x5d, 0x6b, 0xf4, 0xa4, 0x91, 0xbb, 0x3d, 0xa1}));
}

TEST(TEA, RoundTripsEveryLengthUpTo32767) {
    std::mt19937 rng(7);
    TEA tea(static_cast<int64_t>(rng()) << 20);
    auto check = [&](size_t n) {
        Data plain = randomBytes(n, rng);
        Data cipher = tea.encrypt(plain);
        ASSERT_EQ(cipher.size(), 4 + 8 * ((n + 7) / 8)) << n;
        auto back = tea.decrypt(cipher);
        ASSERT_TRUE(back) << n;
        ASSERT_EQ(*back, plain) << n;
    };
    for (size_t n = 1; n <= 600; ++n) check(n);
    for (size_t n = 601; n <= 32767; n += 53) check(n);
    check(32767);
}

TEST(TEA, BlocksAtOnceMatchOnePairAtATime) {
    // Runs of blocks go through the cipher several at a time; each must come out as if alone.
    std::mt19937 rng(5);
    TEA tea(static_cast<int64_t>(rng()) << 31 | rng());
    for (size_t n : {size_t{1}, size_t{8}, size_t{56}, size_t{63}, size_t{64}, size_t{65}, size_t{127}, size_t{128},
                     size_t{136}, size_t{1000}, size_t{32760}}) {
        Data plain = randomBytes(n, rng);
        size_t words = 1 + 2 * ((n + 7) / 8);
        std::vector<uint32_t> w(words, 0);
        w[0] = static_cast<uint32_t>(n);
        TEA::pack(plain, w.data(), words, 1);
        tea.brew(w.data(), words);
        Data expected = TEA::unpack(w.data(), words, 0, 4 * words);
        ASSERT_EQ(tea.encrypt(plain), expected) << n;

        Data cipher = randomBytes(4 * words, rng);
        cipher[0] = cipher[1] = 0, cipher[2] = static_cast<uint8_t>(n >> 8), cipher[3] = static_cast<uint8_t>(n);
        std::vector<uint32_t> c(words, 0);
        TEA::pack(cipher, c.data(), words, 0);
        tea.unbrew(c.data(), words);
        ASSERT_EQ(*tea.decrypt(cipher), TEA::unpack(c.data(), words, 1, n)) << n;
    }
}

TEST(TEA, AnotherKeyGivesSomethingElse) {
    std::mt19937 rng(3);
    Data plain = randomBytes(100, rng);
    auto back = TEA(2).decrypt(TEA(1).encrypt(plain));
    ASSERT_TRUE(back);  // the length word is in clear
    EXPECT_EQ(back->size(), plain.size());
    EXPECT_NE(*back, plain);
}

TEST(TEA, DecryptRefusesMalformedInput) {
    TEA tea(kKey);
    EXPECT_FALSE(tea.decrypt(Data(8)));
    EXPECT_FALSE(tea.decrypt(Data(10)));
    EXPECT_FALSE(tea.decrypt(Data(16)));
    EXPECT_FALSE(tea.decrypt(Data{}));
    EXPECT_FALSE(tea.decrypt(Data{0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0}));     // claims more than it holds
    EXPECT_FALSE(tea.decrypt(Data{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}));
    auto eight = tea.decrypt(Data{0, 0, 0, 8, 1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->size(), 8u);
    auto empty = tea.decrypt(Data{0, 0, 0, 0});
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
}

TEST(TEA, BuildingBlocksMatchTheWholeCipher) {
    TEA tea(kKey);
    Data plain{1, 2, 3, 4, 5, 6, 7, 8, 9};
    uint32_t words[5] = {9, 0, 0, 0, 0};
    TEA::pack(plain, words, 5, 1);
    EXPECT_EQ(words[1], 0x01020304u);
    EXPECT_EQ(words[3], 0x09000000u);
    EXPECT_EQ(words[4], 0u);
    tea.brew(words, 5);
    EXPECT_EQ(TEA::unpack(words, 5, 0, 20), tea.encrypt(plain));
    tea.unbrew(words, 5);
    EXPECT_EQ(TEA::unpack(words, 5, 1, 9), plain);

    uint32_t even[4] = {1, 2, 3, 4};
    tea.brew(even, 4);  // an even count is left alone
    EXPECT_EQ(even[1], 2u);
}
