#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/core/NotificationCenter.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/WebView.h"
#include "shell/ProgressHUD.h"
#include "social/SNParams.h"

namespace zuno {

class SNDialog;

// What a dialog tells its delegate; every operation is optional.
class SNDialogDelegate {
public:
    virtual ~SNDialogDelegate() = default;
    virtual void dialogDidComplete(SNDialog& dialog) {}
    virtual void dialogCompleteWithUrl(const std::string& url) {}
    virtual void dialogDidNotCompleteWithUrl(const std::optional<std::string>& url) {}
    virtual void dialogDidNotComplete(SNDialog& dialog) {}
    virtual void dialogDidFailWithError(SNDialog& dialog, const SNError& error) {}
    // Whether a tapped link leaves for the browser; nothing (the default) lets it.
    virtual std::optional<bool> dialogShouldOpenURLInExternalBrowser(SNDialog& dialog, const std::string& url) {
        return std::nullopt;
    }
};

// A social network page (a feed post, the login) in a panel over the whole window. The page ends by
// going to the redirect address (SocialEndpoints::redirectURL): "<scheme>://cancel..." cancels or,
// with "error_code=", fails; any other address of that scheme succeeds.
class SNDialog : public ui::View, public ui::WebViewDelegate {
public:
    // Posted by whoever shows or hides a keyboard over the window.
    static constexpr const char* kKeyboardWillShow = "ZunoKeyboardWillShow";
    static constexpr const char* kKeyboardWillHide = "ZunoKeyboardWillHide";
    // Posted when the device turns (the same notice the progress panel follows).
    static constexpr const char* kOrientationDidChange = ProgressHUD::kOrientationDidChange;

    static std::shared_ptr<SNDialog> initWithURL(std::string serverURL, SNParams params, std::weak_ptr<SNDialogDelegate> delegate);
    SNDialog();
    ~SNDialog() override;

    void show();
    void load();
    void loadURL(const std::string& url, const SNParams& params);
    // The base with "?" and the text parameters escaped (the "?" also when the base has a query);
    // the base alone without parameters.
    static std::string generateURL(const std::string& baseUrl, const SNParams& params);
    // The decoded value of the first parameter named by the needle ("access_token="), which must
    // stand at the start of a parameter (after "?", "#" or "&"); nothing when there is none.
    static std::optional<std::string> getStringFromUrl(const std::string& url, const std::string& needle);

    virtual void dialogDidSucceed(const std::string& url);
    virtual void dialogDidCancel(const std::optional<std::string>& url);
    void cancel();
    void dismissWithSuccess(bool success, bool animated);
    void dismissWithError(const SNError& error, bool animated);
    void dismiss(bool animated);

    const SNParams& params() const { return params_; }
    void setParams(SNParams params) { params_ = std::move(params); }
    std::shared_ptr<SNDialogDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<SNDialogDelegate> delegate) { delegate_ = std::move(delegate); }

    const std::optional<std::string>& loadingURL() const { return loadingURL_; }
    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::Button>& closeButton() const { return closeButton_; }
    const std::shared_ptr<ui::ActivityIndicatorView>& spinner() const { return spinner_; }
    const std::shared_ptr<ui::View>& modalBackgroundView() const { return modalBackgroundView_; }
    ui::InterfaceOrientation orientation() const { return orientation_; }
    bool showingKeyboard() const { return showingKeyboard_; }
    // The rotation the phone would give the panel for `orientation` (drawn upright here).
    double orientationRotation() const { return rotation_; }

    // The web view's questions.
    bool shouldStartLoadWithRequest(ui::WebView& view, const std::string& url, ui::NavigationType type) override;
    void webViewDidFinishLoad(ui::WebView& view) override;
    void didFailLoadWithError(ui::WebView& view, const ui::WebError& error) override;

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;

protected:
    virtual void dialogWillAppear() {}
    virtual void dialogWillDisappear() {}
    // Whether a failed page load leaves the dialog open.
    virtual bool ignoresLoadError(const ui::WebError& error) const;
    static SNError errorOfLoad(const ui::WebError& error);

    std::string serverURL_;

private:
    void sizeToFitOrientation(bool transform);
    void updateWebOrientation();
    void deviceOrientationDidChange();
    void keyboardWillShow();
    void keyboardWillHide();
    void addObservers();
    void removeObservers();
    void postDismissCleanup();
    void bounce(size_t step);

    std::weak_ptr<SNDialogDelegate> delegate_;
    SNParams params_;
    std::optional<std::string> loadingURL_;
    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::ActivityIndicatorView> spinner_;
    std::shared_ptr<ui::Button> closeButton_;
    ui::InterfaceOrientation orientation_ = ui::InterfaceOrientation::Portrait;
    bool showingKeyboard_ = false;
    std::shared_ptr<ui::View> modalBackgroundView_;
    double rotation_ = 0;
    std::vector<sys::NotificationCenter::Observation> observations_;
};

}  // namespace zuno
