#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/cotuong/Piece.h"

namespace zuno {

class CCBoardModel;

// One side of a Co Tuong game: its name (the owner's lower-case user name) and its pieces in the
// order they were added. The board owns both sides.
class Team {
public:
    Team(CCBoardModel& board, std::string name);
    // Pieces that outlive their side (a view may still hold one) are left without a side.
    ~Team();
    Team(const Team&) = delete;
    Team& operator=(const Team&) = delete;

    CCBoardModel& board() const { return *board_; }
    const std::string& name() const { return name_; }
    const std::vector<std::shared_ptr<Piece>>& pieces() const { return pieces_; }

    // Makes the piece one of this side's.
    void addPiece(std::shared_ptr<Piece> piece);
    // Takes the piece out of this side (a capture); it keeps its square but belongs to no side.
    void removePiece(const Piece& piece);
    // The first piece of this side standing on (x, y).
    Piece* unitAt(int x, int y) const;

private:
    CCBoardModel* board_;
    std::string name_;
    std::vector<std::shared_ptr<Piece>> pieces_;
};

}  // namespace zuno
