#include <stdexcept>

#include "DispatcherFixture.h"
#include "platform/core/Device.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

// A game decoder that keeps what reaches it, with the cursor as it came.
class RecordingGame : public IGameMessageHandler {
public:
    void onPostSetupGameType() override {}
    void onMessage(Message& message) override { received.push_back({message._commandId(), message._idx(), message._data()}); }
    bool isGameType(int8_t) const override { return false; }

    struct Received {
        int8_t commandId;
        int32_t cursor;
        sys::Data payload;
    };
    std::vector<Received> received;
};

struct Route {
    int8_t commandId;
    sys::Data payload;
    std::string outcome;  // the logic call, or what the screens were asked to show; empty for nothing
};

std::vector<Route> lobbyRoutes() {
    const sys::Data five = bytes({i32(1), i32(2), i32(3), i32(4), i32(5)});
    return {
        {-36, {1}, "onSetClientInfoOK"},
        {3, bytes({i32(7), i64(100), i16(2), i32(0)}), "onLoginSuccess"},
        {4, utf("refused"), "alert:refused"},
        {5, bytes({i32(1), utf("an"), utf("hi")}), "onChatFromWithMessage"},
        {6, {}, "onRoomList"},
        {7, {1}, "onBoardListWithRoomId"},
        {10, utf("no"), "onSetMoneyErrorWithError"},
        {17, bytes({i64(5), utf("ok")}), "onTransferMoneyWithNewMoney"},
        {29, {}, "onFriendList"},
        {30, {3, 1}, "onStrongestListWithPage"},
        {31, {1}, "onRichestListWithPage"},
        {32, {0}, "onAddFriendWithResult"},
        {33, {0}, "onDelFriendResult"},
        {34, bytes({i32(5), utf("bo"), i64(9), i16(1), five}), "onPlayerDetail"},
        {35, bytes({utf("an"), {1}, utf("p"), utf("8x")}), "onRegisterInfoWithUsername"},
        {36, {}, "onSearchResult"},
        {38, bytes({i16(1), i16(1), {0x89}}), "onAvatar"},
        {39, {}, "onAvatarList"},
        {40, {2}, "onMyAssets"},
        {41, {}, "onSetMyUserData"},
        {43, i16(3), "onBuyAvatarSuccessWithId"},
        {44, {}, "onMoneyInfo"},
        {45, bytes({{2}, utf("v"), utf("u")}), "onVersionWithInfo"},
        {46, utf("party"), "event4:party"},
        {47, utf("done"), "onAdminCommandResponseWithText"},
        {48, bytes({utf("v"), utf("u")}), "onVersionWithInfo"},
        {55, {0}, ""},
        {61, {4}, "onSetGameTypeSuccessWithGame"},
        {71, bytes({{0, 1}, utf("m"), utf("r"), i64(1)}), "onPurchaseInfo"},
        {72, bytes({{5}, utf("i")}), "onGetInfoWithSubId"},
        {73, bytes({{1}, utf("d"), utf("a")}), "onGetSMSSyntaxWithSubId"},
        {74, bytes({{3, 1, 2}, utf(""), utf("come")}), "onInvitedJoinBoardWithGameId"},
        {76, {1, 2, 3}, ""},
        {78, {1}, "onGetTopLit"},
        {79, bytes({{4}, i32(1), i16(1), {9}}), "onItemImageWithId"},
        {101, {1}, "onCategoryInfo"},
    };
}

class GlobalMessageHandlerTest : public DispatcherTest {
protected:
    void SetUp() override {
        DispatcherTest::SetUp();
        sys::DeviceInfo device;
        device.systemVersion = "6.1";
        sys::Device::override(device);
    }
    std::shared_ptr<RecordingGame> game = std::make_shared<RecordingGame>();
};

}  // namespace

TEST_F(GlobalMessageHandlerTest, EveryLobbyIdReachesItsOwnDecoderAndNeverTheGame) {
    auto routes = lobbyRoutes();
    ASSERT_EQ(routes.size(), 36u);
    UIController::setInviting(true);
    for (const Route& route : routes) {
        SCOPED_TRACE(int(route.commandId));
        dispatcher().setGameMessageHandler(game);
        logic->clear();
        UIController::closeDialog();
        size_t shownBefore = ui->shown().size();

        deliver(route.commandId, route.payload);

        std::vector<std::string> outcome = logic->calls();
        if (auto dialog = UIController::shownDialogMessage()) outcome.push_back("alert:" + *dialog);
        auto shown = ui->shown();
        for (size_t i = shownBefore; i < shown.size(); ++i)
            if (shown[i].rfind("room:", 0) != 0) outcome.push_back(shown[i]);
        EXPECT_EQ(outcome, route.outcome.empty() ? std::vector<std::string>{} : std::vector<std::string>{route.outcome});
    }
    EXPECT_TRUE(game->received.empty());
    EXPECT_EQ(exceptionsLogged(), 0);
}

TEST_F(GlobalMessageHandlerTest, OtherIdsGoUnreadToTheGameOrAreDropped) {
    deliver(9, bytes({{1, 2}, i32(7), utf("hello")}));
    EXPECT_TRUE(calls().empty());

    dispatcher().setGameMessageHandler(game);
    deliver(9, bytes({{1, 2}, i32(7), utf("hello")}));
    deliver(-1, {});
    deliver(103, {5});
    ASSERT_EQ(game->received.size(), 3u);
    EXPECT_EQ(game->received[0].commandId, 9);
    EXPECT_EQ(game->received[0].cursor, 0);
    EXPECT_EQ(game->received[0].payload, bytes({{1, 2}, i32(7), utf("hello")}));
    EXPECT_EQ(game->received[1].commandId, -1);
    EXPECT_EQ(game->received[2].commandId, 103);
    EXPECT_TRUE(calls().empty());
}

TEST_F(GlobalMessageHandlerTest, IgnoredIdIsConsumedWithoutAWord) {
    dispatcher().setGameMessageHandler(game);
    sys::Log::clearCaptured();
    deliver(76, {0xFF, 0x00});
    EXPECT_TRUE(sys::Log::captured().empty());  // the line of each message is a debug line
    sys::Log::setVerbose(true);
    deliver(76, {0xFF, 0x00});
    sys::Log::setVerbose(false);
    EXPECT_EQ(sys::Log::captured(), std::vector<std::string>{"message command 76"});
    EXPECT_TRUE(game->received.empty());
}

TEST_F(GlobalMessageHandlerTest, UnknownSubValuesAreConsumedQuietly) {
    dispatcher().setGameMessageHandler(game);
    const std::vector<std::pair<int8_t, int8_t>> unknown = {
        {40, 0}, {40, 4}, {45, 4}, {45, 7}, {45, -1}, {78, 0}, {78, 5}, {79, 2}, {79, 3},
        {101, 0}, {101, 4}, {101, 8}, {101, 13}, {101, 18}, {101, -1}};
    for (auto [commandId, sub] : unknown) deliver(commandId, {uint8_t(sub), 0, 0, 0, 0});
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(ui->shown().empty());
    EXPECT_EQ(UIController::shownDialogMessage(), std::nullopt);
    EXPECT_EQ(exceptionsLogged(), 0);
    EXPECT_TRUE(game->received.empty());
}

TEST_F(GlobalMessageHandlerTest, ABrokenMessageIsDroppedAndTheNextOneDecoded) {
    // A notice without its sub byte reads sub 0 (the alert), whose text is missing.
    deliver(45, {});
    EXPECT_EQ(exceptionsLogged(), 1);
    EXPECT_EQ(UIController::shownDialogMessage(), std::nullopt);

    // The last table record is cut after its first two bytes.
    deliver(7, bytes({{1}, {4, 2, 0}, i32(500), {5, 1}}));
    EXPECT_EQ(exceptionsLogged(), 2);
    EXPECT_TRUE(sys::Log::contains("Exception RangeException"));
    EXPECT_EQ(logic->count("onBoardListWithRoomId"), 0);

    // Any standard failure is caught too, and what would have followed is not done.
    logic->then["onSetGameTypeSuccessWithGame"] = [] { throw std::runtime_error("no such game"); };
    deliver(61, {4});
    EXPECT_TRUE(sys::Log::contains("Exception no such game"));
    EXPECT_TRUE(ui->shown().empty());

    deliver(7, bytes({{1}, {4, 2, 0}, i32(500)}));
    EXPECT_EQ(logic->count("onBoardListWithRoomId"), 1);
    EXPECT_EQ(exceptionsLogged(), 3);
}

TEST_F(GlobalMessageHandlerTest, ResultsReachTheLogicOnTheMainThreadInArrivalOrder) {
    Message first(32, {0});
    Message second(33, {1});
    dispatcher().onMessage(first);
    dispatcher().onMessage(second);
    EXPECT_TRUE(calls().empty());
    sys::RunLoop::main().runFor(0);
    EXPECT_EQ(calls(), (std::vector<std::string>{"onAddFriendWithResult", "onDelFriendResult"}));
}

TEST_F(GlobalMessageHandlerTest, ConnectionEvents) {
    dispatcher().onConnectionOK();
    auto sent = session->sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]._commandId(), -36);

    dispatcher().onConnectionFail();
    dispatcher().onDisconnected();
    EXPECT_EQ(calls(), (std::vector<std::string>{"onConnectFail", "onDisconnect"}));
    EXPECT_TRUE(sys::Log::contains("da disconnect...."));
}

TEST_F(GlobalMessageHandlerTest, MainThreadOperations) {
    UIController::setOkValue(UIController::okBuyAvatar);
    dispatcher().doShowAlertViewWithMessage(std::string("Hello"));
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    EXPECT_EQ(UIController::shownDialogMessage(), "Hello");

    dispatcher().doShowEventWithMessage(std::string("Tet"));
    sys::DeviceInfo old;
    old.systemVersion = "3.1.3";
    sys::Device::override(old);
    dispatcher().doShowEventWithMessage(std::string("Trung thu"));
    EXPECT_TRUE(sys::Log::contains("iOS 4"));
    EXPECT_TRUE(sys::Log::contains("iOS 3"));

    dispatcher().pushRoomScreen(9);
    EXPECT_EQ(UIController::gameType(), 9);
    EXPECT_EQ(ui->shown(), (std::vector<std::string>{"event4:Tet", "event3:Trung thu",
                                                     "room:" + Resources::getInstance().textForKey("ZUNO_roomTienLen")}));
}
