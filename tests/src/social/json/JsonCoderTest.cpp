#include <gtest/gtest.h>

#include <cmath>

#include "JsonTestSupport.h"
#include "platform/core/Log.h"
#include "social/json/JsonCoder.h"
#include "social/json/JsonConversions.h"

using namespace zuno;
using zuno::sys::Array;
using zuno::sys::Data;
using zuno::sys::Dictionary;
using zuno::sys::Log;
using zuno::sys::Value;
using zuno::testing::traceText;

TEST(JsonCoder, PassesCallsOnAndKeepsACopyOfTheFailingTrace) {
    JsonCoder coder;
    std::shared_ptr<const JsonError> error;
    EXPECT_EQ(coder.objectWithString("[1]"), Value(Array{1}));
    EXPECT_FALSE(coder.objectWithString("[1,]", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, JsonErrorCode::TrailingComma);
    EXPECT_EQ(traceText(coder), "Trailing comma disallowed in array");
    EXPECT_FALSE(coder.objectWithString("7", &error));
    EXPECT_EQ(error->description, "Valid fragment, but not JSON");
    EXPECT_EQ(coder.objectWithString("7", true, &error), Value(7));
    EXPECT_EQ(coder.fragmentWithString("\"s\"", &error), Value("s"));
    EXPECT_FALSE(coder.fragmentWithString(std::nullopt, &error));
    EXPECT_EQ(error->code, JsonErrorCode::NoInput);
    EXPECT_FALSE(coder.objectWithString("{", nullptr));
    EXPECT_EQ(traceText(coder), "End of input while parsing object");

    coder.setSortKeys(true);
    coder.setHumanReadable(true);
    EXPECT_TRUE(coder.sortKeys() && coder.humanReadable());
    EXPECT_EQ(coder.stringWithObject(Value(Dictionary{{"b", 1}, {"a", 2}})), "{\n  \"a\" : 2,\n  \"b\" : 1\n}");
    EXPECT_FALSE(coder.stringWithObject(Value("x"), &error));
    EXPECT_EQ(error->description, "Not valid type for JSON");
    EXPECT_EQ(coder.stringWithObject(Value("x"), true, &error), "\"x\"");
    EXPECT_EQ(coder.stringWithFragment(Value(2), &error), "2");
    EXPECT_FALSE(coder.stringWithFragment(Value(Data{}), &error));
    EXPECT_EQ(error->description, "JSON serialisation not supported for data");
    EXPECT_EQ(traceText(coder), "JSON serialisation not supported for data");
}

TEST(JsonCoder, DepthLimitReachesBothSides) {
    JsonCoder coder;
    EXPECT_EQ(coder.maxDepth(), 512u);
    coder.setMaxDepth(1);
    EXPECT_EQ(coder.maxDepth(), 1u);
    EXPECT_TRUE(coder.objectWithString("[]"));
    EXPECT_FALSE(coder.objectWithString("[[]]"));
    EXPECT_TRUE(coder.stringWithObject(Value(Array{})));
    EXPECT_FALSE(coder.stringWithObject(Value(Array{Value(Array{})})));
    EXPECT_EQ(traceText(coder), "Nested too deep");
}

TEST(JsonConversions, ConvertOrLogTheTrace) {
    EXPECT_EQ(JSONValue(R"({"a":[true]})"), Value(Dictionary{{"a", Array{true}}}));
    EXPECT_EQ(JSONFragmentValue("null"), Value());
    EXPECT_EQ(JSONRepresentation(Value(Array{"x", 1})), R"(["x",1])");
    EXPECT_EQ(JSONFragment(Value(1.5)), "1.5");
    EXPECT_TRUE(Log::captured().empty());

    EXPECT_FALSE(JSONValue("1"));
    EXPECT_TRUE(Log::contains("-JSONValue failed. Error trace is: ("));
    EXPECT_TRUE(Log::contains("Code=4 \"Valid fragment, but not JSON\""));
    EXPECT_FALSE(JSONFragmentValue("[1,]"));
    EXPECT_TRUE(Log::contains("-JSONFragmentValue failed. Error trace is: "));
    EXPECT_FALSE(JSONRepresentation(Value(1)));
    EXPECT_TRUE(Log::contains("-JSONRepresentation failed. Error trace is: "));
    EXPECT_FALSE(JSONFragment(Value(std::nan(""))));
    EXPECT_TRUE(Log::contains("-JSONFragment failed. Error trace is: "));
    EXPECT_EQ(Log::captured().size(), 4u);
}
