#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "lobby/GameRegistry.h"
#include "lobby/model/Player.h"
#include "shell/TableSheetHost.h"

namespace zuno {

// The table the sheets act on: the table screen of the current game type, with that screen's room
// and table.
struct CurrentTable {
    int8_t gameType = 0;
    const GameDescriptor* game = nullptr;   // none for a type nobody described
    std::shared_ptr<TableSheetHost> host;  // none when the screen does not take the sheets' part
    std::optional<int8_t> roomId, boardId;  // none before the game's first join
    bool isBoardGame = false;               // Co Tuong, Co Vua, Caro, Blocks
    int32_t ownerId = -1;
    std::vector<PlayerPtr> players;

    static CurrentTable find();
    bool hasTable() const { return roomId.has_value() && boardId.has_value(); }
    // The current game is of one of the families.
    bool isOneOf(std::initializer_list<TableFamily> families) const;
};

// What the sheets ask: whether the table on top plays in the upright window (Blocks); whether the
// current game's sheets wear the Caro pictures.
bool tableIsPortrait();
bool tableWearsCaroSheets();

}  // namespace zuno
