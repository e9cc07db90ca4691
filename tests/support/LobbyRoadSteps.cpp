#include "support/LobbyRoadSteps.h"

#include <gmock/gmock.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/core/Text.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/NavigationController.h"
#include "screens/MainView.h"
#include "shell/Resources.h"
#include "shell/Util.h"
#include "standin-server/StandinPoker.h"
#include "support/LayoutCheck.h"
#include "support/LeaveButton.h"
#include "support/TableListTiles.h"

namespace zuno::testing {

namespace {
constexpr int8_t kFirstRoom = 1;

// The game list's tile actions of the games it shows.
const std::map<int, const char*> kTileActions{{4, "doJoinRoomPoker:"}, {13, "doJoinRoomPhomMoi:"}};

using RoomRow = std::tuple<int, int, int, int>;  // id, free places, waiting, level
using TableRow = std::tuple<int, int, bool, int>;  // id, players, locked, stake

std::vector<RoomRow> rowsOf(const std::vector<standin::StandinRoom>& rooms) {
    std::vector<RoomRow> rows;
    for (const auto& r : rooms) rows.emplace_back(r.roomId, r.roomFree, r.roomWait, r.lv);
    return rows;
}
std::vector<RoomRow> rowsOf(const RoomView::Rooms& rooms) {
    std::vector<RoomRow> rows;
    for (const auto& r : rooms) rows.emplace_back(r->roomId(), r->roomFree(), r->roomWait(), r->lv());
    return rows;
}
std::vector<TableRow> rowsOf(const std::vector<standin::StandinTable>& tables) {
    std::vector<TableRow> rows;
    for (const auto& t : tables) rows.emplace_back(t.boardId, t.nPlayer, t.isPass, t.money);
    return rows;
}
std::vector<TableRow> rowsOf(const std::vector<std::shared_ptr<Board>>& tables) {
    std::vector<TableRow> rows;
    for (const auto& t : tables) rows.emplace_back(t->boardId(), t->nPlayer(), t->isPass(), t->money());
    return rows;
}

// The room name of the game as the top bar shows it, upper-cased.
std::string roomNameOf(int game) {
    const GameDescriptor* descriptor = GameRegistry::find(int8_t(game));
    return descriptor ? sys::uppercase(Resources::getInstance().textForKey(descriptor->roomNameKey)) : std::string();
}

bool showsSpinner(const ui::View& view) {
    for (const auto& sub : view.subviews())
        if (std::dynamic_pointer_cast<ui::ActivityIndicatorView>(sub)) return true;
    return false;
}
}  // namespace

void LobbyRoadSteps::giveEveryGameListsOfItsOwn() {
    for (const GameDescriptor* game : GameRegistry::games()) {
        const int8_t type = game->type;
        // Its own free places in each room; a room's level is the same in every game.
        lists->setRooms(type,
                        {{1, int8_t(10 + type), 2, 0}, {2, int8_t(40 + type), 1, 1}, {3, int8_t(80 + type), 0, 2}});
        if (type == standin::StandinPoker::kGameType) continue;
        std::vector<standin::StandinTable> tables;
        // The stand-in's tables of a room, at stakes of the game's own.
        for (int i = 0; i < standin::StandinLobbyLists::kTablesPerRoom; ++i)
            tables.push_back({int8_t(i), int8_t(i % 5), i == 5, 1000 * (1 + i % 3) + 10 * type, i == 5 ? "123" : ""});
        lists->setTables(type, kFirstRoom, std::move(tables));
    }
}

std::shared_ptr<GameView> LobbyRoadSteps::openTheGameList() {
    settle();
    for (const auto& screen : program->navigation().viewControllers()) {
        if (!std::dynamic_pointer_cast<GameView>(screen)) continue;
        if (screen != top()) program->navigation().popToViewController(screen.get(), true);
        return waitForTop<GameView>();
    }
    auto menu = std::dynamic_pointer_cast<MainView>(top());
    if (!menu) {
        ADD_FAILURE() << "opening the game list: neither it nor the main menu is on top";
        return nullptr;
    }
    tap(*menu->btnPlayGames);
    return waitForTop<GameView>();
}

std::shared_ptr<RoomView> LobbyRoadSteps::openTheRoomsOf(int game) {
    auto games = openTheGameList();
    if (!games) return nullptr;
    auto action = kTileActions.find(game);
    auto tile = action == kTileActions.end() ? nullptr : controlSending(*games->view(), games.get(), {action->second});
    if (!tile) {
        ADD_FAILURE() << "opening the rooms of game " << game << ": the game list shows no tile of it";
        return nullptr;
    }
    tap(*tile);
    auto rooms = waitForTop<RoomView>();
    return rooms && answered(*rooms) ? rooms : nullptr;
}

std::shared_ptr<BoardView> LobbyRoadSteps::openTheRoom(RoomView& rooms, int row) {
    auto cell = rooms.tableView()->cellForRowAtIndexPath({0, row});
    if (!cell) {
        ADD_FAILURE() << "opening the room of row " << row << ": the room list shows no such row";
        return nullptr;
    }
    tap(*cell);
    auto tables = waitForTop<BoardView>();
    return tables && answered(*tables) ? tables : nullptr;
}

std::shared_ptr<ui::ViewController> LobbyRoadSteps::joinTheTable(BoardView& tables, size_t index, int game) {
    auto button = tableButton(tables, index);
    if (!button) return nullptr;
    tap(*button);
    return waitForTable(game);
}

std::shared_ptr<ui::ViewController> LobbyRoadSteps::playNow(LobbyListScreen& list, int game) {
    auto button = controlSending(*list.view(), &list, {"doFindAutoBoard:"});
    if (!button) {
        ADD_FAILURE() << "playing now: the list has no Play now button";
        return nullptr;
    }
    tap(*button);
    return waitForTable(game);
}

bool LobbyRoadSteps::answered(LobbyListScreen& list) {
    // The list asks as it appears, behind a spinner that its answer takes away.
    const bool shown = pump([&] {
        return !program->navigation().isTransitioning() && !showsSpinner(*list.view()) && !list.isReloading();
    });
    if (!shown) ADD_FAILURE() << "waiting for the list's answer: " << describeScreen(list) << " still waits";
    settle();
    return shown;
}

void LobbyRoadSteps::refresh(LobbyListScreen& list) {
    tap(*list.btnRefresh);
    ASSERT_TRUE(list.isReloading());
    ASSERT_TRUE(answered(list));
}

template <class List>
void LobbyRoadSteps::expectTheListOf(int game, const std::string& what) {
    SCOPED_TRACE(what + " of game " + std::to_string(game));
    auto list = std::dynamic_pointer_cast<List>(top());
    ASSERT_TRUE(list);
    ASSERT_TRUE(answered(*list));
    expectShown(*list, game, "as shown");
    ASSERT_NO_FATAL_FAILURE(refresh(*list));
    expectShown(*list, game, "after Refresh");
}

void LobbyRoadSteps::expectTheRoomsOf(int game) { expectTheListOf<RoomView>(game, "the rooms"); }

void LobbyRoadSteps::expectTheTablesOf(int game) { expectTheListOf<BoardView>(game, "the tables"); }

void LobbyRoadSteps::expectTheTablesAndRoomsOf(int game) {
    ASSERT_NO_FATAL_FAILURE(expectTheTablesOf(game));
    auto tables = top();
    app::goBack();
    ASSERT_TRUE(pump([&] { return std::dynamic_pointer_cast<RoomView>(top()) && top() != tables; }));
    ASSERT_NO_FATAL_FAILURE(expectTheRoomsOf(game));
}

void LobbyRoadSteps::expectShown(RoomView& rooms, int game, const char* when) {
    EXPECT_EQ(program->delegate()->lblWindowTitle->text(), roomNameOf(game)) << when;
    const std::vector<standin::StandinRoom> listed = lists->rooms(int8_t(game));
    EXPECT_EQ(rowsOf(rooms.roomList), rowsOf(listed)) << when;
    // One section per level, each with that level's rooms.
    for (int level = 0; level < 3; ++level) {
        int count = 0;
        for (const auto& room : listed) count += room.lv == level;
        EXPECT_EQ(rooms.tableView()->numberOfRowsInSection(level), count) << when << ", level " << level;
    }
}

void LobbyRoadSteps::expectShown(BoardView& tables, int game, const char* when) {
    const int8_t room = tables.roomId();
    EXPECT_EQ(program->delegate()->lblWindowTitle->text(), roomNameOf(game) + " " + std::to_string(room)) << when;
    const std::vector<standin::StandinTable> listed = lists->tables(int8_t(game), room);
    EXPECT_EQ(rowsOf(tables.listBoard), rowsOf(listed)) << when;
    // The grid: the pull-to-refresh header, then a tile per table with its stake.
    const auto& tiles = tables.scrollView->subviews();
    ASSERT_EQ(tiles.size(), listed.size() + 1) << when;
    for (size_t i = 0; i < listed.size(); ++i)
        EXPECT_THAT(textsIn(*tiles[i + 1]), ::testing::StartsWith(Util::formatNumber(listed[i].money) + "$|"))
            << when << ", table " << i;
}

}  // namespace zuno::testing
