#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "games/covua/CoVuaGame.h"
#include "games/covua/PieceView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "table/ShowsPlay.h"

namespace zuno {

// The Co Vua board as the player sees and touches it: the "board-covua" picture with one sprite per
// piece, the marks of the selected piece, its targets, the last move and a king in check, and the
// frame around the last moved piece. It keeps the game (CoVuaGame) and draws what its operations
// answer. A tap goes to the game; a move it sends is handed to `onMove` (the table screen sends it).
// Its pieces and the marks of the selected piece's targets are play, the board between them room for
// a bubble.
class CoVuaBoardView : public ui::View, public ShowsPlay {
public:
    CoVuaBoardView();

    CoVuaGame& game() { return game_; }
    const CoVuaGame& game() const { return game_; }

    std::function<void(const CoVuaWireMove&)> onMove;
    // The marks of a selected piece's targets came or went (they are play a bubble keeps off).
    std::function<void()> onTargetsChanged;

    // A game starts: the start position for the local side.
    void startWithMoveFirst(int32_t moveFirst, int32_t localUserId);
    // Nothing on the board (between games).
    void clear();
    bool isEmpty() const { return empty_; }

    // Every sprite drawn anew from the position.
    void paintChessCell();
    // The marks of the selected piece's targets.
    void paintCellEffect(const std::vector<CoVuaSquare>& targets);
    // Stops every blink and removes the selection and target marks.
    void unSetSelectAllPiece();

    // A tap at a point of the table screen.
    void tapAt(ui::Point screenPoint);

    // The server's announcements, in the order they arrive.
    void moveWithWho(int32_t whoMove, int8_t x, int8_t y, int32_t nextMove, int32_t quotaTime);
    void intoPalaceWithWhoMove(int32_t whoMove, int type);
    void setFindKing(int8_t side);

    // The sprite on a square, if any.
    std::shared_ptr<PieceView> pieceAt(CoVuaSquare square) const;
    const std::vector<std::shared_ptr<PieceView>>& pieces() const { return pieces_; }
    // The marks on the board now.
    std::vector<std::shared_ptr<CellEffect>> marks() const;
    // The frame around the last moved piece.
    const std::shared_ptr<ui::ImageView>& imgBorderPiece() const { return imgBorderPiece_; }

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
    std::vector<ui::Rect> playFrames() const override;
    std::optional<ui::Rect> boardFrame() const override { return bounds(); }
    void touchesBegan(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesCancelled(const ui::TouchSet& touches, const ui::Event& event) override;

private:
    std::shared_ptr<PieceView> addPiece(int8_t code, CoVuaSquare square);
    void removePieceAt(CoVuaSquare square);
    void removeAllPieces();
    std::shared_ptr<CellEffect> addMark(CellEffect::Kind kind, CoVuaSquare square);
    void removeMark(std::shared_ptr<CellEffect>& mark);
    void frameLastMoved(CoVuaSquare square);
    void clearCheck();

    CoVuaGame game_;
    std::vector<std::shared_ptr<PieceView>> pieces_;
    std::vector<std::shared_ptr<CellEffect>> selectionMarks_;  // the selected square and its targets
    std::shared_ptr<CellEffect> lastMove_;
    std::shared_ptr<CellEffect> check_;
    std::shared_ptr<ui::ImageView> imgBorderPiece_;
    std::optional<ui::Point> firstTouch_;  // where the touch went down, in screen points
    bool empty_ = true;
};

}  // namespace zuno
