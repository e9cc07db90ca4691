#pragma once

namespace zuno {

// Registers every game's table-message decoder with the session logic, once at start-up, in the order
// the game choice relies on: Tien Len, Phom, new Phom, Co Tuong, Co Vua, Bai Cao, Xi Zach, Caro,
// Tien Len Mien Bac, Blocks, Poker.
void registerGameMessageHandlers();

}  // namespace zuno
