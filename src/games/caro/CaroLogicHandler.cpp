#include "games/caro/CaroLogicHandler.h"

#include "games/caro/CaroTableScreen.h"
#include "shell/PlaySound.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
// The screen of the hand-over is Caro's (the registry gives no other to this handler).
CaroTableScreen* caro(BoardTableScreen& table) { return dynamic_cast<CaroTableScreen*>(&table); }
}  // namespace

std::shared_ptr<CaroLogicHandler> CaroLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CaroLogicHandler>(new CaroLogicHandler());
    return *instance;
}

void CaroLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMoveFirst, int32_t interval,
                                             bool) {
    this->handOver().onTable(roomId, boardId, [=](BoardTableScreen& table) {
        if (auto* screen = caro(table)) screen->startWithMoveFirst(whoMoveFirst, interval);
    });
}

void CaroLogicHandler::onMoveCaroWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t x, int8_t y,
                                            int32_t nextMove) {
    this->handOver().onTable(roomId, boardId, [=](BoardTableScreen& table) {
        if (auto* screen = caro(table)) screen->moveWithWho(whoMove, x, y, nextMove);
    });
}

void CaroLogicHandler::onMoveAndWinWithRoomId(int8_t, int8_t, int32_t whoWin, int8_t x, int8_t y, int8_t winX,
                                              int8_t winY, int8_t winDx, int8_t winDy) {
    this->handOver().onScreen([=](BoardTableScreen& table) {
        auto* screen = caro(table);
        if (!screen) return;
        screen->moveAndWinWithWhoWin(whoWin, x, y, winX, winY, winDx, winDy);
        if (whoWin == UIController::myId()) PlaySound::playSoundWin();
        table.closeBoardWithInfo(table.table().whoWinText(whoWin));
    });
}

}  // namespace zuno
