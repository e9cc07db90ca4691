#pragma once

#include "games/cotuong/Piece.h"

namespace zuno {

// The seven kinds of Co Tuong piece, each with its move rule. Coordinates are the viewer's: the
// bottom side's palace is x 3..5, y 0..2, the top side's x 3..5, y 7..9, the river lies between
// y 4 and y 5.

// General: one orthogonal step inside its palace.
class Jiang : public Piece {
public:
    Jiang(int x, int y, Team& team) : Piece(PieceKind::Jiang, x, y, team) {}

protected:
    bool followsRule(int x, int y) const override;
};

// Advisor: one diagonal step inside its palace.
class Shi : public Piece {
public:
    Shi(int x, int y, Team& team) : Piece(PieceKind::Shi, x, y, team) {}

protected:
    bool followsRule(int x, int y) const override;
};

// Elephant: two diagonal steps on its own half, unless a piece stands on the point between.
class Xiang : public Piece {
public:
    Xiang(int x, int y, Team& team) : Piece(PieceKind::Xiang, x, y, team) {}

protected:
    bool followsRule(int x, int y) const override;
};

// Horse: one step straight and one diagonal, unless a piece stands on the straight step (the leg).
class Ma : public Piece {
public:
    Ma(int x, int y, Team& team) : Piece(PieceKind::Ma, x, y, team) {}

protected:
    bool followsRule(int x, int y) const override;
};

// Chariot: along a file or rank over empty squares.
class Ju : public Piece {
public:
    Ju(int x, int y, Team& team) : Piece(PieceKind::Ju, x, y, team) {}

protected:
    bool followsRule(int x, int y) const override;
};

// Cannon: moves like the chariot, captures by jumping exactly one piece.
class Pao : public Piece {
public:
    Pao(int x, int y, Team& team) : Piece(PieceKind::Pao, x, y, team) {}

protected:
    bool followsRule(int x, int y) const override;
};

// Soldier: one step forward, and sideways too once across the river; never back.
class Zu : public Piece {
public:
    Zu(int x, int y, Team& team);
    // +1 for the bottom side (towards the top), -1 for the top side.
    int32_t direction() const { return direction_; }

protected:
    bool followsRule(int x, int y) const override;

private:
    int32_t direction_;
};

}  // namespace zuno
