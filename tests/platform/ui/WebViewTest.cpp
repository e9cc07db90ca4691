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
    bool shouldStartLoadWithRequest(WebView&, const std::string& url, NavigationType type) override {
        log.push_back("should " + url + (type == NavigationType::LinkClicked ? " (link)" : ""));
        return url.find(refuse) == std::string::npos || refuse.empty();
    }
    void webViewDidStartLoad(WebView&) override { log.push_back("start"); }
    void webViewDidFinishLoad(WebView&) override { log.push_back("finish"); }
    void didFailLoadWithError(WebView&, const WebError& e) override { log.push_back("fail " + std::to_string(e.code)); }
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
    EXPECT_EQ(watcher->log.back(), "fail -999");  // a refused redirect cancels the load
    EXPECT_FALSE(web->isLoading());
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

TEST_F(WebViewTest, RelativeAddresses) {
    EXPECT_EQ(WebView::resolveUrl("http://h.test/a/b.html?x=1", "c.html"), "http://h.test/a/c.html");
    EXPECT_EQ(WebView::resolveUrl("http://h.test/a/b.html", "/root"), "http://h.test/root");
    EXPECT_EQ(WebView::resolveUrl("https://h.test/a/", "//cdn.test/x"), "https://cdn.test/x");
    EXPECT_EQ(WebView::resolveUrl("http://h.test/a", "http://other.test/"), "http://other.test/");
    EXPECT_EQ(WebView::resolveUrl("http://h.test", "x"), "http://h.test/x");
}

}  // namespace
}  // namespace zuno::ui::test
