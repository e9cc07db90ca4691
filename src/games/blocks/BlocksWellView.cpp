#include "games/blocks/BlocksWellView.h"

#include <algorithm>
#include <optional>

#include "platform/ui/Canvas.h"
#include "platform/ui/Touch.h"

namespace zuno {

namespace blocksgeometry {
BlocksPoint convertBoardToPositionAtRow(int32_t row, int32_t columb) {
    const BlocksPoint centre = BlocksGame::kBoardPos;
    return {centre.x - 5 * kCell + kCell * columb, centre.y - 10 * kCell + kCell * row};
}

// A cell's picture lies 2 points right of and 2 above its reference point: the bottom row then ends 2
// points above the screen's bottom edge, room for the well's bottom border.
ui::Rect cellFrame(int32_t row, int32_t columb) {
    const BlocksPoint p = convertBoardToPositionAtRow(row, columb);
    return {p.x + kCellOffset.x, p.y + kCellOffset.y, kCell, kCell};
}

// The well picture frames the cells' grid, its border showing evenly round them.
ui::Rect wellFrame(const ui::Image* well) {
    const ui::Size size = well ? well->size() : ui::Size{};
    const ui::Point centre = cellFrame(0, 0).united(cellFrame(tBoard::kRows - 1, tBoard::kColumns - 1)).center();
    return {centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height};
}
}  // namespace blocksgeometry

namespace {
ui::Point cellOrigin(int32_t row, int32_t columb) { return blocksgeometry::cellFrame(row, columb).origin; }

bool inWell(int32_t row, int32_t columb) {
    return row >= 0 && row < tBoard::kRows && columb >= 0 && columb < tBoard::kColumns;
}
}  // namespace

BlocksCellImages::BlocksCellImages() {
    static const char* const names[] = {"gach-blue-nhat.png", "gach-cray.png", "gach-blue.png",  "gach-green.png",
                                        "gach-chuoi.png",     "gach-tim.png",  "gach-do.png",    "gach-vang.png",
                                        "gach-cuoi.png",      "gach-spawn.png"};
    for (size_t i = 0; i < images_.size(); ++i) images_[i] = ui::Image::imageNamed(names[i]);
}

const ui::Image* BlocksCellImages::forValue(int32_t value) const {
    if (value < 1 || value > static_cast<int32_t>(images_.size())) return nullptr;
    return images_[value - 1].get();
}

// ---- the well

BlocksWellView::BlocksWellView(const BlocksGame& game, const BlocksCellImages& cells)
    : ui::View(ui::Rect(0, 0, 320, 480)), game_(game), cells_(cells), background_(ui::Image::imageNamed("blocks-well.png")) {
    setBackgroundColor(ui::Color::clear());
    for (int32_t value = 1; value <= 10; ++value) {
        if (const ui::Image* image = cells_.forValue(value)) {
            cellPictureSize_.width = std::max(cellPictureSize_.width, image->size().width);
            cellPictureSize_.height = std::max(cellPictureSize_.height, image->size().height);
        }
    }
}

ui::Rect BlocksWellView::cellArea(int32_t row, int32_t columb) const {
    return {cellOrigin(row, columb), cellPictureSize_};
}

template <class Visit>
void BlocksWellView::forEachPieceCell(const tBlock& block, bool onEmptyOnly, Visit visit) const {
    const tBoard* board = game_.gameBoard();
    if (!board) return;
    for (int32_t r = 0; r < tBlock::kSize; ++r) {
        for (int32_t c = 0; c < tBlock::kSize; ++c) {
            if (block.getValueAtRow(r, c) == 0) continue;
            const int32_t row = block.wellRow(r), columb = block.wellColumn(c);
            if (!inWell(row, columb)) continue;
            if (onEmptyOnly && board->getValueAtRow(row, columb) != 0) continue;
            visit(row, columb);
        }
    }
}

ui::Rect BlocksWellView::contentExtent() const {
    const ui::Rect cells = cellArea(0, 0).united(cellArea(tBoard::kRows - 1, tBoard::kColumns - 1));
    return background_ ? cells.united(blocksgeometry::wellFrame(background_.get())) : cells;
}

std::vector<ui::Rect> BlocksWellView::playFrames() const {
    if (!game_.gameBoard()) return {};
    return {contentExtent()};
}

// A frame that draws a part of the well leaves out the cells outside it.
void BlocksWellView::drawRect(ui::Canvas& canvas, const ui::Rect& rect) {
    if (background_) canvas.drawImage(*background_, blocksgeometry::wellFrame(background_.get()).origin);
    const tBoard* board = game_.gameBoard();
    if (!board) return;
    for (int32_t row = 0; row < tBoard::kRows; ++row) {
        if (!rect.intersects(cellArea(row, 0).united(cellArea(row, tBoard::kColumns - 1)))) continue;
        for (int32_t columb = 0; columb < tBoard::kColumns; ++columb) {
            if (const ui::Image* image = cells_.forValue(board->getValueAtRow(row, columb)))
                canvas.drawImage(*image, cellOrigin(row, columb));
        }
    }
    // The falling piece rests in the well too; its ghost shows only where the well is empty.
    if (const tBlock* ghost = game_.downBlock()) drawPiece(canvas, *ghost, 9, true);
    if (const tBlock* block = game_.gameBlock()) drawPiece(canvas, *block, block->blockColor(), false);
}

void BlocksWellView::drawPiece(ui::Canvas& canvas, const tBlock& block, int32_t value, bool onEmptyOnly) const {
    const ui::Image* image = cells_.forValue(value);
    if (!image) return;
    forEachPieceCell(block, onEmptyOnly, [&](int32_t row, int32_t columb) { canvas.drawImage(*image, cellOrigin(row, columb)); });
}

BlocksWellView::CellLooks BlocksWellView::cellLooks() const {
    CellLooks looks{};
    const tBoard* board = game_.gameBoard();
    if (!board) return looks;
    auto look = [&looks](int32_t row, int32_t columb) -> uint32_t& {
        return looks[static_cast<size_t>(row * tBoard::kColumns + columb)];
    };
    for (int32_t row = 0; row < tBoard::kRows; ++row)
        for (int32_t columb = 0; columb < tBoard::kColumns; ++columb)
            look(row, columb) = static_cast<uint8_t>(board->getValueAtRow(row, columb));
    if (const tBlock* ghost = game_.downBlock())
        forEachPieceCell(*ghost, true, [&](int32_t row, int32_t columb) { look(row, columb) |= 1u << 8; });
    if (const tBlock* block = game_.gameBlock()) {
        const auto colour = static_cast<uint8_t>(block->blockColor());
        forEachPieceCell(*block, false, [&](int32_t row, int32_t columb) { look(row, columb) |= uint32_t(colour) << 16; });
    }
    return looks;
}

void BlocksWellView::gameChanged() {
    const CellLooks now = cellLooks();
    for (int32_t row = 0; row < tBoard::kRows; ++row) {
        for (int32_t columb = 0; columb < tBoard::kColumns; ++columb) {
            const auto i = static_cast<size_t>(row * tBoard::kColumns + columb);
            if (now[i] != shown_[i]) setNeedsDisplayInRect(cellArea(row, columb));
        }
    }
    shown_ = now;
}

void BlocksWellView::send(BlocksGesture gesture) const {
    if (gesture != BlocksGesture::None && onGesture) onGesture(gesture);
}

void BlocksWellView::touchesBegan(const ui::TouchSet& touches, const ui::Event&) {
    if (touches.empty()) return;
    tracker_.touchBegan(touches.front()->locationInView(this), touches.front()->timestamp());
}

void BlocksWellView::touchesMoved(const ui::TouchSet& touches, const ui::Event&) {
    if (touches.empty()) return;
    send(tracker_.touchMoved(touches.front()->locationInView(this), touches.front()->timestamp()));
}

void BlocksWellView::touchesEnded(const ui::TouchSet& touches, const ui::Event&) {
    if (touches.empty()) return;
    send(tracker_.touchEnded(touches.front()->locationInView(this), touches.front()->timestamp()));
}

// ---- the preview

BlocksPreviewView::BlocksPreviewView(const BlocksGame& game, const BlocksCellImages& cells)
    : ui::View(defaultFrame()), game_(game), cells_(cells) {
    setBackgroundColor(ui::Color::clear());
    setUserInteractionEnabled(false);
}

template <class Visit>
void BlocksPreviewView::forEachCell(Visit visit) const {
    const tBlock* next = game_.nextBlock();
    if (!next) return;
    const ui::Image* image = cells_.forValue(next->blockColor());
    if (!image) return;
    const double step = blocksgeometry::kCell * blocksgeometry::kPreviewScale;
    const ui::Size size = image->size();
    const double x0 = blocksgeometry::kPreviewOrigin.x - defaultFrame().origin.x;
    const double y0 = blocksgeometry::kPreviewOrigin.y - defaultFrame().origin.y;
    for (int32_t r = 0; r < tBlock::kSize; ++r) {
        for (int32_t c = 0; c < tBlock::kSize; ++c) {
            if (next->getValueAtRow(r, c) == 0) continue;
            visit(*image, ui::Rect(x0 + step * c, y0 + step * r, size.width * blocksgeometry::kPreviewScale,
                                   size.height * blocksgeometry::kPreviewScale));
        }
    }
}

void BlocksPreviewView::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    forEachCell([&](const ui::Image& image, const ui::Rect& at) { canvas.drawImage(image, at); });
}

ui::Rect BlocksPreviewView::drawnCells() const {
    std::optional<ui::Rect> cells;
    forEachCell([&](const ui::Image&, const ui::Rect& at) { cells = cells ? cells->united(at) : at; });
    return cells.value_or(ui::Rect());
}

std::vector<ui::Rect> BlocksPreviewView::playFrames() const {
    const ui::Rect cells = drawnCells();
    if (cells.isEmpty()) return {};
    return {cells};
}

// ---- the opponent's gauge

BlocksGaugeView::BlocksGaugeView(const ui::Rect& track, double markerSide) : ui::View(track), markerSide_(markerSide) {
    setBackgroundColor(ui::Color::rgb255(79, 106, 134, 0.7));
    setUserInteractionEnabled(false);
}

std::vector<ui::Rect> BlocksGaugeView::playFrames() const {
    const ui::Rect track = bounds();
    return {track.insetBy((track.width() - markerSide_) / 2, -markerSide_ / 2)};
}

}  // namespace zuno
