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
using zuno::testing::traceText;

namespace {

std::string written(const Value& value, bool sortKeys = false, bool humanReadable = false) {
    JsonWriter writer;
    writer.setSortKeys(sortKeys);
    writer.setHumanReadable(humanReadable);
    auto text = writer.stringWithFragment(value);
    EXPECT_TRUE(text) << traceText(writer);
    return text.value_or("(failed)");
}

}  // namespace

TEST(JsonWriter, CompactSortedAndReadableLayouts) {
    const Value sample = Dictionary{
        {"name", "Lan"},
        {"list", Array{1, Array{}, Dictionary{}, Dictionary{{"z", true}, {"y", Value()}}}},
        {"age", 3},
    };
    EXPECT_EQ(written(sample), R"({"name":"Lan","list":[1,[],{},{"z":true,"y":null}],"age":3})");
    EXPECT_EQ(written(sample, true), R"({"age":3,"list":[1,[],{},{"y":null,"z":true}],"name":"Lan"})");
    // Byte order: upper case before lower case, and a prefix before its longer keys.
    EXPECT_EQ(written(Value(Dictionary{{"ab", 1}, {"a", 2}, {"B", 3}, {"é", 4}}), true),
              "{\"B\":3,\"a\":2,\"ab\":1,\"é\":4}");

    EXPECT_EQ(written(Value(Dictionary{}), false, true), "{}");
    EXPECT_EQ(written(Value(Array{}), false, true), "[]");
    EXPECT_EQ(written(Value(Dictionary{{"a", 1}}), false, true), "{\n  \"a\" : 1\n}");
    EXPECT_EQ(written(Value("x"), false, true), "\"x\"");  // no indent at the top level
    EXPECT_EQ(written(sample, true, true),
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
}

TEST(JsonWriter, ScalarsAndEscapes) {
    EXPECT_EQ(written(Value("\t\x01")), R"("\t\u0001")");
    EXPECT_EQ(written(Value("plain / text ♠ \xF0\x9F\x82\xA1")), "\"plain / text ♠ \xF0\x9F\x82\xA1\"");
    EXPECT_EQ(written(Value("\"\\\b\f\n\r\x1f\x7f")), R"("\"\\\b\f\n\r\u001f)" "\x7f\"");
    EXPECT_EQ(written(Value(std::string("a\0b", 3))), R"("a\u0000b")");
    EXPECT_EQ(written(Value(Dictionary{{"k\"\n", "v"}})), R"({"k\"\n":"v"})");
    EXPECT_EQ(written(Value(Array{true, false, Value(), 0, -7, INT64_MAX, INT64_MIN})),
              "[true,false,null,0,-7,9223372036854775807,-9223372036854775808]");
    EXPECT_EQ(written(Value(Array{0.1, -2.5, 1.0, 1e21, 1e-7, 5e-324, 1.7976931348623157e308})),
              "[0.1,-2.5,1,1e+21,1e-07,5e-324,1.7976931348623157e+308]");
}

TEST(JsonWriter, ValuesThatCannotBeWritten) {
    const double infinity = std::numeric_limits<double>::infinity();
    const std::string nonFinite = "JSON serialisation not supported for non-finite number";
    const struct {
        Value value;
        bool fragment;
        std::string trace;
    } cases[] = {
        {Value(std::nan("")), true, nonFinite},
        {Value(infinity), true, nonFinite},
        {Value(-infinity), true, nonFinite},
        {Value(Dictionary{{"score", std::nan("")}}), false, nonFinite + " | Unsupported value for key score in object"},
        {Value(Array{1, infinity}), false, nonFinite},
        {Value(Data{1, 2}), true, "JSON serialisation not supported for data"},
        // Text that is not UTF-8 would make a document that no reader takes.
        {Value("a\xFF"), true, "JSON serialisation not supported for text that is not valid UTF-8"},
        {Value(Dictionary{{"ok", 1}, {"bad\xC3", 2}}), false, "JSON object key must be string"},
        {Value(Dictionary{{"outer", Dictionary{{"inner", Data{}}}}}), false,
         "JSON serialisation not supported for data | Unsupported value for key inner in object"
         " | Unsupported value for key outer in object"},
        {Value("s"), false, "Not valid type for JSON"},
        {Value(1), false, "Not valid type for JSON"},
        {Value(), false, "Not valid type for JSON"},
    };
    JsonWriter writer;
    for (const auto& c : cases) {
        EXPECT_FALSE(c.fragment ? writer.stringWithFragment(c.value) : writer.stringWithObject(c.value)) << c.trace;
        EXPECT_EQ(traceText(writer), c.trace);
        bool notContainer = c.trace == "Not valid type for JSON";
        EXPECT_EQ(writer.errorTrace().back()->code,
                  notContainer ? JsonErrorCode::NotContainer : JsonErrorCode::UnsupportedValue);
    }
    EXPECT_EQ(writer.stringWithFragment(Value()), "null");
    EXPECT_TRUE(writer.errorTrace().empty());
}

TEST(JsonWriter, NestingLimits) {
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
    EXPECT_EQ(writer.errorTrace().back()->code, JsonErrorCode::TooDeep);

    writer.setMaxDepth(2);
    EXPECT_FALSE(writer.stringWithObject(Value(Dictionary{{"k", Dictionary{{"k", Dictionary{}}}}})));
    EXPECT_EQ(traceText(writer), "Nested too deep | Unsupported value for key k in object"
                                 " | Unsupported value for key k in object");

    // Without a limit of its own the writer still counts levels: the indent stays right.
    writer.setMaxDepth(0);
    writer.setHumanReadable(true);
    EXPECT_EQ(writer.stringWithObject(Value(Array{Value(Array{1})})), "[\n  [\n    1\n  ]\n]");
    EXPECT_FALSE(writer.stringWithObject(nested(JsonBase::kDepthCeiling + 1)));
    EXPECT_EQ(writer.errorTrace().front()->description, "Nested too deep");
}
