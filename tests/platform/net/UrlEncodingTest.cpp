#include <gtest/gtest.h>

#include "platform/net/UrlEncoding.h"

using namespace zuno::sys;

TEST(UrlEncodingTest, PercentEncodingBothWays) {
    EXPECT_EQ(percentEncode("aZ09-._~"), "aZ09-._~");
    EXPECT_EQ(percentEncode("x y&z=1/?#%+"), "x%20y%26z%3D1%2F%3F%23%25%2B");
    EXPECT_EQ(percentEncode("chào"), "ch%C3%A0o");
    EXPECT_EQ(percentDecode("x%20y%2b%zz%4"), "x y+%zz%4");
    EXPECT_EQ(percentDecode("a+b", true), "a b");
    EXPECT_EQ(percentDecode("a+b"), "a+b");
}

TEST(UrlEncodingTest, AConfiguredAddressFilledWithOutsideValues) {
    // A player name is the player's own text: it can neither add parameters nor act as a format.
    std::string url = formatUrl("http://pay.example/options?user=%@&provider=%d&lang=%@", "an&admin=1 %n%@", 121, "vi");
    EXPECT_EQ(url, "http://pay.example/options?user=an%26admin%3D1%20%25n%25%40&provider=121&lang=vi");
    EXPECT_EQ(parseQuery(url.substr(url.find('?'))),
              (QueryPairs{{"user", "an&admin=1 %n%@"}, {"provider", "121"}, {"lang", "vi"}}));
    // Fewer arguments than the address asks for leave the places empty.
    EXPECT_EQ(formatUrl("http://h/?a=%@&b=%@", "1"), "http://h/?a=1&b=");
}

TEST(UrlEncodingTest, QueriesAndUrls) {
    EXPECT_EQ(parseQuery("?id=5&messenge=hi%20there&flag&=x&"),
              (QueryPairs{{"id", "5"}, {"messenge", "hi there"}, {"flag", ""}, {"", "x"}}));
    EXPECT_EQ(formUrlEncode({{"a b", "c&d"}}), "a%20b=c%26d");

    auto u = parseUrl("HTTP://user@Example.COM:8080/a/b?q=1#frag");
    ASSERT_TRUE(u);
    EXPECT_EQ(u->scheme, "http");
    EXPECT_EQ(u->host, "example.com");
    EXPECT_EQ(u->port, 8080);
    EXPECT_EQ(u->path, "/a/b");
    EXPECT_EQ(u->query, "q=1");
    EXPECT_EQ(parseUrl("https://h")->path, "/");
    EXPECT_EQ(parseUrl("http://[::1]:80/")->host, "[::1]");
    EXPECT_FALSE(parseUrl("telprompt:19001234"));
    EXPECT_FALSE(parseUrl("http://h:99999/"));
    EXPECT_FALSE(parseUrl("http:///path"));
}
