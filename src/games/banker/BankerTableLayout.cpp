#include "games/banker/BankerTableLayout.h"

#include <algorithm>

#include "table/CardView.h"
#include "table/GameCardView.h"

namespace zuno::bankerlayout {

namespace {
// A side seat's strip: the avatar at its top with the name and money right under it, the cards across
// the strip under them, above my seat. Nothing in it comes nearer the window's edge than the margin.
constexpr double kStripWidth = 82;
constexpr double kRightStrip = 398;
constexpr double kEdgeMargin = 4;
constexpr double kSideAvatarY = 96;  // under the mail button
constexpr double kSideNameY = kSideAvatarY + 46;
constexpr double kRowY = kSideNameY + 28 + 4 + 24;  // under the money, a card's height of 48
constexpr double kMostStep = 23;

void place(const std::shared_ptr<ui::View>& view, ui::Rect frame) {
    if (view) view->setFrame(frame);
}

void place(const std::shared_ptr<ui::Label>& label, ui::Rect frame, ui::TextAlignment alignment) {
    if (!label) return;
    label->setFrame(frame);
    label->setTextAlignment(alignment);
}

// A side seat's avatar, its seat button, its chain on the avatar's corner and its badge.
void placeSideSeat(const std::shared_ptr<ui::View>& avatar, const std::shared_ptr<ui::View>& seat,
                   const std::shared_ptr<ui::View>& chain, const std::shared_ptr<ui::View>& badge, double x,
                   double badgeX) {
    place(avatar, ui::Rect(x, kSideAvatarY, 44, 44));
    place(seat, ui::Rect(x, kSideAvatarY, 44, 44));
    place(chain, ui::Rect(x, kSideAvatarY + 30, 14, 14));
    place(badge, ui::Rect(badgeX, kSideAvatarY, 20, 20));
}
}  // namespace

ui::Size otherCardSize() { return {CardView::kWidth * kOthersScale, CardView::kHeight * kOthersScale}; }

ui::Point sideRowCentre(int seat, int position, int handSize) {
    // The row spans what the name and money span: the strip less the margin at the window's edge.
    const double span = kStripWidth - kEdgeMargin;
    const double width = otherCardSize().width;
    const double step = handSize > 1 ? std::min(kMostStep, (span - width) / (handSize - 1)) : 0;
    const double row = width + step * std::max(0, handSize - 1);
    const double left = (seat == 1 ? kRightStrip : kEdgeMargin) + (span - row) / 2;
    return {left + width / 2 + step * position, kRowY};
}

TableDecorationGeometry decorations() {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    // The side seats' bubbles above their stakes, beside the avatars and the middle's stake; the top
    // seat's right of its names, between its cards and the middle's stake; mine between the deck and my
    // cards, where the table's own notices show too (the two take turns there or lie side by side).
    const ui::Rect aboveMyCards(84, 166, 312, 38);
    const ui::Rect rightSeat(302, 92, 122, 36), topSeat(150, 54, 206, 36), leftSeat(52, 92, 126, 36);
    g.bubblePadding = 20;
    g.bubbleCentres = {aboveMyCards.center(), rightSeat.center(), topSeat.center(), leftSeat.center(),
                       aboveMyCards.center()};
    g.bubbleAreas = {aboveMyCards, rightSeat, topSeat, leftSeat, aboveMyCards};
    g.myHand = ui::Rect(aboveMyCards.x(), aboveMyCards.maxY(), aboveMyCards.width(), 320 - aboveMyCards.maxY());
    // A fly-text runs between its seat and its own point towards the middle in a lane where nothing
    // lies, so that a deal's end reads whole while the money flies: a side seat's under its bubble's
    // line, over its stake (Bai Cao's and Xi Zach's alike); the top seat's under its bubble's line,
    // over its stake, from under its avatar; mine from over my name up beside my cards, left of my
    // bubble's line and right of the left seat's cards.
    g.flyTextPoints = {ui::Point{110, 228.5}, {392, 124}, {125, 87}, {88, 124}};
    g.flyTextInner = {ui::Point{114, 180}, {290, 124}, {240, 87}, {190, 124}};
    // Gifts: mine two by two between the left seat's cards and mine, above my name; a side seat's in a
    // row beside its avatar, above its stake; the top seat's under its names.
    g.giftFirst = {ui::Point{97, 191}, {411, 125}, {85, 55}, {69, 125}};
    g.giftStep = {ui::Point{24, 0}, {-24, 0}, {-24, 0}, {24, 0}};
    g.giftRowLength = {2, 0, 0, 0};
    g.giftRowStep = {ui::Point{0, 24}, {}, {}, {}};
    return g;
}

void placeSeats(GameCardView& t) {
    using ui::Rect;
    using ui::TextAlignment;
    // Mine: the avatar at the bottom left, the name and money beside it, my cards right of them.
    place(t.ava0, Rect(4, 232, 44, 44));
    place(t.btnSeat0, Rect(4, 232, 44, 44));
    place(t.imgChain0, Rect(4, 262, 14, 14));
    place(t.ok0, Rect(28, 226, 20, 20));
    place(t.lblName0, Rect(52, 238, 96, 15), TextAlignment::Left);
    place(t.lblMoney0, Rect(52, 253, 96, 15), TextAlignment::Left);
    place(t.btnInfo0, Rect(52, 238, 96, 30));
    // The top seat: the names right-aligned against the avatar, its cards right of them.
    place(t.ava2, Rect(100, 4, 44, 44));
    place(t.btnSeat2, Rect(100, 4, 44, 44));
    place(t.imgChain2, Rect(100, 34, 14, 14));
    place(t.ok2, Rect(128, 32, 20, 20));
    place(t.lblName2, Rect(4, 8, 92, 15), TextAlignment::Right);
    place(t.lblMoney2, Rect(4, 23, 92, 15), TextAlignment::Right);
    place(t.btnInfo2, Rect(4, 8, 92, 30));
    // The side seats: the names and money right under the avatar, lined up with its outer edge.
    placeSideSeat(t.ava1, t.btnSeat1, t.imgChain1, t.ok1, 432, 424);
    place(t.lblName1, Rect(kRightStrip, kSideNameY, kStripWidth - kEdgeMargin, 14), TextAlignment::Right);
    place(t.lblMoney1, Rect(kRightStrip, kSideNameY + 14, kStripWidth - kEdgeMargin, 14), TextAlignment::Right);
    place(t.btnInfo1, Rect(kRightStrip, kSideNameY, kStripWidth, 28));
    placeSideSeat(t.ava3, t.btnSeat3, t.imgChain3, t.ok3, 4, 36);
    place(t.lblName3, Rect(kEdgeMargin, kSideNameY, kStripWidth - kEdgeMargin, 14), TextAlignment::Left);
    place(t.lblMoney3, Rect(kEdgeMargin, kSideNameY + 14, kStripWidth - kEdgeMargin, 14), TextAlignment::Left);
    place(t.btnInfo3, Rect(0, kSideNameY, kStripWidth, 28));
}

}  // namespace zuno::bankerlayout
