#include "support/DrawnPlay.h"

#include <gtest/gtest.h>

#include "games/blocks/BlocksWellView.h"
#include "games/caro/CaroBoard.h"
#include "games/cotuong/CCBoard.h"
#include "games/covua/CoVuaBoardView.h"
#include "games/covua/PieceView.h"
#include "platform/ui/ScrollView.h"
#include "support/LayoutCheck.h"
#include "table/ShowsPlay.h"

namespace zuno::testing {

namespace {

// A Caro stone is drawn inside its cell, this far from each of its sides.
constexpr double kStoneMargin = 3;

ui::Rect around(ui::Point centre, double side) { return {centre.x - side / 2, centre.y - side / 2, side, side}; }

// Each stone of the model on the grid, scaled by the zoom and moved by the scroll, as far as the scroll
// view shows it.
std::vector<ui::Rect> caroStones(const CaroBoard& board) {
    const ui::ScrollView& scroll = *board.scrollCaroBoard();
    const double zoom = scroll.zoomScale();
    const ui::Point shown = scroll.frame().origin, offset = scroll.contentOffset();
    const double side = CaroCell::realCellWidth() - 2 * kStoneMargin;
    std::vector<ui::Rect> stones;
    for (int32_t x = 0; x < CaroBoardModel::kGridSize; ++x) {
        for (int32_t y = 0; y < CaroBoardModel::kGridSize; ++y) {
            if (board.model().getCellWithX(x, y)->status() != CaroCell::kStone) continue;
            const CaroPoint centre = CaroUtils::convertBoardPointToScreenPointWithX(x, y);
            const ui::Rect stone = around({shown.x + centre.x * zoom - offset.x, shown.y + centre.y * zoom - offset.y}, side * zoom);
            const ui::Rect seen = stone.intersection(scroll.frame());
            if (!seen.isEmpty()) stones.push_back(seen);
        }
    }
    return stones;
}

// The pieces from the model where they are drawn and where a sliding one comes to rest, the piece it
// takes until it arrives, the held piece grown, and the marks of where it may go.
std::vector<ui::Rect> coTuongPieces(const CCBoard& board) {
    if (board.isEmpty()) return {};
    std::vector<ui::Rect> pieces;
    for (const auto& piece : board.model().getAllPieces()) {
        pieces.push_back(CCBoard::pieceFrame(piece->location()));
        if (board.drawnCentre(*piece) != piece->location()) pieces.push_back(CCBoard::pieceFrame(board.drawnCentre(*piece)));
    }
    if (const auto& taken = board.takenPiece()) pieces.push_back(CCBoard::pieceFrame(taken->location()));
    if (const auto held = board.heldPieceFrame()) pieces.push_back(*held);
    for (const auto& hint : board.hints()) pieces.push_back(CCBoard::hintFrame(hint));
    return pieces;
}

// The pieces' sprites and the marks of where the selected piece may go.
std::vector<ui::Rect> coVuaPieces(const CoVuaBoardView& board) {
    std::vector<ui::Rect> pieces;
    for (const auto& sub : board.subviews()) {
        auto mark = dynamic_cast<const CellEffect*>(sub.get());
        const bool piece = dynamic_cast<const PieceView*>(sub.get()) || (mark && mark->kind() == CellEffect::Kind::Target);
        if (piece && !sub->isHidden()) pieces.push_back(sub->frame());
    }
    return pieces;
}

// During a game, every cell of the well: its rows and columns as the game has them.
std::vector<ui::Rect> blocksWell(const BlocksWellView& well) {
    const tBoard* board = well.game().gameBoard();
    if (!board) return {};
    return {blocksgeometry::cellFrame(0, 0).united(blocksgeometry::cellFrame(tBoard::kRows - 1, tBoard::kColumns - 1))};
}

// The cells of the game's next piece, at the preview's scale.
std::vector<ui::Rect> blocksNextPiece(const BlocksPreviewView& preview) {
    const tBlock* next = preview.game().nextBlock();
    if (!next) return {};
    const double step = blocksgeometry::kCell * blocksgeometry::kPreviewScale;
    const ui::Point origin{blocksgeometry::kPreviewOrigin.x - BlocksPreviewView::defaultFrame().x(),
                           blocksgeometry::kPreviewOrigin.y - BlocksPreviewView::defaultFrame().y()};
    std::vector<ui::Rect> cells;
    for (int32_t r = 0; r < tBlock::kSize; ++r) {
        for (int32_t c = 0; c < tBlock::kSize; ++c) {
            if (next->getValueAtRow(r, c) != 0) cells.push_back({origin.x + step * c, origin.y + step * r, step, step});
        }
    }
    return cells;
}

// The track as wide as the markers riding on it, whose halves pass its ends.
std::vector<ui::Rect> blocksGauge(const BlocksGaugeView& gauge) {
    const double side = gauge.markerSide();
    const ui::Rect track = gauge.bounds();
    return {ui::Rect(track.midX() - side / 2, track.y() - side / 2, side, track.height() + side)};
}

}  // namespace

std::vector<ui::Rect> playDrawnBy(const ui::View& view) {
    if (auto board = dynamic_cast<const CaroBoard*>(&view)) return caroStones(*board);
    if (dynamic_cast<const CaroBorder*>(&view)) return {};  // its board tells its stones
    if (auto board = dynamic_cast<const CCBoard*>(&view)) return coTuongPieces(*board);
    if (auto board = dynamic_cast<const CoVuaBoardView*>(&view)) return coVuaPieces(*board);
    if (auto well = dynamic_cast<const BlocksWellView*>(&view)) return blocksWell(*well);
    if (auto preview = dynamic_cast<const BlocksPreviewView*>(&view)) return blocksNextPiece(*preview);
    if (auto gauge = dynamic_cast<const BlocksGaugeView*>(&view)) return blocksGauge(*gauge);
    if (dynamic_cast<const ShowsPlay*>(&view)) {
        ADD_FAILURE() << describeView(view) << " shows play, but the layout check does not know where it draws it "
                      << "(tests/support/DrawnPlay.cpp)";
    }
    return {};
}

}  // namespace zuno::testing
