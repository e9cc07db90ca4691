#include <gtest/gtest.h>

#include <string>

#include "JsonTestSupport.h"
#include "social/json/JsonParser.h"

using namespace zuno;
using zuno::sys::Array;
using zuno::sys::Dictionary;
using zuno::sys::Value;
using zuno::testing::lastCode;
using zuno::testing::lastError;
using zuno::testing::traceText;

namespace {

// Reads a fragment and gives its whole error trace, or "ok".
std::string traceOf(std::string_view text) {
    JsonParser parser;
    return parser.fragmentWithString(text) ? "ok" : traceText(parser);
}

// The code of the error a caller would report for the text.
JsonErrorCode codeOf(std::string_view text) {
    JsonParser parser;
    parser.fragmentWithString(text);
    return lastCode(parser);
}

Value fragment(std::string_view text) {
    JsonParser parser;
    auto value = parser.fragmentWithString(text);
    EXPECT_TRUE(value) << text << ": " << lastError(parser);
    return value.value_or(Value());
}

std::string nested(int levels) { return std::string(levels, '[') + std::string(levels, ']'); }

std::string nestedObjects(int levels) {
    std::string text;
    for (int i = 1; i < levels; ++i) text += "{\"k\":";
    return text + "{}" + std::string(levels - 1, '}');
}

const char* const kBrokenQuad = "Missing hex digit in quad | Missing hex quad | Broken unicode character";

}  // namespace

TEST(JsonParserStrings, PlainTextAndEscapes) {
    EXPECT_EQ(fragment(R"("")"), Value(""));
    EXPECT_EQ(fragment(R"("caf\u00e9 \"q\" \\ \/ \b\f\n\r\t")"), Value("café \"q\" \\ / \b\f\n\r\t"));
    EXPECT_EQ(fragment("\"Tiến lên ♠ \xF4\x8F\xBF\xBF\""), Value("Tiến lên ♠ \xF4\x8F\xBF\xBF"));
    EXPECT_EQ(fragment(R"("\u0000x\u20AC\u20ac")"), Value(std::string("\0x€€", 8)));
    // Longer than any small-string buffer, with an escape between two runs.
    EXPECT_EQ(fragment(R"("abcdefghijklmnopqrstuvwxyz\nabcdefghijklmnopqrstuvwxyz")"),
              Value("abcdefghijklmnopqrstuvwxyz\nabcdefghijklmnopqrstuvwxyz"));

    EXPECT_EQ(traceOf(R"("\x")"), "Illegal escape sequence '0x78'");
    EXPECT_EQ(codeOf(R"("\x")"), JsonErrorCode::IllegalEscape);
    EXPECT_EQ(traceOf("\"\\\xC3\xA9\""), "Illegal escape sequence '0xffffffc3'");  // the byte, sign-extended
    EXPECT_EQ(traceOf("\"\\"), "Illegal escape sequence '0x0'");
    EXPECT_EQ(traceOf(R"("\u12G4")"), kBrokenQuad);
    EXPECT_EQ(traceOf(R"("\u12)"), kBrokenQuad);
    EXPECT_EQ(codeOf(R"("\u12)"), JsonErrorCode::BadUnicodeEscape);
}

TEST(JsonParserStrings, SurrogatePairsGiveOneCharacter) {
    EXPECT_EQ(fragment(R"("\ud83c\udca1")"), Value("\xF0\x9F\x82\xA1"));  // U+1F0A1, a playing card
    EXPECT_EQ(fragment(R"("\uD800\uDC00\uDBFF\uDFFF")"), Value("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"));

    EXPECT_EQ(traceOf(R"("\udc00")"), "Invalid high character in surrogate pair | Broken unicode character");
    EXPECT_EQ(traceOf(R"("\ud800x")"), "Missing low character in surrogate pair | Broken unicode character");
    EXPECT_EQ(traceOf(R"("\ud800\n")"), "Missing low character in surrogate pair | Broken unicode character");
    EXPECT_EQ(traceOf(R"("\ud800\u0041")"), "Invalid low surrogate char | Broken unicode character");
    EXPECT_EQ(traceOf(R"("\ud800\udcxx")"), kBrokenQuad);
}

TEST(JsonParserStrings, ControlCharactersUnterminatedStringsAndBadUtf8) {
    EXPECT_EQ(traceOf("\"a\tb\""), "Unescaped control character '0x9'");
    EXPECT_EQ(codeOf("\"a\tb\""), JsonErrorCode::ControlCharacter);
    EXPECT_EQ(traceOf(std::string_view("\"a\0b\"", 5)), "Unescaped control character '0x0'");
    // Running out of input counts as a control character, except right after an escape.
    EXPECT_EQ(traceOf("\"abc"), "Unescaped control character '0x0'");
    EXPECT_EQ(traceOf("\"abc\\n"), "Unexpected EOF while parsing string");
    EXPECT_EQ(traceOf("\"\\u0041"), "Unexpected EOF while parsing string");
    EXPECT_EQ(codeOf("\"\\u0041"), JsonErrorCode::EndOfInput);

    // A run that is not UTF-8 is refused at its first byte.
    EXPECT_EQ(traceOf("\"ab\xFF\""), "Unescaped control character '0x61'");
    EXPECT_EQ(traceOf("\"ok\\n\xFF\""), "Unescaped control character '0xffffffff'");
    EXPECT_EQ(traceOf("\"\xC3\""), "Unescaped control character '0xffffffc3'");              // cut short
    EXPECT_EQ(traceOf("\"\xC0\x80\""), "Unescaped control character '0xffffffc0'");          // overlong
    EXPECT_EQ(traceOf("\"\xED\xA0\x80\""), "Unescaped control character '0xffffffed'");      // a surrogate
    EXPECT_EQ(traceOf("\"\xF4\x90\x80\x80\""), "Unescaped control character '0xfffffff4'");  // above U+10FFFF
}

TEST(JsonParserNumbers, IntegersRealsAndTheirLimits) {
    EXPECT_EQ(fragment("-0"), Value(0));
    EXPECT_EQ(fragment("1234567890123"), Value(1234567890123L));
    EXPECT_EQ(fragment("9223372036854775807"), Value(INT64_MAX));
    EXPECT_EQ(fragment("-9223372036854775808"), Value(INT64_MIN));
    EXPECT_EQ(fragment("9223372036854775808"), Value(9223372036854775808.0));
    EXPECT_EQ(fragment("0.1"), Value(0.1));
    EXPECT_EQ(fragment("-12.5e-1"), Value(-1.25));
    EXPECT_EQ(fragment("1E2"), Value(100.0));
    EXPECT_EQ(fragment("1e+2"), Value(100.0));
    EXPECT_EQ(fragment("1.7976931348623157e308"), Value(1.7976931348623157e308));
    // Too small for a double is zero; too large cannot be held and is refused.
    EXPECT_EQ(fragment("1e-400"), Value(0.0));
    EXPECT_EQ(fragment("-0.0000e-99999999999999999999"), Value(-0.0));
    EXPECT_EQ(traceOf("[1e400]"), "Failed creating decimal instance | Expected value while parsing array");
    EXPECT_EQ(traceOf("-1e99999999999999999999"), "Failed creating decimal instance");
    EXPECT_EQ(traceOf("0.00001e400"), "Failed creating decimal instance");
}

TEST(JsonParserNumbers, MalformedNumbers) {
    EXPECT_EQ(traceOf("01"), "Leading 0 disallowed in number");
    EXPECT_EQ(codeOf("01"), JsonErrorCode::BadNumber);
    EXPECT_EQ(traceOf("-01"), "Leading 0 disallowed in number");
    EXPECT_EQ(traceOf("-"), "No digits after initial minus");
    EXPECT_EQ(traceOf("-a"), "No digits after initial minus");
    EXPECT_EQ(traceOf("1."), "No digits after decimal point");
    EXPECT_EQ(traceOf("1.e5"), "No digits after decimal point");
    EXPECT_EQ(traceOf("1e"), "No digits after exponent");
    EXPECT_EQ(traceOf("1e+"), "No digits after exponent");
    EXPECT_EQ(traceOf("+1"), "Leading + disallowed in number");
    EXPECT_EQ(traceOf(".5"), "Unrecognised leading character");
    EXPECT_EQ(traceOf("1.5.5"), "Garbage after JSON");
}

TEST(JsonParserStructure, ArraysAndTheMissingCommaQuirk) {
    EXPECT_EQ(fragment("[1,2]"), Value(Array{1, 2}));
    // A missing comma is not an error: the next element is read directly.
    EXPECT_EQ(fragment("[1 2]"), Value(Array{1, 2}));
    EXPECT_EQ(fragment("[\"a\"\"b\"[]{}]"), Value(Array{"a", "b", Array{}, Dictionary{}}));
    EXPECT_EQ(fragment("\t\n\v\f\r[ true , false , null ]\r\f\v\n\t"), Value(Array{true, false, Value()}));

    EXPECT_EQ(traceOf("[1,2,]"), "Trailing comma disallowed in array");
    EXPECT_EQ(codeOf("[1,2,]"), JsonErrorCode::TrailingComma);
    EXPECT_EQ(traceOf("[,1]"), "Unrecognised leading character | Expected value while parsing array");
    EXPECT_EQ(traceOf("[1,"), "End of input while parsing array");
    EXPECT_EQ(traceOf("[1 "), "End of input while parsing array");
    EXPECT_EQ(traceOf("[ "), "Unexpected end of string | Expected value while parsing array");
    EXPECT_EQ(traceOf("[tru]"), "Expected 'true' | Expected value while parsing array");
}

TEST(JsonParserStructure, Objects) {
    Value v = fragment(R"({"b":1,"a":{"x":[]},"c":"t"})");
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v.dictionary()->entries()[0].first, "b");  // the text's order is kept
    EXPECT_EQ(v["a"]["x"], Value(Array{}));
    EXPECT_EQ(fragment("{ }"), Value(Dictionary{}));
    EXPECT_EQ(fragment(R"({"a":1 "b":2})"), Value(Dictionary{{"a", 1}, {"b", 2}}));
    // A later duplicate replaces the earlier value.
    EXPECT_EQ(fragment(R"({"a":1,"b":2,"a":3})"), Value(Dictionary{{"a", 3}, {"b", 2}}));

    EXPECT_EQ(traceOf(R"({"a":1,})"), "Trailing comma disallowed in object");
    EXPECT_EQ(traceOf("{a:1}"), "Object key string expected");
    EXPECT_EQ(codeOf("{a:1}"), JsonErrorCode::Syntax);
    EXPECT_EQ(traceOf("{ "), "Object key string expected");
    EXPECT_EQ(traceOf("{\"a\tb\":1}"), "Unescaped control character '0x9' | Object key string expected");
    EXPECT_EQ(traceOf(R"({"a" 1})"), "Expected ':' separating key and value");
    EXPECT_EQ(traceOf(R"({"a": [x]})"),
              "Unrecognised leading character | Expected value while parsing array | Object value expected for key: a");
    EXPECT_EQ(traceOf(R"({"a":1)"), "End of input while parsing object");
}

TEST(JsonParserStructure, WordsLeadingCharactersAndTheEnd) {
    EXPECT_EQ(fragment("true"), Value(true));
    EXPECT_EQ(fragment("false"), Value(false));
    EXPECT_EQ(fragment("null"), Value());
    EXPECT_EQ(traceOf("tru"), "Expected 'true'");
    EXPECT_EQ(traceOf("fals"), "Expected 'false'");
    EXPECT_EQ(traceOf("nul"), "Expected 'null'");
    EXPECT_EQ(traceOf("x"), "Unrecognised leading character");
    EXPECT_EQ(traceOf("  "), "Unexpected end of string");
    EXPECT_EQ(traceOf("truex"), "Garbage after JSON");
    EXPECT_EQ(codeOf("truex"), JsonErrorCode::TrailingGarbage);
    EXPECT_EQ(traceOf(std::string_view("[]\0", 3)), "Garbage after JSON");

    JsonParser parser;
    EXPECT_FALSE(parser.fragmentWithString(std::nullopt));
    EXPECT_EQ(traceText(parser), "Input was 'nil'");
    EXPECT_EQ(lastCode(parser), JsonErrorCode::NoInput);
}

TEST(JsonParserDocuments, FragmentsVersusDocuments) {
    JsonParser parser;
    EXPECT_FALSE(parser.objectWithString(R"("text")"));
    EXPECT_EQ(traceText(parser), "Valid fragment, but not JSON");
    EXPECT_EQ(lastCode(parser), JsonErrorCode::NotContainer);
    EXPECT_EQ(parser.fragmentWithString(R"("text")"), Value("text"));
    EXPECT_TRUE(parser.errorTrace().empty());  // cleared by the next read
    EXPECT_EQ(parser.objectWithString("[1]"), Value(Array{1}));
    EXPECT_EQ(parser.objectWithString("{}"), Value(Dictionary{}));
    // A broken document reports its own error, not the top-level one.
    EXPECT_FALSE(parser.objectWithString("[1,]"));
    EXPECT_EQ(traceText(parser), "Trailing comma disallowed in array");
}

TEST(JsonParserNesting, DefaultLimitIs512) {
    JsonParser parser;
    EXPECT_EQ(parser.maxDepth(), 512u);
    EXPECT_TRUE(parser.objectWithString(nested(512)));
    EXPECT_TRUE(parser.objectWithString(nestedObjects(512)));
    EXPECT_FALSE(parser.objectWithString(nested(513)));
    auto trace = parser.errorTrace();
    ASSERT_EQ(trace.size(), 513u);
    EXPECT_EQ(trace.front()->description, "Nested too deep");
    EXPECT_EQ(trace.front()->code, JsonErrorCode::TooDeep);
    EXPECT_EQ(trace.back()->description, "Expected value while parsing array");
    EXPECT_FALSE(parser.objectWithString(nestedObjects(513)));
    EXPECT_EQ(parser.errorTrace().front()->description, "Nested too deep");
    // Depth is counted along one path only.
    EXPECT_TRUE(parser.objectWithString("[" + nested(511) + "," + nested(511) + "]"));
}

TEST(JsonParserNesting, OwnLimitsAndTheCeiling) {
    JsonParser parser;
    parser.setMaxDepth(2);
    EXPECT_TRUE(parser.objectWithString("[[]]"));
    EXPECT_FALSE(parser.objectWithString("[[[]]]"));
    EXPECT_EQ(parser.errorTrace().front()->description, "Nested too deep");

    // No limit of the caller's own still stops before the stack could run out.
    parser.setMaxDepth(0);
    EXPECT_TRUE(parser.objectWithString(nested(JsonBase::kDepthCeiling)));
    EXPECT_TRUE(parser.objectWithString(nestedObjects(JsonBase::kDepthCeiling)));
    std::string deep(200000, '[');
    EXPECT_FALSE(parser.objectWithString(deep));
    EXPECT_EQ(parser.errorTrace().front()->description, "Nested too deep");
    EXPECT_EQ(parser.errorTrace().size(), JsonBase::kDepthCeiling + 1);
    parser.setMaxDepth(1000000);
    std::string deepObjects;
    for (int i = 0; i < 100000; ++i) deepObjects += "{\"k\":";
    EXPECT_FALSE(parser.objectWithString(deepObjects));
    EXPECT_EQ(parser.errorTrace().size(), JsonBase::kDepthCeiling + 1);
    // The last record alone holds the whole chain; letting go of it must not recurse too deep either.
    std::shared_ptr<const JsonError> last = parser.errorTrace().back();
    parser.clearErrorTrace();
    last.reset();
}

TEST(JsonParserErrors, EachRecordPointsAtThePreviousOne) {
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
    EXPECT_EQ(lastError(parser), "mine");
}
