#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/ui/WebView.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

WebFetchResult page(int status, std::string body, std::optional<std::string> location = std::nullopt,
                    std::optional<std::string> error = std::nullopt) {
    WebFetchResult r;
    r.status = status;
    r.body = std::move(body);
    r.location = std::move(location);
    r.error = std::move(error);
    return r;
}

class Watcher : public WebViewDelegate {
public:
    std::vector<std::string> log;
    std::string refuse;
    std::string lastErrorDomain;
    bool shouldStartLoadWithRequest(WebView&, const std::string& url, NavigationType type) override {
        log.push_back("should " + url + (type == NavigationType::LinkClicked ? " (link)" : ""));
        return url.find(refuse) == std::string::npos || refuse.empty();
    }
    void webViewDidStartLoad(WebView&) override { log.push_back("start"); }
    void webViewDidFinishLoad(WebView&) override { log.push_back("finish"); }
    void didFailLoadWithError(WebView&, const WebError& e) override {
        log.push_back("fail " + std::to_string(e.code));
        lastErrorDomain = e.domain;
    }
};

class WebViewTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        pages.clear();
        WebView::setFetch([this](const std::string& url, std::function<void(const WebFetchResult&)> done) {
            fetched.push_back(url);
            auto it = pages.find(url);
            WebFetchResult r = it == pages.end() ? page(404, "<p>not found</p>") : it->second;
            sys::RunLoop::main().post([done, r] { done(r); });
        });
        web = std::make_shared<WebView>(Rect(0, 0, 480, 300));
        watcher = std::make_shared<Watcher>();
        web->setDelegate(watcher);
        window->addSubview(web);
    }
    void TearDown() override {
        WebView::setFetch(nullptr);
        UiTest::TearDown();
    }
    std::map<std::string, WebFetchResult> pages;
    std::vector<std::string> fetched;
    std::shared_ptr<WebView> web;
    std::shared_ptr<Watcher> watcher;
};

TEST_F(WebViewTest, HtmlTextShowsItsWordsAndLinks) {
    web->loadHTMLString("<html><head><title>Guide</title><script>x=1</script></head><body><h1>Rules</h1>"
                        "<p>Play &amp; win <a href='/more'>more</a></p></body></html>",
                        std::string("http://example.test/guide/"));
    EXPECT_EQ(watcher->log, (std::vector<std::string>{"should http://example.test/guide/", "start"}));
    run(0);
    EXPECT_EQ(watcher->log.back(), "finish");
    EXPECT_EQ(web->document().title, "Guide");
    ASSERT_EQ(web->document().words.size(), 5u);
    EXPECT_EQ(web->document().words[2].text, "&");
    EXPECT_EQ(web->links(), (std::vector<std::string>{"/more"}));
}

TEST_F(WebViewTest, RedirectsBecomeShouldStartQuestions) {
    pages["http://a.test/start"] = page(302, "", std::string("/next"));
    pages["http://a.test/next"] = page(302, "", std::string("myapp://done?access_token=abc"));
    web->loadRequest("http://a.test/start");
    run(0);
    run(0);
    ASSERT_GE(watcher->log.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(watcher->log.begin(), watcher->log.begin() + 4),
              (std::vector<std::string>{"should http://a.test/start", "start", "should http://a.test/next",
                                        "should myapp://done?access_token=abc"}));
    // The delegate allowed the private scheme, so it is fetched as well (and is not there).
    watcher->log.clear();
    watcher->refuse = "myapp://";
    web->loadRequest("http://a.test/start");
    for (int i = 0; i < 4; ++i) run(0);
    // A refused redirect interrupts the load: the page went where the delegate took it.
    EXPECT_EQ(watcher->log.back(), "fail 102");
    EXPECT_EQ(watcher->lastErrorDomain, kWebErrorDomain);
    EXPECT_FALSE(web->isLoading());

    // A load that a newer one replaces is cancelled.
    web->loadRequest("http://a.test/start");
    web->loadRequest("http://a.test/next");
    EXPECT_EQ(watcher->log[watcher->log.size() - 2], "fail -999");
    EXPECT_EQ(watcher->lastErrorDomain, kUrlErrorDomain);
}

TEST_F(WebViewTest, ATappedLinkAsksAsALinkAndFailuresAreReported) {
    pages["http://b.test/"] = page(200, "<a href=\"page2.html\">next page</a>");
    pages["http://b.test/page2.html"] = page(200, "<p>two</p>");
    web->loadRequest("http://b.test/");
    run(0);
    ASSERT_EQ(web->links().size(), 1u);
    window->tap({12, 14});  // on the first word of the link
    run(0);
    EXPECT_EQ(watcher->log[watcher->log.size() - 3], "should http://b.test/page2.html (link)");
    EXPECT_EQ(web->currentUrl(), "http://b.test/page2.html");
    EXPECT_EQ(watcher->log.back(), "finish");

    pages["http://c.test/"] = page(0, "", std::nullopt, std::string("no route to host"));
    web->loadRequest("http://c.test/");
    run(0);
    EXPECT_EQ(watcher->log.back(), "fail -1001");
}

TEST_F(WebViewTest, AFormButtonSubmitsItsFieldsAndTheButton) {
    pages["http://f.test/ask"] = page(200,
                                      "<p>Allow?</p><form action=\"/answer?step=2\"><input type=\"hidden\" name=\"next\" "
                                      "value=\"a&amp;b\"><button name=\"answer\" value=\"Allow\">Allow it</button>"
                                      "<input type=\"submit\" value=\"Cancel\"></form><button>Outside</button>");
    web->loadRequest("http://f.test/ask");
    run(0);
    const auto& words = web->document().words;
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[1].link, "/answer?step=2&next=a%26b&answer=Allow");
    EXPECT_TRUE(words[1].submits && words[2].submits);
    EXPECT_EQ(words[3].text, "Cancel");
    EXPECT_EQ(words[3].link, "/answer?step=2&next=a%26b");
    EXPECT_FALSE(words[4].link);  // a button outside a form is text

    watcher->log.clear();
    EXPECT_TRUE(web->tapLinkWithText("Allow"));
    EXPECT_EQ(watcher->log.front(), "should http://f.test/answer?step=2&next=a%26b&answer=Allow");
    EXPECT_FALSE(web->tapLinkWithText("Outside"));
}

TEST_F(WebViewTest, RelativeAddresses) {
    EXPECT_EQ(WebView::resolveUrl("http://h.test/a/b.html?x=1", "c.html"), "http://h.test/a/c.html");
    EXPECT_EQ(WebView::resolveUrl("http://h.test/a/b.html", "/root"), "http://h.test/root");
    EXPECT_EQ(WebView::resolveUrl("https://h.test/a/", "//cdn.test/x"), "https://cdn.test/x");
    EXPECT_EQ(WebView::resolveUrl("http://h.test/a", "http://other.test/"), "http://other.test/");
    EXPECT_EQ(WebView::resolveUrl("http://h.test", "x"), "http://h.test/x");
}

}  // namespace
}  // namespace zuno::ui::test
