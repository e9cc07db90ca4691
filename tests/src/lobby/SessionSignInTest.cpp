// The session logic of the connection, signing in, registering and the forgotten password.
#include "SessionLogicFixture.h"
#include "lobby/model/User.h"
#include "net/MobileClient.h"
#include "platform/core/UserDefaults.h"
#include "platform/services/MessageComposer.h"
#include "screens/MainView.h"
#include "screens/RegisterView.h"
#include "screens/TellFriendView.h"

using namespace zuno;
using zuno::testing::SessionLogicTest;

namespace {
struct CountingListener : ConnectOKListener {
    void onConnectOK() override { ++ok; }
    void onConnectFail() override { ++fail; }
    int ok = 0;
    int fail = 0;
};

void useComposer(bool canSend) {
    sys::MessageComposer::Platform phone;
    phone.canSendText = [canSend] { return canSend; };
    phone.present = [](const std::shared_ptr<sys::MessageComposer>&) {};
    sys::MessageComposer::setPlatform(phone);
}
}  // namespace

TEST_F(SessionLogicTest, TheEndOfAConnectionReturnsToLoginWithTheReasonOrTheTraffic) {
    const std::string used = text("ZUNO_used_size");
    struct Case {
        const char* name;
        int32_t status;
        int64_t got, sent;
        bool refusedLogin;
        std::optional<std::string> shown;
    } cases[] = {
        {"logout after 140 bytes", MobileClient::kClosedByLogout, 100, 40, false, std::nullopt},
        {"logout after 150 bytes", MobileClient::kClosedByLogout, 100, 50, false, used + "150 bytes."},
        {"logout after 2048 bytes", MobileClient::kClosedByLogout, 2000, 48, false, used + "2.00 KB."},
        {"server dropped a quiet connection", MobileClient::kConnected, 0, 0, false, text("ZUNO_lostSignal")},
        {"close after a refused login", MobileClient::kClosedByLogout, 9000, 900, true, std::nullopt},
    };
    auto client = MobileClient::getInstance();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UIController::closeDialog();
        screens->stack = {std::make_shared<MainView>(), std::make_shared<MainView>()};
        client->setConnectStatus(c.status);
        client->setCountOfGetSize(c.got);
        client->setCountOfSentSize(c.sent);
        if (c.refusedLogin) logic().onLoginRefused();
        const int popsBefore = screens->pops;

        logic().onDisconnect();
        EXPECT_EQ(dialog(), c.shown);
        EXPECT_EQ(screens->pops, popsBefore + 1);
        EXPECT_EQ(screens->stack.size(), 1u);
    }
    client->setConnectStatus(MobileClient::kNeverConnected);
    client->setCountOfGetSize(0);
    client->setCountOfSentSize(0);
}

// Only the end of a connection a player signed in on signs that player out: the player, the inbox and
// its button go; the switches stay. The close after a refused login, or of a connection nobody signed
// in on (tell a friend, the hotline), leaves the session as it was.
TEST_F(SessionLogicTest, TheEndOfASignedInConnectionSignsThePlayerOut) {
    logic().onConnectionReplaced();  // whatever an earlier sign-in of this process left
    auto client = MobileClient::getInstance();
    client->setConnectStatus(MobileClient::kClosedByLogout);
    UIController::setInviting(true);
    auto holdAccount = [&] {
        auto me = std::make_shared<Player>();
        me->setIDDB(1001);
        UIController::setMyInfo(me);
        UIController::addMessage(std::make_shared<ZunoMessage>());
        auto button = std::make_shared<ui::View>();
        window->addSubview(button);
        UIController::setBtnAlertMessage(button);
        return button;
    };
    auto button = holdAccount();
    logic().onDisconnect();
    dialog();
    EXPECT_EQ(UIController::myInfo()->IDDB(), 1001) << "nobody signed in on that connection";
    EXPECT_EQ(UIController::listMessage().size(), 1u);

    for (const char* end : {"a logout", "a connection replaced by a new one"}) {
        SCOPED_TRACE(end);
        button = holdAccount();
        logic().onLoginSuccess();
        if (end == std::string("a logout")) logic().onDisconnect();
        else logic().onConnectionReplaced();
        dialog();
        EXPECT_EQ(UIController::myInfo()->IDDB(), 0);
        EXPECT_TRUE(UIController::listMessage().empty());
        EXPECT_FALSE(UIController::btnAlertMessage());
        EXPECT_FALSE(button->superview());
        EXPECT_TRUE(UIController::inviting());
    }
    // Signed out once: a second end finds nothing of an account to drop.
    holdAccount();
    logic().onConnectionReplaced();
    EXPECT_EQ(UIController::myInfo()->IDDB(), 1001);
    UIController::resetSessionState();
    client->setConnectStatus(MobileClient::kNeverConnected);
}

TEST_F(SessionLogicTest, AFailedConnectIsRoutedByTheScreenOnTop) {
    auto listener = std::make_shared<CountingListener>();
    GlobalService::getInstance().setConnectOKListener(listener);

    onTop<RegisterView>();
    logic().onConnectFail();
    EXPECT_EQ(listener->fail, 1);  // the registration screen tries the next server
    EXPECT_EQ(dialog(), std::nullopt);

    screens->stack = {std::make_shared<TellFriendView>()};
    logic().onConnectFail();
    EXPECT_EQ(dialog(), std::nullopt);
    EXPECT_EQ(screens->pops, 0);

    screens->stack = {std::make_shared<MainView>(), std::make_shared<MainView>()};
    logic().onConnectFail();
    EXPECT_EQ(dialog(), text("ZUNO_connectFail"));
    EXPECT_EQ(screens->pops, 1);
    EXPECT_EQ(listener->fail, 2);  // told as well: the server list forgets a list that failed
}

TEST_F(SessionLogicTest, AcceptedClientInformationCallsTheLiveListenerOnce) {
    int actions = 0;
    GlobalService::setConnectOKAction([&] { ++actions; });
    auto listener = std::make_shared<CountingListener>();
    GlobalService::getInstance().setConnectOKListener(listener);

    logic().onSetClientInfoOK();
    logic().onSetClientInfoOK();
    EXPECT_EQ(listener->ok, 1);
    EXPECT_EQ(actions, 2);
    EXPECT_EQ(GlobalService::getInstance().getConnectOKListener(), nullptr);

    // Held weakly: a screen that went away is not called.
    auto gone = std::make_shared<CountingListener>();
    GlobalService::getInstance().setConnectOKListener(gone);
    gone.reset();
    logic().onSetClientInfoOK();
    GlobalService::setConnectOKAction(nullptr);
}

TEST_F(SessionLogicTest, LoginSuccessClosesTheWaitAndPushesTheMainMenu) {
    UIController::startNilDlg("please wait");
    onTop<RegisterView>();
    logic().onLoginSuccess();
    EXPECT_EQ(dialog(), std::nullopt);
    ASSERT_EQ(screens->stack.size(), 2u);
    EXPECT_TRUE(std::dynamic_pointer_cast<MainView>(screens->stack.back()));
}

TEST_F(SessionLogicTest, RegistrationAnswerBranches) {
    struct Case {
        const char* name;
        bool avail, apStore, canSMS;
        std::optional<std::string> shown;
        bool composer;
    } cases[] = {
        {"name taken", false, false, true, text("ZUNO_gameIDAlreadyUsed"), false},
        {"store build", true, true, true, std::nullopt, false},
        {"phone sends the SMS", true, false, true, std::nullopt, true},
        // A desktop: the text to send from a phone, and what a server that opens accounts at once allows.
        {"copied by hand", true, false, false,
         "Please send an SMS with the text REG lan to 8x79.\n" + text("ZUNO_registerWithoutSMS"), false},
    };
    useComposer(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UIController::startNilDlg("please wait");
        UIController::setOkValue(UIController::okNone);
        screens->apStore = c.apStore;
        screens->canSendSMS = c.canSMS;
        const size_t composersBefore = sys::MessageComposer::presentedComposers().size();

        logic().onRegisterInfoWithUsername("lan", c.avail, "REG lan", "8x79");
        EXPECT_EQ(dialog(), c.shown);
        EXPECT_EQ(sys::MessageComposer::presentedComposers().size(), composersBefore + (c.composer ? 1 : 0));
        if (c.composer) {
            EXPECT_EQ(sys::MessageComposer::presentedComposers().back()->body(), "REG lan");
        }
    }
    // The text to copy is the pending payload of the copy action.
    EXPECT_EQ(UIController::okValue(), UIController::okCopyText);
    EXPECT_EQ(UIController::object(), sys::Value("REG lan"));
}

// Only sub id 1 asks for the password. A phone writes the SMS in the store build only; a device that
// sends none (a desktop) shows the text and number to send from a phone, with Copy, whatever the build.
TEST_F(SessionLogicTest, ForgottenPasswordSMSIsForSubIdOneByPhoneInTheStoreBuildElseByHand) {
    sys::UserDefaults::standard().setObject(sys::Value("lan"), "ZUNO_FORGET_PASSWORD_USERNAME");
    useComposer(true);
    const size_t composers = sys::MessageComposer::presentedComposers().size();
    screens->canSendSMS = false;
    logic().onGetSMSSyntaxWithSubId(2, "MK?x", "8x79");
    EXPECT_EQ(dialog(), std::nullopt);

    screens->canSendSMS = true;
    screens->apStore = false;
    logic().onGetSMSSyntaxWithSubId(1, "MK ?x", "8x79");
    EXPECT_EQ(dialog(), std::nullopt);
    EXPECT_EQ(sys::MessageComposer::presentedComposers().size(), composers);
    screens->apStore = true;
    logic().onGetSMSSyntaxWithSubId(1, "MK ?x", "8x79");
    EXPECT_EQ(dialog(), std::nullopt);
    ASSERT_EQ(sys::MessageComposer::presentedComposers().size(), composers + 1);
    EXPECT_EQ(sys::MessageComposer::presentedComposers().back()->body(), "MK lan");

    screens->canSendSMS = false;
    for (bool store : {false, true}) {
        SCOPED_TRACE(store ? "store build" : "other build");
        screens->apStore = store;
        UIController::setOkValue(UIController::okLeaveBoard);
        logic().onGetSMSSyntaxWithSubId(1, "MK ?x", "8x79");
        EXPECT_EQ(dialog(), "Please send an SMS with the text MK lan to 8x79.\n" + text("ZUNO_passwordWithoutSMS"));
        EXPECT_EQ(UIController::okValue(), UIController::okCopyText);
        EXPECT_EQ(UIController::object(), sys::Value("MK lan"));
        UIController::closeDialog();
    }
}

TEST_F(SessionLogicTest, OnlyTheConfirmationOfThePasswordChangeReplacesTheSavedPassword) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value("old"), "ZUNO_LOGIN_OLDPASS");
    auto& service = GlobalService::getInstance();
    service.forgetUnconfirmedUpdates();
    User plain;
    User change;
    change.setIsChangePass(true);
    change.setOldPass("old");
    change.setNewPass("new");

    logic().onSetMyUserData();  // nothing was sent: nothing to confirm
    EXPECT_EQ(defaults.stringForKey("ZUNO_LOGIN_OLDPASS"), "old");

    // A plain edit sent before the change: its confirmation leaves the password alone.
    service.updateDateProfileWithUser(plain);
    service.updateDateProfileWithUser(change);
    service.updateDateProfileWithUser(plain);
    logic().onSetMyUserData();
    EXPECT_EQ(defaults.stringForKey("ZUNO_LOGIN_OLDPASS"), "old");
    EXPECT_EQ(dialog(), std::nullopt);

    logic().onSetMyUserData();
    EXPECT_EQ(defaults.stringForKey("ZUNO_LOGIN_OLDPASS"), "new");
    EXPECT_EQ(defaults.stringForKey("ZUNO_LOGIN_NEWPASS"), std::nullopt);
    EXPECT_EQ(dialog(), text("ZUNO_changePassSuccess"));

    UIController::closeDialog();
    logic().onSetMyUserData();
    EXPECT_EQ(defaults.stringForKey("ZUNO_LOGIN_OLDPASS"), "new");
    EXPECT_EQ(dialog(), std::nullopt);
}
