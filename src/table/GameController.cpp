#include "table/GameController.h"

#include <cstdio>

#include "games/GameMessageHandlers.h"
#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenLogicHandler.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/ui/NavigationController.h"
#include "screens/BoardView.h"
#include "shell/ZunoOnlineAppDelegate.h"

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

// The screen of the slot, made from its interface file the first time.
template <class Screen>
std::shared_ptr<Screen> screenOf(std::shared_ptr<Screen>& slot, const char* interfaceFile) {
    if (!slot) slot = std::make_shared<Screen>(interfaceFile);
    return slot;
}

void push(const std::shared_ptr<ui::ViewController>& screen) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController) delegate->navigationController->pushViewController(screen, true);
}

struct CardTableRule {
    bool setBeforePush;
};

// Card tables: room, table and stake set before the push where the game wants it, then reset and seat.
template <class Screen>
void openCardTable(std::shared_ptr<Screen>& slot, const char* interfaceFile, CardTableRule rule, int8_t room,
                   int8_t board, int32_t owner, int32_t money, GameController::Players players) {
    auto screen = screenOf(slot, interfaceFile);
    if (rule.setBeforePush) {
        screen->setRoomId(room);
        screen->setBoardId(board);
        screen->setMoney(money);
    }
    push(screen);
    screen->resetView();
    screen->setupPlayersWithRoom(room, board, owner, money, std::move(players));
    BoardView::setnumOfTouchUp(0);
}

template <class Screen>
void openBoardTable(std::shared_ptr<Screen>& slot, const char* interfaceFile, int8_t room, int8_t board,
                    int32_t owner, int32_t money, GameController::Players players) {
    auto screen = screenOf(slot, interfaceFile);
    push(screen);
    screen->setPlayersWithRoomId(room, board, owner, money, std::move(players));
    BoardView::setnumOfTouchUp(0);
}
std::shared_ptr<ui::NavigationController> navigation() {
    auto delegate = ZunoOnlineAppDelegate::current();
    return delegate ? delegate->navigationController : nullptr;
}

// The Tien Len hand-overs reach their screens through the registry's slots.
void connectTienLenScreens() {
    TienLenLogicHandler::getInstance()->setScreenAccess(
        {[] { return std::static_pointer_cast<TienLenTableScreen>(GameController::getTienLenView()); },
         [](int8_t room, int8_t board, int32_t owner, int32_t money, const GameController::Players& players) {
             GameController::showTienLenScreenWithRoom(room, board, owner, money, players);
         },
         navigation});
    TienLenMBLogicHandler::getInstance()->setScreenAccess(
        {[] { return std::static_pointer_cast<TienLenTableScreen>(GameController::getTienLenMBView()); },
         [](int8_t room, int8_t board, int32_t owner, int32_t money, const GameController::Players& players) {
             GameController::showTienLenMBScreenWithRoom(room, board, owner, money, players);
         },
         navigation});
}
}  // namespace

void GameController::startGame() {
    registerGameMessageHandlers();
    connectTienLenScreens();
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

void GameController::showTienLenScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(slots().tienLen, "TienLenView", {true}, room, board, owner, money, std::move(players));
}
void GameController::showTienLenMBScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(slots().tienLenMB, "TienLenView", {true}, room, board, owner, money, std::move(players));
}
void GameController::showPhomScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(slots().phom, "PhomView", {true}, room, board, owner, money, std::move(players));
}
void GameController::showPhomNewScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(slots().phomNew, "PhomView", {true}, room, board, owner, money, std::move(players));
}
void GameController::showPokerScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    auto screen = screenOf(slots().poker, "PokerView");
    char description[64];
    std::snprintf(description, sizeof description, "<PokerView: %p>", static_cast<void*>(screen.get()));
    sys::Log::line(description);
    openCardTable(slots().poker, "PokerView", {true}, room, board, owner, money, std::move(players));
}
void GameController::showBaiCaoScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(slots().baiCao, "TienLenView", {false}, room, board, owner, money, std::move(players));
}
void GameController::showXiZachScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(slots().xiZach, "TienLenView", {false}, room, board, owner, money, std::move(players));
}
void GameController::showCoTuongScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(slots().coTuong, "CoTuongView", room, board, owner, money, std::move(players));
}
void GameController::showCoVuaScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(slots().coVua, "CoVuaView", room, board, owner, money, std::move(players));
}
void GameController::showCaroScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(slots().caro, "CaroView", room, board, owner, money, std::move(players));
}
void GameController::showBlocksScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(slots().blocks, "BlocksView", room, board, owner, money, std::move(players));
}

void GameController::resetForTests() { slots() = Slots(); }

}  // namespace zuno
