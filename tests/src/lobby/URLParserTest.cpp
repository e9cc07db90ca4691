#include <gtest/gtest.h>

#include "lobby/URLParser.h"

using zuno::URLParser;

TEST(URLParser, ReadsTheQueryVariablesInOrder) {
    URLParser p("http://pay.example/x?id=5&messenge=hi");
    EXPECT_EQ(p.variables(), (std::vector<std::string>{"id=5", "messenge=hi"}));
    EXPECT_EQ(p.valueForVariable("id"), "5");
    EXPECT_EQ(p.valueForVariable("messenge"), "hi");
    // A prefix of a name is not that name.
    EXPECT_EQ(p.valueForVariable("mess"), std::nullopt);
    EXPECT_EQ(p.valueForVariable("i"), std::nullopt);
}

TEST(URLParser, SkipsSeparatorsAndIgnoresEmptyValues) {
    EXPECT_TRUE(URLParser("id=5&a=b").variables().empty());
    URLParser p("?&&id=&id=7&&?x=1?y&z=");
    EXPECT_EQ(p.variables(), (std::vector<std::string>{"id=", "id=7", "x=1?y", "z="}));
    // "id=" has no value, so the next "id" answers.
    EXPECT_EQ(p.valueForVariable("id"), "7");
    EXPECT_EQ(p.valueForVariable("x"), "1?y");
    EXPECT_EQ(p.valueForVariable("z"), std::nullopt);
    EXPECT_EQ(p.valueForVariable(""), std::nullopt);
    EXPECT_TRUE(URLParser("http://h/p?").variables().empty());
}
