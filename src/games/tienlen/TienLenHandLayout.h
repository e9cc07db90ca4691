#pragma once

#include "platform/ui/Geometry.h"

namespace zuno {

// Where my cards lie along the bottom of the Tien Len table and what a finger over them means. Points
// of the 480 x 320 screen, y growing downwards.
namespace tienlenhand {

constexpr int kPitch = 60;        // a card's width for the fit test
// The hand's margins on the table: my seat's avatar, name and money lie left of it.
constexpr int kHandLeft = 100;
constexpr int kHandRight = 16;
constexpr int kStep = 58;         // between two cards that do not overlap
constexpr int kHalfCard = 30;     // a card's centre from its slot's left edge
constexpr double kRestY = 244;    // the hand's centre line
constexpr double kRaisedY = 229;  // a selected card
constexpr double kDragZoneY = 275;   // below: the finger drags a card within the hand
constexpr double kMarkZoneY = 195;   // above, on my turn: the selection follows the finger
constexpr double kFireLineY = 160;   // a marked selection released above it is fired
constexpr double kDropReach = 15;    // a card's frame extended downwards when looking for the drop place
// The sets played, and a hand shown at the end, lie along one row in the table's middle, drawn smaller
// than my hand and stepped tighter, so that twelve cards leave room for the side seats' bubbles.
constexpr double kTableRowY = 124;
constexpr double kTableCardScale = 0.75;
constexpr double kTableRowStep = 12;

// Left edge of the first card and the step between cards, for n cards in the available width.
struct Layout {
    int startX = 0;
    int step = kStep;
};
Layout layoutFor(int cardCount, int availableWidth, int offsetLeft);
// Centre of card i of the layout.
ui::Point cardCentre(const Layout& layout, int index, bool selected);

// What one move of the finger is, from where the touch began.
enum class Gesture { Drag, Mark, Sweep, None };
Gesture classifyMove(ui::Point point, ui::Point beginPoint, bool dragging, bool myTurn);
// A mark released here fires the selection.
inline bool releaseFires(ui::Point point) { return point.y < kFireLineY; }

}  // namespace tienlenhand
}  // namespace zuno
