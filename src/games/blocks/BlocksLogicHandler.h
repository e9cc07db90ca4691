#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "games/board/BoardTableHandOver.h"
#include "games/board/BoardTableLogicHandler.h"

namespace zuno {

// Between the Blocks decoder and the Blocks table screen: the board tables' shared events (a result
// first closes the game, then shows each of my rows) and the game's own, each handed to the screen on
// the main thread. The buffers of pieces and holes travel as owned copies.
class BlocksLogicHandler : public BoardTableEvents<BoardTableLogicHandler> {
public:
    static std::shared_ptr<BlocksLogicHandler> getInstance();

    // The shared sequence of piece kinds (0 O, 1 I, 2 T, 3 L, 4 J, 5 Z, 6 S as sent), possibly empty.
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> bricks);
    // The number of rows the opponent cleared.
    virtual void setRowsOfOpponentWithnDel(int8_t nDel);
    // Garbage rows for this player: `row` as sent (nothing to add when 0 or less) and the hole column of
    // each row, max(row, 0) of them.
    virtual void readRowAddWithUserId(int32_t userId, int8_t row, std::vector<int8_t> ros);
    // The opponent's stack height in rows.
    virtual void getHeightFromServerWithHeight(int8_t height);
    // The level, 1 to 5.
    virtual void ReadLevelFromServerWithSpeed(int8_t speed);

protected:
    BlocksLogicHandler();
};

}  // namespace zuno
