#include "games/caro/CaroGames.h"

#include "games/board/BoardGames.h"
#include "games/caro/CaroLogicHandler.h"
#include "games/caro/CaroMessageHandler.h"
#include "games/caro/CaroService.h"
#include "games/caro/CaroView.h"
#include "table/GameController.h"

namespace zuno {

namespace {
BoardTableService& service() { return CaroService::getInstance(); }
}  // namespace

void GameController::showCaroScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(madeOnFirstJoin(getCaroView, setCaroView, "CaroView"),
                   room, board, owner, money, std::move(players));
}

GameDescriptor caroGame() {
    GameDescriptor game = boardGame({.type = CaroMessageHandler::kGameType,
                                     .titleKey = "ZUNO_caro",
                                     .achievementTitleKey = "ZUNO_caro",
                                     .roomNameKey = "ZUNO_roomCaro",
                                     .family = TableFamily::BoardDuel,
                                     .screenClass = "CaroView",
                                     .interfaceFile = "CaroView",
                                     .tableListSeats = 2,
                                     .tableBackground = "caro-bg.png",
                                     .caroSheets = true},
                                    GameController::getCaroView, service);
    describeResignation(game, GameController::getCaroView, service);
    game.openTable = GameController::showCaroScreenWithRoom;
    game.messageHandler = [] { return CaroMessageHandler::getInstance(); };
    game.start = [] {
        CaroLogicHandler::getInstance()->setScreenAccess(
            boardScreenAccess(GameController::getCaroView, GameController::showCaroScreenWithRoom));
    };
    return game;
}

}  // namespace zuno
