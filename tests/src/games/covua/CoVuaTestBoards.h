#pragma once

// Co Vua positions for the tests: laid out from file-rank squares for either local colour, move
// counting with the board turned round between plies, and wire-coded move lists.
#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "games/covua/CoVuaBoard.h"

namespace zuno::test {

constexpr int32_t kWhiteId = 100;
constexpr int32_t kBlackId = 200;

struct Placed {
    int file;
    int rank;
    int8_t code;
};

// An empty board for the local colour, with White 100 and Black 200.
inline CoVuaBoard emptyCoVuaBoard(bool localIsWhite) {
    CoVuaBoard b;
    b.newGame(localIsWhite);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) b.setPieceAt(r, c, 0);
    b.setPlayers(kWhiteId, kBlackId, localIsWhite);
    return b;
}

inline CoVuaBoard layOut(const std::vector<Placed>& pieces, bool localIsWhite) {
    CoVuaBoard b = emptyCoVuaBoard(localIsWhite);
    for (const auto& p : pieces) {
        auto s = CoVuaCodes::squareOfCode(10 * p.file + p.rank, localIsWhite);
        b.setPieceAt(s->row, s->col, p.code);
    }
    return b;
}

inline int32_t localId(const CoVuaBoard& b) { return b.isWhite() ? kWhiteId : kBlackId; }

// The position after the local player's move, as the other player sees it.
inline CoVuaBoard afterMoveTurnedRound(const CoVuaBoard& b, CoVuaSquare from, CoVuaSquare to) {
    CoVuaBoard moved = b;
    moved.setPieceAt(to.row, to.col, b.pieceAt(from.row, from.col));
    moved.setPieceAt(from.row, from.col, 0);
    CoVuaBoard turned = emptyCoVuaBoard(!b.isWhite());
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) turned.setPieceAt(7 - r, 7 - c, moved.pieceAt(r, c));
    return turned;
}

// The number of move sequences of the given length, the local side moving first.
inline uint64_t countMoves(const CoVuaBoard& b, int depth) {
    if (depth == 0) return 1;
    int colour = b.isWhite() ? 0 : 1;
    uint64_t total = 0;
    CoVuaBoard scratch = b;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            int8_t code = b.pieceAt(r, c);
            if (code == 0 || CoVuaCodes::colourIndex(code) != colour) continue;
            auto targets = scratch.checkListCanMove(r, c, localId(b));
            if (depth == 1) {
                total += targets.size();
                continue;
            }
            for (CoVuaSquare t : targets) total += countMoves(afterMoveTurnedRound(b, {r, c}, t), depth - 1);
        }
    }
    return total;
}

// Every target of the local side's pieces as (from code, to code), sorted.
inline std::vector<std::pair<int, int>> wireMoves(const CoVuaBoard& b) {
    std::vector<std::pair<int, int>> out;
    int colour = b.isWhite() ? 0 : 1;
    CoVuaBoard scratch = b;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            int8_t code = b.pieceAt(r, c);
            if (code == 0 || CoVuaCodes::colourIndex(code) != colour) continue;
            for (CoVuaSquare t : scratch.checkListCanMove(r, c, localId(b)))
                out.push_back(
                    {CoVuaCodes::squareCode({r, c}, b.isWhite()), CoVuaCodes::squareCode(t, b.isWhite())});
        }
    std::sort(out.begin(), out.end());
    return out;
}

// The same position with the colours exchanged and the ranks mirrored.
inline std::vector<Placed> colourMirror(const std::vector<Placed>& pieces) {
    std::vector<Placed> out;
    for (const auto& p : pieces)
        out.push_back({p.file, 7 - p.rank, static_cast<int8_t>(p.code < 20 ? p.code + 10 : p.code - 10)});
    return out;
}

inline int mirrorCode(int code) { return 10 * (code / 10) + 7 - code % 10; }

// A random position with both kings; sometimes a king and its rooks wait on their castling squares.
inline std::vector<Placed> randomCoVuaPosition(std::mt19937& rng) {
    std::vector<Placed> out;
    bool taken[8][8] = {};
    auto put = [&](int file, int rank, int8_t code) {
        if (taken[file][rank]) return;
        taken[file][rank] = true;
        out.push_back({file, rank, code});
    };
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int colour : {1, 2}) {
        int home = colour == 1 ? 0 : 7;
        if (any(0, 2) == 0) {
            put(4, home, static_cast<int8_t>(colour * 10 + 6));
            if (any(0, 1)) put(7, home, static_cast<int8_t>(colour * 10 + 4));
            if (any(0, 1)) put(0, home, static_cast<int8_t>(colour * 10 + 4));
        } else {
            put(any(0, 7), any(0, 7), static_cast<int8_t>(colour * 10 + 6));
        }
    }
    int extra = any(4, 20);
    for (int i = 0; i < extra; ++i) {
        int colour = any(1, 2);
        int type = any(1, 5);
        int rank = type == 1 ? any(1, 6) : any(0, 7);
        put(any(0, 7), rank, static_cast<int8_t>(colour * 10 + type));
    }
    return out;
}

}  // namespace zuno::test
