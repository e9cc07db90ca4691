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
    for (auto [result, line] : {std::pair{Result::Cancelled, "Cancelled"}, std::pair{Result::Failed, "Unknown Error"}}) {
        service().sendSMSWithData("a", "1");
        auto composer = opened();
        ASSERT_TRUE(composer);
        composer->finish(result);
        EXPECT_TRUE(sys::Log::contains(line));
        EXPECT_FALSE(composer->isPresented());
    }
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

// How a draft the caller's delegate hears of ended: the text shown, and whether a registration that
// never went out forgets the account saved for it.
TEST_F(SmsTest, SMSDelegateTellsThePlayerAndForgetsAnUnsentRegistration) {
    struct Case {
        int32_t mode;
        Result result;
        const char* key;
        bool forgetsAccount;
    };
    const Case cases[] = {
        {SMSDelegate::kTopUp, Result::Sent, "ZUNO_requestSendMessageSuccess", false},
        {SMSDelegate::kTopUp, Result::Cancelled, "ZUNO_cancelSendMessage", false},
        {SMSDelegate::kTopUp, Result::Failed, "ZUNO_cantSendMessage", false},
        {SMSDelegate::kRegistration, Result::Sent, "ZUNO_sendMessageRegistrySuccess", false},
        {SMSDelegate::kRegistration, Result::Cancelled, "ZUNO_cancelSendMessage", true},
        {SMSDelegate::kRegistration, Result::Failed, "ZUNO_cantSendMessage", true},
        {2, Result::Sent, "ZUNO_sendMessageSuccess", false},
        {SMSDelegate::kTellFriend, Result::Sent, "ZUNO_sendMessageSuccess", false},
        {SMSDelegate::kTellFriend, Result::Failed, "ZUNO_cantSendMessage", false},
    };
    auto& defaults = sys::UserDefaults::standard();
    for (const Case& c : cases) {
        const std::string name = "mode " + std::to_string(c.mode) + ", " + c.key;
        defaults.setObject(sys::Value(std::string("nam")), "uname");
        defaults.setObject(sys::Value(std::string("pw")), "password");
        UIController::setOkValue(5);
        service().sendSMSWithData("DK nam", "8793", std::make_shared<SMSDelegate>(c.mode));
        auto composer = opened();
        ASSERT_TRUE(composer) << name;
        composer->finish(c.result);
        EXPECT_FALSE(composer->isPresented()) << name;
        EXPECT_EQ(UIController::okValue(), UIController::okNone) << name;
        const std::string text = Resources::getInstance().textForKey(c.key);
        EXPECT_FALSE(text.empty()) << name;
        EXPECT_EQ(UIController::shownDialogMessage(), text) << name;
        EXPECT_EQ(defaults.stringForKey("uname"), c.forgetsAccount ? "" : "nam") << name;
        EXPECT_EQ(defaults.stringForKey("password"), c.forgetsAccount ? "" : "pw") << name;
    }
    EXPECT_TRUE(session->sent().empty());
}
