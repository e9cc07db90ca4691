#include "games/cotuong/CoTuongLogicHandler.h"

#include "games/cotuong/CoTuongTableScreen.h"
#include "shell/PlaySound.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
// The screen of the hand-over is Co Tuong's (the registry gives no other to this handler).
CoTuongTableScreen* coTuong(BoardTableScreen& table) { return dynamic_cast<CoTuongTableScreen*>(&table); }
}  // namespace

std::shared_ptr<CoTuongLogicHandler> CoTuongLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<CoTuongLogicHandler>(new CoTuongLogicHandler());
    return *instance;
}

void CoTuongLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMoveFirst,
                                                int32_t interval, int32_t ownerQuotaTime, int32_t clientQuotaTime) {
    this->handOver().onTable(roomId, boardId, [=](BoardTableScreen& table) {
        auto* screen = coTuong(table);
        if (!screen) return;
        const int32_t owner = table.table().ownerID;
        for (const auto& player : table.table().players)
            if (player) player->setQuotaTime(player->IDDB() == owner ? ownerQuotaTime : clientQuotaTime);
        screen->startWithMoveFirst(whoMoveFirst, interval);
    });
}

void CoTuongLogicHandler::onMoveCaroWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t x, int8_t y,
                                               int32_t nextMove, int32_t remainTime) {
    this->handOver().onTable(roomId, boardId, [=](BoardTableScreen& table) {
        auto* screen = coTuong(table);
        if (!screen) return;
        if (auto mover = table.table().getPlayerWithID(whoMove)) mover->setQuotaTime(remainTime);
        screen->moveWithWho(whoMove, static_cast<uint8_t>(x), static_cast<uint8_t>(y), nextMove);
    });
}

void CoTuongLogicHandler::onMoveAndWinWithRoomId(int8_t, int8_t, int32_t whoWin, int8_t x, int8_t y) {
    this->handOver().onScreen([=](BoardTableScreen& table) {
        auto* screen = coTuong(table);
        if (!screen) return;
        screen->moveWithWho(whoWin, static_cast<uint8_t>(x), static_cast<uint8_t>(y), -1);
        if (whoWin == UIController::myId()) PlaySound::playSoundWin();
        table.closeBoardWithInfo(table.table().whoWinText(whoWin));
    });
}

}  // namespace zuno
