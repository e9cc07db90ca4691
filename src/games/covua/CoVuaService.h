#pragma once

#include <cstdint>

#include "games/board/BoardTableService.h"

namespace zuno {

// The requests only the Co Vua tables send. Squares are file-rank codes (10 x file + rank).
class CoVuaService : public BoardTableService {
public:
    // Piece types a pawn can be promoted to.
    static constexpr int8_t kQueen = 5;
    static constexpr int8_t kRook = 4;
    static constexpr int8_t kBishop = 3;
    static constexpr int8_t kKnight = 2;

    static CoVuaService& getInstance();

    // 21: the move from square code x to square code y.
    void sendMove(int8_t roomId, int8_t boardId, int8_t x, int8_t y);
    // 91: the piece type chosen for a promotion, at the table the Co Vua screen shows (room and table
    // 0 when there is no Co Vua screen). Main thread.
    void sendIdElevate(int8_t type);

private:
    CoVuaService() = default;
};

}  // namespace zuno
