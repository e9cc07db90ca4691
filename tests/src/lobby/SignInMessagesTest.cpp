#include "DispatcherFixture.h"
#include "net/MobileClient.h"
#include "platform/core/Device.h"
#include "platform/core/UserDefaults.h"
#include "shell/UIController.h"

using namespace zuno;
using namespace zuno::testing;

namespace {
using Text = std::optional<std::string>;

class SignInMessagesTest : public DispatcherTest {
protected:
    void SetUp() override {
        DispatcherTest::SetUp();
        sys::DeviceInfo device;
        device.systemVersion = "6.1";
        sys::Device::override(device);
        MobileClient::getInstance()->setConnectStatus(MobileClient::kConnected);
    }
};
}  // namespace

TEST_F(SignInMessagesTest, RefusedClientInformationIsReportedThenClosedSilently) {
    for (uint8_t status : {0, 2}) {
        logic->clear();
        MobileClient::getInstance()->setConnectStatus(MobileClient::kConnected);
        deliver(-36, {status});
        EXPECT_EQ(calls(), std::vector<std::string>{"onConnectFail"});
        EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedSilently);
    }
    logic->clear();
    MobileClient::getInstance()->setConnectStatus(MobileClient::kConnected);
    deliver(-36, {1});
    EXPECT_EQ(calls(), std::vector<std::string>{"onSetClientInfoOK"});
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kConnected);
}

TEST_F(SignInMessagesTest, LoginSuccessSendsTheSecondClientInformationThenFillsANewPlayer) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value("lan"), "ZUNO_LOGIN_USERNAME");
    defaults.setObject(sys::Value("secret"), "ZUNO_LOGIN_OLDPASS");
    PlayerPtr before = UIController::myInfo();
    PlayerPtr seenByLogic;
    logic->then["onLoginSuccess"] = [&] { seenByLogic = UIController::myInfo(); };

    deliver(3, bytes({i32(4711), i64(2500000000LL), i16(12), i32(250)}));

    ASSERT_EQ(session->sent().size(), 1u);
    EXPECT_EQ(session->sent()[0]._commandId(), -35);
    ASSERT_TRUE(seenByLogic);
    EXPECT_NE(seenByLogic, before);
    EXPECT_EQ(seenByLogic->IDDB(), 4711);
    EXPECT_EQ(seenByLogic->money(), 2500000000LL);
    EXPECT_EQ(seenByLogic->avatar(), 12);
    EXPECT_EQ(seenByLogic->exp(), 250);
    EXPECT_EQ(seenByLogic->level()->lv(), 2);
    EXPECT_EQ(seenByLogic->name(), "lan");
    EXPECT_EQ(seenByLogic->userProfile()->oldPass(), "secret");
}

TEST_F(SignInMessagesTest, ShortLoginSuccessStillSendsTheSecondInformationButKeepsThePlayer) {
    PlayerPtr before = UIController::myInfo();
    before->setIDDB(99);
    deliver(3, {});
    deliver(3, bytes({i32(4711), i64(10)}));  // cut before the avatar
    EXPECT_EQ(session->sent().size(), 2u);
    EXPECT_EQ(exceptionsLogged(), 2);
    EXPECT_EQ(UIController::myInfo(), before);
    EXPECT_EQ(UIController::myInfo()->IDDB(), 99);
    EXPECT_EQ(logic->count("onLoginSuccess"), 0);
}

TEST_F(SignInMessagesTest, LoginFailShowsTheTextAndClosesAsALogout) {
    UIController::setOkValue(UIController::okAcceptInvite);
    deliver(4, utf("Sai mật khẩu"));
    EXPECT_EQ(UIController::shownDialogMessage(), "Sai mật khẩu");
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedByLogout);
    EXPECT_TRUE(calls().empty());
}

TEST_F(SignInMessagesTest, AnswersCarryTheirFieldsInOrder) {
    deliver(35, bytes({utf("nam"), {2}, utf("ZN DK nam"), utf("8785")}));
    EXPECT_TRUE(sys::Log::contains("thong tin dang ky tra ve."));
    auto [username, avail, prefix, to] = logic->last<std::tuple<Text, bool, Text, Text>>("onRegisterInfoWithUsername");
    EXPECT_EQ(username, "nam");
    EXPECT_TRUE(avail);
    EXPECT_EQ(prefix, "ZN DK nam");
    EXPECT_EQ(to, "8785");

    deliver(73, bytes({{1}, utf("ZN MK?x"), utf("8185")}));
    EXPECT_EQ((logic->last<std::tuple<int8_t, Text, Text>>("onGetSMSSyntaxWithSubId")),
              std::make_tuple(int8_t(1), Text("ZN MK?x"), Text("8185")));

    deliver(10, utf("too much"));
    EXPECT_EQ(logic->last<Text>("onSetMoneyErrorWithError"), "too much");

    // Information for a key, without and with its text.
    deliver(72, {0xFF, 0x05});
    EXPECT_EQ((logic->last<std::tuple<int8_t, Text>>("onGetInfoWithSubId")), std::make_tuple(int8_t(5), Text()));
    deliver(72, {0x05, 0x00, 0x00});
    EXPECT_EQ((logic->last<std::tuple<int8_t, Text>>("onGetInfoWithSubId")), std::make_tuple(int8_t(5), Text("")));
}

TEST_F(SignInMessagesTest, NoticesByKind) {
    deliver(45, bytes({{0}, utf("Bảo trì")}));
    EXPECT_EQ(UIController::shownDialogMessage(), "Bảo trì");

    deliver(45, bytes({{1}, utf("Event")}));
    deliver(46, utf("Other event"));
    EXPECT_EQ(ui->shown(), (std::vector<std::string>{"event4:Event", "event4:Other event"}));

    deliver(45, bytes({{2}, utf("2.4"), utf("http://x")}));
    deliver(48, bytes({utf("2.5"), utf("http://y")}));
    EXPECT_EQ(logic->count("onVersionWithInfo"), 2);
    EXPECT_EQ((logic->last<std::tuple<Text, Text>>("onVersionWithInfo")), std::make_tuple(Text("2.5"), Text("http://y")));

    deliver(47, utf("ok"));
    EXPECT_EQ(logic->last<Text>("onAdminCommandResponseWithText"), "ok");
}

TEST_F(SignInMessagesTest, PresentsAreHandedOverWholeOrNotAtAll) {
    deliver(45, bytes({{3}, i32(10), utf("Hoa"), i32(11), utf("Bánh")}));
    auto presents = logic->last<GlobalLogicHandler::Assets>("onPresentReceived");
    ASSERT_EQ(presents.size(), 2u);
    EXPECT_EQ(presents[0]->assetId(), 10);
    EXPECT_EQ(presents[0]->name(), "Hoa");
    EXPECT_EQ(presents[1]->assetId(), 11);
    EXPECT_EQ(presents[1]->name(), "Bánh");

    deliver(45, {3});
    EXPECT_TRUE(logic->last<GlobalLogicHandler::Assets>("onPresentReceived").empty());

    deliver(45, bytes({{3}, i32(10), utf("Hoa"), i32(11)}));
    EXPECT_EQ(logic->count("onPresentReceived"), 2);
    EXPECT_EQ(exceptionsLogged(), 1);
}

TEST_F(SignInMessagesTest, StringListIsReadAndDropped) {
    deliver(55, {0xFF, 0x00, 0x01});
    deliver(55, bytes({{2}, utf("a"), utf("b")}));
    EXPECT_EQ(exceptionsLogged(), 0);
    deliver(55, bytes({{3}, utf("a"), utf("b")}));
    EXPECT_EQ(exceptionsLogged(), 1);
    EXPECT_TRUE(calls().empty());
}
