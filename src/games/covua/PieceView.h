#pragma once

#include <cstdint>
#include <functional>

#include "games/covua/CoVuaCodes.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/ImageView.h"

namespace zuno {

// One Co Vua piece on the board: a 30-point sprite of "qc_<code>.png" resting on its square. The
// selected piece blinks, stepping 10 points up and back every half second; a move slides it to its
// new square. Positions are those of the board view (the board's top left corner at (0, 0)).
class PieceView : public ui::ImageView {
public:
    explicit PieceView(int8_t chessId);
    ~PieceView() override;

    int8_t chessId() const { return chessId_; }
    // The piece is Black.
    bool isColor() const { return isColor_; }
    bool isSelected() const { return isSelected_; }
    bool isUp() const { return isUp_; }
    ui::Point oldCenter() const { return oldCenter_; }
    ui::Point newCenter() const { return newCenter_; }
    // The row and column of its square.
    int getX() const { return X_; }
    int getY() const { return Y_; }

    // On its square at once.
    void setXY(int row, int col);
    // Slides to the square in half a second, with the move sound.
    void moveTo(int row, int col);
    // Starts blinking, with the click sound.
    void setSelected();
    // Stops blinking: the sprite goes back to its resting place.
    void unSetSelected();

    // Where a piece on the square rests in the board view.
    static ui::Point restingCentre(CoVuaSquare square);

private:
    void chance();
    // One move of the blink, up or down.
    void bob();
    void place(int row, int col);

    int8_t chessId_;
    bool isColor_;
    bool isSelected_ = false;
    bool isUp_ = false;
    ui::Point oldCenter_;
    ui::Point newCenter_;
    int X_ = 0;
    int Y_ = 0;
    sys::RunLoop::TimerId blink_ = 0;
};

// A mark on a square of the Co Vua board, beneath the pieces.
class CellEffect : public ui::ImageView {
public:
    enum class Kind {
        Target,    // the selected piece may go there
        Selected,  // the selected piece stands there
        LastMove,  // the last move left this square
        Check,     // a king in check stands there
    };
    CellEffect(Kind kind, int row, int col);

    Kind kind() const { return kind_; }
    int getX() const { return X_; }
    int getY() const { return Y_; }
    void setXY(int row, int col);

private:
    Kind kind_;
    int X_ = 0;
    int Y_ = 0;
};

}  // namespace zuno
