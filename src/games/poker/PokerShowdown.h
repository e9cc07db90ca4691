#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zuno {

// How a card shows the hand it belongs to: as dealt, dimmed, or outlined in green.
enum class PokerCardLook : uint8_t { Plain, Dimmed, Outlined };

// The looks of one seat's two hole cards and of the community cards, in board order.
struct PokerOutline {
    std::array<PokerCardLook, 2> hole{PokerCardLook::Plain, PokerCardLook::Plain};
    std::vector<PokerCardLook> board;
};

using PokerCardIds = std::vector<int8_t>;

// The rank + 1 of the first two cards of the best five (in list order, -1 ids skipped) that share a
// rank; -1 when none do. Only the first five ids are read; a shorter list reads as padded with -1.
int getFourOfAKind(const PokerCardIds& bestFive);

// The outline of a seat's hand named `handName` (the server's name) whose best five are `bestFive`:
// the cards of the hand outlined and the rest dimmed. A hand the seat's own cards take no part in
// (the board plays) outlines nothing.
PokerOutline outlinePokerHand(const std::array<int8_t, 2>& hole, const PokerCardIds& board,
                              const std::string& handName, const PokerCardIds& bestFive);

// A winner's outline: as outlinePokerHand, but a "HIGH CARD" win dims everything and outlines the
// higher of the two hole cards (the first when both are the same).
PokerOutline outlinePokerWinner(const std::array<int8_t, 2>& hole, const PokerCardIds& board,
                                const std::string& handName, const PokerCardIds& bestFive);

}  // namespace zuno
