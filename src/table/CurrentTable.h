#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "lobby/model/Player.h"
#include "table/TableSheetHost.h"

namespace zuno {

// The table the sheets act on: the registered screen of the current game type, with that screen's
// room and table.
struct CurrentTable {
    int8_t gameType = 0;
    std::shared_ptr<TableSheetHost> host;  // none when the screen does not take the sheets' part
    std::optional<int8_t> roomId, boardId;  // none before the game's first join
    bool isBoardGame = false;               // Co Tuong, Co Vua, Caro, Blocks
    int32_t ownerId = -1;
    std::vector<PlayerPtr> players;

    static CurrentTable find();
    bool hasTable() const { return roomId.has_value() && boardId.has_value(); }
};

namespace gametype {
constexpr int8_t kCaro = 1, kXiZach = 2, kTienLen = 3, kPoker = 4, kCoTuong = 5, kPhom = 7, kBlocks = 8,
                 kCoVua = 9, kBaiCao = 11, kTienLenMB = 12, kPhomNew = 13;
}

}  // namespace zuno
