#include <gtest/gtest.h>

#include "LobbyRequestFixture.h"
#include "lobby/SMSDelegate.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

using namespace zuno;
using zuno::testing::bytes;
using zuno::testing::LobbyRequestTest;
using zuno::testing::utf;
using Result = sys::MessageComposeResult;

namespace {
class RecordingDelegate : public sys::MessageComposeDelegate {
public:
    void messageComposeViewController(sys::MessageComposer&, sys::MessageComposeResult result) override {
        results.push_back(result);
    }
    std::vector<sys::MessageComposeResult> results;
};

// A phone that can send text and leaves each composer open until the test finishes it.
class SmsTest : public LobbyRequestTest {
protected:
    void SetUp() override {
        LobbyRequestTest::SetUp();
        useComposer(true);
    }

    static void useComposer(bool canSend) {
        sys::MessageComposer::Platform phone;
        phone.canSendText = [canSend] { return canSend; };
        phone.present = [](const std::shared_ptr<sys::MessageComposer>&) {};
        sys::MessageComposer::setPlatform(phone);
    }

    // The composer the draft opened, once the main thread has run.
    static std::shared_ptr<sys::MessageComposer> opened() {
        sys::RunLoop::main().runFor(0);
        auto all = sys::MessageComposer::presentedComposers();
        return all.empty() ? nullptr : all.back();
    }
};
}  // namespace

TEST_F(SmsTest, ASentDraftIsReportedWithBodyAndFirstRecipient) {
    service().sendSMSWithData("MK nam", "8793");
    auto composer = opened();
    ASSERT_TRUE(composer);
    EXPECT_EQ(composer->body(), "MK nam");
    EXPECT_EQ(composer->recipients(), std::vector<std::string>{"8793"});
    EXPECT_TRUE(session->sent().empty());

    composer->finish(Result::Sent);
    EXPECT_EQ(session->lastBytes(), bytes({{57}, utf("MK nam"), utf("8793")}));
    EXPECT_TRUE(sys::Log::contains("Sent"));
    EXPECT_FALSE(composer->isPresented());
}

TEST_F(SmsTest, CancelledOrFailedDraftsSendNothing) {
    service().sendSMSWithData("a", "1");
    auto cancelled = opened();
    ASSERT_TRUE(cancelled);
    cancelled->finish(Result::Cancelled);
    EXPECT_TRUE(sys::Log::contains("Cancelled"));
    EXPECT_FALSE(cancelled->isPresented());

    service().sendSMSWithData("b", "2");
    auto failed = opened();
    ASSERT_TRUE(failed);
    failed->finish(Result::Failed);
    EXPECT_TRUE(sys::Log::contains("Unknown Error"));
    EXPECT_TRUE(session->sent().empty());
}

TEST_F(SmsTest, ACallersDelegateHearsTheResultInsteadOfTheServer) {
    auto delegate = std::make_shared<RecordingDelegate>();
    service().sendSMSWithData("DK nam", "8793", delegate);
    auto composer = opened();
    ASSERT_TRUE(composer);
    composer->finish(Result::Sent);
    EXPECT_EQ(delegate->results, std::vector<Result>{Result::Sent});
    EXPECT_TRUE(session->sent().empty());
}

TEST_F(SmsTest, FieldsAreIndependentButARecipientIsNeeded) {
    service().sendSMSWithData(std::nullopt, "8793");
    auto composer = opened();
    ASSERT_TRUE(composer);
    EXPECT_EQ(composer->body(), "");
    EXPECT_EQ(composer->recipients(), std::vector<std::string>{"8793"});

    service().sendSMSWithData("text", std::nullopt);
    sys::RunLoop::main().runFor(0);
    EXPECT_EQ(sys::MessageComposer::presentedComposers().size(), 1u);
}

TEST_F(SmsTest, NoComposerWhereTextCannotBeSent) {
    useComposer(false);
    service().sendSMSWithData("a", "1");
    EXPECT_EQ(opened(), nullptr);
}

TEST_F(SmsTest, RegistrationDraftNotSentForgetsTheSavedAccount) {
    auto& defaults = sys::UserDefaults::standard();
    for (Result result : {Result::Cancelled, Result::Failed}) {
        defaults.setObject(sys::Value(std::string("nam")), "uname");
        defaults.setObject(sys::Value(std::string("pw")), "password");
        service().sendSMSWithData("DK nam", "8793", std::make_shared<SMSDelegate>(SMSDelegate::kRegistration));
        auto composer = opened();
        ASSERT_TRUE(composer);
        composer->finish(result);
        EXPECT_EQ(defaults.stringForKey("uname"), "");
        EXPECT_EQ(defaults.stringForKey("password"), "");
        EXPECT_FALSE(composer->isPresented());
        EXPECT_EQ(UIController::okValue(), UIController::okNone);
        EXPECT_TRUE(UIController::shownDialogMessage().has_value());
    }
}

TEST_F(SmsTest, OtherDraftsKeepTheSavedAccount) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(std::string("nam")), "uname");
    service().sendSMSWithData("x", "1", std::make_shared<SMSDelegate>(SMSDelegate::kTopUp));
    opened()->finish(Result::Cancelled);
    EXPECT_EQ(defaults.stringForKey("uname"), "nam");
    EXPECT_TRUE(UIController::shownDialogMessage().has_value());
}

TEST(SMSDelegateText, SentTextDependsOnTheDraftCancelAndFailureDoNot) {
    EXPECT_STREQ(SMSDelegate::resultTextKey(0, Result::Sent), "ZUNO_requestSendMessageSuccess");
    EXPECT_STREQ(SMSDelegate::resultTextKey(1, Result::Sent), "ZUNO_sendMessageRegistrySuccess");
    EXPECT_STREQ(SMSDelegate::resultTextKey(2, Result::Sent), "ZUNO_sendMessageSuccess");
    EXPECT_STREQ(SMSDelegate::resultTextKey(3, Result::Sent), "ZUNO_sendMessageSuccess");
    for (int32_t mode : {0, 1, 3}) {
        EXPECT_STREQ(SMSDelegate::resultTextKey(mode, Result::Cancelled), "ZUNO_cancelSendMessage");
        EXPECT_STREQ(SMSDelegate::resultTextKey(mode, Result::Failed), "ZUNO_cantSendMessage");
    }
}
