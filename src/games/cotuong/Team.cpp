#include "games/cotuong/Team.h"

#include <algorithm>

#include "games/cotuong/CCBoardModel.h"

namespace zuno {

Team::Team(CCBoardModel& board, std::string name) : board_(&board), name_(std::move(name)) {}

Team::~Team() {
    for (auto& piece : pieces_) piece->team_ = nullptr;
}

void Team::addPiece(std::shared_ptr<Piece> piece) {
    if (!piece) return;
    if (piece->team_ && piece->team_ != this) piece->team_->removePiece(*piece);
    if (piece->team_ == this) return;
    piece->team_ = this;
    pieces_.push_back(std::move(piece));
    board_->piecesChanged();
}

void Team::removePiece(const Piece& piece) {
    auto it = std::find_if(pieces_.begin(), pieces_.end(), [&](const auto& p) { return p.get() == &piece; });
    if (it == pieces_.end()) return;
    (*it)->team_ = nullptr;
    pieces_.erase(it);
    board_->piecesChanged();
}

Piece* Team::unitAt(int x, int y) const {
    for (const auto& p : pieces_)
        if (p->x() == x && p->y() == y) return p.get();
    return nullptr;
}

}  // namespace zuno
