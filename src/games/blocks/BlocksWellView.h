#pragma once

#include <array>
#include <functional>
#include <memory>

#include "games/blocks/BlocksGame.h"
#include "games/blocks/BlocksGesture.h"
#include "games/blocks/BlocksPoint.h"
#include "games/blocks/BlocksTouchTracker.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"
#include "table/ShowsPlay.h"

namespace zuno {

// Where the Blocks screen draws: cells of 18 points, the well centred on the game's board position.
namespace blocksgeometry {
constexpr double kCell = 18;
// The reference point of a well cell.
BlocksPoint convertBoardToPositionAtRow(int32_t row, int32_t columb);
// Where a well cell's picture lies: its reference point moved by kCellOffset.
constexpr BlocksPoint kCellOffset{2, -2};
ui::Rect cellFrame(int32_t row, int32_t columb);
// The well picture's frame, round the cells' grid (none: the picture is missing).
ui::Rect wellFrame(const ui::Image* well);
// The preview's cells: 0.8 of a well cell, from (5, 206) of the screen, low in the left column just
// above my own rows cleared and my seat, under its caption: my next piece, not the opponent's. A piece
// before its first turn has cells in its rows 1 and 2 only.
constexpr double kPreviewScale = 0.8;
constexpr BlocksPoint kPreviewOrigin{5, 206};
}  // namespace blocksgeometry

// The pictures of the cell values 1 to 10 (the floor and empty cells have none).
class BlocksCellImages {
public:
    BlocksCellImages();
    const ui::Image* forValue(int32_t value) const;

private:
    std::array<ui::ImagePtr, 10> images_;
};

// The well of the Blocks screen, as large as the screen: its background, the settled cells, the ghost
// and the falling piece, drawn from the game on every redraw. It takes the finger's drags and taps
// (BlocksTouchTracker) and hands their steps on. While a game has its well, the well is play.
class BlocksWellView : public ui::View, public ShowsPlay {
public:
    BlocksWellView(const BlocksGame& game, const BlocksCellImages& cells);

    const BlocksGame& game() const { return game_; }
    std::function<void(BlocksGesture)> onGesture;

    // The game changed its well or its pieces: the cells that now look different are drawn again (a
    // step of the piece is a few cells, not the well).
    void gameChanged();

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
    // The well's picture with its cells: the rest of the screen it takes touches on stays bare.
    ui::Rect contentExtent() const override;
    std::vector<ui::Rect> playFrames() const override;
    void touchesBegan(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesMoved(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;

private:
    // What each cell shows, row by row: its settled value, the ghost over it, the piece over that.
    using CellLooks = std::array<uint32_t, tBoard::kRows * tBoard::kColumns>;

    // The well cells of the piece, those of settled cells left out when `onEmptyOnly`.
    template <class Visit>
    void forEachPieceCell(const tBlock& block, bool onEmptyOnly, Visit visit) const;
    void drawPiece(ui::Canvas& canvas, const tBlock& block, int32_t value, bool onEmptyOnly) const;
    // Where a cell's picture may paint.
    ui::Rect cellArea(int32_t row, int32_t columb) const;
    CellLooks cellLooks() const;
    void send(BlocksGesture gesture) const;

    const BlocksGame& game_;
    const BlocksCellImages& cells_;
    ui::ImagePtr background_;
    ui::Size cellPictureSize_;  // the largest of the cell pictures
    CellLooks shown_{};
    BlocksTouchTracker tracker_;
};

// The preview piece, drawn at 0.8 of a cell in its own small view so that it can bob; its cells are
// play.
class BlocksPreviewView : public ui::View, public ShowsPlay {
public:
    static ui::Rect defaultFrame() { return {0, blocksgeometry::kPreviewOrigin.y, 64, 58}; }
    BlocksPreviewView(const BlocksGame& game, const BlocksCellImages& cells);
    const BlocksGame& game() const { return game_; }
    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
    // Where the preview's cells lie in the view (empty: no next piece).
    ui::Rect drawnCells() const;
    std::vector<ui::Rect> playFrames() const override;

private:
    // Each cell of the next piece with its picture and where it lies in the view.
    template <class Visit>
    void forEachCell(Visit visit) const;

    const BlocksGame& game_;
    const BlocksCellImages& cells_;
};

// The opponent's gauge beside the well: the track his markers ride on from the well's top row to its
// floor, drawn as a thin bar. His stack's height shows there, play as much as my well is: the track
// as wide as the markers, and their halves beyond its ends.
class BlocksGaugeView : public ui::View, public ShowsPlay {
public:
    BlocksGaugeView(const ui::Rect& track, double markerSide);
    double markerSide() const { return markerSide_; }
    std::vector<ui::Rect> playFrames() const override;

private:
    double markerSide_;
};

}  // namespace zuno
