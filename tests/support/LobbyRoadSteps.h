// The lobby's steps of the roads through the demo's stand-in, from the main menu of a signed-in
// player: a game of the game list, a room of the room list, a table of the table list, play now, and
// the room and table lists on top checked against the stand-in's lists of a game, as they first show
// and after Refresh. Every step ends settled.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "screens/BoardView.h"
#include "screens/GameView.h"
#include "screens/RoomView.h"
#include "support/DemoRoadTest.h"

namespace zuno::testing {

class LobbyRoadSteps : public DemoRoadTest {
protected:
    // Each game gets rooms and tables of its first room that no other game lists, so that another
    // game's list never passes for its own. Poker keeps the tables its stand-in lists.
    void giveEveryGameListsOfItsOwn();

    // The game list: back to it where it is on the stack, else from the main menu.
    std::shared_ptr<GameView> openTheGameList();
    // The game's tile of the game list (only Poker's and new Phom's show): its room list, answered.
    std::shared_ptr<RoomView> openTheRoomsOf(int game);
    // The room of a row of the room list's first level: its table list, answered.
    std::shared_ptr<BoardView> openTheRoom(RoomView& rooms, int row);
    // The table list's table tapped: the game's table screen, once the player sits there.
    std::shared_ptr<ui::ViewController> joinTheTable(BoardView& tables, size_t index, int game);
    // Play now on a room or table list: the game's table screen, once the player sits there.
    std::shared_ptr<ui::ViewController> playNow(LobbyListScreen& list, int game);

    // The room list on top is the game's, in its title and rows, and again after Refresh.
    void expectTheRoomsOf(int game);
    // The table list on top is of its room of the game, in its title and rows, and again after Refresh.
    void expectTheTablesOf(int game);
    // So is the table list on top, and then, back a screen, the room list under it.
    void expectTheTablesAndRoomsOf(int game);

private:
    // Once the list on top has shown the answer to its last request.
    bool answered(LobbyListScreen& list);
    // The refresh button, and its answer shown.
    void refresh(LobbyListScreen& list);
    template <class List>
    void expectTheListOf(int game, const std::string& what);
    void expectShown(RoomView& rooms, int game, const char* when);
    void expectShown(BoardView& tables, int game, const char* when);
};

}  // namespace zuno::testing
