#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/Base64.h"
#include "platform/core/Exception.h"
#include "platform/core/PropertyList.h"

using namespace zuno::sys;

namespace {

Value roundTrip(const Value& v) { return PropertyList::parse(PropertyList::write(v), "round trip"); }

std::string reasonOf(std::string_view xml) {
    try {
        PropertyList::parse(xml, "bad.plist");
    } catch (const Exception& e) {
        EXPECT_EQ(e.name(), PropertyList::kExceptionName);
        return e.reason();
    }
    ADD_FAILURE() << "no error for: " << xml;
    return {};
}

}  // namespace

TEST(PropertyListTest, EveryValueKindSurvivesARoundTrip) {
    Dictionary inner{{"deep", Value(Array{Value(1), Value("two"), Value(Array{})})}};
    Value root(Dictionary{
        {"text", Value("Xin chào <&> \"quoted\" 'single'")},
        {"empty text", Value("")},
        {"spaces", Value("  padded\tand\nbroken \r line  ")},
        {"controls", Value(std::string("a\x01" "b\x1f" "c"))},
        {"integer", Value(-42)},
        {"big", Value(static_cast<long long>(INT64_MAX))},
        {"small", Value(static_cast<long long>(INT64_MIN))},
        {"real", Value(0.1)},
        {"whole real", Value(3.0)},
        {"yes", Value(true)},
        {"no", Value(false)},
        {"data", Value(Data{0, 1, 2, 254, 255})},
        {"no data", Value(Data{})},
        {"array", Value(Array{Value(1), Value("x"), Value(Dictionary{})})},
        {"dict", Value(std::move(inner))},
        {"<key & odd>", Value("v")},
    });
    Value back = roundTrip(root);
    EXPECT_EQ(back, root);
    // A whole real stays a real, not an integer.
    EXPECT_TRUE(back["whole real"].isReal());
    // Insertion order is kept.
    ASSERT_TRUE(back.dictionary());
    EXPECT_EQ(back.dictionary()->entries().front().first, "text");
    EXPECT_EQ(back.dictionary()->entries().back().first, "<key & odd>");
}

TEST(PropertyListTest, SpecialRealsAndTopLevelScalars) {
    Value inf = roundTrip(Value(std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(std::isinf(inf.asReal()) && inf.asReal() > 0);
    Value negInf = roundTrip(Value(-std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(std::isinf(negInf.asReal()) && negInf.asReal() < 0);
    EXPECT_TRUE(std::isnan(roundTrip(Value(std::nan(""))).asReal()));
    EXPECT_EQ(roundTrip(Value("alone")), Value("alone"));
}

TEST(PropertyListTest, NullsAreLeftOut) {
    Value v(Dictionary{{"a", Value()}, {"b", Value(1)}});
    Value back = roundTrip(v);
    EXPECT_EQ(back.size(), 1u);
    EXPECT_EQ(back["b"], Value(1));
}

TEST(PropertyListTest, ReadsWhatOtherWritersProduce) {
    const char* xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
    <!-- a comment -->
    <key>Server</key><string>127.0.0.1</string>
    <key>Port</key>
    <integer> +5000 </integer>
    <key>AppStore</key><false/>
    <key>Rate</key><real>2.5e1</real>
    <key>Icon</key><data>
        AAEC
        /w==
    </data>
    <key>When</key><date>2011-05-03T10:00:00Z</date>
    <key>CDATA</key><string><![CDATA[a < b]]></string>
    <key>Entity</key><string>caf&#233; &amp; tea</string>
    <key>Empty</key><string/>
    <key>Hex</key><string>&#x41;</string>
</dict>
</plist>)";
    Value v = PropertyList::parse(xml);
    EXPECT_EQ(v["Server"], Value("127.0.0.1"));
    EXPECT_EQ(v["Port"], Value(5000));
    EXPECT_EQ(v["AppStore"], Value(false));
    EXPECT_EQ(v["Rate"], Value(25.0));
    EXPECT_EQ(v["Icon"], Value(Data{0, 1, 2, 255}));
    EXPECT_EQ(v["When"], Value("2011-05-03T10:00:00Z"));
    EXPECT_EQ(v["CDATA"], Value("a < b"));
    EXPECT_EQ(v["Entity"], Value("caf\xC3\xA9 & tea"));
    EXPECT_EQ(v["Empty"], Value(""));
    EXPECT_EQ(v["Hex"], Value("A"));
    EXPECT_TRUE(PropertyList::parse("<plist version=\"1.0\"></plist>").isNull());
}

TEST(PropertyListTest, MalformedFilesNameTheFileAndLine) {
    EXPECT_EQ(reasonOf("<plist>\n<dict>\n<key>a</key>\n<strin>x</strin>\n</dict>\n</plist>"),
              "bad.plist:4: unknown element <strin>");
    EXPECT_EQ(reasonOf("<plist>\n<dict>\n<key>a</key>\n</dict>\n</plist>"), "bad.plist:3: the key \"a\" has no value");
    EXPECT_EQ(reasonOf("<plist>\n<dict>\n<string>x</string>\n</dict></plist>"),
              "bad.plist:3: expected <key>, found <string>");
    EXPECT_EQ(reasonOf("<plist>\n<integer>12x</integer></plist>"), "bad.plist:2: not an integer: \"12x\"");
    EXPECT_EQ(reasonOf("<plist>\n\n<integer>99999999999999999999</integer></plist>"),
              "bad.plist:3: not an integer: \"99999999999999999999\"");
    EXPECT_EQ(reasonOf("<plist><real>one</real></plist>"), "bad.plist:1: not a real number: \"one\"");
    EXPECT_EQ(reasonOf("<plist><data>!!!!</data></plist>"), "bad.plist:1: broken base64 in <data>");
    EXPECT_EQ(reasonOf("<plist><date>yesterday</date></plist>"), "bad.plist:1: not a date: \"yesterday\"");
    EXPECT_EQ(reasonOf("<plist><true>x</true></plist>"), "bad.plist:1: <true> must be empty");
    EXPECT_EQ(reasonOf("<plist><string>a</string><string>b</string></plist>"),
              "bad.plist:1: more than one value at the top level");
    EXPECT_EQ(reasonOf("<plist><array>loose<string>a</string></array></plist>"), "bad.plist:1: unexpected text");
    // Broken XML: the parser's own message, still with the line.
    std::string broken = reasonOf("<plist>\n<dict>\n<key>a</key><string>x</dict>\n</plist>");
    EXPECT_EQ(broken.rfind("bad.plist:3: ", 0), 0u) << broken;
    EXPECT_EQ(reasonOf("").rfind("bad.plist:1: ", 0), 0u);
}

TEST(PropertyListTest, NestingIsBounded) {
    auto nested = [](int levels, const char* open, const char* close) {
        std::string xml = "<plist>";
        for (int i = 0; i < levels; ++i) xml += open;
        for (int i = 0; i < levels; ++i) xml += close;
        return xml + "</plist>";
    };
    Value deepest = PropertyList::parse(nested(PropertyList::kMaxDepth, "<array>", "</array>"));
    for (int i = 1; i < PropertyList::kMaxDepth; ++i) deepest = (*deepest.array())[0];
    EXPECT_TRUE(deepest.array()->empty());
    EXPECT_EQ(reasonOf(nested(PropertyList::kMaxDepth + 1, "<array>", "</array>")),
              "bad.plist:1: nested deeper than 256 levels");
    // Far deeper than a stack holds: refused, not overflowed.
    EXPECT_EQ(reasonOf(nested(200000, "<dict><key>k</key>", "</dict>")), "bad.plist:1: nested deeper than 256 levels");
}

TEST(PropertyListTest, MissingFileIsAnError) {
    try {
        PropertyList::readFile("/nonexistent/zuno.plist");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.reason(), "/nonexistent/zuno.plist: cannot be read");
    }
}

TEST(Base64Test, EncodesWithPaddingAndDecodesBack) {
    EXPECT_EQ(base64Encode(Data{}), "");
    EXPECT_EQ(base64Encode(Data{'M'}), "TQ==");
    EXPECT_EQ(base64Encode(Data{'M', 'a'}), "TWE=");
    EXPECT_EQ(base64Encode(Data{'M', 'a', 'n'}), "TWFu");
    EXPECT_EQ(base64Encode(Data{0xfb, 0xff}), "+/8=");
    for (size_t n = 0; n < 10; ++n) {
        Data d;
        for (size_t i = 0; i < n; ++i) d.push_back(static_cast<uint8_t>(i * 37 + 200));
        EXPECT_EQ(base64Decode(base64Encode(d)), d) << n;
    }
    EXPECT_FALSE(base64Decode("TQ=a"));
    EXPECT_FALSE(base64Decode("T"));
    EXPECT_FALSE(base64Decode("TQ==="));
    EXPECT_FALSE(base64Decode("T$=="));
    // Padding may be left out.
    EXPECT_EQ(base64Decode("TWE"), (Data{'M', 'a'}));
}
