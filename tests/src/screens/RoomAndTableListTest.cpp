// The room list and the table list: occupancy bars, sections, the table grid, the join rules and the
// password prompt.
#include <gtest/gtest.h>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/ILobbyShell.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TableViewCell.h"
#include "screens/BoardView.h"
#include "screens/PasswordIntoBoard.h"
#include "screens/RoomView.h"
#include "src/screens/LobbyScreensFixture.h"
#include "support/SnapshotCompare.h"
#include "support/TableListTiles.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

std::shared_ptr<Board> board(int8_t id, int8_t players, bool locked, int32_t stake) {
    auto b = std::make_shared<Board>();
    b->setBoardId(id);
    b->setNPlayer(players);
    b->setIsPass(locked);
    b->setMoney(stake);
    return b;
}

int fullCells(int8_t roomFree) {
    int full = 0;
    for (double threshold : RoomView::kCellThresholds) full += RoomView::fullness(roomFree) > threshold;
    return full;
}

// The image names of a view's image views, in order.
std::vector<std::string> imagesOf(const ui::View& view) {
    std::vector<std::string> names;
    for (const auto& sub : view.subviews())
        if (auto image = std::dynamic_pointer_cast<ui::ImageView>(sub); image && image->image())
            names.push_back(image->image()->name());
    return names;
}

class TableListTest : public LobbyScreensTest {
protected:
    std::shared_ptr<BoardView> openTables(int8_t game, int32_t listType, std::vector<std::shared_ptr<Board>> boards) {
        UIController::setGameType(game);
        BoardView::setType(listType);
        auto me = std::make_shared<Player>();
        me->setMoney(5000);
        UIController::setMyInfo(me);
        auto screen = std::make_shared<BoardView>();
        screen->setRoomId(2);
        screen->setRoomInfo(std::make_shared<RoomInfo>(2, 10, 0, 1));
        show(screen);
        GlobalLogicHandler::showListBoard(boards);
        sent();
        return screen;
    }
    // Taps the tile of table i as a finger does: down, then up inside.
    void tapTable(BoardView& screen, size_t i) {
        if (auto button = tableButton(screen, i)) tap(*button);
    }
};

}  // namespace

TEST(RoomListBar, OccupancyCellsFollowTheSinglePrecisionFullness) {
    struct Case {
        const char* name;
        int8_t roomFree;
        int full;
    };
    const Case cases[] = {
        {"a free room shows no full cell", 120, 0},
        {"over-free shows none", 127, 0},
        {"100 free is a sixth full: one cell", 100, 1},
        {"60 free is exactly half, not above the third threshold", 60, 2},
        {"96 free: a fifth in single precision is just above 0.2", 96, 2},
        {"36 free: 0.7 in single precision stays below 0.7", 36, 3},
        {"6 free: 0.95 in single precision stays below 0.95", 6, 4},
        {"30 free", 30, 4},
        {"no place free fills every cell", 0, 5},
        {"a negative count reads as over-full", -5, 5},
    };
    for (const Case& c : cases) EXPECT_EQ(fullCells(c.roomFree), c.full) << c.name;
}

TEST_F(LobbyScreensTest, RoomListHasThreeLevelSectionsTitlesByGameAndOpensATableList) {
    UIController::setGameType(7);
    auto rooms = std::make_shared<RoomView>();
    rooms->setTitle("Rooms");
    show(rooms);
    EXPECT_EQ(title(), "PHOM ROOM");
    EXPECT_EQ(sent().size(), 1u);  // the room list request on appearing

    GlobalLogicHandler::showListRoom({std::make_shared<RoomInfo>(1, 120, 0, 0), std::make_shared<RoomInfo>(2, 60, 0, 2),
                                      std::make_shared<RoomInfo>(9, 0, 0, 3), std::make_shared<RoomInfo>(3, 0, 0, 0)});
    auto& table = *rooms->tableView();
    ASSERT_EQ(table.numberOfSections(), 3);
    EXPECT_EQ(table.numberOfRowsInSection(0), 2);
    EXPECT_EQ(table.numberOfRowsInSection(1), 0);
    EXPECT_EQ(table.numberOfRowsInSection(2), 1);  // level 3 is left out
    auto cell = table.cellForRowAtIndexPath({0, 1});
    ASSERT_TRUE(cell);
    EXPECT_EQ(imagesOf(*cell->contentView()),
              (std::vector<std::string>{"phong-binh-dan.png", "limit.png", "limit.png", "full.png", "full.png",
                                        "full.png", "full.png", "full.png"}));
    EXPECT_TRUE(matchesScreen("screens_room_list"));

    for (auto [game, expected] : {std::pair<int8_t, const char*>{3, "TIEN LEN ROOM"}, {13, "PHOM ROOM"}, {4, "POKER ROOM"},
                                  {8, "BLOCKS ROOM"}}) {
        UIController::setGameType(game);
        rooms->viewWillAppear(false);
        EXPECT_EQ(title(), expected) << int(game);
    }
    UIController::setGameType(6);  // no room name: the title stays
    rooms->viewWillAppear(false);
    EXPECT_EQ(title(), "BLOCKS ROOM");

    rooms->didSelectRowAtIndexPath(table, {2, 0});
    run(1);
    auto tables = std::dynamic_pointer_cast<BoardView>(nav().topViewController());
    ASSERT_TRUE(tables);
    EXPECT_EQ(tables->roomId(), 2);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{7, 2}}));
}

TEST_F(LobbyScreensTest, PullToRefreshArmsPastTheThresholdAndEndsWhenTheListArrives) {
    UIController::setGameType(3);
    auto rooms = std::make_shared<RoomView>();
    show(rooms);
    sent();
    auto& table = *rooms->tableView();
    // Not dragging: nothing changes; the end of a short drag does nothing either.
    table.setContentOffset({0, -80});
    rooms->scrollViewDidScroll(table);
    EXPECT_EQ(rooms->refreshHeaderView->state(), RefreshTableHeaderView::kNormal);
    table.setContentOffset({0, -40});
    rooms->scrollViewDidEndDragging(table, false);
    EXPECT_TRUE(sent().empty());
    table.setContentOffset({0, -65});
    rooms->scrollViewDidEndDragging(table, false);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{6}}));
    EXPECT_EQ(rooms->refreshHeaderView->state(), RefreshTableHeaderView::kLoading);
    run(1);
    EXPECT_EQ(table.contentInset().top, 60);
    GlobalLogicHandler::showListRoom({});
    run(1);
    EXPECT_FALSE(rooms->isReloading());
    EXPECT_EQ(table.contentInset().top, 0);
    EXPECT_EQ(rooms->refreshHeaderView->state(), RefreshTableHeaderView::kNormal);

    tap(*rooms->btnRefresh);
    EXPECT_FALSE(rooms->btnRefresh->isEnabled());
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{6}}));
    GlobalLogicHandler::showListRoom({});
    EXPECT_TRUE(rooms->btnRefresh->isEnabled());
}

TEST(TableGrid, MarkersFollowTheGameAndFillInTheirOrder) {
    EXPECT_EQ(BoardView::visibleMarkers(5), (std::vector<int>{3, 4}));
    EXPECT_EQ(BoardView::visibleMarkers(12), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(BoardView::visibleMarkers(4).size(), 8u);
    EXPECT_EQ(BoardView::visibleMarkers(7).size(), 8u);
    struct Case {
        const char* name;
        int marker;
        int8_t players, game;
        const char* image;
    };
    const Case cases[] = {
        {"two-seat: the first player takes marker 3", 3, 1, 1, "01-1.png"},
        {"two-seat: one player leaves marker 4 free", 4, 1, 1, "01-3.png"},
        {"two-seat: the second player takes marker 4", 4, 2, 9, "01-2.png"},
        {"card table: marker 3 free with two", 3, 2, 3, "01-4.png"},
        {"card table: marker 2 taken with two", 2, 2, 3, "01-2.png"},
        {"Poker: marker 8 free with seven", 8, 7, 4, "01-4.png"},
        {"Poker: eight fill every marker", 8, 8, 4, "01-1.png"},
        {"a negative count shows every seat taken", 6, -1, 4, "01-2.png"},
    };
    for (const Case& c : cases) EXPECT_EQ(BoardView::markerImageName(c.marker, c.players, c.game), c.image) << c.name;

    struct Full {
        int32_t type;
        int8_t players;
        bool full;
    };
    for (Full f : {Full{0, 1, false}, Full{0, 2, true}, Full{1, 3, false}, Full{1, 4, true}, Full{2, 4, false},
                   Full{2, 5, true}, Full{3, 9, false}, Full{3, 127, false}})
        EXPECT_EQ(BoardView::isFull(f.type, f.players), f.full) << f.type << " " << int(f.players);
}

TEST_F(TableListTest, GridGeometryAndSnapshot) {
    std::vector<std::shared_ptr<Board>> five;
    for (int i = 0; i < 5; ++i) five.push_back(board(int8_t(i), int8_t(i), i == 1, i == 0 ? 0 : 1500 * i));
    auto screen = openTables(3, 1, five);
    // The game's room name and the room's number, as for every other game.
    EXPECT_EQ(title(), "TIEN LEN ROOM 2");
    EXPECT_EQ(screen->numberRowInView(), 2);
    EXPECT_EQ(screen->scrollView->contentSize().height, 200);
    const auto& tiles = screen->scrollView->subviews();
    ASSERT_EQ(tiles.size(), 6u);
    EXPECT_EQ(tiles[5]->frame(), ui::Rect(10, 100, 90, 100));
    EXPECT_EQ(tiles[4]->frame(), ui::Rect(367, 0, 90, 100));
    EXPECT_EQ(imagesOf(*tiles[2]).front(), "dsbandaigia.png");
    EXPECT_TRUE(matchesScreen("screens_table_list"));

    GlobalLogicHandler::showListBoard({});
    EXPECT_EQ(screen->scrollView->subviews().size(), 1u);
    EXPECT_EQ(screen->scrollView->contentSize().height, 0);
}

TEST_F(TableListTest, JoinRulesInOrder) {
    auto screen = openTables(3, 1,
                             {board(0, 4, true, 100), board(1, 1, false, 5000), board(2, 1, false, 5001),
                              board(3, 1, false, 0), board(4, 1, true, 10)});
    tapTable(*screen, 0);  // full beats the password
    EXPECT_EQ(dialogText(), "This table is full. Please choose another table.");
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(BoardView::numOfTouchUp(), 0);

    tapTable(*screen, 2);  // one over the money
    EXPECT_EQ(UIController::okValue(), UIController::okGoTopUp);
    EXPECT_EQ(dialogText(), "You do not have enough money for this table. Top up now?");
    EXPECT_TRUE(sent().empty());

    tapTable(*screen, 1);  // equal to the money joins
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{8, 2, 1, 0, 0}}));
    EXPECT_EQ(BoardView::numOfTouchUp(), 1);
    tapTable(*screen, 3);  // a second table before the first answer
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(BoardView::numOfTouchUp(), 0);

    // A refusal from the server clears the guard: the next tap joins at once.
    tapTable(*screen, 3);
    sent();
    ILobbyShell::shared()->showNotice("Refused");
    tapTable(*screen, 3);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{8, 2, 3, 0, 0}}));

    // Poker is never full on the client.
    BoardView::setType(3);
    BoardView::setnumOfTouchUp(0);
    screen->listBoard[0] = board(0, 9, false, 0);
    tapTable(*screen, 0);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{8, 2, 0, 0, 0}}));
}

TEST_F(TableListTest, PasswordPromptSendsTheTypedTextToTheListItCameFrom) {
    auto screen = openTables(7, 1, {board(0, 1, true, 100), board(1, 2, true, 100)});
    tapTable(*screen, 1);
    auto prompt = screen->passIntoBoard;
    run(1);
    const double raisedOnce = prompt->actionSheetView()->frame().origin.y;
    prompt->textFieldBeginEditting(nullptr);
    prompt->textFieldBeginEditting(nullptr);
    EXPECT_EQ(prompt->actionSheetView()->frame().origin.y, raisedOnce);  // moved up once per showing
    EXPECT_EQ(prompt->lblTitle->text(), "Table password");
    EXPECT_TRUE(matchesScreen("screens_table_password"));

    prompt->txtPassword->setText("");
    prompt->textFieldDoneEditting(nullptr);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{8, 2, 1, 0, 0}}));
    run(1);

    tapTable(*screen, 0);
    run(1);
    prompt->txtPassword->setText("mật");
    prompt->doOK();
    sys::Data expected{8, 2, 0};
    for (uint8_t b : utf("mật")) expected.push_back(b);
    EXPECT_EQ(sent(), std::vector<sys::Data>{expected});

    // Another screen on top: OK sends nothing.
    tapTable(*screen, 0);
    nav().pushViewController(std::make_shared<RoomView>(), false);
    run(1);
    sent();
    prompt->doOK();
    EXPECT_TRUE(sent().empty());
    run(1);  // the prompt leaves when its slide-out ends
}
