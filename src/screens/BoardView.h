#pragma once

#include <cstdint>

namespace zuno {

// The table list. For now only its class-level state, which the games set when they are chosen and
// the lobby reads: the kind of table list of the current game and the count of table buttons held down.
class BoardView {
public:
    // Table-list kinds, and the player count from which a table counts as full on the client:
    // 0 two-seat tables (more than 1), 1 card tables (more than 3), 2 (more than 4), 3 Poker (never).
    static int32_t type();
    static void setType(int32_t type);

    // Table buttons held down; guards against joining two tables at once.
    static int32_t numOfTouchUp();
    static void setnumOfTouchUp(int32_t count);
};

}  // namespace zuno
