#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The table list. Its class-level state is set by the games when they are chosen and read by the
// lobby: the kind of table list of the current game and the count of table buttons held down.
class BoardView : public ZunoViewController, public TableListScreen {
public:
    using ZunoViewController::ZunoViewController;

    // Table-list kinds, and the player count from which a table counts as full on the client:
    // 0 two-seat tables (more than 1), 1 card tables (more than 3), 2 (more than 4), 3 Poker (never).
    static int32_t type();
    static void setType(int32_t type);

    // Table buttons held down; guards against joining two tables at once.
    static int32_t numOfTouchUp();
    static void setnumOfTouchUp(int32_t count);
    void resetNumOfTouchUp() override { setnumOfTouchUp(0); }

    void setListBoard(std::vector<std::shared_ptr<Board>> boards) override {}
    // Redraws the grid of tables.
    void reloadData() override {}
    // A pull-to-refresh is running.
    bool isReloading() const override { return false; }
    void dataSourceDidFinishLoadingNewData() override {}
};

}  // namespace zuno
