#pragma once

// Builds Co Tuong positions for the tests: pieces placed by side (top or bottom of the viewer's
// board) with the viewer either the first mover (black) or the second (red).
#include <algorithm>
#include <random>
#include <vector>

#include "games/cotuong/CCBoardModel.h"
#include "games/cotuong/Piece.h"
#include "games/cotuong/Team.h"

namespace zuno::test {

struct Placed {
    PieceKind kind;
    bool top;
    int x;
    int y;
};

inline Piece* place(CCBoardModel& board, PieceKind kind, bool top, int x, int y) {
    Team* team = top ? board.topTeam() : board.bottomTeam();
    auto piece = Piece::create(kind, x, y, *team);
    Piece* raw = piece.get();
    team->addPiece(std::move(piece));
    return raw;
}

// An empty board for the viewer; red moves second.
inline void emptyBoard(CCBoardModel& board, bool viewerIsRed = false) {
    board.setSides("red", "black", viewerIsRed ? "red" : "black");
}

inline void layOut(CCBoardModel& board, const std::vector<Placed>& pieces, bool viewerIsRed = false) {
    emptyBoard(board, viewerIsRed);
    for (const auto& p : pieces) place(board, p.kind, p.top, p.x, p.y);
}

// The board as the other player sees it: every square turned round, the same side on top of the
// other player's screen being the bottom one here.
inline std::vector<Placed> turnedRound(const std::vector<Placed>& pieces) {
    std::vector<Placed> out;
    for (const auto& p : pieces) out.push_back({p.kind, !p.top, 8 - p.x, 9 - p.y});
    return out;
}

inline std::vector<Placed> snapshot(const CCBoardModel& board) {
    std::vector<Placed> out;
    for (const auto& p : board.getAllPieces())
        out.push_back({p->kind(), p->team() == board.topTeam(), p->x(), p->y()});
    return out;
}

inline bool inPalace(bool top, int x, int y) { return x >= 3 && x <= 5 && (top ? y >= 7 : y <= 2); }

// A random position with every piece on a square its kind can stand on: generals and advisors in
// their palace, elephants on their own half, soldiers not behind their starting rank.
inline std::vector<Placed> randomPosition(std::mt19937& rng) {
    std::vector<Placed> out;
    bool taken[9][10] = {};
    auto pick = [&](bool top, PieceKind kind) {
        for (int attempt = 0; attempt < 200; ++attempt) {
            int x = std::uniform_int_distribution<int>(0, 8)(rng);
            int y = std::uniform_int_distribution<int>(0, 9)(rng);
            int own = top ? 9 - y : y;  // rank counted from the side's own edge
            bool fits = true;
            if (kind == PieceKind::Jiang || kind == PieceKind::Shi) fits = inPalace(top, x, y);
            if (kind == PieceKind::Xiang) fits = own <= 4;
            if (kind == PieceKind::Zu) fits = own >= 3;
            if (!fits || taken[x][y]) continue;
            taken[x][y] = true;
            out.push_back({kind, top, x, y});
            return;
        }
    };
    for (bool top : {true, false}) {
        pick(top, PieceKind::Jiang);
        auto count = [&](int most) { return std::uniform_int_distribution<int>(0, most)(rng); };
        for (PieceKind kind : {PieceKind::Shi, PieceKind::Xiang, PieceKind::Ma, PieceKind::Ju, PieceKind::Pao})
            for (int n = count(2); n > 0; --n) pick(top, kind);
        for (int n = count(5); n > 0; --n) pick(top, PieceKind::Zu);
    }
    std::shuffle(out.begin(), out.end(), rng);
    return out;
}

}  // namespace zuno::test
