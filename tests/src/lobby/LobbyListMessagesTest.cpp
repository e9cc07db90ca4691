#include "DispatcherFixture.h"
#include "shell/UIController.h"

using namespace zuno;
using namespace zuno::testing;

namespace {
using Rooms = std::vector<std::shared_ptr<RoomInfo>>;
using Boards = std::tuple<int32_t, std::vector<std::shared_ptr<Board>>>;
using Invitation = std::tuple<int8_t, int8_t, int8_t, std::optional<std::string>, std::optional<std::string>>;

class LobbyListMessagesTest : public DispatcherTest {};
}  // namespace

TEST_F(LobbyListMessagesTest, RoomRecordsOfFourBytesAndAShortLastOne) {
    deliver(6, {1, 10, 3, 0, 2, 20, 0, 2});
    Rooms rooms = logic->last<Rooms>("onRoomList");
    ASSERT_EQ(rooms.size(), 2u);
    EXPECT_EQ(rooms[0]->roomId(), 1);
    EXPECT_EQ(rooms[0]->roomFree(), 10);
    EXPECT_EQ(rooms[0]->roomWait(), 3);
    EXPECT_EQ(rooms[0]->lv(), 0);
    EXPECT_EQ(rooms[1]->roomId(), 2);
    EXPECT_EQ(rooms[1]->lv(), 2);

    deliver(6, {1, 10, 3, 0, 2, 20});
    rooms = logic->last<Rooms>("onRoomList");
    ASSERT_EQ(rooms.size(), 2u);
    EXPECT_EQ(rooms[1]->roomFree(), 20);
    EXPECT_EQ(rooms[1]->roomWait(), 0);
    EXPECT_EQ(rooms[1]->lv(), 0);

    deliver(6, {});
    EXPECT_TRUE(logic->last<Rooms>("onRoomList").empty());
    EXPECT_EQ(exceptionsLogged(), 0);
}

TEST_F(LobbyListMessagesTest, TableRecords) {
    deliver(7, bytes({{3}, {0, 2, 1}, i32(5000), {1, 0, 0}, i32(-1)}));
    auto [roomId, boards] = logic->last<Boards>("onBoardListWithRoomId");
    EXPECT_EQ(roomId, 3);
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(boards[0]->boardId(), 0);
    EXPECT_EQ(boards[0]->nPlayer(), 2);
    EXPECT_TRUE(boards[0]->isPass());
    EXPECT_EQ(boards[0]->money(), 5000);
    EXPECT_FALSE(boards[1]->isPass());
    EXPECT_EQ(boards[1]->money(), -1);
}

TEST_F(LobbyListMessagesTest, TableListOfOneByteOrNoneIsAnEmptyRoom) {
    deliver(7, {0xFE});
    EXPECT_EQ(logic->last<Boards>("onBoardListWithRoomId"), Boards(-2, {}));
    deliver(7, {});
    EXPECT_EQ(logic->last<Boards>("onBoardListWithRoomId"), Boards(0, {}));
}

TEST_F(LobbyListMessagesTest, InvitationReachesTheLogicOnlyAwayFromTablesAndWhenAccepted) {
    const sys::Data invitation = bytes({{1, 4, 7}, utf("pw"), utf("Chơi không?")});
    UIController::setInviting(true);
    ui->tableOnTop = true;
    deliver(74, invitation);
    EXPECT_EQ(logic->count("onInvitedJoinBoardWithGameId"), 0);

    ui->tableOnTop = false;
    UIController::setInviting(false);
    deliver(74, invitation);
    EXPECT_EQ(logic->count("onInvitedJoinBoardWithGameId"), 0);

    UIController::setInviting(true);
    deliver(74, invitation);
    EXPECT_EQ(logic->last<Invitation>("onInvitedJoinBoardWithGameId"),
              Invitation(1, 4, 7, std::string("pw"), std::string("Chơi không?")));

    deliver(74, bytes({{1, 4, 7}, utf("pw")}));
    EXPECT_EQ(logic->count("onInvitedJoinBoardWithGameId"), 1);
    EXPECT_EQ(exceptionsLogged(), 1);
}

TEST_F(LobbyListMessagesTest, GameConfirmationChoosesOnTheReaderThenPushesTheRoomList) {
    Message confirmation(61, {5});
    dispatcher().onMessage(confirmation);
    EXPECT_EQ(logic->calls(), std::vector<std::string>{"onSetGameTypeSuccessWithGame"});
    EXPECT_EQ((logic->last<std::tuple<int8_t, bool>>("onSetGameTypeSuccessWithGame")), std::make_tuple(int8_t(5), true));
    EXPECT_TRUE(ui->shown().empty());

    UIController::setGameType(-1);
    sys::RunLoop::main().runFor(0);
    EXPECT_EQ(ui->shown().size(), 1u);
    EXPECT_EQ(UIController::gameType(), 5);
}
