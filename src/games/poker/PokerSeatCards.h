#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/ui/Geometry.h"
#include "table/CardView.h"

namespace zuno {

// A card of the Poker table, face up or (id -1) face down. Nothing is done by tapping a card there, so
// a tap on one goes to what lies beneath it (a seat).
std::shared_ptr<CardViewPhom> pokerCard(int8_t id);

// The two hole-card views of a seat at the Poker table: face down (id -1) until the seat's real cards
// are set. The table places the views; this keeps them and clears them away.
class PokerSeatCards : public std::enable_shared_from_this<PokerSeatCards> {
public:
    using Views = std::array<std::shared_ptr<CardViewPhom>, 2>;
    static constexpr ui::Point kTableCentre{240, 160};
    static constexpr double kResetSeconds = 0.5;

    PokerSeatCards();

    const Views& views() const { return views_; }
    // The views on screen leave it; two new ones show the cards (not yet on screen).
    void setCard(const std::array<int8_t, 2>& ids);
    void hideCard();
    // The views fade out towards the table's middle in half a second, then leave the screen and two
    // face-down views take their place.
    void resetCard();
    // The views fade out towards the table's middle and leave the screen (a fold, a player moved off
    // the table); the record keeps them, off screen.
    void flyAway(double seconds);

private:
    static Views faceDown();
    Views views_;
};

}  // namespace zuno
