#include <gtest/gtest.h>

#include <random>

#include "net/Frame.h"
#include "platform/core/Log.h"

using namespace zuno;
using sys::Data;

namespace {
const TEA kTea(0x0102030405060708);

std::vector<Data> cut(FrameCutter& cutter, const Data& bytes) {
    std::vector<Data> out;
    cutter.feed(bytes.data(), bytes.size(), [&](const uint8_t* b, size_t n) {
        out.emplace_back(b, b + n);
        return true;
    });
    return out;
}
}  // namespace

TEST(Frame, EncodeAndDecodeRoundTrip) {
    // Command 1 with no payload: length 00 0C, the plaintext length in clear, one enciphered block.
    auto empty = Frame::encode(Message(1), kTea);
    ASSERT_TRUE(empty);
    EXPECT_EQ(*empty, (Data{0x00, 0x0C, 0, 0, 0, 1, 0x81, 0x65, 0x7a, 0x0a, 0xfb, 0xb4, 0x21, 0x50}));
    auto one = Frame::decode(empty->data() + 2, empty->size() - 2, kTea);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->_commandId(), 1);
    EXPECT_FALSE(one->available());

    Message m(-35);
    m.writeUTF("Zuno");
    m.writeLong(-5);
    auto frame = Frame::encode(m, kTea);
    ASSERT_TRUE(frame);
    auto back = Frame::decode(frame->data() + 2, frame->size() - 2, kTea);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->_commandId(), -35);
    EXPECT_EQ(back->readUTF(), "Zuno");
    EXPECT_EQ(back->readLong(), -5);
}

TEST(Frame, ReaderTakesLengthsUpTo65535) {
    // 65528 plaintext bytes make a body of 65532 (FF FC): read as unsigned, it is one whole frame.
    Data plain(65528, 0xAB);
    plain[0] = 2;
    Data body = kTea.encrypt(plain);
    Data frame{0xFF, 0xFC};
    frame.insert(frame.end(), body.begin(), body.end());
    FrameCutter cutter;
    auto bodies = cut(cutter, frame);
    ASSERT_EQ(bodies.size(), 1u);
    auto message = Frame::decode(bodies[0].data(), bodies[0].size(), kTea);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->_commandId(), 2);
    EXPECT_EQ(message->_data().size(), 65527u);
}

TEST(Frame, WriterKeepsBodiesWithin32767Bytes) {
    // A plaintext of 32760 bytes (command id and payload) makes a body of 32764: the largest sent.
    auto largest = Frame::encode(Message(2, Data(32759, 0xAB)), kTea);
    ASSERT_TRUE(largest);
    EXPECT_EQ((*largest)[0], 0x7F);
    EXPECT_EQ((*largest)[1], 0xFC);
    EXPECT_EQ(largest->size(), 2u + 32764u);
    EXPECT_EQ(Frame::decode(largest->data() + 2, largest->size() - 2, kTea)->_data().size(), 32759u);

    // One byte more would need a body of 32772, which the server reads as a negative length.
    EXPECT_FALSE(Frame::encode(Message(2, Data(32760, 0)), kTea));
    EXPECT_FALSE(Frame::encode(Message(2, Data(65527, 0)), kTea));
}

TEST(Frame, DecodeDropsWhatDoesNotDecipherOrIsEmpty) {
    Data ten(10, 1);
    EXPECT_FALSE(Frame::decode(ten.data(), ten.size(), kTea));
    EXPECT_TRUE(sys::Log::contains("does not decipher"));
    Data empty = kTea.encrypt(Data{});
    EXPECT_FALSE(Frame::decode(empty.data(), empty.size(), kTea));
    EXPECT_TRUE(sys::Log::contains("without a command id"));
}

TEST(FrameCutter, CutsFramesFromChunksOfAnySize) {
    Data stream;
    std::vector<Data> bodies;
    std::mt19937 rng(11);
    for (int i = 0; i < 40; ++i) {
        Data body(rng() % 300 + 1);
        for (auto& b : body) b = static_cast<uint8_t>(rng());
        stream.push_back(static_cast<uint8_t>(body.size() >> 8));
        stream.push_back(static_cast<uint8_t>(body.size()));
        stream.insert(stream.end(), body.begin(), body.end());
        bodies.push_back(body);
        if (i % 7 == 0) stream.insert(stream.end(), {0, 0});  // empty frames carry nothing
    }
    for (size_t chunk : {size_t{1}, size_t{2}, size_t{3}, size_t{64}, size_t{1000}, stream.size()}) {
        FrameCutter cutter;
        std::vector<Data> got;
        for (size_t at = 0; at < stream.size(); at += chunk) {
            Data piece(stream.begin() + static_cast<long>(at),
                       stream.begin() + static_cast<long>(std::min(stream.size(), at + chunk)));
            for (auto& b : cut(cutter, piece)) got.push_back(b);
        }
        EXPECT_EQ(got, bodies) << "chunks of " << chunk;
        EXPECT_EQ(cutter.pendingBytes(), 0u);
    }
}

TEST(FrameCutter, StopsWhenAskedAndKeepsTheRest) {
    FrameCutter cutter;
    Data two{0, 1, 'a', 0, 1, 'b', 0};
    int seen = 0;
    cutter.feed(two.data(), two.size(), [&](const uint8_t*, size_t) { return ++seen < 1; });
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(cutter.pendingBytes(), 4u);
    Data rest{1, 'c'};
    std::vector<Data> got = cut(cutter, rest);
    EXPECT_EQ(got, (std::vector<Data>{{'b'}, {'c'}}));
}
