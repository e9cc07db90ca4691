// The social network client end to end: the desktop program headless, the dialogs over its window,
// against the stand-in social service over HTTP. No screen of the client opens a session; the test
// takes the road a user of one would: log in, read, post, a day later the extension, expiry, log out,
// feed dialogs.
#include <gtest/gtest.h>

#include "platform/core/RunLoop.h"
#include "platform/net/CookieStore.h"
#include "platform/ui/Image.h"
#include "social/SocialEndpoints.h"
#include "social/SocialSession.h"
#include "standin-server/StandinSocial.h"
#include "support/ProgramRoadTest.h"
#include "support/SnapshotCompare.h"
#include "support/SocialRecorders.h"

using namespace zuno;

namespace {

using zuno::testing::RecordingDialogDelegate;
using zuno::testing::RecordingRequestDelegate;
using zuno::testing::RecordingSessionDelegate;
using zuno::testing::Transcript;

// Only the results: what the road checks.
constexpr unsigned kResults = SNRequestDelegate::kDidLoad | SNRequestDelegate::kDidFailWithError;
std::shared_ptr<RecordingRequestDelegate> resultsTold() { return std::make_shared<RecordingRequestDelegate>(kResults); }

class SocialRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        social = standin::StandinSocial::installOn(http);
        ASSERT_NO_FATAL_FAILURE(launchProgram("social-road"));
        settle();
        told = std::make_shared<RecordingSessionDelegate>();
        session = SocialSession::initWithAppId("4242", told);
    }
    void TearDown() override {
        session.reset();
        ProgramRoadTest::TearDown();
    }

    // The dialog on top of the program's window once its page is in and its bounce is over.
    std::shared_ptr<SNDialog> dialogWithPage(const std::string& word) {
        std::shared_ptr<SNDialog> dialog;
        pump([&] {
            auto window = program->delegate()->window;
            dialog = window->subviews().empty() ? nullptr : std::dynamic_pointer_cast<SNDialog>(window->subviews().back());
            if (!dialog) return false;
            for (const auto& w : dialog->webView()->document().words)
                if (w.text == word) return true;
            return false;
        });
        settle();
        return dialog;
    }
    bool tapInPage(const std::shared_ptr<SNDialog>& dialog, const std::string& word) {
        return dialog && dialog->webView()->tapLinkWithText(word);
    }
    void logInThroughTheDialog() {
        told->log.clear();
        session->authorize({"user_photos"});
        auto dialog = dialogWithPage("Allow");
        ASSERT_TRUE(tapInPage(dialog, "Allow"));
        ASSERT_TRUE(pump([&] { return !told->log.empty(); }));
        EXPECT_EQ(told->log, Transcript{"login"});
    }
    bool answered(const std::shared_ptr<RecordingRequestDelegate>& delegate, size_t count = 1) {
        return pump([&] { return delegate->log.size() >= count && session->requestsInFlight() == 0; });
    }
    std::vector<std::string> socialPaths() const {
        std::vector<std::string> out;
        for (const auto& r : http.requests())
            if (r.path.rfind("/social/", 0) == 0) out.push_back(r.path + "?" + r.query);
        return out;
    }
    ::testing::AssertionResult screenMatches(const std::string& name) {
        ui::RasterScreen screen;
        screen.renderApplication();
        return zuno::testing::matchesReference(screen, name);
    }

    std::shared_ptr<standin::StandinSocial> social;
    std::shared_ptr<RecordingSessionDelegate> told;
    std::shared_ptr<SocialSession> session;
};

TEST_F(SocialRoadTest, LogInReadPostExtendExpireAndLogOut) {
    const std::string loginHost = SocialEndpoints::current().loginHost;
    EXPECT_EQ(loginHost, "localhost");
    sys::Cookie lobby;
    lobby.name = "lobby";
    lobby.value = "1";
    lobby.domain = "127.0.0.1";
    sys::CookieStore::shared().setCookie(lobby);

    session->authorize({"user_photos"});
    auto dialog = dialogWithPage("Allow");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(screenMatches("program_social_login"));
    ASSERT_TRUE(tapInPage(dialog, "Allow"));
    ASSERT_TRUE(pump([&] { return !told->log.empty(); }));
    EXPECT_EQ(told->log, Transcript{"login"});
    EXPECT_TRUE(session->isSessionValid());
    ASSERT_EQ(social->issuedTokens().size(), 1u);
    EXPECT_EQ(session->accessToken(), social->issuedTokens()[0]);
    EXPECT_EQ(sys::CookieStore::shared().cookies().size(), 2u);
    settle();
    EXPECT_TRUE(program->delegate()->window->subviews().back() != dialog);

    auto me = resultsTold();
    session->requestWithGraphPath("me", me);
    ASSERT_TRUE(answered(me));
    EXPECT_EQ(me->result["name"].asText(), "Demo Player");

    auto photo = resultsTold();
    SNParams upload{{"message", "Our table tonight"}};
    upload.set("source", ui::Image::fromPixels(2, 2, {0xff0000ff, 0xff00ff00, 0xffff0000, 0xffffffff}));
    session->requestWithGraphPath("me/photos", upload, "POST", photo);
    ASSERT_TRUE(answered(photo));
    EXPECT_EQ(photo->log, Transcript{"load"});
    EXPECT_EQ(photo->result["id"].asText(), "photo_1");

    // What the other graph paths answer reaches the delegate as the service means it.
    struct Case {
        std::string path;
        Transcript told;
    };
    const std::vector<Case> cases = {
        {"true", {"load"}},           {"false", {"fail socialErrDomain 10000"}}, {"error", {"fail socialErrDomain 10000"}},
        {"friends", {"load"}},        {"count", {"load"}},       {"broken", {"fail socialErrDomain 500"}},
        {"no/such/path", {"fail socialErrDomain 10000"}},
    };
    for (const auto& c : cases) {
        auto told = resultsTold();
        session->requestWithGraphPath(c.path, told);
        ASSERT_TRUE(answered(told)) << c.path;
        EXPECT_EQ(told->log, c.told) << c.path;
    }
    auto unknown = resultsTold();
    session->requestWithMethodName("users.unknown", {}, "GET", unknown);
    ASSERT_TRUE(answered(unknown));
    EXPECT_EQ(unknown->log, Transcript{"fail socialErrDomain 10000"});

    // A day later the next request extends the token, once, and the new token is used after it.
    sys::RunLoop::main().runFor(24 * 3600);
    http.clearRequests();
    auto later = resultsTold();
    session->requestWithGraphPath("me", later);
    session->requestWithGraphPath("friends", later);
    ASSERT_TRUE(answered(later, 2));
    ASSERT_TRUE(pump([&] { return !session->isExtendingAccessToken(); }));
    ASSERT_EQ(social->issuedTokens().size(), 2u);
    EXPECT_EQ(told->log.back().rfind("extended " + social->issuedTokens()[1] + " ", 0), 0u);
    auto paths = socialPaths();
    EXPECT_EQ(std::count_if(paths.begin(), paths.end(),
                            [](const std::string& p) { return p.find("auth.extendSSOAccessToken") != std::string::npos; }),
              1);
    http.clearRequests();
    session->requestWithGraphPath("me", later);
    ASSERT_TRUE(answered(later, 3));
    ASSERT_EQ(socialPaths().size(), 1u);
    EXPECT_NE(socialPaths()[0].find("access_token=" + social->issuedTokens()[1]), std::string::npos);

    // The service says the session is over.
    auto expired = resultsTold();
    session->requestWithGraphPath("expired", expired);
    ASSERT_TRUE(answered(expired));
    EXPECT_EQ(expired->log, Transcript{"fail socialErrDomain 190"});
    EXPECT_EQ(told->log.back(), "invalidated");
    EXPECT_FALSE(session->isSessionValid());

    // Logging out deletes the login host's cookies only.
    ASSERT_NO_FATAL_FAILURE(logInThroughTheDialog());
    EXPECT_EQ(sys::CookieStore::shared().cookies().size(), 2u);
    session->logout();
    EXPECT_EQ(told->log.back(), "logout");
    auto left = sys::CookieStore::shared().cookies();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].name, "lobby");
    EXPECT_TRUE(social->complaints().empty());
}

TEST_F(SocialRoadTest, FeedDialogsAndACancelledLogin) {
    ASSERT_NO_FATAL_FAILURE(logInThroughTheDialog());
    auto feedTold = std::make_shared<RecordingDialogDelegate>();

    session->dialog("feed", SNParams{{"message", "A good game of Tien Len"}}, feedTold);
    auto feed = dialogWithPage("Publish");
    ASSERT_TRUE(feed);
    EXPECT_TRUE(screenMatches("program_social_feed"));
    ASSERT_TRUE(tapInPage(feed, "Publish"));
    ASSERT_TRUE(pump([&] { return !feedTold->log.empty(); }));
    settle();
    EXPECT_EQ(feedTold->log,
              (Transcript{"complete zunosn://success?post_id=" + std::string(standin::StandinSocial::kPostId), "complete"}));

    feedTold->log.clear();
    session->dialog("feed", SNParams{{"message", "again"}}, feedTold);
    ASSERT_TRUE(tapInPage(dialogWithPage("Cancel"), "Cancel"));
    ASSERT_TRUE(pump([&] { return !feedTold->log.empty(); }));
    EXPECT_EQ(feedTold->log, (Transcript{"not complete zunosn://cancel", "not complete"}));

    // Escape closes the panel, and only the panel.
    feedTold->log.clear();
    session->dialog("feed", SNParams{{"message", "and again"}}, feedTold);
    ASSERT_TRUE(dialogWithPage("Publish"));
    auto screen = program->navigation().topViewController();
    app::goBack();
    EXPECT_EQ(feedTold->log, (Transcript{"not complete (none)", "not complete"}));
    settle();
    EXPECT_EQ(program->navigation().topViewController(), screen);
    EXPECT_FALSE(std::dynamic_pointer_cast<SNDialog>(program->delegate()->window->subviews().back()));

    feedTold->log.clear();
    session->dialog("feed", SNParams{{"message", "once more"}}, feedTold);
    ASSERT_TRUE(tapInPage(dialogWithPage("Fail"), "Fail"));
    ASSERT_TRUE(pump([&] { return !feedTold->log.empty(); }));
    EXPECT_EQ(feedTold->log, Transcript{"fail socialErrDomain " + std::to_string(standin::StandinSocial::kFeedErrorCode)});
    EXPECT_EQ(feedTold->error.userInfo, (sys::Dictionary{{"error_msg", standin::StandinSocial::kFeedErrorMessage}}));
    settle();

    told->log.clear();
    session->logout();
    told->log.clear();
    session->authorize({});
    ASSERT_TRUE(tapInPage(dialogWithPage("Cancel"), "Cancel"));
    ASSERT_TRUE(pump([&] { return !told->log.empty(); }));
    EXPECT_EQ(told->log, Transcript{"not login, cancelled"});
    EXPECT_FALSE(session->isSessionValid());
    EXPECT_TRUE(social->complaints().empty());
}

}  // namespace
