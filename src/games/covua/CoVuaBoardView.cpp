#include "games/covua/CoVuaBoardView.h"

#include <algorithm>

#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"
#include "platform/ui/Touch.h"
#include "shell/PlaySound.h"

namespace zuno {

namespace {
constexpr double kBoardSize = 38 * 8;
constexpr double kBorderSize = 30;
}  // namespace

CoVuaBoardView::CoVuaBoardView()
    : ui::View(ui::Rect(CoVuaCodes::boardOrigin().x, CoVuaCodes::boardOrigin().y, kBoardSize, kBoardSize)),
      imgBorderPiece_(std::make_shared<ui::ImageView>(ui::Image::imageNamed("border-moved.png"))) {
    setUserInteractionEnabled(true);
    imgBorderPiece_->setFrame({0, 0, kBorderSize, kBorderSize});
    imgBorderPiece_->setUserInteractionEnabled(false);
    imgBorderPiece_->setHidden(true);
    addSubview(imgBorderPiece_);
}

void CoVuaBoardView::startWithMoveFirst(int32_t moveFirst, int32_t localUserId) {
    game_.startWithMoveFirst(moveFirst, localUserId);
    empty_ = false;
    unSetSelectAllPiece();
    removeMark(lastMove_);
    clearCheck();
    imgBorderPiece_->setHidden(true);
    paintChessCell();
}

void CoVuaBoardView::clear() {
    unSetSelectAllPiece();
    removeAllPieces();
    removeMark(lastMove_);
    removeMark(check_);
    imgBorderPiece_->setHidden(true);
    game_.setTurn(-1);
    empty_ = true;
}

void CoVuaBoardView::paintChessCell() {
    removeAllPieces();
    const auto& grid = game_.board().board();
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            if (grid[row][col] != CoVuaCodes::kEmpty) addPiece(grid[row][col], {row, col});
    bringSubviewToFront(imgBorderPiece_.get());
}

void CoVuaBoardView::paintCellEffect(const std::vector<CoVuaSquare>& targets) {
    for (const auto& square : targets) selectionMarks_.push_back(addMark(CellEffect::Kind::Target, square));
}

void CoVuaBoardView::unSetSelectAllPiece() {
    for (const auto& piece : pieces_)
        if (piece->isSelected()) piece->unSetSelected();
    for (auto& mark : selectionMarks_) removeMark(mark);
    selectionMarks_.clear();
}

void CoVuaBoardView::tapAt(ui::Point screenPoint) {
    if (empty_) return;
    const std::optional<CoVuaSquare> square = CoVuaCodes::squareForTouch(screenPoint);
    if (!square) return;
    const CoVuaTap tap = game_.doFire(square->row, square->col);
    if (tap.ignored) return;
    unSetSelectAllPiece();
    if (tap.selected) {
        selectionMarks_.push_back(addMark(CellEffect::Kind::Selected, *tap.selected));
        paintCellEffect(tap.targets);
        if (auto piece = pieceAt(*tap.selected)) {
            bringSubviewToFront(piece.get());
            piece->setSelected();
        }
    }
    if (onTargetsChanged) onTargetsChanged();
    if (tap.move && onMove) onMove(*tap.move);
}

void CoVuaBoardView::moveWithWho(int32_t whoMove, int8_t x, int8_t y, int32_t nextMove, int32_t quotaTime) {
    clearCheck();
    if (empty_) return;
    const CoVuaAnnouncedMove move = game_.moveWithWho(whoMove, x, y, nextMove, quotaTime);
    if (!move.applied) return;
    // The selection of a piece that moved, or was taken, means nothing any more.
    unSetSelectAllPiece();
    auto mover = pieceAt(move.from);
    if (move.captured) {
        PlaySound::playSoundEat();
        removePieceAt(move.to);
    }
    if (move.takenInPassing) removePieceAt(*move.takenInPassing);
    if (lastMove_) lastMove_->setXY(move.from.row, move.from.col);
    else lastMove_ = addMark(CellEffect::Kind::LastMove, move.from);
    if (mover) {
        bringSubviewToFront(mover.get());
        mover->moveTo(move.to.row, move.to.col);
    }
    if (move.promotedTo) {
        removePieceAt(move.to);
        addPiece(*move.promotedTo, move.to);
    }
    frameLastMoved(move.to);
}

void CoVuaBoardView::intoPalaceWithWhoMove(int32_t whoMove, int type) {
    if (empty_) return;
    const std::optional<CoVuaRookMove> rook = game_.intoPalaceWithWhoMove(whoMove, type);
    if (!rook) return;
    if (auto piece = pieceAt(rook->from)) piece->moveTo(rook->to.row, rook->to.col);
}

void CoVuaBoardView::setFindKing(int8_t side) {
    if (empty_ || !game_.setFindKing(side)) return;
    PlaySound::playSoundChieuTuog();
    if (side != 0 && side != 1) return;  // no side named: the mark stays where it is
    const int8_t king = CoVuaCodes::piece(side == 0 ? CoVuaCodes::kWhite : CoVuaCodes::kBlack, CoVuaCodes::kKing);
    const auto& grid = game_.board().board();
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            if (grid[row][col] == king) {
                removeMark(check_);
                check_ = addMark(CellEffect::Kind::Check, {row, col});
                return;
            }
}

std::shared_ptr<PieceView> CoVuaBoardView::pieceAt(CoVuaSquare square) const {
    for (const auto& piece : pieces_)
        if (piece->getX() == square.row && piece->getY() == square.col) return piece;
    return nullptr;
}

std::vector<std::shared_ptr<CellEffect>> CoVuaBoardView::marks() const {
    std::vector<std::shared_ptr<CellEffect>> all = selectionMarks_;
    for (const auto& mark : {lastMove_, check_})
        if (mark) all.push_back(mark);
    return all;
}

std::shared_ptr<PieceView> CoVuaBoardView::addPiece(int8_t code, CoVuaSquare square) {
    auto piece = std::make_shared<PieceView>(code);
    piece->setXY(square.row, square.col);
    piece->setUserInteractionEnabled(false);
    addSubview(piece);
    pieces_.push_back(piece);
    return piece;
}

void CoVuaBoardView::removePieceAt(CoVuaSquare square) {
    auto piece = pieceAt(square);
    if (!piece) return;
    piece->unSetSelected();
    piece->removeFromSuperview();
    pieces_.erase(std::find(pieces_.begin(), pieces_.end(), piece));
}

void CoVuaBoardView::removeAllPieces() {
    for (const auto& piece : pieces_) {
        if (piece->isSelected()) piece->unSetSelected();
        piece->removeFromSuperview();
    }
    pieces_.clear();
}

std::shared_ptr<CellEffect> CoVuaBoardView::addMark(CellEffect::Kind kind, CoVuaSquare square) {
    auto mark = std::make_shared<CellEffect>(kind, square.row, square.col);
    // Marks lie beneath the pieces.
    insertSubview(mark, 0);
    return mark;
}

void CoVuaBoardView::removeMark(std::shared_ptr<CellEffect>& mark) {
    if (!mark) return;
    mark->removeFromSuperview();
    mark = nullptr;
}

void CoVuaBoardView::frameLastMoved(CoVuaSquare square) {
    imgBorderPiece_->setCenter(PieceView::restingCentre(square));
    imgBorderPiece_->setHidden(false);
    bringSubviewToFront(imgBorderPiece_.get());
}

void CoVuaBoardView::clearCheck() {
    game_.unSetFindKing();
    removeMark(check_);
}

void CoVuaBoardView::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    if (auto image = ui::Image::imageNamed("board-covua.png")) canvas.drawImage(*image, bounds());
}

std::vector<ui::Rect> CoVuaBoardView::playFrames() const {
    std::vector<ui::Rect> frames;
    for (const auto& piece : pieces_)
        if (!piece->isHidden()) frames.push_back(piece->frame());
    for (const auto& mark : selectionMarks_)
        if (mark && mark->kind() == CellEffect::Kind::Target) frames.push_back(mark->frame());
    return frames;
}

void CoVuaBoardView::touchesBegan(const ui::TouchSet& touches, const ui::Event&) {
    if (touches.empty()) return;
    firstTouch_ = pointToSuperview(touches.front()->locationInView(this));
}

void CoVuaBoardView::touchesEnded(const ui::TouchSet&, const ui::Event&) {
    // The square is the one where the touch went down.
    if (!firstTouch_) return;
    const ui::Point p = *firstTouch_;
    firstTouch_.reset();
    tapAt(p);
}

void CoVuaBoardView::touchesCancelled(const ui::TouchSet& touches, const ui::Event& event) {
    touchesEnded(touches, event);
}

}  // namespace zuno
