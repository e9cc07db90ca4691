#pragma once

#include "platform/ui/Geometry.h"
#include "table/TableDecorations.h"

namespace zuno {

class GameCardView;

// Where the banker tables lay out what the card table's interface file leaves to them, on the 480 x 320
// screen: every hand but mine drawn smaller beside its seat (the side seats' across their strip, under
// the avatar and the name), the top seat and mine moved beside the hands dealt there, the bubbles kept clear of the
// stakes, the names and the cards.
namespace bankerlayout {

// Another player's card, 36 x 48 points.
constexpr double kOthersScale = 0.6;
ui::Size otherCardSize();

constexpr double kMyHandY = 244;   // my cards' centre line, clear of the bottom bar
constexpr double kTopHandY = 28;   // the top seat's cards, above its bubble

// Position `position` of a hand of `handSize` cards at a side seat (1 right, 3 left): a row across the
// seat's strip, under its name and money.
ui::Point sideRowCentre(int seat, int position, int handSize);

TableDecorationGeometry decorations();

// My stake, under my name and money (right of my cards it would read as the right seat's).
inline ui::Rect myStakeFrame() { return {52, 266, 96, 18}; }
// My turn bar, lined up with my name, just over it.
constexpr ui::Point kMyTurnBarCentre{92, 231};

// The top seat at the top left, beside the cards dealt to it; mine at the bottom left, beside my
// cards; the side seats' names and money under their avatars, their cards under those.
void placeSeats(GameCardView& table);

}  // namespace bankerlayout
}  // namespace zuno
