#pragma once

// What the session logic asks of any screen: the spinner, list screens that redraw their table after
// it filled their list, and the events every table screen may take. The screens of the lobby and of
// the shop have their own (LobbyScreenEvents.h, ShopScreenEvents.h). The session logic finds them by
// casting the screen on top to these interfaces; a screen takes an event by implementing one.

#include <cstdint>
#include <memory>
#include <vector>

#include "lobby/LobbyEventRecords.h"
#include "lobby/model/ShopRecords.h"

namespace zuno {

// A screen with a loading spinner (every ZunoViewController).
class LoadingScreen {
public:
    virtual ~LoadingScreen() = default;
    virtual void hideLoadingScreen() = 0;
};

// A list screen that redraws its table (every row made anew) once the session logic filled its list.
class ForceReloadTableView {
public:
    virtual ~ForceReloadTableView() = default;
    virtual void forceReloadTableView() = 0;
};

// A list screen that simply reloads its table once the session logic filled its list.
class ShowDataTableView {
public:
    virtual ~ShowDataTableView() = default;
    virtual void showDataTableView() = 0;
};

// The session events a table screen takes, on the main thread. A screen that shows none of them
// ignores the call.
class TableScreenEvents {
public:
    virtual ~TableScreenEvents() = default;
    // Another player's card, asked for from this table.
    virtual void onRequestDetail(const PlayerDetail& detail) {}
    // The seat of that user shows the new balance.
    virtual void updateMoneyWithUserId(int32_t userId, int64_t money) {}
    // A gift given at the table; the item's picture is in the image cache unless it never came.
    virtual void onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) {}
    virtual void onShowListGift(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {}
    virtual void onShowItemsWithGift(std::shared_ptr<ItemsOfCategory> page) {}
    // What the table's Leave button does: leave at once, or first ask while a game runs.
    virtual void pressLeave() {}
};

// The Poker table, which some events that reach every other table screen leave out.
class PokerTableScreen {
public:
    virtual ~PokerTableScreen() = default;
};

}  // namespace zuno
