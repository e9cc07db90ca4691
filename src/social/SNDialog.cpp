#include "social/SNDialog.h"

#include <cstdlib>

#include "platform/core/Log.h"
#include "platform/net/UrlEncoding.h"
#include "platform/services/UrlOpener.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "social/SNDialogLayout.h"
#include "social/SocialEndpoints.h"

namespace zuno {

namespace {
const ui::Color kBorderGray{0.3, 0.3, 0.3, 0.8};
const ui::Color kBorderBlack{0.3, 0.3, 0.3, 1.0};
constexpr double kRotationSeconds = 0.3;

constexpr const char* kWebKitErrorDomain = "WebKitErrorDomain";
constexpr int kWebKitErrorFrameLoadInterrupted = 102;

// The leading whole number of a text, 0 when there is none (as the phone reads "12abc").
int64_t leadingInteger(const std::string& text) { return std::strtoll(text.c_str(), nullptr, 10); }
}  // namespace

std::shared_ptr<SNDialog> SNDialog::initWithURL(std::string serverURL, SNParams params,
                                                std::weak_ptr<SNDialogDelegate> delegate) {
    auto dialog = std::make_shared<SNDialog>();
    dialog->serverURL_ = std::move(serverURL);
    dialog->params_ = std::move(params);
    dialog->delegate_ = std::move(delegate);
    return dialog;
}

SNDialog::SNDialog() : ui::View(ui::Rect()) {
    setBackgroundColor(ui::Color::clear());
    setOpaque(false);
    setAutoresizesSubviews(true);
    setAutoresizingMask(ui::Autoresizing::FlexibleWidth | ui::Autoresizing::FlexibleHeight);
    setContentMode(ui::ContentMode::Redraw);

    webView_ = std::make_shared<ui::WebView>(ui::Rect(0, 0, 480, 480));
    webView_->setAutoresizingMask(ui::Autoresizing::FlexibleWidth | ui::Autoresizing::FlexibleHeight);
    addSubview(webView_);

    closeButton_ = ui::Button::buttonWithType(ui::Button::Type::Custom);
    closeButton_->setImage(ui::Image::imageNamed("SNDialog.bundle/images/close.png"));
    closeButton_->setTitleColor(ui::Color::rgb255(167, 184, 216));
    closeButton_->setTitleColor(ui::Color::white(), ui::ControlState::Highlighted);
    closeButton_->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(12));
    closeButton_->setShowsTouchWhenHighlighted(true);
    closeButton_->setAutoresizingMask(ui::Autoresizing::FlexibleRightMargin | ui::Autoresizing::FlexibleBottomMargin);
    closeButton_->addHandler(
        [this](ui::Control&) {
            auto keep = sharedFromThis();  // cancelling lets the session drop the dialog
            cancel();
        },
        ui::ControlEvent::TouchUpInside);
    addSubview(closeButton_);

    spinner_ = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorView::Style::WhiteLarge);
    spinner_->setAutoresizingMask(ui::Autoresizing::FlexibleLeftMargin | ui::Autoresizing::FlexibleRightMargin |
                                ui::Autoresizing::FlexibleTopMargin | ui::Autoresizing::FlexibleBottomMargin);
    addSubview(spinner_);

    modalBackgroundView_ = std::make_shared<ui::View>(ui::Rect());
}

SNDialog::~SNDialog() { webView_->setDelegate({}); }

std::string SNDialog::generateURL(const std::string& baseUrl, const SNParams& params) {
    return params.empty() ? baseUrl : baseUrl + "?" + params.queryString();
}

std::optional<std::string> SNDialog::getStringFromUrl(const std::string& url, const std::string& needle) {
    if (needle.empty()) return std::nullopt;
    for (size_t at = url.find(needle); at != std::string::npos; at = url.find(needle, at + 1)) {
        if (at == 0 || (url[at - 1] != '?' && url[at - 1] != '#' && url[at - 1] != '&')) continue;
        const size_t start = at + needle.size();
        const size_t end = url.find('&', start);
        return sys::percentDecode(url.substr(start, end == std::string::npos ? std::string::npos : end - start));
    }
    return std::nullopt;
}

void SNDialog::load() { loadURL(serverURL_, params_); }

void SNDialog::loadURL(const std::string& url, const SNParams& params) {
    loadingURL_ = generateURL(url, params);
    webView_->setDelegate(std::dynamic_pointer_cast<SNDialog>(sharedFromThis()));
    webView_->loadRequest(*loadingURL_);
}

void SNDialog::show() {
    load();
    sizeToFitOrientation(false);

    closeButton_->setFrame(SNDialogLayout::forOrientation(orientation_, ui::Screen::applicationFrame()).closeButtonFrame);
    webView_->setFrame(SNDialogLayout::webViewFrameIn(bounds().size));
    spinner_->sizeToFit();
    spinner_->startAnimating();
    spinner_->setCenter(webView_->center());

    auto& app = ui::Application::shared();
    ui::WindowPtr window = app.keyWindow();
    if (!window && !app.windows().empty()) window = app.windows().front();
    if (!window) {
        sys::Log::line("No window to show the social dialog in");
        return;
    }
    modalBackgroundView_->setFrame(window->bounds());
    modalBackgroundView_->addSubview(sharedFromThis());
    window->addSubview(modalBackgroundView_);
    window->addSubview(sharedFromThis());
    setCenter({window->bounds().midX(), window->bounds().midY()});

    dialogWillAppear();
    setTransform(ui::AffineTransform::scale(SNDialogLayout::kStartScale, SNDialogLayout::kStartScale));
    bounce(0);
    addObservers();
}

void SNDialog::bounce(size_t step) {
    if (step >= std::size(SNDialogLayout::kBounce)) return;
    const auto [scale, seconds] = SNDialogLayout::kBounce[step];
    std::weak_ptr<ui::View> weak = sharedFromThis();
    ui::View::animate(
        seconds, [this, scale = scale] { setTransform(ui::AffineTransform::scale(scale, scale)); },
        [weak, step](bool) {
            if (auto self = std::static_pointer_cast<SNDialog>(weak.lock())) self->bounce(step + 1);
        });
}

void SNDialog::sizeToFitOrientation(bool transform) {
    if (transform) setTransform(ui::AffineTransform::identity());
    orientation_ = ui::Application::shared().statusBarOrientation();
    const auto layout = SNDialogLayout::forOrientation(orientation_, ui::Screen::applicationFrame());
    rotation_ = layout.rotation;
    // The window is the screen already turned: the panel lies along it, upright.
    ui::Size size = layout.panelSize;
    if ((size.width < size.height) != (ui::Screen::kWidth < ui::Screen::kHeight)) std::swap(size.width, size.height);
    setBounds(ui::Rect(0, 0, size.width, size.height));
    setCenter({ui::Screen::kWidth / 2, ui::Screen::kHeight / 2});
}

void SNDialog::updateWebOrientation() {
    if (SNDialogLayout::isLandscape(ui::Application::shared().statusBarOrientation())) {
        webView_->stringByEvaluatingJavaScriptFromString("document.body.setAttribute('orientation', 90);");
    } else {
        webView_->stringByEvaluatingJavaScriptFromString("document.body.removeAttribute('orientation');");
    }
}

void SNDialog::deviceOrientationDidChange() {
    const auto orientation = ui::Application::shared().statusBarOrientation();
    if (orientation == orientation_ || showingKeyboard_) return;
    updateWebOrientation();
    ui::View::animate(kRotationSeconds, [this] { sizeToFitOrientation(true); });
}

void SNDialog::keyboardWillShow() {
    showingKeyboard_ = true;
    if (SNDialogLayout::isLandscape(ui::Application::shared().statusBarOrientation()))
        webView_->setFrame(SNDialogLayout::webViewFrameWithKeyboard(webView_->frame(), true));
}

void SNDialog::keyboardWillHide() {
    showingKeyboard_ = false;
    if (SNDialogLayout::isLandscape(ui::Application::shared().statusBarOrientation()))
        webView_->setFrame(SNDialogLayout::webViewFrameWithKeyboard(webView_->frame(), false));
}

void SNDialog::addObservers() {
    auto& center = sys::NotificationCenter::defaultCenter();
    std::weak_ptr<ui::View> weak = sharedFromThis();
    auto on = [weak](void (SNDialog::*operation)()) {
        return [weak, operation](const sys::Notification&) {
            if (auto self = std::static_pointer_cast<SNDialog>(weak.lock())) ((*self).*operation)();
        };
    };
    observations_.push_back(center.observe(kOrientationDidChange, on(&SNDialog::deviceOrientationDidChange)));
    observations_.push_back(center.observe(kKeyboardWillShow, on(&SNDialog::keyboardWillShow)));
    observations_.push_back(center.observe(kKeyboardWillHide, on(&SNDialog::keyboardWillHide)));
}

void SNDialog::removeObservers() { observations_.clear(); }

void SNDialog::dialogDidSucceed(const std::string& url) {
    if (auto d = delegate()) d->dialogCompleteWithUrl(url);
    dismissWithSuccess(true, true);
}

void SNDialog::dialogDidCancel(const std::optional<std::string>& url) {
    if (auto d = delegate()) d->dialogDidNotCompleteWithUrl(url);
    dismissWithSuccess(false, true);
}

void SNDialog::cancel() { dialogDidCancel(std::nullopt); }

void SNDialog::dismissWithSuccess(bool success, bool animated) {
    if (auto d = delegate()) {
        if (success) {
            d->dialogDidComplete(*this);
        } else {
            d->dialogDidNotComplete(*this);
        }
    }
    dismiss(animated);
}

void SNDialog::dismissWithError(const SNError& error, bool animated) {
    if (auto d = delegate()) d->dialogDidFailWithError(*this, error);
    dismiss(animated);
}

void SNDialog::dismiss(bool animated) {
    dialogWillDisappear();
    loadingURL_.reset();
    if (!animated) {
        postDismissCleanup();
        return;
    }
    auto self = sharedFromThis();  // lives until the fade is over
    ui::View::animate(
        SNDialogLayout::kFadeSeconds, [this] { setAlpha(0); },
        [self](bool) { std::static_pointer_cast<SNDialog>(self)->postDismissCleanup(); });
}

void SNDialog::postDismissCleanup() {
    removeObservers();
    removeFromSuperview();
    modalBackgroundView_->removeFromSuperview();
}

bool SNDialog::shouldStartLoadWithRequest(ui::WebView&, const std::string& url, ui::NavigationType type) {
    const std::string redirectPrefix = std::string(SocialEndpoints::kRedirectScheme) + ":";
    if (url.rfind(redirectPrefix, 0) == 0) {
        auto keep = sharedFromThis();  // the delegate may let go of the dialog
        if (url.compare(redirectPrefix.size(), 8, "//cancel") == 0) {
            if (auto code = getStringFromUrl(url, "error_code=")) {
                sys::Dictionary info;
                // A page that gives no message fails with none, rather than with a broken record.
                if (auto message = getStringFromUrl(url, "error_msg=")) info.set("error_msg", *message);
                SNError error;
                error.code = leadingInteger(*code);
                error.userInfo = std::move(info);
                dismissWithError(error, true);
            } else {
                dialogDidCancel(url);
            }
        } else {
            dialogDidSucceed(url);
        }
        return false;
    }
    if ((loadingURL_ && url == *loadingURL_) || type != ui::NavigationType::LinkClicked) return true;
    std::optional<bool> external;
    if (auto d = delegate()) external = d->dialogShouldOpenURLInExternalBrowser(*this, url);
    if (external.value_or(true)) sys::UrlOpener::openURL(url);
    return false;
}

void SNDialog::webViewDidFinishLoad(ui::WebView&) {
    spinner_->stopAnimating();
    spinner_->setHidden(true);
    updateWebOrientation();
}

bool SNDialog::ignoresLoadError(const ui::WebError& error) const {
    return (error.domain == kWebKitErrorDomain && error.code == kWebKitErrorFrameLoadInterrupted) ||
           (error.domain == ui::kWebErrorDomain && error.code == ui::kWebErrorLoadInterrupted);
}

SNError SNDialog::errorOfLoad(const ui::WebError& error) {
    SNError e;
    e.domain = error.domain;
    e.code = error.code;
    e.userInfo.set("NSLocalizedDescription", error.message);
    return e;
}

void SNDialog::didFailLoadWithError(ui::WebView&, const ui::WebError& error) {
    if (ignoresLoadError(error)) return;
    auto keep = sharedFromThis();
    dismissWithError(errorOfLoad(error), true);
}

void SNDialog::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    canvas.setFillColor(kBorderGray);
    canvas.fillRect(bounds());
    // One point around the web view, on whole pixels.
    const ui::Rect web = webView_->frame();
    const double left = web.x() - 0.5, top = web.y() - 0.5, right = web.maxX() + 0.5, bottom = web.maxY() + 0.5;
    canvas.setStrokeColor(kBorderBlack);
    canvas.setLineWidth(1);
    canvas.beginPath();
    canvas.moveTo({left, top});
    canvas.lineTo({right, top});
    canvas.lineTo({right, bottom});
    canvas.lineTo({left, bottom});
    canvas.lineTo({left, top});
    canvas.strokePath();
}

}  // namespace zuno
