#include "table/CurrentTable.h"

#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "shell/UIController.h"
#include "table/GameController.h"

namespace zuno {

namespace {
template <class Screen>
void cardScreen(CurrentTable& t, const std::shared_ptr<Screen>& screen) {
    if (!screen) return;
    t.host = std::dynamic_pointer_cast<TableSheetHost>(screen);
    t.roomId = screen->roomId();
    t.boardId = screen->boardId();
    t.players = screen->players();
    t.ownerId = screen->ownerID();
}

template <class Screen>
void boardScreen(CurrentTable& t, const std::shared_ptr<Screen>& screen) {
    t.isBoardGame = true;
    if (!screen) return;
    t.host = std::dynamic_pointer_cast<TableSheetHost>(screen);
    t.roomId = screen->roomID();
    t.boardId = screen->boardID();
    t.players = screen->players();
    t.ownerId = screen->ownerID();
}
}  // namespace

CurrentTable CurrentTable::find() {
    using namespace gametype;
    CurrentTable t;
    t.gameType = UIController::gameType();
    switch (t.gameType) {
        case kTienLen: cardScreen(t, GameController::getTienLenView()); break;
        case kTienLenMB: cardScreen(t, GameController::getTienLenMBView()); break;
        case kPhom: cardScreen(t, GameController::getPhomView()); break;
        case kPhomNew: cardScreen(t, GameController::getPhomNewView()); break;
        case kBaiCao: cardScreen(t, GameController::getBaiCaoView()); break;
        case kXiZach: cardScreen(t, GameController::getXiZachView()); break;
        case kPoker: cardScreen(t, GameController::getPokerView()); break;
        case kCoTuong: boardScreen(t, GameController::getCoTuongView()); break;
        case kCoVua: boardScreen(t, GameController::getCoVuaView()); break;
        case kCaro: boardScreen(t, GameController::getCaroView()); break;
        case kBlocks: boardScreen(t, GameController::getBlocksView()); break;
        default: break;
    }
    return t;
}

}  // namespace zuno
