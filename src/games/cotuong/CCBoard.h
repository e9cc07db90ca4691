#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "games/cotuong/CCBoardModel.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/View.h"
#include "table/ShowsPlay.h"

namespace zuno {

// The Co Tuong board as the player sees and touches it: the board picture with the pieces, the move
// hints of the held piece and the two marks of the last move, drawn from the board model. A tap goes
// to the model; a move it asks for is handed to `onMove` (the table screen sends it). Announced moves
// come from the table screen. The pieces drawn are play, the board between them room for a bubble.
class CCBoard : public ui::View, public ShowsPlay {
public:
    CCBoard();
    ~CCBoard() override;

    // The ten ranks fill the window's height 32 points apart: a piece is drawn a little smaller than
    // the 34 points it takes taps on, so that the first and last ranks stay off the window's edges and
    // neighbours do not touch.
    static constexpr double kRankStep = 32;
    static constexpr double kPieceDrawnSize = 30;
    static ui::Rect pieceFrame(CoTuongPoint centre);

    CCBoardModel& model() { return model_; }
    const CCBoardModel& model() const { return model_; }

    // Whether the viewer is to move (asked at every tap) and where a requested move goes.
    std::function<bool()> isMyTurn;
    std::function<void(const CoTuongWireMove&)> onMove;
    // A piece was taken up (grown, its hints shown) or put down: play a bubble keeps off has changed.
    std::function<void()> onHoldChanged;

    // A new game: the sides and pieces, no hints, no marks.
    void newGame(const std::string& red, const std::string& black, const std::string& viewerLowerName, bool flipped);
    // Nothing on the board (between games).
    void clear();
    // An announced move as its two wire bytes; `gameRuns` says whether sounds of capture and check play.
    void moveWithWireSquares(int8_t from, int8_t to, bool gameRuns);
    // A tap at a point of the board view.
    void tapAt(ui::Point p);
    // The sounds of the moves shown that have not played yet stay silent (the table is left).
    void stopSounds();

    const std::vector<CoTuongSquare>& hints() const { return hints_; }
    // Where a piece is drawn now: the last piece moved slides from the square it left for 0.3 s.
    CoTuongPoint drawnCentre(const Piece& piece) const;
    // The piece the last move took, still shown until the moving piece arrives.
    const std::shared_ptr<Piece>& takenPiece() const { return taken_; }
    bool isEmpty() const { return empty_; }
    // Where the held piece is drawn, grown and kept inside the board (none: nothing held).
    std::optional<ui::Rect> heldPieceFrame() const;
    // Where the mark of a square the held piece may go to is drawn.
    static ui::Rect hintFrame(const CoTuongSquare& hint);

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
    std::vector<ui::Rect> playFrames() const override;
    std::optional<ui::Rect> boardFrame() const override { return bounds(); }
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;

private:
    // Each piece drawn under the held one, in the order of drawing, with its frame: the piece the last
    // move took, the pieces standing, the piece moving.
    template <class Visit>
    void forEachPieceUnderHeld(Visit visit) const;
    void slide(const CoTuongShownMove& shown, std::optional<CoTuongPoint> left);
    void stopSliding();
    void playLater(double seconds, void (*play)());

    CCBoardModel model_;
    std::shared_ptr<Piece> moving_;  // the last piece moved, drawn last (sliding for 0.3 s)
    std::shared_ptr<Piece> taken_;   // the piece it takes, shown until it arrives
    std::vector<CoTuongSquare> hints_;
    std::optional<CoTuongPoint> stillMoved_;  // the square the last moved piece left
    std::shared_ptr<Piece> lastMoved_;
    bool empty_ = true;
    std::vector<sys::RunLoop::TimerId> sounds_;  // waiting to play
};

}  // namespace zuno
