#pragma once

#include "platform/ui/Geometry.h"

#include <cstdint>
#include <optional>

namespace zuno {

// A square of the Co Vua board as the local player sees it: row 0 at the top of the screen, column 0
// at its left. The local player's pieces start on rows 6 and 7.
struct CoVuaSquare {
    int32_t row = 0;
    int32_t col = 0;
    bool operator==(const CoVuaSquare&) const = default;
};

// A point of the table screen.
using CoVuaPoint = ui::Point;

// Piece codes, square codes and the board's place on the screen.
//
// A piece is one byte, colour * 10 + type: colour 1 White (the first mover) or 2 Black; type 1 pawn,
// 2 knight, 3 bishop, 4 rook, 5 queen, 6 king; 0 is an empty square.
//
// A square travels as one byte 10 * file + rank, file and rank 0..7 counted from White's side, so the
// same square has the same code for both players. The local White player sees file c in column c and
// rank 7 - r in row r; the local Black player sees the board turned round: file 7 - c, rank r.
class CoVuaCodes {
public:
    static constexpr int8_t kEmpty = 0;
    static constexpr int kWhite = 1;
    static constexpr int kBlack = 2;
    static constexpr int kPawn = 1;
    static constexpr int kKnight = 2;
    static constexpr int kBishop = 3;
    static constexpr int kRook = 4;
    static constexpr int kQueen = 5;
    static constexpr int kKing = 6;

    static constexpr int8_t piece(int colour, int type) { return static_cast<int8_t>(colour * 10 + type); }
    static constexpr int type(int code) { return code % 10; }
    // 0 White, 1 Black; an empty square gives -1, which matches no side.
    static constexpr int colourIndex(int code) { return code / 10 - 1; }

    static constexpr bool onBoard(int row, int col) { return row >= 0 && row <= 7 && col >= 0 && col <= 7; }

    // The square code of a local square.
    static constexpr int squareCode(CoVuaSquare s, bool isWhite) {
        return isWhite ? 10 * s.col + 7 - s.row : 10 * (7 - s.col) + s.row;
    }
    // The local square of a square code; nothing for a code off the board.
    static constexpr std::optional<CoVuaSquare> squareOfCode(int code, bool isWhite) {
        int file = code / 10;
        int rank = code % 10;
        if (code < 0 || file > 7 || rank > 7) return std::nullopt;
        return isWhite ? CoVuaSquare{7 - rank, file} : CoVuaSquare{rank, 7 - file};
    }

    // The square under a touch of the table screen (squares of 38 points from (108, 12)), by floor
    // division: a touch left of or above the board is on no square. Nothing for other points.
    static std::optional<CoVuaSquare> squareForTouch(CoVuaPoint p) {
        float col = (p.x - 108) / 38;
        float row = (p.y - 12) / 38;
        if (!(col >= 0 && col < 8 && row >= 0 && row < 8)) return std::nullopt;
        return CoVuaSquare{static_cast<int32_t>(row), static_cast<int32_t>(col)};
    }
    // The board's top left corner on the table screen.
    static constexpr CoVuaPoint boardOrigin() { return {108, 12}; }
    // The centre of a piece sprite resting on a square, and of a square mark.
    static constexpr CoVuaPoint pieceCentre(CoVuaSquare s) { return {38.0f * s.col + 127, 38.0f * s.row + 27}; }
    static constexpr CoVuaPoint markCentre(CoVuaSquare s) { return {38.0f * s.col + 127, 38.0f * s.row + 25}; }
};

}  // namespace zuno
