#include "games/cotuong/PieceKinds.h"

#include <cstdlib>

#include "games/cotuong/CCBoardModel.h"
#include "games/cotuong/Team.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {

bool inTopPalace(int x, int y) { return x >= 3 && x <= 5 && y >= 7 && y <= 9; }
bool inBottomPalace(int x, int y) { return x >= 3 && x <= 5 && y >= 0 && y <= 2; }

}  // namespace

bool Jiang::followsRule(int x, int y) const {
    Half h = half();
    if (h == Half::Top && !inTopPalace(x, y)) return false;
    if (h == Half::Bottom && !inBottomPalace(x, y)) return false;
    int dx = x - this->x();
    int dy = y - this->y();
    return (dy == 0 && std::abs(dx) == 1) || (dx == 0 && std::abs(dy) == 1);
}

bool Shi::followsRule(int x, int y) const {
    if (std::abs(x - this->x()) != 1 || std::abs(y - this->y()) != 1) return false;
    Half h = half();
    if (h == Half::Top) return inTopPalace(x, y);
    if (h == Half::Bottom) return inBottomPalace(x, y);
    return true;
}

bool Xiang::followsRule(int x, int y) const {
    Half h = half();
    if (h == Half::Top && y < 5) {
        sys::Log::line("xiang 1");
        return false;
    }
    if (h == Half::Bottom && y > 4) {
        sys::Log::line("xiang 2");
        return false;
    }
    int dx = x - this->x();
    int dy = y - this->y();
    if (std::abs(dx) != 2 || std::abs(dy) != 2) return false;
    // A piece on the point between blocks the elephant.
    return !occupied(this->x() + dx / 2, this->y() + dy / 2);
}

bool Ma::followsRule(int x, int y) const {
    int dx = x - this->x();
    int dy = y - this->y();
    if (std::abs(dx) > std::abs(dy)) {
        if (std::abs(dx) != 2 || std::abs(dy) != 1) return false;
        return !occupied(this->x() + dx / 2, this->y());
    }
    if (std::abs(dy) != 2 || std::abs(dx) != 1) return false;
    return !occupied(this->x(), this->y() + dy / 2);
}

namespace {

// The number of pieces strictly between the piece and (x, y) on its file or rank; -1 when (x, y) is
// on neither.
int piecesBetween(const CCBoardModel& board, int px, int py, int x, int y) {
    if (x != px && y != py) return -1;
    int sx = (x > px) - (x < px);
    int sy = (y > py) - (y < py);
    int count = 0;
    for (int cx = px + sx, cy = py + sy; cx != x || cy != y; cx += sx, cy += sy)
        if (board.getUnitAtPoint(cx, cy)) ++count;
    return count;
}

}  // namespace

bool Ju::followsRule(int x, int y) const { return piecesBetween(*board(), this->x(), this->y(), x, y) == 0; }

bool Pao::followsRule(int x, int y) const {
    int between = piecesBetween(*board(), this->x(), this->y(), x, y);
    if (between < 0) return false;
    return occupied(x, y) ? between == 1 : between == 0;
}

Zu::Zu(int x, int y, Team& team) : Piece(PieceKind::Zu, x, y, team) {
    direction_ = team.name() == team.board().topSideName() ? -1 : 1;
}

bool Zu::followsRule(int x, int y) const {
    int px = this->x();
    int py = this->y();
    if (x == px && y == py + direction_) return true;
    Half h = half();
    bool crossed = (h == Half::Top && py <= 4) || (h == Half::Bottom && py >= 5);
    return crossed && y == py && std::abs(x - px) == 1;
}

}  // namespace zuno
