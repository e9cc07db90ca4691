#include "games/tienlen/TienLenGames.h"

#include "games/tienlen/TienLenLogicHandler.h"
#include "games/tienlen/TienLenMBMessageHandler.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenMessageHandler.h"
#include "games/tienlen/TienLenService.h"
#include "games/tienlen/TienLenView.h"
#include "table/GameController.h"
#include "table/GameDescription.h"

namespace zuno {

namespace {
constexpr const char* kInterfaceFile = "TienLenView";

template <class Screen>
void skipOn(const std::shared_ptr<Screen>& view, TienLenService& service) {
    if (!view || !view->passStillWanted()) return;
    view->setForceMove3Bich(false);
    service.skipWithRoomId(view->roomId(), view->boardId());
}
}  // namespace

void GameController::showTienLenScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(madeOnFirstJoin(getTienLenView, setTienLenView, kInterfaceFile), true, room, board, owner, money,
                  std::move(players));
}

void GameController::showTienLenMBScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money,
                                                 Players players) {
    openCardTable(madeOnFirstJoin(getTienLenMBView, setTienLenMBView, kInterfaceFile), true, room, board, owner,
                  money, std::move(players));
}

GameDescriptor tienLenGame() {
    GameDescriptor game{.type = TienLenMessageHandler::kGameType,
                        .titleKey = "ZUNO_tienLen",
                        .achievementTitleKey = "ZUNO_tienLen",
                        .roomNameKey = "ZUNO_roomTienLen",
                        .family = TableFamily::CardTable,
                        .screenClass = "TienLenView",
                        .interfaceFile = kInterfaceFile,
                        .tableListSeats = 4};
    describeScreen(game, GameController::getTienLenView);
    game.openTable = GameController::showTienLenScreenWithRoom;
    game.messageHandler = [] { return TienLenMessageHandler::getInstance(); };
    // The hand-overs reach the screen through the slot.
    game.start = [] {
        TienLenLogicHandler::getInstance()->setScreenAccess(
            {[] { return std::static_pointer_cast<TienLenTableScreen>(GameController::getTienLenView()); },
             GameController::showTienLenScreenWithRoom, tableNavigation});
    };
    game.skip = [] { skipOn(GameController::getTienLenView(), TienLenService::getInstance()); };
    game.setMaxPlayers = [](int8_t room, int8_t board, int8_t count) {
        TienLenService::getInstance().setMaxPlayerWithRoomId(room, board, count);
    };
    // Only the southern game passes a turn I let run out.
    game.passForMe = [](int8_t room, int8_t board) { TienLenService::getInstance().skipWithRoomId(room, board); };
    return game;
}

GameDescriptor tienLenMBGame() {
    GameDescriptor game{.type = TienLenMBMessageHandler::kGameType,
                        .titleKey = "ZUNO_tienLenMB",
                        .achievementTitleKey = "ZUNO_tienLenMB",
                        .roomNameKey = "ZUNO_roomTienLenMB",
                        .family = TableFamily::CardTable,
                        .screenClass = "TienLenMBView",
                        .interfaceFile = kInterfaceFile,
                        .tableListSeats = 4};
    describeScreen(game, GameController::getTienLenMBView);
    game.openTable = GameController::showTienLenMBScreenWithRoom;
    game.messageHandler = [] { return TienLenMBMessageHandler::getInstance(); };
    game.start = [] {
        TienLenMBLogicHandler::getInstance()->setScreenAccess(
            {[] { return std::static_pointer_cast<TienLenTableScreen>(GameController::getTienLenMBView()); },
             GameController::showTienLenMBScreenWithRoom, tableNavigation});
    };
    game.skip = [] { skipOn(GameController::getTienLenMBView(), TienLenMBService::getInstance()); };
    game.setMaxPlayers = [](int8_t room, int8_t board, int8_t count) {
        TienLenMBService::getInstance().setMaxPlayerWithRoomId(room, board, count);
    };
    return game;
}

}  // namespace zuno
