#include "table/CurrentTable.h"

#include <algorithm>

#include "platform/ui/ViewController.h"
#include "shell/SheetSlide.h"
#include "shell/UIController.h"
#include "table/TableSeating.h"

namespace zuno {

namespace {
template <class Seating>
void seatsOf(CurrentTable& t, const Seating& screen, int8_t room, int8_t board) {
    t.roomId = room;
    t.boardId = board;
    t.players = screen.players();
    t.ownerId = screen.ownerID();
}
}  // namespace

CurrentTable CurrentTable::find() {
    CurrentTable t;
    t.gameType = UIController::gameType();
    t.game = GameRegistry::find(t.gameType);
    if (!t.game) return t;
    t.isBoardGame = t.game->isBoardGame();
    auto screen = t.game->screen ? t.game->screen() : nullptr;
    if (!screen) return t;
    t.host = std::dynamic_pointer_cast<TableSheetHost>(screen);
    if (auto* card = dynamic_cast<const CardTableSeating*>(screen.get())) {
        seatsOf(t, *card, card->roomId(), card->boardId());
    } else if (auto* board = dynamic_cast<const BoardTableSeating*>(screen.get())) {
        seatsOf(t, *board, board->roomID(), board->boardID());
    }
    return t;
}

bool CurrentTable::isOneOf(std::initializer_list<TableFamily> families) const {
    return game && std::find(families.begin(), families.end(), game->family) != families.end();
}

bool tableIsPortrait() { return sheet::isUpright(); }

bool tableWearsCaroSheets() {
    const GameDescriptor* game = GameRegistry::current();
    return game && game->caroSheets;
}

}  // namespace zuno
