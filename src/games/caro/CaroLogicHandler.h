#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableHandOver.h"
#include "games/board/BoardTableLogicHandler.h"

namespace zuno {

// Between the Caro decoder and the Caro table screen. Times are milliseconds.
class CaroLogicHandler : public BoardDuelEvents<BoardDuelLogicHandler> {
public:
    static std::shared_ptr<CaroLogicHandler> getInstance();

    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMoveFirst, int32_t interval,
                                       bool firstGame);
    virtual void onMoveCaroWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t x, int8_t y,
                                      int32_t nextMove);
    // The winning stone at (x, y) and the far end of the winning line at (winX, winY); the server's
    // two direction values are passed on as they came. Applied whatever its room and table.
    virtual void onMoveAndWinWithRoomId(int8_t roomId, int8_t boardId, int32_t whoWin, int8_t x, int8_t y,
                                        int8_t winX, int8_t winY, int8_t winDx, int8_t winDy);

protected:
    // The ready flags stay after a result (the game's end has already cleared them); the seats are drawn
    // again with the money it moved.
    CaroLogicHandler() : BoardDuelEvents(BoardHandOverRules{.resetReadyAfterResult = false}) {}
};

}  // namespace zuno
