#include "table/GameController.h"

#include <cstdio>

#include "lobby/GameRegistry.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/ui/NavigationController.h"
#include "screens/BoardView.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/TableSeating.h"

namespace zuno {

namespace {
struct Slots {
    std::shared_ptr<TienLenView> tienLen;
    std::shared_ptr<TienLenMBView> tienLenMB;
    std::shared_ptr<PhomView> phom;
    std::shared_ptr<PhomNewView> phomNew;
    std::shared_ptr<CoTuongView> coTuong;
    std::shared_ptr<CoVuaView> coVua;
    std::shared_ptr<BaiCaoView> baiCao;
    std::shared_ptr<XiZachView> xiZach;
    std::shared_ptr<CaroView> caro;
    std::shared_ptr<BlocksView> blocks;
    std::shared_ptr<PokerView> poker;
};

Slots& slots() {
    static Slots* s = new Slots();
    return *s;
}

void push(const std::shared_ptr<ui::ViewController>& screen) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController) delegate->navigationController->pushViewController(screen, true);
}

}  // namespace

void GameController::startGame() {
    const auto games = GameRegistry::games();
    for (const GameDescriptor* game : games)
        if (game->messageHandler) GlobalLogicHandler::addGameMessageHandler(game->messageHandler());
    for (const GameDescriptor* game : games)
        if (game->start) game->start();
}

void GameController::doPlayWithGameId(int8_t gameType) { GlobalService::getInstance().setGameType(gameType); }

#define ZUNO_GAME_SLOT(Game, field)                                                              \
    std::shared_ptr<Game##View> GameController::get##Game##View() { return slots().field; }     \
    void GameController::set##Game##View(std::shared_ptr<Game##View> view) { slots().field = std::move(view); }
ZUNO_GAME_SLOT(TienLen, tienLen)
ZUNO_GAME_SLOT(TienLenMB, tienLenMB)
ZUNO_GAME_SLOT(Phom, phom)
ZUNO_GAME_SLOT(PhomNew, phomNew)
ZUNO_GAME_SLOT(CoTuong, coTuong)
ZUNO_GAME_SLOT(CoVua, coVua)
ZUNO_GAME_SLOT(BaiCao, baiCao)
ZUNO_GAME_SLOT(XiZach, xiZach)
ZUNO_GAME_SLOT(Caro, caro)
ZUNO_GAME_SLOT(Blocks, blocks)
ZUNO_GAME_SLOT(Poker, poker)
#undef ZUNO_GAME_SLOT

void GameController::openCardTable(const std::shared_ptr<ui::ViewController>& screen, bool setBeforePush,
                                   int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    auto* table = dynamic_cast<CardTableSeating*>(screen.get());
    if (!table) return;
    if (setBeforePush) {
        table->setRoomId(room);
        table->setBoardId(board);
        table->setMoney(money);
    }
    push(screen);
    table->resetView();
    table->setupPlayersWithRoom(room, board, owner, money, std::move(players));
    BoardView::setnumOfTouchUp(0);
}

void GameController::openBoardTable(const std::shared_ptr<ui::ViewController>& screen, int8_t room, int8_t board,
                                    int32_t owner, int32_t money, Players players) {
    auto* table = dynamic_cast<BoardTableSeating*>(screen.get());
    if (!table) return;
    push(screen);
    table->setPlayersWithRoomId(room, board, owner, money, std::move(players));
    BoardView::setnumOfTouchUp(0);
}

void GameController::resetForTests() { slots() = Slots(); }

}  // namespace zuno
