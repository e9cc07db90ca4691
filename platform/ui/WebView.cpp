#include "platform/ui/WebView.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/net/Http.h"
#include "platform/ui/Canvas.h"

namespace zuno::ui {

namespace {

constexpr int kMaxRedirects = 10;
constexpr double kMargin = 8;

// Fetches over HTTP without following redirects, so that each one becomes a question to the delegate.
void fetchOverHttp(const std::string& url, std::function<void(const WebFetchResult&)> done) {
    sys::HttpRequest request = sys::HttpRequest::get(url);
    request.followRedirects = false;
    sys::Http::start(std::move(request), [done = std::move(done)](const sys::HttpOutcome& outcome) {
        if (outcome.cancelled) return;
        WebFetchResult result;
        result.status = outcome.response.status;
        result.body = outcome.response.body;
        result.location = outcome.response.header("Location");
        if (outcome.response.status == 0) result.error = outcome.error.empty() ? "no answer" : outcome.error;
        done(result);
    });
}

// The fetch in force: HTTP unless a test or the program chose another.
WebView::Fetch& fetchFunction() {
    static WebView::Fetch* f = new WebView::Fetch(fetchOverHttp);
    return *f;
}

// Lays the words of a document out in lines and remembers where each link's words went.
class WebPageView : public View {
public:
    struct Placed {
        size_t word;
        Rect rect;
    };

    explicit WebPageView(WebView* owner) : owner_(owner) { setOpaque(false); }

    void setDocument(const HtmlDocument* doc, double width) {
        doc_ = doc;
        placed_.clear();
        double x = kMargin, y = kMargin, lineHeight = 0;
        double maxWidth = std::max(20.0, width - 2 * kMargin);
        for (size_t i = 0; i < doc->words.size(); ++i) {
            const auto& w = doc->words[i];
            Font f = fontFor(w);
            double lh = f.lineHeight();
            if (w.breakBefore || w.paragraphBefore) {
                y += std::max(lineHeight, lh) * (w.paragraphBefore ? 1.6 : 1.0);
                x = kMargin;
                lineHeight = 0;
            }
            double ww = f.widthOfText(w.text);
            double space = x > kMargin ? f.widthOfText(" ") : 0;
            if (x + space + ww > kMargin + maxWidth && x > kMargin) {
                y += std::max(lineHeight, lh);
                x = kMargin;
                space = 0;
                lineHeight = 0;
            }
            x += space;
            placed_.push_back({i, Rect(x, y, std::min(ww, maxWidth), lh)});
            x += ww;
            lineHeight = std::max(lineHeight, lh);
        }
        height_ = y + lineHeight + kMargin;
    }
    double contentHeight() const { return height_; }

    static Font fontFor(const HtmlWord& w) {
        double size = w.heading ? std::max(14.0, 26.0 - 3.0 * w.heading) : 14;
        return w.bold ? Font::boldSystemFontOfSize(size) : Font::systemFontOfSize(size);
    }

    void drawRect(Canvas& canvas, const Rect&) override {
        if (!doc_) return;
        for (const auto& p : placed_) {
            const auto& w = doc_->words[p.word];
            Font f = fontFor(w);
            canvas.setFillColor(w.link ? Color::rgb255(20, 60, 200) : Color::black());
            canvas.drawText(w.text, p.rect.origin, f);
            if (w.link) canvas.fillRect(Rect(p.rect.x(), p.rect.maxY() - 1, p.rect.width(), 1));
        }
    }

    void touchesEnded(const TouchSet& touches, const Event&) override {
        if (touches.empty() || !doc_) return;
        Point p = touches.front()->locationInView(this);
        for (const auto& placed : placed_) {
            const auto& w = doc_->words[placed.word];
            if (w.link && placed.rect.insetBy(-2, -4).contains(p)) {
                std::string href = *w.link;
                if (w.submits) {
                    owner_->submitForm(href);
                } else {
                    owner_->followLink(href);
                }
                return;
            }
        }
    }

private:
    WebView* owner_;
    const HtmlDocument* doc_ = nullptr;
    std::vector<Placed> placed_;
    double height_ = 0;
};

}  // namespace

void WebView::setFetch(Fetch fetch) { fetchFunction() = fetch ? std::move(fetch) : Fetch(fetchOverHttp); }

WebView::WebView() : WebView(Rect(0, 0, 320, 460)) {}

WebView::WebView(const Rect& frame) : View(frame) {
    setBackgroundColor(Color::white());
    scroll_ = std::make_shared<ScrollView>(bounds());
    scroll_->setAutoresizingMask(Autoresizing::FlexibleWidth | Autoresizing::FlexibleHeight);
    scroll_->setAlwaysBounceVertical(true);
    page_ = std::make_shared<WebPageView>(this);
    page_->setFrame(Rect(0, 0, frame.width(), frame.height()));
    scroll_->addSubview(page_);
    addSubview(scroll_);
}

WebView::~WebView() { *alive_ = false; }

void WebView::setFrame(const Rect& frame) {
    View::setFrame(frame);
    if (page_ && !document_.words.empty()) show("", url_);
}

std::string WebView::resolveUrl(const std::string& base, const std::string& ref) {
    if (ref.find("://") != std::string::npos || ref.rfind("about:", 0) == 0 || ref.rfind("mailto:", 0) == 0 ||
        ref.rfind("tel", 0) == 0) {
        return ref;
    }
    size_t scheme = base.find("://");
    if (scheme == std::string::npos) return ref;
    size_t hostEnd = base.find('/', scheme + 3);
    std::string origin = hostEnd == std::string::npos ? base : base.substr(0, hostEnd);
    if (ref.rfind("//", 0) == 0) return base.substr(0, scheme + 1) + ref;
    if (!ref.empty() && ref[0] == '/') return origin + ref;
    if (!ref.empty() && (ref[0] == '?' || ref[0] == '#')) {
        size_t cut = base.find(ref[0] == '?' ? '?' : '#');
        return (cut == std::string::npos ? base : base.substr(0, cut)) + ref;
    }
    std::string path = hostEnd == std::string::npos ? "/" : base.substr(hostEnd);
    size_t q = path.find_first_of("?#");
    if (q != std::string::npos) path = path.substr(0, q);
    path = path.substr(0, path.rfind('/') + 1);
    return origin + path + ref;
}

void WebView::loadRequest(const std::string& url) { startLoad(url, NavigationType::Other, true, 0); }

void WebView::followLink(const std::string& href) {
    startLoad(resolveUrl(url_, href), NavigationType::LinkClicked, true, 0);
}

void WebView::submitForm(const std::string& action) {
    startLoad(resolveUrl(url_, action), NavigationType::FormSubmitted, true, 0);
}

bool WebView::tapLinkWithText(const std::string& text) {
    for (const auto& w : document_.words) {
        if (!w.link || w.text.rfind(text, 0) != 0) continue;
        std::string href = *w.link;
        if (w.submits) {
            submitForm(href);
        } else {
            followLink(href);
        }
        return true;
    }
    return false;
}

std::vector<std::string> WebView::links() const {
    std::vector<std::string> out;
    for (const auto& w : document_.words) {
        if (w.link && (out.empty() || out.back() != *w.link)) out.push_back(*w.link);
    }
    return out;
}

void WebView::stopLoading() {
    if (!loading_) return;
    ++generation_;
    loading_ = false;
}

void WebView::reload() {
    if (!url_.empty()) startLoad(url_, NavigationType::Reload, true, 0);
}

void WebView::goBack() {
    if (history_.size() < 2) return;
    history_.pop_back();
    std::string previous = history_.back();
    history_.pop_back();
    startLoad(previous, NavigationType::BackForward, true, 0);
}

void WebView::fail(const WebError& error) {
    loading_ = false;
    if (auto d = delegate_.lock()) d->didFailLoadWithError(*this, error);
}

void WebView::startLoad(const std::string& url, NavigationType type, bool ask, int redirects) {
    if (ask) {
        if (auto d = delegate_.lock(); d && !d->shouldStartLoadWithRequest(*this, url, type)) return;
    }
    if (loading_ && redirects == 0) {
        // The load under way gives way to the new one, and says so.
        ++generation_;
        fail({kUrlErrorDomain, kUrlErrorCancelled, "cancelled"});
    }
    uint64_t gen = ++generation_;
    if (redirects == 0) {
        loading_ = true;
        if (auto d = delegate_.lock()) d->webViewDidStartLoad(*this);
    }
    auto& fetch = fetchFunction();
    if (!fetch) {
        fail({kUrlErrorDomain, -1004, "no connection to load " + url});
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    fetch(url, [this, alive, gen, url, redirects](const WebFetchResult& result) {
        auto guard = alive.lock();
        if (!guard || !*guard || gen != generation_) return;
        if (result.error) {
            fail({kUrlErrorDomain, -1001, *result.error});
            return;
        }
        if (result.status >= 300 && result.status < 400 && result.location) {
            std::string next = resolveUrl(url, *result.location);
            if (redirects >= kMaxRedirects) {
                fail({kUrlErrorDomain, -1007, "too many redirects"});
                return;
            }
            auto d = delegate_.lock();
            if (d && !d->shouldStartLoadWithRequest(*this, next, NavigationType::Other)) {
                fail({kWebErrorDomain, kWebErrorLoadInterrupted, "load interrupted"});
                return;
            }
            startLoad(next, NavigationType::Other, false, redirects + 1);
            return;
        }
        // An error status still shows its page, as browsers do.
        show(result.body, url);
        loading_ = false;
        if (auto d = delegate_.lock()) d->webViewDidFinishLoad(*this);
    });
}

void WebView::loadHTMLString(const std::string& html, const std::optional<std::string>& baseUrl) {
    std::string url = baseUrl.value_or("about:blank");
    if (auto d = delegate_.lock(); d && !d->shouldStartLoadWithRequest(*this, url, NavigationType::Other)) return;
    if (loading_) {
        ++generation_;
        fail({kUrlErrorDomain, kUrlErrorCancelled, "cancelled"});
    }
    uint64_t gen = ++generation_;
    loading_ = true;
    if (auto d = delegate_.lock()) d->webViewDidStartLoad(*this);
    std::weak_ptr<bool> alive = alive_;
    // Finishing comes on a later turn of the loop, as a real page load would.
    sys::RunLoop::main().post([this, alive, gen, html, url] {
        auto guard = alive.lock();
        if (!guard || !*guard || gen != generation_) return;
        show(html, url);
        loading_ = false;
        if (auto d = delegate_.lock()) d->webViewDidFinishLoad(*this);
    });
}

void WebView::show(const std::string& html, const std::string& url) {
    if (!html.empty() || url != url_) document_ = parseHtml(html);
    if (url_ != url || history_.empty() || history_.back() != url) history_.push_back(url);
    url_ = url;
    auto* page = static_cast<WebPageView*>(page_.get());
    double width = bounds().width();
    page->setDocument(&document_, width);
    page->setFrame(Rect(0, 0, width, std::max(bounds().height(), page->contentHeight())));
    scroll_->setContentSize({width, page->contentHeight()});
    scroll_->setContentOffset({0, 0});
    setNeedsDisplay();
}

}  // namespace zuno::ui
