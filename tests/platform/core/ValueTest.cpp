#include <gtest/gtest.h>

#include "platform/core/Value.h"

using namespace zuno::sys;

TEST(Value, KindsAndConversions) {
    EXPECT_TRUE(Value().isNull());
    EXPECT_EQ(Value(true).asInteger(), 1);
    EXPECT_EQ(Value(42).asText(), "42");
    EXPECT_EQ(Value("17").asInteger(), 17);
    EXPECT_EQ(Value(" -5x").asInteger(), -5);
    EXPECT_EQ(Value("abc").asInteger(), 0);
    EXPECT_EQ(Value("YES").asBool(), true);
    EXPECT_DOUBLE_EQ(Value("2.5").asReal(), 2.5);
    EXPECT_EQ(Value(2.9).asInteger(), 2);
    EXPECT_EQ(Value(1e300).asInteger(), INT64_MAX);
    EXPECT_EQ(Value(Array{}).asInteger(7), 7);
    EXPECT_EQ(Value(Data{1, 2}).data()->size(), 2u);
}

TEST(Value, MissingLookupsGiveNull) {
    Value v(Dictionary{{"a", 1}, {"b", Array{Value("x")}}});
    EXPECT_EQ(v["a"].asInteger(), 1);
    EXPECT_TRUE(v["zz"].isNull());
    EXPECT_EQ(v["b"][0].asText(), "x");
    EXPECT_TRUE(v["b"][5].isNull());
    EXPECT_TRUE(v["a"]["nested"].isNull());
    EXPECT_EQ(v.size(), 2u);
}

TEST(Dictionary, KeepsInsertionOrderAndReplacesInPlace) {
    Dictionary d;
    d.set("z", 1);
    d.set("a", 2);
    d.set("z", 3);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d.entries()[0].first, "z");
    EXPECT_EQ(d.entries()[0].second.asInteger(), 3);
    EXPECT_TRUE(d.erase("z"));
    EXPECT_FALSE(d.erase("z"));
    EXPECT_EQ(d.entries()[0].first, "a");
}

TEST(Dictionary, LargeDictionaryLookupsStayCorrectThroughEdits) {
    auto key = [](int i) {
        std::string k = "k";
        return k += std::to_string(i);
    };
    Dictionary d;
    for (int i = 0; i < 200; ++i) d.set(key(i), i);
    for (int i = 0; i < 200; i += 2) d.erase(key(i));
    d.set("k1", -1);
    d["new"] = Value("n");
    EXPECT_EQ(d.size(), 101u);
    EXPECT_EQ(d.find("k1")->asInteger(), -1);
    EXPECT_EQ(d.find("k199")->asInteger(), 199);
    EXPECT_EQ(d.find("k0"), nullptr);
    EXPECT_EQ(d.find("new")->asText(), "n");
    Dictionary copy = d;
    EXPECT_TRUE(copy == d);
    copy.set("k3", 0);
    EXPECT_FALSE(copy == d);
}
