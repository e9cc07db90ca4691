#include <gtest/gtest.h>

#include "platform/core/Clock.h"
#include "platform/net/CookieStore.h"

using namespace zuno::sys;

TEST(CookieStoreTest, DomainAndPathRules) {
    CookieStore store;
    store.setCookiesFromHeaders("https://www.example.com/account/login",
                                {"host=1", "wide=2; Domain=.example.com; Path=/", "deep=3; Path=/account/settings",
                                 "safe=4; Secure", "evil=5; Domain=other.com", "tld=6; Domain=com"});
    auto names = [&](const std::string& url) {
        std::string out;
        for (const auto& c : store.cookiesForUrl(url)) out += c.name + " ";
        return out;
    };
    // The default path is the folder of the request: /account.
    EXPECT_EQ(names("https://www.example.com/account/settings/x"), "deep host safe wide ");
    EXPECT_EQ(names("http://www.example.com/account"), "host wide ");
    EXPECT_EQ(names("http://www.example.com/accounts"), "wide ");  // not below /account
    EXPECT_EQ(names("http://api.example.com/account"), "wide ");
    EXPECT_EQ(names("http://example.com/"), "wide ");
    EXPECT_EQ(names("http://badexample.com/"), "");
    EXPECT_EQ(store.cookies().size(), 4u);  // the other site's and the bare "com" cookies were refused

    // Deleting a host takes its own cookies and those of the domains above it.
    EXPECT_EQ(store.deleteCookiesForHost("API.example.com"), 1u);
    EXPECT_EQ(names("https://www.example.com/account/settings"), "deep host safe ");
}

TEST(CookieStoreTest, ExpiryAndReplacement) {
    CookieStore store;
    double now = currentTimeSeconds();
    store.setCookiesFromHeaders("http://h.vn/", {"a=1", "b=2; Max-Age=3600", "c=3; Expires=Thu, 01 Jan 1970 00:00:00 GMT"});
    ASSERT_EQ(store.cookies().size(), 2u);
    auto b = store.cookiesForUrl("http://h.vn/")[1];
    EXPECT_EQ(b.name, "b");
    ASSERT_TRUE(b.expires);
    EXPECT_NEAR(*b.expires, now + 3600, 5);
    store.setCookiesFromHeaders("http://h.vn/", {"a=changed"});
    EXPECT_EQ(store.cookieHeaderForUrl("http://h.vn/"), "a=changed; b=2");
    store.setCookiesFromHeaders("http://h.vn/", {"a=x; Max-Age=0"});  // deletes
    EXPECT_EQ(store.cookieHeaderForUrl("http://h.vn/"), "b=2");
    store.setCookiesFromHeaders("http://h.vn/", {"noequals", "=novalue", ""});
    EXPECT_EQ(store.cookies().size(), 1u);
}

TEST(CookieStoreTest, HttpDates) {
    EXPECT_EQ(CookieStore::parseHttpDate("Sun, 06 Nov 1994 08:49:37 GMT"), 784111777.0);
    EXPECT_EQ(CookieStore::parseHttpDate("Sunday, 06-Nov-94 08:49:37 GMT"), 784111777.0);
    EXPECT_EQ(CookieStore::parseHttpDate("Sun Nov  6 08:49:37 1994"), 784111777.0);
    EXPECT_EQ(CookieStore::parseHttpDate("tomorrow"), std::nullopt);
    EXPECT_EQ(CookieStore::parseHttpDate("Sun, 36 Nov 1994 08:49:37 GMT"), std::nullopt);
}
