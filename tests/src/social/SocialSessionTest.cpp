#include <gtest/gtest.h>

#include "support/SocialRecorders.h"
#include "platform/core/Device.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/net/CookieStore.h"
#include "platform/net/Http.h"
#include "platform/services/UrlOpener.h"
#include "social/SocialClock.h"
#include "social/SocialEndpoints.h"
#include "standin-server/http/HttpServer.h"
#include "support/UiTest.h"

namespace zuno::testing {
namespace {

using standin::HttpServer;
using standin::ServerRequest;
using standin::ServerResponse;
using sys::Value;

constexpr double kHour = 3600;

sys::Cookie cookie(std::string name, std::string domain) {
    sys::Cookie c;
    c.name = std::move(name);
    c.value = "1";
    c.domain = std::move(domain);
    return c;
}

class SocialSessionTest : public ui::test::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_NE(server.start(), 0);
        server.route("/social/graph/me", ServerResponse::text("{\"id\":\"1\"}"));
        server.route("/social/graph/expired", ServerResponse::text("{\"error_code\":190,\"error_msg\":\"expired\"}", 400));
        server.route("/social/method/auth.extendSSOAccessToken", [this](const ServerRequest&) { return extension; });
        endpoints = SocialEndpoints::forService(server.url(""));
        SocialEndpoints::overrideForTests(endpoints);
        ui::WebView::setFetch([](const std::string&, std::function<void(const ui::WebFetchResult&)>) {});
        delegate = std::make_shared<RecordingSessionDelegate>();
        session = SocialSession::initWithAppId("123", delegate);
    }
    void TearDown() override {
        session.reset();
        sys::Http::cancelAll();
        server.stop();
        ui::WebView::setFetch(nullptr);
        SocialEndpoints::overrideForTests(std::nullopt);
        UiTest::TearDown();
    }

    // Pretends to be a phone whose other programs answer as told.
    void multitasking(std::function<bool(const std::string&)> opens) {
        sys::DeviceInfo info = sys::Device::current();
        info.multitaskingSupported = true;
        sys::Device::override(info);
        sys::UrlOpener::setOpener(
            [this, opens](const std::string& url) {
                opened.push_back(url);
                return opens(url);
            },
            opens);
    }
    void logIn(const std::string& token = "T1") { session->snDialogLogin(token, socialNow() + 60 * 24 * kHour); }
    bool allFinished() {
        return sys::RunLoop::main().runUntil([&] { return session->requestsInFlight() == 0; }, 10.0);
    }
    std::vector<std::string> paths() const {
        std::vector<std::string> out;
        for (const auto& r : server.requests()) out.push_back(r.path);
        return out;
    }

    HttpServer server;
    SocialEndpoints endpoints;
    ServerResponse extension = ServerResponse::text("{\"access_token\":\"T2\",\"expires_at\":0}");
    std::shared_ptr<RecordingSessionDelegate> delegate;
    std::shared_ptr<SocialSession> session;
    std::vector<std::string> opened;
};

TEST_F(SocialSessionTest, TheLoginTriesTheAppThenTheBrowserThenTheDialog) {
    session->setUrlSchemeSuffix(std::string("free"));
    const std::string params = "client_id=123&type=user_agent&redirect_uri=zunosn%3A%2F%2Fsuccess&display=touch&sdk=ios"
                               "&scope=email%2Cuser_photos&local_client_id=free";
    const std::string browserParams = "client_id=123&type=user_agent&redirect_uri=sn123free%3A%2F%2Fauthorize"
                                      "&display=touch&sdk=ios&scope=email%2Cuser_photos&local_client_id=free";

    multitasking([](const std::string& url) { return url.rfind("snauth2:", 0) == 0; });
    session->authorize({"email", "user_photos"});
    EXPECT_EQ(opened, (std::vector<std::string>{"snauth2://authorize?" + params}));
    EXPECT_TRUE(window->subviews().empty());

    opened.clear();
    multitasking([](const std::string& url) { return url.rfind("http:", 0) == 0; });
    session->authorize({"email", "user_photos"});
    EXPECT_EQ(opened, (std::vector<std::string>{"snauth2://authorize?" + params,
                                                endpoints.dialogBaseURL + "oauth?" + browserParams}));
    EXPECT_TRUE(window->subviews().empty());

    // Nothing opens: the dialog, which still sees the end of the login at the dialog redirect.
    opened.clear();
    multitasking([](const std::string&) { return false; });
    session->authorize({"email", "user_photos"});
    EXPECT_EQ(opened.size(), 2u);
    ASSERT_FALSE(window->subviews().empty());
    auto dialog = std::dynamic_pointer_cast<SNLoginDialog>(window->subviews().back());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->loadingURL(), endpoints.dialogBaseURL + "oauth?" + params);
}

TEST_F(SocialSessionTest, OnTheDesktopTheLoginIsTheDialog) {
    session->authorize({});
    auto shown = window->subviews();
    ASSERT_FALSE(shown.empty());
    auto dialog = std::dynamic_pointer_cast<SNLoginDialog>(shown.back());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->loadingURL(), endpoints.dialogBaseURL +
                                         "oauth?client_id=123&type=user_agent&redirect_uri=zunosn%3A%2F%2Fsuccess"
                                         "&display=touch&sdk=ios");
    EXPECT_TRUE(sys::UrlOpener::openedUrls().empty());
}

TEST_F(SocialSessionTest, TheReturnThroughTheOwnAddress) {
    struct Case {
        const char* name;
        std::string url;
        bool answer;
        std::vector<std::string> told;
        std::optional<std::string> token;
        std::optional<double> expiresIn;  // from now; kDistantFuture stands for itself
    };
    const std::vector<Case> cases = {
        {"a foreign address", "sn124://authorize#access_token=X", false, {}, {}, {}},
        {"another scheme", "http://sn123://authorize#access_token=X", false, {}, {}, {}},
        {"lifetime 0", "sn123://authorize#access_token=T&expires_in=0", true, {"login"}, "T", kDistantFuture},
        {"no lifetime", "sn123://authorize?access_token=Q", true, {"login"}, "Q", kDistantFuture},
        {"fragment before query", "sn123://authorize?access_token=Q#access_token=F&expires_in=3600", true, {"login"}, "F", 3600},
        {"decoded value", "sn123://authorize#access_token=a%2Fb&expires_in=60", true, {"login"}, "a/b", 60},
        {"any address that starts with the own", "sn123://authorizeX#access_token=Z", true, {"login"}, "Z", kDistantFuture},
        {"denied", "sn123://authorize#error=access_denied", true, {"not login, cancelled"}, {}, {}},
        {"nothing", "sn123://authorize", true, {"not login, cancelled"}, {}, {}},
        {"an error code", "sn123://authorize#error=access_denied&error_code=100", true, {"not login"}, {}, {}},
        {"another error", "sn123://authorize#error=unknown", true, {"not login"}, {}, {}},
        {"a pair without a value", "sn123://authorize#access_token&error", true, {"not login, cancelled"}, {}, {}},
    };
    for (const auto& c : cases) {
        delegate->log.clear();
        session->setAccessToken(std::nullopt);
        session->setExpirationDate(std::nullopt);
        EXPECT_EQ(session->handleOpenURL(c.url), c.answer) << c.name;
        EXPECT_EQ(delegate->log, c.told) << c.name;
        EXPECT_EQ(session->accessToken(), c.token) << c.name;
        if (c.expiresIn) {
            const double expected = *c.expiresIn == kDistantFuture ? kDistantFuture : socialNow() + *c.expiresIn;
            EXPECT_EQ(session->expirationDate(), expected) << c.name;
        }
    }
}

TEST_F(SocialSessionTest, ADisabledServiceRetriesByTheBrowserOrTheDialog) {
    multitasking([](const std::string&) { return true; });
    EXPECT_TRUE(session->handleOpenURL("sn123://authorize#error=service_disabled_use_browser"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].rfind(endpoints.dialogBaseURL + "oauth?", 0), 0u);
    EXPECT_NE(opened[0].find("redirect_uri=sn123%3A%2F%2Fauthorize"), std::string::npos);

    EXPECT_TRUE(session->handleOpenURL("sn123://authorize#error=service_disabled"));
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<SNLoginDialog>(window->subviews().back()));
    EXPECT_TRUE(delegate->log.empty());
}

TEST_F(SocialSessionTest, RequestsCarryTheServiceParametersAndTheToken) {
    auto requests = std::make_shared<RecordingRequestDelegate>();
    session->requestWithGraphPath("me", requests);
    ASSERT_TRUE(allFinished());
    logIn();
    EXPECT_TRUE(session->isSessionValid());
    session->requestWithGraphPath("me", SNParams{{"fields", "name"}}, requests);
    ASSERT_TRUE(allFinished());
    auto sent = server.requests();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].query, "format=json&sdk=ios&sdk_version=2");
    EXPECT_EQ(sent[1].query, "fields=name&format=json&sdk=ios&sdk_version=2&access_token=T1");

    // No method: nothing is made, nothing is sent.
    sys::Log::setDebugEnabled(true);
    EXPECT_EQ(session->requestWithParams(SNParams{{"a", "1"}}, requests), nullptr);
    EXPECT_TRUE(sys::Log::contains("API Method must be specified"));
    sys::Log::setDebugEnabled(false);
    auto rest = session->requestWithParams(SNParams{{"method", "users.getInfo"}, {"uids", "7"}}, requests);
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->url(), endpoints.restserverBaseURL + "users.getInfo");
    EXPECT_EQ(rest->params().text("method"), std::nullopt);
    ASSERT_TRUE(allFinished());
    EXPECT_EQ(server.requestCount(), 3u);
}

TEST_F(SocialSessionTest, OneExtensionADayAndOnlyOneAtATime) {
    auto requests = std::make_shared<RecordingRequestDelegate>();
    logIn();
    sys::RunLoop::main().runFor(23 * kHour + 59 * 60);
    EXPECT_FALSE(session->shouldExtendAccessToken());
    session->requestWithGraphPath("me", requests);
    ASSERT_TRUE(allFinished());
    EXPECT_EQ(paths(), (std::vector<std::string>{"/social/graph/me"}));

    sys::RunLoop::main().runFor(60);
    EXPECT_TRUE(session->shouldExtendAccessToken());
    session->requestWithGraphPath("me", requests);
    EXPECT_TRUE(session->isExtendingAccessToken());
    session->requestWithGraphPath("me", requests);
    ASSERT_TRUE(allFinished());
    auto sent = paths();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "/social/method/auth.extendSSOAccessToken"), 1);
    EXPECT_EQ(sent.size(), 4u);
    EXPECT_FALSE(session->isExtendingAccessToken());
    EXPECT_EQ(session->accessToken(), "T2");
    EXPECT_EQ(session->expirationDate(), kDistantFuture);
    EXPECT_EQ(delegate->log.back(), "extended T2 " + std::to_string(static_cast<long long>(kDistantFuture)));
    EXPECT_FALSE(session->shouldExtendAccessToken());

    server.clearRequests();
    session->requestWithGraphPath("me", requests);
    ASSERT_TRUE(allFinished());
    EXPECT_NE(server.requests().at(0).query.find("access_token=T2"), std::string::npos);
}

TEST_F(SocialSessionTest, ExtensionResults) {
    struct Case {
        const char* name;
        ServerResponse reply;
        std::string token;
        std::optional<double> expiry;
    };
    const double future = kVirtualClockEpoch + 90 * 24 * kHour;
    const std::vector<Case> cases = {
        {"a new token and date", ServerResponse::text("{\"access_token\":\"N\",\"expires_at\":" + std::to_string(static_cast<long long>(future)) + "}"), "N", future},
        {"a token without a date", ServerResponse::text("{\"access_token\":\"N\"}"), "T1", std::nullopt},
        {"a failure keeps the old token", ServerResponse::text("false"), "T1", std::nullopt},
        {"an error page", ServerResponse::text("<html></html>", 502), "T1", std::nullopt},
    };
    for (const auto& c : cases) {
        logIn();
        const double loggedInUntil = *session->expirationDate();
        extension = c.reply;
        session->extendAccessToken();
        ASSERT_TRUE(allFinished()) << c.name;
        EXPECT_FALSE(session->isExtendingAccessToken()) << c.name;
        EXPECT_EQ(session->accessToken(), c.token) << c.name;
        EXPECT_EQ(session->expirationDate(), c.expiry.value_or(loggedInUntil)) << c.name;
    }
}

TEST_F(SocialSessionTest, AnExpiredSessionAndLoggingOut) {
    auto& cookies = sys::CookieStore::shared();
    cookies.setCookie(cookie("sn_login", "localhost"));
    cookies.setCookie(cookie("other", "127.0.0.1"));
    auto requests = std::make_shared<RecordingRequestDelegate>();
    logIn();
    session->requestWithGraphPath("expired", requests);
    ASSERT_TRUE(allFinished());
    EXPECT_EQ(requests->log.back(), "fail socialErrDomain 190");
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"login", "invalidated"}));
    EXPECT_FALSE(session->isSessionValid());
    EXPECT_FALSE(session->accessToken());
    ASSERT_EQ(cookies.cookies().size(), 1u);
    EXPECT_EQ(cookies.cookies()[0].domain, "127.0.0.1");

    cookies.setCookie(cookie("sn_login", "localhost"));
    logIn();
    delegate->log.clear();
    auto other = std::make_shared<RecordingSessionDelegate>();
    session->logout(other);
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"logout"}));
    EXPECT_EQ(other->log, (std::vector<std::string>{"logout"}));
    EXPECT_FALSE(session->accessToken());
    EXPECT_EQ(cookies.cookies().size(), 1u);
    session->logout(delegate);
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"logout", "logout"}));
}

TEST(SocialEndpointsTest, TheServiceBesideTheGameService) {
    auto local = SocialEndpoints::forService("http://127.0.0.1:20106/serverlist");
    EXPECT_EQ(local.dialogBaseURL, "http://localhost:20106/social/dialog/");
    EXPECT_EQ(local.graphBaseURL, "http://127.0.0.1:20106/social/graph/");
    EXPECT_EQ(local.restserverBaseURL, "http://127.0.0.1:20106/social/method/");
    EXPECT_EQ(local.loginHost, "localhost");
    EXPECT_EQ(local.redirectURL, "zunosn://success");
    EXPECT_EQ(SocialEndpoints::forService("http://localhost:8080/x").loginHost, "127.0.0.1");

    auto remote = SocialEndpoints::forService("http://games.example.vn:8080/serverlist");
    EXPECT_EQ(remote.dialogBaseURL, "https://games.example.vn:8080/social/dialog/");
    EXPECT_EQ(remote.graphBaseURL, "https://games.example.vn:8080/social/graph/");
    EXPECT_EQ(remote.loginHost, "games.example.vn");
    EXPECT_EQ(SocialEndpoints::forService("not an address").graphBaseURL, "http://127.0.0.1:20106/social/graph/");
}

TEST_F(SocialSessionTest, DialogsGetTheirParameters) {
    auto dialogs = std::make_shared<RecordingDialogDelegate>();
    session->dialog("feed", SNParams{{"message", "hi"}}, dialogs);
    auto feed = session->currentDialog();
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->delegate(), dialogs);
    EXPECT_EQ(feed->loadingURL(), endpoints.dialogBaseURL +
                                      "feed?message=hi&display=touch&sdk=2&redirect_uri=zunosn%3A%2F%2Fsuccess&app_id=123");

    // Logged in a day ago: the token goes along, decoded, and the dialog starts the extension.
    session->snDialogLogin("a%2Fb", socialNow() + 60 * 24 * kHour);
    sys::RunLoop::main().runFor(24 * kHour);
    session->dialog("apprequests", dialogs);
    EXPECT_EQ(session->currentDialog()->loadingURL(),
              endpoints.dialogBaseURL + "apprequests?display=touch&sdk=2&redirect_uri=zunosn%3A%2F%2Fsuccess&app_id=123"
                                        "&access_token=a%2Fb");
    EXPECT_TRUE(session->isExtendingAccessToken());

    session->dialog("oauth", dialogs);
    auto login = std::dynamic_pointer_cast<SNLoginDialog>(session->currentDialog());
    ASSERT_TRUE(login);
    EXPECT_FALSE(login->delegate());
    EXPECT_EQ(login->loadingURL(),
              endpoints.dialogBaseURL + "oauth?display=touch&sdk=2&redirect_uri=zunosn%3A%2F%2Fsuccess&type=user_agent");
    ASSERT_TRUE(allFinished());
}

TEST_F(SocialSessionTest, ValidityFollowsTheClock) {
    EXPECT_FALSE(session->isSessionValid());
    session->snDialogLogin("T", socialNow() + kHour);
    EXPECT_TRUE(session->isSessionValid());
    sys::RunLoop::main().runFor(kHour);
    EXPECT_FALSE(session->isSessionValid());
    EXPECT_FALSE(session->shouldExtendAccessToken());
}

}  // namespace
}  // namespace zuno::testing
