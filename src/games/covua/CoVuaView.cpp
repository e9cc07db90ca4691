#include "games/covua/CoVuaView.h"

#include <limits>

#include "games/covua/CoVuaService.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
// Co Vua counts whole seconds; the shared clock and labels take milliseconds.
int32_t milliseconds(int32_t seconds) {
    constexpr int32_t kMost = std::numeric_limits<int32_t>::max() / 1000;
    constexpr int32_t kLeast = std::numeric_limits<int32_t>::min() / 1000;
    return (seconds > kMost ? kMost : seconds < kLeast ? kLeast : seconds) * 1000;
}
// Each player's bubble within the third rank on his side, which a game begins with empty; the notices
// share mine (the middle holds the stake between games): the two lie side by side or take turns.
BoardTableLook coVuaLook() {
    BoardTableLook look;
    auto decorations = BoardTableLook::landscapeDecorations();
    decorations.bubbleCentres[0] = decorations.bubbleCentres[TableDecorations::kCentre] = {200, 221};
    decorations.bubbleCentres[2] = {200, 107};
    decorations.bubbleAreas[0] = decorations.bubbleAreas[TableDecorations::kCentre] = ui::Rect(110, 203, 300, 36);
    decorations.bubbleAreas[2] = ui::Rect(110, 89, 300, 36);
    decorations.bubbleHeight = 36;
    look.decorationGeometry = decorations;
    return look;
}
}  // namespace

const ui::BindingTable& CoVuaView::bindings() {
    using B = ui::Bind<CoVuaView>;
    static const ui::BindingTable table(&BoardTableView::bindings(), {B::outlet("pcView", &CoVuaView::pcView)});
    return table;
}

CoVuaView::CoVuaView(std::string nibName) : BoardTableView(std::move(nibName), coVuaLook()) {
    board->onTargetsChanged = [this] { playMoved(); };
    board->onMove = [this](const CoVuaWireMove& move) {
        // Nobody may move until the server announces the move.
        table().moveWithNext(-1);
        CoVuaService::getInstance().sendMove(table().roomID, table().boardID, move.from, move.to);
    };
}

void CoVuaView::viewDidLoad() {
    // The board lies behind every other view of the screen.
    view()->insertSubview(board, 0);
    BoardTableView::viewDidLoad();
}

void CoVuaView::viewWillDisappear(bool animated) {
    closeChooser();
    board->unSetSelectAllPiece();
    BoardTableView::viewWillDisappear(animated);
}

void CoVuaView::startWithMoveFirst(int32_t whoFirst, int32_t interval) {
    startGameWithMoveFirst(whoFirst, milliseconds(interval));
    resetView(true);
    board->startWithMoveFirst(whoFirst, table().myId);
    showNotice(Resources::getInstance().textForKey("ZUNO_firstFire") + table().getPlayerNameFromID(whoFirst));
}

void CoVuaView::moveWithWho(int32_t whoMove, int8_t x, int8_t y, int32_t nextMove, int32_t quotaTime) {
    moveMadeWithNext(nextMove);
    board->moveWithWho(whoMove, x, y, nextMove, quotaTime);
}

void CoVuaView::intoPalaceWithWhoMove(int32_t whoMove, int type) {
    board->intoPalaceWithWhoMove(whoMove, type);
    playMoved();  // the rook
}

void CoVuaView::setElevateIndex(int8_t type) { board->game().setElevateIndex(type); }

void CoVuaView::fElevate(int32_t who) {
    // Outside a game there is nothing to promote.
    if (board->game().fElevate(who) && table().isInBoard) presentSheet(pcView);
}

void CoVuaView::setFindKing(int8_t side) { board->setFindKing(side); }

void CoVuaView::sendElevateIndex(int8_t type) {
    board->game().sendElevateIndex(type);
    CoVuaService::getInstance().sendIdElevate(type);
}

void CoVuaView::closeBoardWithInfo(const std::string& info) {
    closeChooser();
    board->unSetSelectAllPiece();
    board->game().setTurn(-1);
    board->imgBorderPiece()->setHidden(true);
    BoardTableView::closeBoardWithInfo(info);
}

void CoVuaView::clearBoard() {
    closeChooser();
    board->clear();
}

bool CoVuaView::isChooserShown() const { return pcView && pcView->isViewLoaded() && pcView->view()->superview(); }

void CoVuaView::closeChooser() {
    if (isChooserShown()) pcView->view()->removeFromSuperview();
}

void CoVuaView::requestDraw() { CoVuaService::getInstance().requestDrawWithRoomId(table().roomID, table().boardID); }

int32_t CoVuaView::quotaMilliseconds(int32_t quotaTime) const { return milliseconds(quotaTime); }

ZUNO_REGISTER_SCREEN(CoVuaView)

}  // namespace zuno
