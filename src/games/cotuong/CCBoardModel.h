#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/cotuong/CoTuongUtils.h"
#include "games/cotuong/Piece.h"
#include "games/cotuong/Team.h"

namespace zuno {

// A move to send to the server: the wire square left and the wire square reached, already turned
// round for the second mover. Both lie in 51..203 and go out as their low byte.
struct CoTuongWireMove {
    int32_t from = 0;
    int32_t to = 0;
    bool operator==(const CoTuongWireMove&) const = default;
};

// What one tap on the board asks the view to show and send.
struct CoTuongTap {
    // The tap lay outside the board: nothing changed, the hints stay, nothing is sent.
    bool refused = false;
    // The held piece that goes back to its normal size.
    std::shared_ptr<Piece> putDown;
    // The piece now held: brought to the front, grown, the click sound, and its hints marked.
    std::shared_ptr<Piece> pickedUp;
    std::vector<CoTuongSquare> hints;
    // The move request to send.
    std::optional<CoTuongWireMove> move;
};

// What an announced move changed, for the view to animate and sound.
struct CoTuongShownMove {
    // The piece that moved; nullptr when no piece stood on the square left.
    std::shared_ptr<Piece> piece;
    // The piece of the other side taken on the square reached; already out of its side.
    std::shared_ptr<Piece> captured;
    // The mover's side now attacks the other general (the check sound, unless the game is over).
    bool givesCheck = false;
};

// The Co Tuong board without its view: the two sides of the current game and their pieces, the
// names that tell which side sits at the bottom, the pick-up state of the viewer's taps and the moves
// the server announces. Coordinates are the viewer's (own side at the bottom).
class CCBoardModel {
public:
    CCBoardModel();
    ~CCBoardModel();
    CCBoardModel(const CCBoardModel&) = delete;
    CCBoardModel& operator=(const CCBoardModel&) = delete;

    // A new game: red is the second mover's name, black the first mover's; the viewer (by lower-case
    // user name) sits at the bottom, and is red unless his name is black. Both sides get their
    // pieces at the starting squares, the top side first; nothing is held.
    void newGame(const std::string& red, const std::string& black, const std::string& viewerLowerName);
    // The same sides without any piece, for a position built piece by piece.
    void setSides(const std::string& red, const std::string& black, const std::string& viewerLowerName);

    const std::string& red() const { return red_; }
    const std::string& black() const { return black_; }
    // The viewer is red, the second mover.
    bool isBottomRed() const { return isBottomRed_; }
    const std::string& topSideName() const { return isBottomRed_ ? black_ : red_; }
    const std::string& bottomSideName() const { return isBottomRed_ ? red_ : black_; }
    const std::string& viewerName() const { return viewer_; }

    // The red side and the black side; nullptr before the first game.
    Team* team_1() const { return team_1_.get(); }
    Team* team_2() const { return team_2_.get(); }
    // The side of the given name at the top or bottom; nullptr before the first game.
    Team* topTeam() const;
    Team* bottomTeam() const;

    // The viewer moves second and sees the wire squares turned round.
    bool flipped() const { return flipped_; }
    void setFlipped(bool flipped) { flipped_ = flipped; }

    // The piece on (x, y), red's first.
    Piece* getUnitAtPoint(int x, int y) const;
    Piece* getUnitAtPoint(CoTuongPoint p) const {
        return getUnitAtPoint(static_cast<int>(p.x), static_cast<int>(p.y));
    }
    // A piece was added, removed or moved: the square index is rebuilt on the next look-up.
    void piecesChanged() { indexIsStale_ = true; }
    // Every piece of red in list order, then every piece of black.
    std::vector<std::shared_ptr<Piece>> getAllPieces() const;
    // Takes a piece off the board (out of its side).
    void removePiece(Piece& piece);

    // (file from the left, rank from the top) of a point of the board view, by rounding.
    static CoTuongPoint convertPointToBoard(CoTuongPoint p);
    static CoTuongPoint convertToBoard(CoTuongPoint p) { return convertPointToBoard(p); }
    // (file from the left, rank from the top) of a tap, or nothing for a tap outside the board: more
    // than 15 points beyond the outer files' centres, or above or below the ranks.
    static std::optional<CoTuongPoint> tapSquare(CoTuongPoint p);

    // A tap at p in the board view; isMyTurn says whether the viewer is to move.
    CoTuongTap touchesEnded(CoTuongPoint p, bool isMyTurn);
    bool isPieceSelected() const { return isPieceSelected_; }
    const std::shared_ptr<Piece>& selectedPiece() const { return selectedPiece_; }
    int32_t sqSelected() const { return sqSelected_; }

    // An announced move between two squares given as (file from the left, rank from the top) in the
    // viewer's orientation.
    CoTuongShownMove movePiecefromPoint(CoTuongPoint from, CoTuongPoint to);
    // An announced move as two wire bytes, turned round when the board is flipped.
    CoTuongShownMove moveWithWireSquares(int8_t x, int8_t y);

private:
    // The hit area of a piece view: 34 points square around its centre, grown 1.2 times while held.
    bool pieceContains(const Piece& piece, CoTuongPoint p) const;
    std::shared_ptr<Piece> pieceAtPoint(CoTuongPoint p) const;
    bool isOwn(const Piece& piece) const;
    void clearPickUp();
    void rebuildIndex() const;

    std::unique_ptr<Team> team_1_;
    std::unique_ptr<Team> team_2_;
    std::string red_;
    std::string black_;
    std::string viewer_;
    bool isBottomRed_ = false;
    bool flipped_ = false;

    bool isPieceSelected_ = false;
    std::shared_ptr<Piece> selectedPiece_;
    int32_t sqSelected_ = 0;

    // The piece getUnitAtPoint answers for each square of the board, rebuilt after any change: the
    // hints and the check test look squares up thousands of times per move.
    mutable const Piece* index_[9][10] = {};
    mutable bool indexIsStale_ = true;
};

}  // namespace zuno
