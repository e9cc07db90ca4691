#include "games/cotuong/Piece.h"

#include "games/cotuong/CCBoardModel.h"
#include "games/cotuong/PieceKinds.h"
#include "games/cotuong/Team.h"

namespace zuno {

namespace {

const char* imageStem(PieceKind kind) {
    switch (kind) {
        case PieceKind::Jiang: return "jiang";
        case PieceKind::Shi: return "shi";
        case PieceKind::Xiang: return "xiang";
        case PieceKind::Ma: return "ma";
        case PieceKind::Ju: return "ju";
        case PieceKind::Pao: return "pao";
        case PieceKind::Zu: return "zu";
    }
    return "";
}

}  // namespace

Piece::Piece(PieceKind kind, int x, int y, Team& team) : kind_(kind) {
    const CCBoardModel& board = team.board();
    if (team.name() == board.red())
        name_ = std::string("r_") + imageStem(kind);
    else if (team.name() == board.black())
        name_ = std::string("b_") + imageStem(kind);
    forceMoveTo(x, y);
}

std::shared_ptr<Piece> Piece::create(PieceKind kind, int x, int y, Team& team) {
    switch (kind) {
        case PieceKind::Jiang: return std::make_shared<Jiang>(x, y, team);
        case PieceKind::Shi: return std::make_shared<Shi>(x, y, team);
        case PieceKind::Xiang: return std::make_shared<Xiang>(x, y, team);
        case PieceKind::Ma: return std::make_shared<Ma>(x, y, team);
        case PieceKind::Ju: return std::make_shared<Ju>(x, y, team);
        case PieceKind::Pao: return std::make_shared<Pao>(x, y, team);
        case PieceKind::Zu: return std::make_shared<Zu>(x, y, team);
    }
    return nullptr;
}

CoTuongPoint Piece::convertPoint(int x, int y) {
    float cx = x <= 3 ? 32.0f * x + 36 : 32.0f * x + 34;
    return {cx, 32.0f * (9 - y) + 16};
}

void Piece::forceMoveTo(int x, int y) {
    x_ = x;
    y_ = y;
    location_ = convertPoint(x, y);
    if (team_) team_->board().piecesChanged();
}

std::shared_ptr<Piece> Piece::moveTo(int x, int y) {
    std::shared_ptr<Piece> captured;
    if (isMoveAttack(x, y)) {
        const Piece* target = board()->getUnitAtPoint(x, y);
        for (const auto& p : target->team_->pieces())
            if (p.get() == target) captured = p;
    }
    forceMoveTo(x, y);
    return captured;
}

const CCBoardModel* Piece::board() const { return team_ ? &team_->board() : nullptr; }

bool Piece::occupied(int x, int y) const { return board()->getUnitAtPoint(x, y) != nullptr; }

Piece::Half Piece::half() const {
    if (!team_) return Half::Neither;
    const CCBoardModel& b = team_->board();
    if (team_->name() == b.topSideName()) return Half::Top;
    if (team_->name() == b.bottomSideName()) return Half::Bottom;
    return Half::Neither;
}

bool Piece::baseAllows(int x, int y) const {
    if (!team_) return false;  // a captured piece goes nowhere
    if (x < 0 || x > 8 || y < 0 || y > 9) return false;
    const Piece* there = board()->getUnitAtPoint(x, y);
    return !there || there->team_ != team_;
}

bool Piece::isMoveAttack(int x, int y) const {
    if (!team_) return false;
    const Piece* there = board()->getUnitAtPoint(x, y);
    return there && there->team_ != team_;
}

std::vector<CoTuongSquare> Piece::detectMoveable() const {
    std::vector<CoTuongSquare> hints;
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y <= 9; ++y)
            if (isMoveAllowed(x, y)) hints.push_back({x, y});
    return hints;
}

bool Piece::detectEatJiang() const {
    if (!team_) return false;
    const CCBoardModel& b = team_->board();
    const Team* other = team_->name() == b.team_1()->name() ? b.team_2() : b.team_1();
    for (const auto& general : other->pieces()) {
        if (!general->vital()) continue;
        int gx = general->x();
        int gy = general->y();
        if (isMoveAllowed(gx, gy) && isMoveAttack(gx, gy)) return true;
        // A check given by another piece of the side: the move uncovered it.
        for (const auto& q : team_->pieces())
            if (q->isMoveAllowed(gx, gy) && q->isMoveAttack(gx, gy)) return true;
    }
    return false;
}

}  // namespace zuno
