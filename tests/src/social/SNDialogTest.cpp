#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "support/SocialRecorders.h"
#include "platform/core/NotificationCenter.h"
#include "platform/core/RunLoop.h"
#include "platform/services/UrlOpener.h"
#include "social/SNDialogLayout.h"
#include "social/SocialClock.h"
#include "support/UiTest.h"

namespace zuno::testing {
namespace {

using ui::InterfaceOrientation;
using ui::Rect;

constexpr const char* kBase = "http://localhost:9/social/dialog/feed";
constexpr const char* kLandscapeScript = "document.body.setAttribute('orientation', 90);";

class RecordingLoginDelegate : public SNLoginDialogDelegate {
public:
    void snDialogLogin(const std::string& token, double expiry) override {
        log.push_back("login " + token);
        expiration = expiry;
    }
    void snDialogNotLogin(bool cancelled) override { log.push_back(cancelled ? "not login, cancelled" : "not login"); }
    Transcript log;
    double expiration = 0;
};

class SNDialogTest : public ui::test::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ui::WebView::setFetch([this](const std::string& url, std::function<void(const ui::WebFetchResult&)> done) {
            fetched.push_back(url);
            ui::WebFetchResult page;
            auto it = redirects.find(url);
            if (it != redirects.end()) {
                page.status = 302;
                page.location = it->second;
            } else {
                page.status = 200;
                page.body = "<p>A page</p><a href=\"http://elsewhere.test/\">elsewhere</a>";
            }
            sys::RunLoop::main().post([done, page] { done(page); });
        });
        delegate = std::make_shared<RecordingDialogDelegate>();
        login = std::make_shared<RecordingLoginDelegate>();
    }
    void TearDown() override {
        ui::WebView::setFetch(nullptr);
        UiTest::TearDown();
    }
    std::shared_ptr<SNDialog> showFeed() {
        auto dialog = SNDialog::initWithURL(kBase, SNParams{{"message", "hi"}}, delegate);
        dialog->show();
        run(1);
        return dialog;
    }
    std::shared_ptr<SNLoginDialog> showLogin() {
        auto dialog = SNLoginDialog::initWithURL(kBase, SNParams{{"type", "user_agent"}}, login);
        dialog->show();
        run(1);
        return dialog;
    }
    bool onWindow(const ui::View& view) const { return view.superviewPointer() == window.get(); }

    std::map<std::string, std::string> redirects;
    std::vector<std::string> fetched;
    std::shared_ptr<RecordingDialogDelegate> delegate;
    std::shared_ptr<RecordingLoginDelegate> login;
};

TEST(SNDialogUrl, AddressesAndNeedles) {
    EXPECT_EQ(SNDialog::generateURL("http://d.test/feed", {{"a", "x y"}, {"b", "&"}}), "http://d.test/feed?a=x%20y&b=%26");
    EXPECT_EQ(SNDialog::generateURL("http://d.test/feed?v=1", {{"a", "1"}}), "http://d.test/feed?v=1?a=1");
    EXPECT_EQ(SNDialog::generateURL("http://d.test/feed", {}), "http://d.test/feed");

    struct Case {
        std::string url, needle;
        std::optional<std::string> value;
    };
    const std::vector<Case> cases = {
        {"zunosn://success#access_token=T&expires_in=60", "access_token=", "T"},
        {"zunosn://success#access_token=T&expires_in=60", "expires_in=", "60"},
        {"zunosn://success?a=1&token_expires_in=5", "expires_in=", std::nullopt},
        {"zunosn://success?token_expires_in=5&expires_in=7", "expires_in=", "7"},
        {"zunosn://cancel?error_msg=Feed%20closed", "error_msg=", "Feed closed"},
        {"zunosn://success#access_token=", "access_token=", ""},
        {"zunosn://success", "access_token=", std::nullopt},
        {"access_token=X", "access_token=", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(SNDialog::getStringFromUrl(c.url, c.needle), c.value) << c.url << " " << c.needle;
}

TEST_F(SNDialogTest, NavigationDecidesWhatLoadsAndWhatEnds) {
    auto dialog = showFeed();
    auto& web = *dialog->webView();
    const std::string loading = *dialog->loadingURL();
    EXPECT_EQ(loading, std::string(kBase) + "?message=hi");
    EXPECT_TRUE(dialog->shouldStartLoadWithRequest(web, loading, ui::NavigationType::LinkClicked));
    EXPECT_TRUE(dialog->shouldStartLoadWithRequest(web, "http://x.test/", ui::NavigationType::FormSubmitted));
    EXPECT_TRUE(dialog->shouldStartLoadWithRequest(web, "http://x.test/", ui::NavigationType::Other));

    // A tapped link elsewhere: the delegate decides, and says nothing by default.
    EXPECT_FALSE(dialog->shouldStartLoadWithRequest(web, "http://x.test/a", ui::NavigationType::LinkClicked));
    delegate->openExternal = false;
    EXPECT_FALSE(dialog->shouldStartLoadWithRequest(web, "http://x.test/b", ui::NavigationType::LinkClicked));
    delegate->openExternal = true;
    EXPECT_FALSE(dialog->shouldStartLoadWithRequest(web, "http://x.test/c", ui::NavigationType::LinkClicked));
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"http://x.test/a", "http://x.test/c"}));
    EXPECT_EQ(delegate->log, (Transcript{"external? http://x.test/a", "external? http://x.test/b", "external? http://x.test/c"}));
    EXPECT_TRUE(onWindow(*dialog));
}

TEST_F(SNDialogTest, TheRedirectEndsTheDialog) {
    struct Case {
        const char* name;
        std::string url;
        Transcript told;
        std::optional<sys::Dictionary> userInfo;
    };
    const std::vector<Case> cases = {
        {"success", "zunosn://success?post_id=9", {"complete zunosn://success?post_id=9", "complete"}, {}},
        {"cancel", "zunosn://cancel", {"not complete zunosn://cancel", "not complete"}, {}},
        {"cancel with an error", "zunosn://cancel?error_code=4201&error_msg=Feed%20closed", {"fail socialErrDomain 4201"},
         sys::Dictionary{{"error_msg", "Feed closed"}}},
        {"an error without a message", "zunosn://cancel?error_code=7", {"fail socialErrDomain 7"}, sys::Dictionary{}},
        {"an error code that is not a number", "zunosn://cancel?error_code=x", {"fail socialErrDomain 0"}, sys::Dictionary{}},
    };
    for (const auto& c : cases) {
        delegate->log.clear();
        auto dialog = showFeed();
        EXPECT_FALSE(dialog->shouldStartLoadWithRequest(*dialog->webView(), c.url, ui::NavigationType::Other)) << c.name;
        EXPECT_EQ(delegate->log, c.told) << c.name;
        if (c.userInfo) {
            EXPECT_EQ(delegate->error.userInfo, *c.userInfo) << c.name;
        }
        EXPECT_FALSE(dialog->loadingURL()) << c.name;
        run(SNDialogLayout::kFadeSeconds);
        EXPECT_FALSE(dialog->superviewPointer()) << c.name;
        EXPECT_FALSE(dialog->modalBackgroundView()->superviewPointer()) << c.name;
    }
}

TEST_F(SNDialogTest, APageThatEndsByARedirectSucceedsOnce) {
    redirects["http://localhost:9/publish"] = "zunosn://success?post_id=9";
    auto dialog = showFeed();
    dialog->webView()->submitForm("http://localhost:9/publish");
    run(1);
    EXPECT_EQ(delegate->log, (Transcript{"complete zunosn://success?post_id=9", "complete"}));
}

TEST_F(SNDialogTest, LoadFailuresPerDialog) {
    struct Case {
        ui::WebError error;
        bool feedStays;
        bool loginStays;
    };
    const std::vector<Case> cases = {
        {{ui::kWebErrorDomain, ui::kWebErrorLoadInterrupted, "interrupted"}, true, true},
        {{"WebKitErrorDomain", 102, "frame load interrupted"}, true, true},
        {{ui::kUrlErrorDomain, ui::kUrlErrorCancelled, "cancelled"}, false, true},
        {{ui::kUrlErrorDomain, -1001, "timed out"}, false, false},
    };
    for (const auto& c : cases) {
        delegate->log.clear();
        login->log.clear();
        auto feed = showFeed();
        feed->didFailLoadWithError(*feed->webView(), c.error);
        EXPECT_EQ(delegate->log.empty(), c.feedStays) << c.error.code;
        if (!c.feedStays) {
            EXPECT_EQ(delegate->log, (Transcript{"fail " + c.error.domain + " " + std::to_string(c.error.code)}));
        }

        auto dialog = showLogin();
        dialog->didFailLoadWithError(*dialog->webView(), c.error);
        EXPECT_EQ(login->log.empty(), c.loginStays) << c.error.code;
        if (!c.loginStays) {
            EXPECT_EQ(login->log, (Transcript{"not login"}));
        }
        run(1);
        EXPECT_EQ(onWindow(*dialog), c.loginStays) << c.error.code;
        dialog->dismiss(false);
        feed->dismiss(false);
    }
}

TEST_F(SNDialogTest, TheLoginResult) {
    struct Case {
        std::string url;
        Transcript told;
        std::optional<double> expiresIn;
    };
    const std::vector<Case> cases = {
        {"zunosn://success#access_token=T&expires_in=3600", {"login T"}, 3600},
        {"zunosn://success#access_token=T&expires_in=0", {"login T"}, kDistantFuture},
        {"zunosn://success#access_token=T", {"login T"}, kDistantFuture},
        {"zunosn://success#access_token=T&token_expires_in=5", {"login T"}, kDistantFuture},
        {"zunosn://success#access_token=&expires_in=60", {"not login, cancelled"}, {}},
        {"zunosn://success#expires_in=60", {"not login, cancelled"}, {}},
        {"zunosn://cancel?error=access_denied", {"not login, cancelled"}, {}},
    };
    for (const auto& c : cases) {
        login->log.clear();
        auto dialog = showLogin();
        EXPECT_FALSE(dialog->shouldStartLoadWithRequest(*dialog->webView(), c.url, ui::NavigationType::Other));
        EXPECT_EQ(login->log, c.told) << c.url;
        if (c.expiresIn) {
            EXPECT_EQ(login->expiration, *c.expiresIn == kDistantFuture ? kDistantFuture : socialNow() + *c.expiresIn) << c.url;
        }
        run(SNDialogLayout::kFadeSeconds);
        EXPECT_FALSE(dialog->superviewPointer()) << c.url;
    }
}

TEST(SNDialogLayoutTest, PanelsPerOrientation) {
    const Rect frame(0, 0, 320, 480);
    struct Case {
        InterfaceOrientation orientation;
        bool tablet;
        Rect panel;
        double rotation;
    };
    const std::vector<Case> cases = {
        {InterfaceOrientation::LandscapeRight, false, Rect(-80, 80, 480, 320), M_PI / 2},
        {InterfaceOrientation::LandscapeLeft, false, Rect(-80, 80, 480, 320), M_PI * 1.5},
        {InterfaceOrientation::Portrait, false, Rect(0, 0, 320, 480), 0},
        {InterfaceOrientation::PortraitUpsideDown, false, Rect(0, 0, 320, 480), -M_PI},
        {InterfaceOrientation::Portrait, true, Rect(64, 96, 192, 288), 0},
        {InterfaceOrientation::LandscapeRight, true, Rect(16, 144, 288, 192), M_PI / 2},
    };
    for (const auto& c : cases) {
        auto layout = SNDialogLayout::forOrientation(c.orientation, frame, c.tablet);
        EXPECT_EQ(layout.panelFrame, c.panel) << int(c.orientation);
        EXPECT_DOUBLE_EQ(layout.rotation, c.rotation) << int(c.orientation);
    }
    auto phone = SNDialogLayout::forOrientation(InterfaceOrientation::LandscapeRight, frame);
    EXPECT_EQ(phone.closeButtonFrame, Rect(2, 2, 29, 29));
    EXPECT_EQ(phone.webViewFrame, Rect(11, 11, 458, 299));
    EXPECT_EQ(SNDialogLayout::webViewFrameWithKeyboard(phone.webViewFrame, true), Rect(1, 1, 478, 319));
}

TEST_F(SNDialogTest, ThePanelBouncesInCoversTheWindowAndFadesOut) {
    auto dialog = SNDialog::initWithURL(kBase, {}, delegate);
    dialog->show();
    EXPECT_EQ(dialog->bounds(), Rect(0, 0, 480, 320));
    EXPECT_EQ(dialog->center(), (ui::Point{240, 160}));
    EXPECT_EQ(dialog->webView()->frame(), Rect(11, 11, 458, 299));
    EXPECT_EQ(dialog->closeButton()->frame(), Rect(2, 2, 29, 29));
    EXPECT_EQ(dialog->modalBackgroundView()->frame(), window->bounds());
    EXPECT_EQ(window->subviews().back(), dialog);
    EXPECT_TRUE(dialog->spinner()->isAnimating());
    EXPECT_DOUBLE_EQ(dialog->orientationRotation(), M_PI / 2);

    EXPECT_NEAR(dialog->presentedTransform().a, SNDialogLayout::kStartScale, 1e-9);
    run(0.2);
    EXPECT_NEAR(dialog->presentedTransform().a, 1.1, 1e-6);
    run(0.15);
    EXPECT_NEAR(dialog->presentedTransform().a, 0.9, 1e-6);
    run(0.15);
    EXPECT_NEAR(dialog->presentedTransform().a, 1.0, 1e-6);
    EXPECT_EQ(dialog->frame(), Rect(0, 0, 480, 320));
    EXPECT_FALSE(dialog->spinner()->isAnimating());
    EXPECT_EQ(dialog->webView()->evaluatedScripts(), (std::vector<std::string>{kLandscapeScript}));

    dialog->cancel();
    EXPECT_EQ(delegate->log, (Transcript{"not complete (none)", "not complete"}));
    run(0.29);
    EXPECT_TRUE(onWindow(*dialog));
    run(0.02);
    EXPECT_FALSE(onWindow(*dialog));
}

TEST_F(SNDialogTest, NoNewLayoutWhileTheKeyboardIsUp) {
    auto dialog = showFeed();
    auto& center = sys::NotificationCenter::defaultCenter();
    const size_t scripts = dialog->webView()->evaluatedScripts().size();
    center.postNotificationName(SNDialog::kKeyboardWillShow);
    EXPECT_TRUE(dialog->showingKeyboard());
    EXPECT_EQ(dialog->webView()->frame(), Rect(1, 1, 478, 319));

    ui::Application::shared().setStatusBarOrientation(InterfaceOrientation::LandscapeLeft);
    center.postNotificationName(SNDialog::kOrientationDidChange);
    run(1);
    EXPECT_EQ(dialog->orientation(), InterfaceOrientation::LandscapeRight);
    EXPECT_EQ(dialog->webView()->evaluatedScripts().size(), scripts);

    center.postNotificationName(SNDialog::kKeyboardWillHide);
    EXPECT_EQ(dialog->webView()->frame(), Rect(11, 11, 458, 299));
    center.postNotificationName(SNDialog::kOrientationDidChange);
    run(1);
    EXPECT_EQ(dialog->orientation(), InterfaceOrientation::LandscapeLeft);
    EXPECT_DOUBLE_EQ(dialog->orientationRotation(), M_PI * 1.5);
    EXPECT_EQ(dialog->webView()->evaluatedScripts().back(), kLandscapeScript);
    EXPECT_EQ(dialog->frame(), Rect(0, 0, 480, 320));
}

}  // namespace
}  // namespace zuno::testing
