#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "games/cotuong/CoTuongUtils.h"

namespace zuno {

class Team;
class CCBoardModel;

enum class PieceKind { Jiang, Shi, Xiang, Ma, Ju, Pao, Zu };

// One Co Tuong piece: its square in the viewer's coordinates, its side and its move rule. The board
// view draws each piece by its image name and follows the piece's square; the rules here only serve
// the move hints and the check sound, since the server judges every move.
class Piece {
public:
    virtual ~Piece() = default;
    Piece(const Piece&) = delete;
    Piece& operator=(const Piece&) = delete;

    // A new piece of the given kind on (x, y), not yet added to the side: the caller adds it with
    // Team::addPiece. Its image comes from the side's name ("r_" for red, "b_" for black).
    static std::shared_ptr<Piece> create(PieceKind kind, int x, int y, Team& team);

    PieceKind kind() const { return kind_; }
    int32_t x() const { return x_; }
    int32_t y() const { return y_; }
    CoTuongPoint position() const { return {static_cast<float>(x_), static_cast<float>(y_)}; }
    // The centre of the piece's square in the board view.
    CoTuongPoint location() const { return location_; }
    void setLocation(CoTuongPoint location) { location_ = location; }
    // The image base name ("r_ma"); the image file is that name with ".png".
    const std::string& name() const { return name_; }
    // Only the general: the piece whose capture the check test looks for.
    bool vital() const { return kind_ == PieceKind::Jiang; }
    // The owning side; nullptr once the piece has left it.
    Team* team() const { return team_; }

    // The centre of square (x, y) in the board view. The gap between files 3 and 4 is 30 points, every
    // other neighbouring pair of files is 32 apart.
    static CoTuongPoint convertPoint(int x, int y);

    // Sets the square (and its centre) without anything else.
    void forceMoveTo(int x, int y);
    // Moves to (x, y) and returns the piece of the other side that stood there, which stays in its
    // side until the caller removes it.
    std::shared_ptr<Piece> moveTo(int x, int y);
    // The same with the point's coordinates truncated.
    std::shared_ptr<Piece> moveTo(CoTuongPoint p) {
        return moveTo(static_cast<int>(p.x), static_cast<int>(p.y));
    }

    // Whether this piece may go to (x, y): the base test (on the board, not onto its own side), then
    // the kind's rule.
    bool isMoveAllowed(int x, int y) const { return baseAllows(x, y) && followsRule(x, y); }
    // A piece of the other side stands on (x, y).
    bool isMoveAttack(int x, int y) const;
    // The squares to mark as hints, files from 0 to 8 with ranks 0 to 9 inside.
    std::vector<CoTuongSquare> detectMoveable() const;
    // With the board as it stands, this piece's side attacks the other side's general.
    bool detectEatJiang() const;

protected:
    Piece(PieceKind kind, int x, int y, Team& team);

    enum class Half { Top, Bottom, Neither };
    // Which half of the board this piece's side started on, from the side names of the game.
    Half half() const;
    const CCBoardModel* board() const;
    bool occupied(int x, int y) const;

    virtual bool followsRule(int x, int y) const = 0;

private:
    friend class Team;
    bool baseAllows(int x, int y) const;

    PieceKind kind_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    CoTuongPoint location_;
    std::string name_;
    Team* team_ = nullptr;
};

}  // namespace zuno
