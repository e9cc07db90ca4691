#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableHandOver.h"
#include "games/board/BoardTableLogicHandler.h"

namespace zuno {

// Between the Co Tuong decoder and the Co Tuong table screen. Squares are wire bytes (a negative byte
// stands for value + 256); times are milliseconds.
class CoTuongLogicHandler : public BoardDuelEvents<BoardDuelLogicHandler> {
public:
    static std::shared_ptr<CoTuongLogicHandler> getInstance();

    // The game starts: `interval` per move; the owner's and the other player's whole-game time.
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMoveFirst, int32_t interval,
                                       int32_t ownerQuotaTime, int32_t clientQuotaTime);
    // `remainTime` is the mover's whole-game time left.
    virtual void onMoveCaroWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t x, int8_t y,
                                      int32_t nextMove, int32_t remainTime);
    // A winning move, applied whatever its room and table.
    virtual void onMoveAndWinWithRoomId(int8_t roomId, int8_t boardId, int32_t whoWin, int8_t x, int8_t y);

protected:
    CoTuongLogicHandler() = default;
};

}  // namespace zuno
