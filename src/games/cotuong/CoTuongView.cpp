#include "games/cotuong/CoTuongView.h"

#include "games/cotuong/CoTuongService.h"
#include "platform/core/Text.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
// The pieces stand on the lines: a game begins with the second rank of each side empty, and the
// players' bubbles lie there, the opponent's at the top, mine at the bottom. The notices lie on the
// river, where no piece stands, during a game and over its final position; between games the stake
// lies there, and they show below it, over the pieces set out for the next game.
BoardTableLook coTuongLook() {
    BoardTableLook look;
    auto decorations = BoardTableLook::landscapeDecorations();
    // Each player's bubble in the band of his side's second row, which a game begins with empty,
    // between the pieces of the rows either side.
    decorations.bubbleCentres[0] = {200, 272};
    decorations.bubbleCentres[2] = {200, 48};
    decorations.bubbleAreas[0] = ui::Rect(80, 254, 320, 36);
    decorations.bubbleAreas[2] = ui::Rect(80, 30, 320, 36);
    decorations.bubbleAreas[TableDecorations::kCentre] = ui::Rect(80, 188, 320, 62);
    decorations.bubbleCentres[TableDecorations::kCentre] = decorations.bubbleAreas[TableDecorations::kCentre]->center();
    decorations.bubbleHeight = 30;
    look.decorationGeometry = decorations;
    look.bubbleAreasInGame[TableDecorations::kCentre] = ui::Rect(112, 145, 256, 30);
    // Between games the stake lies on the river, centred on the middle file and narrower than on the
    // other boards, clear of the river's words towards the banks' ends.
    look.stakeFrame = ui::Rect(179, 132, 120, 52);
    look.stakeIconRoom = 32;  // the coin at its left end, and a gap
    return look;
}
}  // namespace

CoTuongView::CoTuongView(std::string nibName) : BoardTableView(std::move(nibName), coTuongLook()) {
    board->isMyTurn = [this] { return table().turn == table().myId && table().isInBoard; };
    board->onHoldChanged = [this] { playMoved(); };
    board->onMove = [this](const CoTuongWireMove& move) {
        CoTuongService::getInstance().moveWithRoomId(table().roomID, table().boardID, static_cast<int8_t>(move.from),
                                                     static_cast<int8_t>(move.to));
    };
}

void CoTuongView::viewDidLoad() {
    // The board lies behind every other view of the screen.
    view()->insertSubview(board, 0);
    BoardTableView::viewDidLoad();
}

void CoTuongView::viewWillDisappear(bool animated) {
    // The last move's sounds stop with the table's other timers.
    board->stopSounds();
    BoardTableView::viewWillDisappear(animated);
}

void CoTuongView::startWithMoveFirst(int32_t whoMoveFirst, int32_t interval) {
    startGameWithMoveFirst(whoMoveFirst, interval);
    resetView(true);
    const auto& model = table();
    auto first = model.getPlayerWithID(whoMoveFirst);
    std::shared_ptr<ChessPlayer> second;
    for (const auto& p : model.players)
        if (p && (!first || p->IDDB() != first->IDDB()) && !second) second = p;
    PlayerPtr me = UIController::myInfo();
    board->newGame(second ? second->name() : std::string(), first ? first->name() : std::string(),
                   sys::asciiLowercase(me ? me->name() : std::string()), whoMoveFirst != model.myId);
}

void CoTuongView::moveWithWho(int32_t, uint8_t from, uint8_t to, int32_t nextMove) {
    moveMadeWithNext(nextMove);
    board->moveWithWireSquares(static_cast<int8_t>(from), static_cast<int8_t>(to), nextMove != -1);
}

void CoTuongView::requestDraw() { CoTuongService::getInstance().requestDrawWithRoomId(table().roomID, table().boardID); }

ZUNO_REGISTER_SCREEN(CoTuongView)

}  // namespace zuno
