#pragma once

namespace zuno {

// Describes every game type to the registry (again, in place, when called again), in the order the
// game choice relies on: Tien Len, Phom, new Phom, Co Tuong, Co Vua, Bai Cao, Xi Zach, Caro,
// Tien Len Mien Bac, Blocks, Poker.
void describeGames();

// Registers the decoder of every described game with the session logic, in that order.
void registerGameMessageHandlers();

}  // namespace zuno
