#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lobby/LobbyEventRecords.h"
#include "lobby/model/Player.h"
#include "lobby/model/ShopRecords.h"

namespace zuno {

// What the table sheets (settings, player menu, invitation, chat) ask of the table screen of the
// current game. The card-table screen is one; the Phom, Poker, board and Blocks screens take the same
// part by implementing it. Operations a screen lacks do nothing.
class TableSheetHost {
public:
    virtual ~TableSheetHost() = default;

    // The player whose seat was tapped last.
    virtual PlayerPtr currentControlPlayer() const = 0;
    // No deal runs (card tables), or no game is on (board tables): only then may the owner kick.
    virtual bool isTableIdle() const = 0;

    virtual void showSetupPassword() {}
    virtual void showSetupSoNguoi() {}
    virtual void showCuoc() {}
    virtual void showGiftView() {}
    // A line typed into the table chat, to send and show.
    virtual void onChatFromMeWithText(const std::string& text) {}
    // The Poker table: the stake sheet's amount is a bet or raise; standing up from the own seat.
    virtual void sendBetRaise(int32_t amount) {}
    virtual void doStandUp() {}
};

// The player-detail sheet a table screen keeps (another player's card).
class PlayerDetailSheet {
public:
    virtual ~PlayerDetailSheet() = default;
    virtual void updateViewWithData(const PlayerDetail& detail) = 0;
};

// The gift sheet a table screen keeps.
class GiftSheet {
public:
    virtual ~GiftSheet() = default;
    virtual void drawCategoryMenuWithCategoryList(const std::vector<std::shared_ptr<CategoryShopInfo>>& list) = 0;
    virtual int currentPage() const = 0;
    virtual void setGiftSelected(std::shared_ptr<ItemsOfCategory> gift) = 0;
    virtual void updateItemsOfGift() = 0;
    // A page of gift items arrived: cached under the page the sheet asked for, then shown; a page it
    // did not ask for is dropped.
    virtual void onItemsOfGift(std::shared_ptr<ItemsOfCategory> page) = 0;
};

}  // namespace zuno
