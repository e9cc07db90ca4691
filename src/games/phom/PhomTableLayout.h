#pragma once

#include <array>
#include <vector>

#include "platform/ui/Geometry.h"
#include "table/TableDecorations.h"

namespace zuno {

// Where the Phom tables put their cards on the 480 x 320 screen while the table is zoomed in (a deal
// and its end), kept clear of the seats, the buttons and each other:
//
//   y   0 - 32   the top seat (2) between the stake and Leave
//   y  34 - 82   the top seat's line (x 124 - 356): fired cards, then eaten ones, then laid melds; its
//                texts at the line's left, under the stake, while the cards fit after them
//   y  86 - 152  the side seats (3 left, 1 right) at the edges, from y 96, their names and money under
//                their pictures; inward of each, between its money and the card-back pile (x 84 - 218
//                left, 262 - 396 right), its eaten and laid row at the seat's end and its fired row
//                above, beside it when both fit (else the laid row lies over the lower part of the fired
//                one, whose corners show)
//   y 152 - 170  the bubbles' strip
//   y 170 - 218  my seat at the left; my line (x 130 - 400): fired cards, then laid melds
//   y 222 - 282  my hand, over the bottom bar (284 - 320); at the end of a deal my result low in it
//
// A row's cards are 20 pt apart from the left, so each card's corner shows; a line too long for its
// lane brings its rows and then its cards closer, and never leaves the lane. The hand keeps its place
// along the screen: the first card's centre at x 60, 44 pt apart for nine cards, 39 for ten.
class PhomTableLayout {
public:
    // The cards of my hand and the smaller ones on the table.
    static constexpr ui::Size kHandCard{45, 60};
    static constexpr ui::Size kTableCard{36, 48};
    static constexpr double kHandY = 252;
    static constexpr double kStep = 20;
    // A card dropped above this line is fired.
    static constexpr double kFireLine = 200;

    enum class Row { Fired = 0, Eaten = 1, Laid = 2 };
    using Counts = std::array<int, 3>;  // cards of each row, by Row
    // Between deals, during a deal (my hand on the table) and at its end (the table still zoomed, my
    // hand gone).
    enum class Stage { Idle, Deal, Ended };

    // The centres of a seat's cards, row by row (by Row), for these counts.
    static std::array<std::vector<ui::Point>, 3> place(int seat, const Counts& counts, Stage stage = Stage::Deal);
    // The part of the table that a seat's cards keep to at a stage (the table cards' whole extent).
    static ui::Rect lane(int seat, Stage stage = Stage::Deal);

    // The top seat's texts keep left of these lines and its cards right of them: at the end of a deal,
    // and during it while the cards fit there (four fired cards start there).
    static constexpr double kTopTextsRight = 204;
    static constexpr double kTopTextsRightInDeal = 182;

    // Where a seat's newest fired card comes from when it does not come from my hand.
    static ui::Point origin(int seat);

    // The card-back pile and the turn bar on it.
    static inline const ui::Rect kPile{222, 100, 36, 48};
    static inline const ui::Rect kTurnBar{220, 148, 40, 5};

    // Where my result and the screen's own texts show at the end of a deal.
    static constexpr ui::Point kMyEndBubble{150, 262};
    static constexpr ui::Point kScreenEndBubble{330, 262};

    // Bubbles, fly-texts and gifts at each stage.
    static TableDecorationGeometry decorations(Stage stage);
};

}  // namespace zuno
