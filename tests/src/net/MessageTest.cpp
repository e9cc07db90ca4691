#include <gtest/gtest.h>

#include "net/Message.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"

using namespace zuno;
using sys::Data;

namespace {
Message payload(Data bytes) { return Message(9, std::move(bytes)); }

std::string raisedName(const std::function<void()>& f) {
    try {
        f();
    } catch (const sys::Exception& e) {
        return e.name();
    }
    return "";
}
}  // namespace

TEST(Message, WritersGiveBigEndianBytes) {
    Message m(1);
    m.writeUTF(std::nullopt);  // a missing text writes nothing, not even the count
    m.writeInt(7);
    EXPECT_EQ(m._data(), (Data{0, 0, 0, 7}));

    Message s(1);
    s.writeShort(-2);
    s.writeLong(1);
    s.writeBool(true);
    s.writeBool(2);  // the low byte as given
    s.writeByte(-1);
    EXPECT_EQ(s._data(), (Data{0xFF, 0xFE, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 0xFF}));
}

TEST(Message, TextsCountBytesNotCharacters) {
    Message m(1);
    m.writeUTF("abc");
    m.writeUTF(std::string("\xC3\xA0"));  // one character, two bytes
    m.writeUTF("");
    EXPECT_EQ(m._data(), (Data{0, 3, 'a', 'b', 'c', 0, 2, 0xC3, 0xA0, 0, 0}));
    EXPECT_EQ(m.readUTF(), "abc");
    EXPECT_EQ(m.readUTF(), "\xC3\xA0");
    EXPECT_EQ(m.readUTF(), "");
    EXPECT_FALSE(m.available());
}

TEST(Message, ReadersTakeSignedValues) {
    Message m = payload({0xFF, 0xFE, 0xFF, 0x02, 0x80, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(m.readShort(), -2);
    EXPECT_EQ(m.readByte(), -1);
    EXPECT_TRUE(m.readBool());  // any non-zero byte
    EXPECT_EQ(m.readInt(), INT32_MIN);
    EXPECT_EQ(m.readLong(), -1);
    EXPECT_EQ(m._idx(), 16);

    Message d = payload({1, 2, 3, 4});
    d.readByte();
    EXPECT_EQ(d.readDataWithLength(2), (Data{2, 3}));
    EXPECT_EQ(d.readDataWithLength(0), Data{});
    EXPECT_EQ(d._idx(), 3);
}

TEST(Message, AvailableWhileTheCursorIsInsideThePayload) {
    Message m = payload({1, 2, 3});
    EXPECT_TRUE(m.available());
    m.readShort();
    EXPECT_TRUE(m.available());
    m.readByte();
    EXPECT_FALSE(m.available());
    EXPECT_FALSE(Message(4).available());
}

TEST(Message, ReadByteAtTheEndLogsAndAnswersZero) {
    Message m = payload({5});
    EXPECT_EQ(m.readByte(), 5);
    EXPECT_EQ(m.readByte(), 0);
    EXPECT_EQ(m._idx(), 1);
    EXPECT_TRUE(sys::Log::contains("RangeException"));
}

TEST(Message, EveryOtherReaderRaisesPastTheEnd) {
    EXPECT_EQ(raisedName([] { payload({1, 2, 3}).readInt(); }), "RangeException");
    EXPECT_EQ(raisedName([] { payload({}).readBool(); }), "RangeException");
    EXPECT_EQ(raisedName([] { payload({1}).readShort(); }), "RangeException");
    EXPECT_EQ(raisedName([] { payload({0, 0, 0, 0, 0, 0, 0}).readLong(); }), "RangeException");
    EXPECT_EQ(raisedName([] { payload({0, 5, 'a', 'b'}).readUTF(); }), "RangeException");
    EXPECT_EQ(raisedName([] { payload({0xFF, 0xFF, 'a'}).readUTF(); }), "RangeException");  // count -1
    EXPECT_EQ(raisedName([] { payload({1, 2}).readDataWithLength(3); }), "RangeException");
    EXPECT_EQ(raisedName([] { payload({1, 2}).readDataWithLength(-1); }), "RangeException");
    Message moved = payload({1, 2});
    moved.set_idx(-4);
    EXPECT_EQ(raisedName([&] { moved.readShort(); }), "RangeException");
}

TEST(Message, InvalidUtf8GivesAMissingText) {
    EXPECT_EQ(payload({0, 2, 0xC3, 0x28}).readUTF(), std::nullopt);
    EXPECT_EQ(payload({0, 2, 0xC0, 0x80}).readUTF(), std::nullopt);           // overlong
    EXPECT_EQ(payload({0, 3, 0xED, 0xA0, 0x80}).readUTF(), std::nullopt);     // surrogate
    EXPECT_EQ(payload({0, 4, 0xF0, 0x9F, 0x98, 0x80}).readUTF(), "\xF0\x9F\x98\x80");
    Message cut = payload({0, 2, 0xE1, 0xBA, 7});
    EXPECT_EQ(cut.readUTF(), std::nullopt);
    EXPECT_EQ(cut.readByte(), 7);  // the cursor moved past the text all the same
}

TEST(Message, RawDataCarriesTheCommandIdFirst) {
    Message one = Message::initWithRawData(Data{0xDC});
    EXPECT_EQ(one._commandId(), -36);
    EXPECT_TRUE(one._data().empty());
    EXPECT_FALSE(one.available());

    Message m = Message::initWithRawData(Data{3, 0, 1});
    EXPECT_EQ(m._commandId(), 3);
    EXPECT_EQ(m.readShort(), 1);
    EXPECT_EQ(raisedName([] { Message::initWithRawData(Data{}); }), sys::Exception::kInvalidArgument);
}

TEST(Message, TooLongATextIsRefusedNotCut) {
    Message fits(1);
    fits.writeUTF(std::string(Message::kMaxTextBytes, 'x'));
    EXPECT_FALSE(fits.hasRefusedText());
    EXPECT_EQ(fits.readUTF()->size(), Message::kMaxTextBytes);

    Message m(1);
    m.writeInt(1);
    m.writeUTF(std::string(Message::kMaxTextBytes + 1, 'x'));
    EXPECT_TRUE(m.hasRefusedText());
    EXPECT_EQ(m._data().size(), 4u);
    EXPECT_TRUE(sys::Log::contains("too long"));
}
