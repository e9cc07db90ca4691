#include "games/cotuong/CoTuongGames.h"

#include "games/board/BoardGames.h"
#include "games/cotuong/CoTuongLogicHandler.h"
#include "games/cotuong/CoTuongMessageHandler.h"
#include "games/cotuong/CoTuongService.h"
#include "games/cotuong/CoTuongView.h"
#include "table/GameController.h"

namespace zuno {

namespace {
BoardTableService& service() { return CoTuongService::getInstance(); }
}  // namespace

void GameController::showCoTuongScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(madeOnFirstJoin(getCoTuongView, setCoTuongView, "CoTuongView"),
                   room, board, owner, money, std::move(players));
}

GameDescriptor coTuongGame() {
    GameDescriptor game = boardGame({.type = CoTuongMessageHandler::kGameType,
                                     .titleKey = "ZUNO_coTuong",
                                     .achievementTitleKey = "ZUNO_coTuong",
                                     .roomNameKey = "ZUNO_roomCoTuong",
                                     .family = TableFamily::BoardDuel,
                                     .screenClass = "CoTuongView",
                                     .interfaceFile = "CoTuongView",
                                     .tableListSeats = 2,
                                     .tableBackground = "bg_chess.png"},
                                    GameController::getCoTuongView, service);
    describeResignation(game, GameController::getCoTuongView, service);
    game.openTable = GameController::showCoTuongScreenWithRoom;
    game.messageHandler = [] { return CoTuongMessageHandler::getInstance(); };
    game.start = [] {
        CoTuongLogicHandler::getInstance()->setScreenAccess(
            boardScreenAccess(GameController::getCoTuongView, GameController::showCoTuongScreenWithRoom));
    };
    return game;
}

}  // namespace zuno
