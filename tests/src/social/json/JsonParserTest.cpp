#include <gtest/gtest.h>

#include <string>

#include "JsonTestSupport.h"
#include "platform/core/Format.h"
#include "social/json/JsonParser.h"

using namespace zuno;
using zuno::sys::Array;
using zuno::sys::Dictionary;
using zuno::sys::Value;
using zuno::testing::traceText;

namespace {

std::string nested(int levels) { return std::string(levels, '[') + std::string(levels, ']'); }

std::string nestedObjects(int levels) {
    std::string text;
    for (int i = 1; i < levels; ++i) text += "{\"k\":";
    return text + "{}" + std::string(levels - 1, '}');
}

}  // namespace

TEST(JsonParser, ValuesThatRead) {
    const std::pair<std::string_view, Value> cases[] = {
        // Strings and escapes.
        {R"("")", Value("")},
        {R"("caf\u00e9 \"q\" \\ \/ \b\f\n\r\t")", Value("café \"q\" \\ / \b\f\n\r\t")},
        {"\"Tiến lên ♠ \xF4\x8F\xBF\xBF\"", Value("Tiến lên ♠ \xF4\x8F\xBF\xBF")},
        {R"("\u0000x\u20AC\u20ac")", Value(std::string("\0x€€", 8))},
        {R"("\ud83c\udca1")", Value("\xF0\x9F\x82\xA1")},  // a surrogate pair is one character
        {R"("\uD800\uDC00\uDBFF\uDFFF")", Value("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF")},
        // Numbers: whole ones that fit 64 bits are integers; too small for a double is zero.
        {"-0", Value(0)},
        {"9223372036854775807", Value(INT64_MAX)},
        {"-9223372036854775808", Value(INT64_MIN)},
        {"9223372036854775808", Value(9223372036854775808.0)},
        {"0.1", Value(0.1)},
        {"-12.5e-1", Value(-1.25)},
        {"1E2", Value(100.0)},
        {"1e+2", Value(100.0)},
        {"1.7976931348623157e308", Value(1.7976931348623157e308)},
        {"1e-400", Value(0.0)},
        {"-0.0000e-99999999999999999999", Value(-0.0)},
        // Words, white space, containers and the missing comma that is let through.
        {"\t\n\v\f\r[ true , false , null ]\r\f\v\n\t", Value(Array{true, false, Value()})},
        {"[1,2]", Value(Array{1, 2})},
        {"[1 2]", Value(Array{1, 2})},
        {"[\"a\"\"b\"[]{}]", Value(Array{"a", "b", Array{}, Dictionary{}})},
        {"{ }", Value(Dictionary{})},
        {R"({"a":1 "b":2})", Value(Dictionary{{"a", 1}, {"b", 2}})},
        {R"({"a":1,"b":2,"a":3})", Value(Dictionary{{"a", 3}, {"b", 2}})},  // a later duplicate replaces
    };
    JsonParser parser;
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parser.fragmentWithString(text), expected) << text << ": " << traceText(parser);
    }
    auto object = parser.fragmentWithString(R"({"b":1,"a":{"x":[]},"c":"t"})");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->dictionary()->entries()[0].first, "b");  // the text's order is kept
}

TEST(JsonParser, ErrorTraces) {
    const char* const brokenQuad = "Missing hex digit in quad | Missing hex quad | Broken unicode character";
    const char* const inArray = " | Expected value while parsing array";
    const struct {
        std::string_view text;
        std::string trace;
        JsonErrorCode code;  // of the last record, the one a caller reports
    } cases[] = {
        {R"("\x")", "Illegal escape sequence '0x78'", JsonErrorCode::IllegalEscape},
        {"\"\\\xC3\xA9\"", "Illegal escape sequence '0xffffffc3'", JsonErrorCode::IllegalEscape},  // sign-extended
        {"\"\\", "Illegal escape sequence '0x0'", JsonErrorCode::IllegalEscape},
        {R"("\u12G4")", brokenQuad, JsonErrorCode::BadUnicodeEscape},
        {R"("\u12)", brokenQuad, JsonErrorCode::BadUnicodeEscape},
        {R"("\ud800\udcxx")", brokenQuad, JsonErrorCode::BadUnicodeEscape},
        {R"("\udc00")", "Invalid high character in surrogate pair | Broken unicode character",
         JsonErrorCode::BadUnicodeEscape},
        {R"("\ud800x")", "Missing low character in surrogate pair | Broken unicode character",
         JsonErrorCode::BadUnicodeEscape},
        {R"("\ud800\u0041")", "Invalid low surrogate char | Broken unicode character", JsonErrorCode::BadUnicodeEscape},
        {"\"a\tb\"", "Unescaped control character '0x9'", JsonErrorCode::ControlCharacter},
        {std::string_view("\"a\0b\"", 5), "Unescaped control character '0x0'", JsonErrorCode::ControlCharacter},
        // Running out of input counts as a control character, except right after an escape.
        {"\"abc", "Unescaped control character '0x0'", JsonErrorCode::ControlCharacter},
        {"\"abc\\n", "Unexpected EOF while parsing string", JsonErrorCode::EndOfInput},
        {"\"\\u0041", "Unexpected EOF while parsing string", JsonErrorCode::EndOfInput},
        // A run that is not UTF-8 is refused at its first byte: cut short, overlong, a surrogate, too high.
        {"\"ab\xFF\"", "Unescaped control character '0x61'", JsonErrorCode::ControlCharacter},
        {"\"ok\\n\xFF\"", "Unescaped control character '0xffffffff'", JsonErrorCode::ControlCharacter},
        {"\"\xC3\"", "Unescaped control character '0xffffffc3'", JsonErrorCode::ControlCharacter},
        {"\"\xC0\x80\"", "Unescaped control character '0xffffffc0'", JsonErrorCode::ControlCharacter},
        {"\"\xED\xA0\x80\"", "Unescaped control character '0xffffffed'", JsonErrorCode::ControlCharacter},
        {"\"\xF4\x90\x80\x80\"", "Unescaped control character '0xfffffff4'", JsonErrorCode::ControlCharacter},
        // Numbers.
        {"01", "Leading 0 disallowed in number", JsonErrorCode::BadNumber},
        {"-", "No digits after initial minus", JsonErrorCode::BadNumber},
        {"1.", "No digits after decimal point", JsonErrorCode::BadNumber},
        {"1e", "No digits after exponent", JsonErrorCode::BadNumber},
        {"1e+", "No digits after exponent", JsonErrorCode::BadNumber},
        {"+1", "Leading + disallowed in number", JsonErrorCode::BadNumber},
        {".5", "Unrecognised leading character", JsonErrorCode::Syntax},
        {"1.5.5", "Garbage after JSON", JsonErrorCode::TrailingGarbage},
        // Too large to hold.
        {"[1e400]", std::string("Failed creating decimal instance") + inArray, JsonErrorCode::Syntax},
        {"-1e99999999999999999999", "Failed creating decimal instance", JsonErrorCode::BadNumber},
        {"0.00001e400", "Failed creating decimal instance", JsonErrorCode::BadNumber},
        // Arrays.
        {"[1,2,]", "Trailing comma disallowed in array", JsonErrorCode::TrailingComma},
        {"[,1]", std::string("Unrecognised leading character") + inArray, JsonErrorCode::Syntax},
        {"[1,", "End of input while parsing array", JsonErrorCode::EndOfInput},
        {"[1 ", "End of input while parsing array", JsonErrorCode::EndOfInput},
        {"[ ", std::string("Unexpected end of string") + inArray, JsonErrorCode::Syntax},
        {"[tru]", std::string("Expected 'true'") + inArray, JsonErrorCode::Syntax},
        // Objects.
        {R"({"a":1,})", "Trailing comma disallowed in object", JsonErrorCode::TrailingComma},
        {"{a:1}", "Object key string expected", JsonErrorCode::Syntax},
        {"{ ", "Object key string expected", JsonErrorCode::Syntax},
        {"{\"a\tb\":1}", "Unescaped control character '0x9' | Object key string expected", JsonErrorCode::Syntax},
        {R"({"a" 1})", "Expected ':' separating key and value", JsonErrorCode::Syntax},
        {R"({"a": [x]})",
         std::string("Unrecognised leading character") + inArray + " | Object value expected for key: a",
         JsonErrorCode::Syntax},
        {R"({"a":1)", "End of input while parsing object", JsonErrorCode::EndOfInput},
        // Words, leading characters and the end.
        {"tru", "Expected 'true'", JsonErrorCode::Syntax},
        {"fals", "Expected 'false'", JsonErrorCode::Syntax},
        {"nul", "Expected 'null'", JsonErrorCode::Syntax},
        {"x", "Unrecognised leading character", JsonErrorCode::Syntax},
        {"  ", "Unexpected end of string", JsonErrorCode::EndOfInput},
        {"truex", "Garbage after JSON", JsonErrorCode::TrailingGarbage},
        {std::string_view("[]\0", 3), "Garbage after JSON", JsonErrorCode::TrailingGarbage},  // a NUL is no end
    };
    JsonParser parser;
    for (const auto& c : cases) {
        EXPECT_FALSE(parser.fragmentWithString(c.text)) << c.text;
        EXPECT_EQ(traceText(parser), c.trace) << c.text;
        EXPECT_EQ(parser.errorTrace().back()->code, c.code) << c.text;
    }
    EXPECT_FALSE(parser.fragmentWithString(std::nullopt));
    EXPECT_EQ(traceText(parser), "Input was 'nil'");
    EXPECT_EQ(parser.errorTrace().back()->code, JsonErrorCode::NoInput);
}

TEST(JsonParser, FragmentsVersusDocuments) {
    JsonParser parser;
    EXPECT_FALSE(parser.objectWithString(R"("text")"));
    EXPECT_EQ(traceText(parser), "Valid fragment, but not JSON");
    EXPECT_EQ(parser.errorTrace().back()->code, JsonErrorCode::NotContainer);
    EXPECT_EQ(parser.fragmentWithString(R"("text")"), Value("text"));
    EXPECT_TRUE(parser.errorTrace().empty());  // cleared by the next read
    EXPECT_EQ(parser.objectWithString("[1]"), Value(Array{1}));
    EXPECT_EQ(parser.objectWithString("{}"), Value(Dictionary{}));
    // A broken document reports its own error, not the top-level one.
    EXPECT_FALSE(parser.objectWithString("[1,]"));
    EXPECT_EQ(traceText(parser), "Trailing comma disallowed in array");
}

TEST(JsonParser, NestingLimits) {
    JsonParser parser;
    EXPECT_EQ(parser.maxDepth(), 512u);
    EXPECT_TRUE(parser.objectWithString(nested(512)));
    EXPECT_TRUE(parser.objectWithString(nestedObjects(512)));
    EXPECT_TRUE(parser.objectWithString(sys::format("[%@,%@]", nested(511), nested(511))));  // one path counts
    for (const std::string& text : {nested(513), nestedObjects(513)}) {
        EXPECT_FALSE(parser.objectWithString(text));
        EXPECT_EQ(parser.errorTrace().front()->description, "Nested too deep");
        EXPECT_EQ(parser.errorTrace().front()->code, JsonErrorCode::TooDeep);
    }
    parser.setMaxDepth(2);
    EXPECT_TRUE(parser.objectWithString("[[]]"));
    EXPECT_FALSE(parser.objectWithString("[[[]]]"));

    // No limit of the caller's own, or a very large one, still stops before the stack could run out.
    parser.setMaxDepth(0);
    EXPECT_TRUE(parser.objectWithString(nested(JsonBase::kDepthCeiling)));
    EXPECT_TRUE(parser.objectWithString(nestedObjects(JsonBase::kDepthCeiling)));
    EXPECT_FALSE(parser.objectWithString(std::string(200000, '[')));
    EXPECT_EQ(parser.errorTrace().front()->description, "Nested too deep");
    EXPECT_EQ(parser.errorTrace().size(), JsonBase::kDepthCeiling + 1);
    parser.setMaxDepth(1000000);
    std::string deepObjects;
    for (int i = 0; i < 100000; ++i) deepObjects += "{\"k\":";
    EXPECT_FALSE(parser.objectWithString(deepObjects));
    EXPECT_EQ(parser.errorTrace().size(), JsonBase::kDepthCeiling + 1);
    // The last record holds the whole chain; letting go of it must not recurse too deep either.
    parser.clearErrorTrace();
}

TEST(JsonParser, EachErrorRecordPointsAtThePreviousOne) {
    JsonParser parser;
    int announcements = 0;
    parser.setErrorTraceObserver([&](std::string_view key) {
        EXPECT_EQ(key, "errorTrace");
        ++announcements;
    });
    EXPECT_FALSE(parser.fragmentWithString(R"(["\u12x"])"));
    auto trace = parser.errorTrace();
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(announcements, 4);
    EXPECT_EQ(trace[0]->underlyingError, nullptr);
    for (size_t i = 1; i < trace.size(); ++i) EXPECT_EQ(trace[i]->underlyingError, trace[i - 1]);
    EXPECT_EQ(trace.back()->debugDescription(),
              std::string("Error Domain=") + JsonError::kDomain + " Code=3 \"Expected value while parsing array\"");

    parser.clearErrorTrace();
    EXPECT_TRUE(parser.errorTrace().empty());
    EXPECT_EQ(announcements, 5);
    parser.addErrorWithCode(JsonErrorCode::Syntax, "mine");
    EXPECT_EQ(parser.errorTrace().back()->description, "mine");
}
