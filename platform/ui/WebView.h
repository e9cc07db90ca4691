#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/HtmlText.h"
#include "platform/ui/ScrollView.h"

namespace zuno::ui {

class WebView;

struct WebError {
    std::string domain;
    int code = 0;
    std::string message;
};

// The error the toolkit reports for a load that a newer one replaced.
constexpr int kUrlErrorCancelled = -999;
constexpr const char* kUrlErrorDomain = "NSURLErrorDomain";
// The web view's own errors: a redirect step the delegate refused interrupts the load (the page went
// where the delegate took it; nothing failed).
constexpr const char* kWebErrorDomain = "ZunoWebErrorDomain";
constexpr int kWebErrorLoadInterrupted = 102;

enum class NavigationType { LinkClicked = 0, FormSubmitted = 1, BackForward = 2, Reload = 3, FormResubmitted = 4, Other = 5 };

class WebViewDelegate {
public:
    virtual ~WebViewDelegate() = default;
    virtual bool shouldStartLoadWithRequest(WebView& view, const std::string& url, NavigationType type) { return true; }
    virtual void webViewDidStartLoad(WebView& view) {}
    virtual void webViewDidFinishLoad(WebView& view) {}
    virtual void didFailLoadWithError(WebView& view, const WebError& error) {}
};

// What a fetch of one address gave: a body, a redirect, or a failure.
struct WebFetchResult {
    int status = 0;
    std::string body;
    std::optional<std::string> location;  // for 3xx answers
    std::optional<std::string> error;     // a transport failure
};

// Shows a page: HTML text, or an address fetched through the settable fetch function (the HTTP
// service is wired in there; it must not follow redirects itself, so that each redirect becomes a
// should-start question to the delegate). Pages are shown as wrapped text with tappable links; no
// script runs.
class WebView : public View {
public:
    using Fetch = std::function<void(const std::string& url, std::function<void(const WebFetchResult&)> done)>;
    static void setFetch(Fetch fetch);

    WebView();
    explicit WebView(const Rect& frame);
    ~WebView() override;

    void setDelegate(std::weak_ptr<WebViewDelegate> d) { delegate_ = std::move(d); }
    std::shared_ptr<WebViewDelegate> delegate() const { return delegate_.lock(); }

    void loadRequest(const std::string& url);
    void loadHTMLString(const std::string& html, const std::optional<std::string>& baseUrl);
    void reload();
    void stopLoading();
    bool canGoBack() const { return history_.size() > 1; }
    void goBack();
    bool isLoading() const { return loading_; }
    const std::string& currentUrl() const { return url_; }
    const HtmlDocument& document() const { return document_; }
    // There is no script engine: every script answers the empty text, and is kept in order.
    std::string stringByEvaluatingJavaScriptFromString(const std::string& script) {
        evaluatedScripts_.push_back(script);
        return {};
    }
    const std::vector<std::string>& evaluatedScripts() const { return evaluatedScripts_; }
    bool scalesPageToFit() const { return scalesPageToFit_; }
    void setScalesPageToFit(bool on) { scalesPageToFit_ = on; }
    const std::shared_ptr<ScrollView>& scrollView() const { return scroll_; }

    // A link of the shown page (as a tap on it would).
    void followLink(const std::string& href);
    // A form's submit button of the shown page, by its link (as a tap on it would).
    void submitForm(const std::string& action);
    // Taps the first link or button with a word that begins with the text; answers whether there was one.
    bool tapLinkWithText(const std::string& text);
    std::vector<std::string> links() const;

    void setFrame(const Rect& frame) override;

    static std::string resolveUrl(const std::string& base, const std::string& ref);

private:
    void startLoad(const std::string& url, NavigationType type, bool ask, int redirects);
    void fail(const WebError& error);
    void show(const std::string& html, const std::string& url);

    std::weak_ptr<WebViewDelegate> delegate_;
    std::shared_ptr<ScrollView> scroll_;
    std::shared_ptr<View> page_;
    HtmlDocument document_;
    std::string url_;
    std::vector<std::string> history_;
    std::vector<std::string> evaluatedScripts_;
    bool loading_ = false;
    bool scalesPageToFit_ = false;
    uint64_t generation_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zuno::ui
