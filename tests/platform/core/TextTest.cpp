#include <gtest/gtest.h>

#include "platform/core/Text.h"
#include "platform/core/Utf8.h"

using namespace zuno::sys;

TEST(Utf8, StrictValidation) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"abc", true},
        {"Đồng ý", true},
        {"\xF0\x9F\x83\x81", true},        // U+1F0C1
        {"\xF4\x8F\xBF\xBF", true},        // U+10FFFF
        {"\xC0\xAF", false},               // overlong slash
        {"\xE0\x80\xAF", false},           // overlong
        {"\xF0\x80\x80\xAF", false},       // overlong
        {"\xED\xA0\x80", false},           // a surrogate
        {"\xF4\x90\x80\x80", false},       // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\xC3", false},                   // cut short
        {"a\xE1\x80", false},              // cut short at the end
        {"\x80", false},                   // a lone continuation
        {std::string("a\0b", 3), true},    // NUL is a character
    };
    for (const auto& c : cases) EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << testing::PrintToString(c.bytes);
}

TEST(Utf8, AppendedScalarsAreValidAndRoundTripTheirLength) {
    for (char32_t cp : {char32_t(0x41), char32_t(0x7FF), char32_t(0x800), char32_t(0xFFFF), char32_t(0x10000),
                        char32_t(0x10FFFF)}) {
        std::string out;
        appendUtf8(out, cp);
        EXPECT_TRUE(isValidUtf8(out));
        EXPECT_EQ(out.size(), cp < 0x80 ? 1u : cp < 0x800 ? 2u : cp < 0x10000 ? 3u : 4u);
    }
    std::string dong;
    appendUtf8(dong, 0x110);
    EXPECT_EQ(dong, "Đ");
}

TEST(Text, AsciiCaseAndWhitespace) {
    EXPECT_EQ(asciiLowercase("HTTP://Zuno.VN/Đ"), "http://zuno.vn/Đ");
    EXPECT_EQ(lowercase("ĐẶNG Văn AN"), "đặng văn an");
    EXPECT_EQ(lowercase(std::string("AB\xff", 3)), std::string("ab\xff", 3));
    EXPECT_EQ(trimWhitespace(" \t value \r\n"), "value");
    EXPECT_EQ(trimWhitespace(" \r\n"), "");
    EXPECT_TRUE(equalsIgnoringAsciiCase("Content-Length", "content-length"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("Content-Length", "Content-Lengths"));
}

TEST(Text, UnicodeWhitespaceIsTrimmedAtBothEnds) {
    struct Case {
        const char* name;
        std::string text, trimmed;
    };
    const Case cases[] = {
        {"ideographic spaces", "\u3000\u3000chào\u3000", "chào"},
        {"no-break, em and thin spaces", "\u00a0\u2003x y\u2009", "x y"},
        {"line and paragraph separators, next line", "\u2028\u0085x\u2029", "x"},
        {"control breaks", "\v\f\t x \r\n", "x"},
        {"white space inside stays", "a\u3000b", "a\u3000b"},
        {"white space only", "\u3000 \u00a0\n", ""},
        {"a zero-width space is not white space", "\u200bx", "\u200bx"},
        {"bytes that are not UTF-8 stop the trim", std::string("\xff \u3000", 5), std::string("\xff", 1)},
    };
    for (const Case& c : cases) EXPECT_EQ(trimUnicodeWhitespace(c.text), c.trimmed) << c.name;
}
