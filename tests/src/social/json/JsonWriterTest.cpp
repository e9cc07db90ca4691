#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "JsonTestSupport.h"
#include "social/json/JsonWriter.h"

using namespace zuno;
using zuno::sys::Array;
using zuno::sys::Data;
using zuno::sys::Dictionary;
using zuno::sys::Value;
using zuno::testing::lastCode;
using zuno::testing::lastError;
using zuno::testing::traceText;

namespace {

std::string written(const Value& value, bool sortKeys = false, bool humanReadable = false) {
    JsonWriter writer;
    writer.setSortKeys(sortKeys);
    writer.setHumanReadable(humanReadable);
    auto text = writer.stringWithFragment(value);
    EXPECT_TRUE(text) << lastError(writer);
    return text.value_or("(failed)");
}

Value sample() {
    return Value(Dictionary{
        {"name", "Lan"},
        {"list", Array{1, Array{}, Dictionary{}, Dictionary{{"z", true}, {"y", Value()}}}},
        {"age", 3},
    });
}

}  // namespace

TEST(JsonWriterLayout, CompactKeepsTheDictionaryOrder) {
    EXPECT_EQ(written(sample()), R"({"name":"Lan","list":[1,[],{},{"z":true,"y":null}],"age":3})");
    EXPECT_EQ(written(Value(Array{})), "[]");
    EXPECT_EQ(written(Value(Dictionary{})), "{}");
}

TEST(JsonWriterLayout, SortedKeys) {
    EXPECT_EQ(written(Value(Dictionary{{"b", 1}, {"a", 2}}), true), R"({"a":2,"b":1})");
    EXPECT_EQ(written(sample(), true), R"({"age":3,"list":[1,[],{},{"y":null,"z":true}],"name":"Lan"})");
    // Byte order: upper case before lower case, and a prefix before its longer keys.
    EXPECT_EQ(written(Value(Dictionary{{"ab", 1}, {"a", 2}, {"B", 3}, {"é", 4}}), true),
              "{\"B\":3,\"a\":2,\"ab\":1,\"é\":4}");
}

TEST(JsonWriterLayout, HumanReadable) {
    EXPECT_EQ(written(Value(Dictionary{}), false, true), "{}");
    EXPECT_EQ(written(Value(Array{}), false, true), "[]");
    EXPECT_EQ(written(Value(Dictionary{{"a", 1}}), false, true), "{\n  \"a\" : 1\n}");
    EXPECT_EQ(written(sample(), true, true),
              "{\n"
              "  \"age\" : 3,\n"
              "  \"list\" : [\n"
              "    1,\n"
              "    [],\n"
              "    {},\n"
              "    {\n"
              "      \"y\" : null,\n"
              "      \"z\" : true\n"
              "    }\n"
              "  ],\n"
              "  \"name\" : \"Lan\"\n"
              "}");
    // Scalars at the top level have no indent.
    EXPECT_EQ(written(Value("x"), false, true), "\"x\"");
}

TEST(JsonWriterValues, StringsEscapeOnlyWhatTheyMust) {
    EXPECT_EQ(written(Value("\t\x01")), R"("\t\u0001")");
    EXPECT_EQ(written(Value("plain / text ♠")), "\"plain / text ♠\"");
    EXPECT_EQ(written(Value("\"\\\b\f\n\r\x1f\x7f")), R"("\"\\\b\f\n\r\u001f)" "\x7f\"");
    EXPECT_EQ(written(Value(std::string("a\0b", 3))), R"("a\u0000b")");
    EXPECT_EQ(written(Value("\xF0\x9F\x82\xA1")), "\"\xF0\x9F\x82\xA1\"");
    EXPECT_EQ(written(Value(Dictionary{{"k\"\n", "v"}})), R"({"k\"\n":"v"})");
}

TEST(JsonWriterValues, NumbersBooleansAndNull) {
    EXPECT_EQ(written(Value(Array{true, false, Value(), 0, -7, INT64_MAX, INT64_MIN})),
              "[true,false,null,0,-7,9223372036854775807,-9223372036854775808]");
    EXPECT_EQ(written(Value(Array{0.1, -2.5, 1.0, 1e21, 1e-7, 5e-324, 1.7976931348623157e308})),
              "[0.1,-2.5,1,1e+21,1e-07,5e-324,1.7976931348623157e+308]");
}

TEST(JsonWriterValues, NonFiniteNumbersAreRefused) {
    JsonWriter writer;
    const double infinity = std::numeric_limits<double>::infinity();
    for (double bad : {std::nan(""), infinity, -infinity}) {
        EXPECT_FALSE(writer.stringWithFragment(Value(bad)));
        EXPECT_EQ(traceText(writer), "JSON serialisation not supported for non-finite number");
        EXPECT_EQ(lastCode(writer), JsonErrorCode::UnsupportedValue);
    }
    EXPECT_FALSE(writer.stringWithObject(Value(Dictionary{{"score", std::nan("")}})));
    EXPECT_EQ(traceText(writer),
              "JSON serialisation not supported for non-finite number | Unsupported value for key score in object");
    EXPECT_FALSE(writer.stringWithObject(Value(Array{1, std::numeric_limits<double>::infinity()})));
    EXPECT_EQ(traceText(writer), "JSON serialisation not supported for non-finite number");
}

TEST(JsonWriterValues, OtherUnwritableValues) {
    JsonWriter writer;
    EXPECT_FALSE(writer.stringWithFragment(Value(Data{1, 2})));
    EXPECT_EQ(traceText(writer), "JSON serialisation not supported for data");
    // Text that is not UTF-8 would make a document no reader takes.
    EXPECT_FALSE(writer.stringWithFragment(Value("a\xFF")));
    EXPECT_EQ(traceText(writer), "JSON serialisation not supported for text that is not valid UTF-8");
    EXPECT_FALSE(writer.stringWithObject(Value(Dictionary{{"ok", 1}, {"bad\xC3", 2}})));
    EXPECT_EQ(traceText(writer), "JSON object key must be string");
    EXPECT_FALSE(writer.stringWithObject(Value(Dictionary{{"outer", Dictionary{{"inner", Data{}}}}})));
    EXPECT_EQ(traceText(writer), "JSON serialisation not supported for data | Unsupported value for key inner in object"
                                 " | Unsupported value for key outer in object");
}

TEST(JsonWriterValues, ObjectsOnlyUnlessFragment) {
    JsonWriter writer;
    for (const Value& scalar : {Value("s"), Value(1), Value(), Value(true)}) {
        EXPECT_FALSE(writer.stringWithObject(scalar));
        EXPECT_EQ(traceText(writer), "Not valid type for JSON");
        EXPECT_EQ(lastCode(writer), JsonErrorCode::NotContainer);
    }
    EXPECT_EQ(writer.stringWithFragment(Value()), "null");
    EXPECT_TRUE(writer.errorTrace().empty());
    EXPECT_EQ(writer.stringWithObject(Value(Array{1})), "[1]");
}

TEST(JsonWriterNesting, LimitAndCeiling) {
    auto nested = [](int levels) {
        Value v = Array{};
        for (int i = 1; i < levels; ++i) {
            Array wrapper;
            wrapper.push_back(std::move(v));
            v = Value(std::move(wrapper));
        }
        return v;
    };
    JsonWriter writer;
    EXPECT_EQ(writer.maxDepth(), 512u);
    EXPECT_EQ(writer.stringWithObject(nested(512)), std::string(512, '[') + std::string(512, ']'));
    EXPECT_FALSE(writer.stringWithObject(nested(513)));
    EXPECT_EQ(traceText(writer), "Nested too deep");
    EXPECT_EQ(lastCode(writer), JsonErrorCode::TooDeep);

    Value deepDictionary = Dictionary{};
    for (int i = 0; i < 3; ++i) deepDictionary = Value(Dictionary{{"k", std::move(deepDictionary)}});
    writer.setMaxDepth(3);
    EXPECT_FALSE(writer.stringWithObject(deepDictionary));
    EXPECT_EQ(traceText(writer), "Nested too deep | Unsupported value for key k in object"
                                 " | Unsupported value for key k in object | Unsupported value for key k in object");

    // Without a limit of its own the writer still counts levels: the indent stays right.
    writer.setMaxDepth(0);
    writer.setHumanReadable(true);
    EXPECT_EQ(writer.stringWithObject(Value(Array{Value(Array{1})})), "[\n  [\n    1\n  ]\n]");
    EXPECT_FALSE(writer.stringWithObject(nested(JsonBase::kDepthCeiling + 1)));
    EXPECT_EQ(lastError(writer), "Nested too deep");
}
