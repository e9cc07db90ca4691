#include "games/tienlen/TienLenHandLayout.h"

#include <cstdlib>

namespace zuno::tienlenhand {

Layout layoutFor(int cardCount, int availableWidth, int offsetLeft) {
    Layout layout;
    layout.startX = offsetLeft;
    if (cardCount <= 0) return layout;
    const int excess = kPitch * cardCount - availableWidth;
    int overlap = 0;
    if (excess < 0) {
        layout.startX += -excess / 2;  // centred
    } else {
        overlap = static_cast<int>(static_cast<unsigned>(excess) / static_cast<unsigned>(cardCount));
    }
    layout.step = kStep - overlap;
    return layout;
}

ui::Point cardCentre(const Layout& layout, int index, bool selected) {
    return {static_cast<double>(layout.startX + layout.step * index + kHalfCard), selected ? kRaisedY : kRestY};
}

Gesture classifyMove(ui::Point point, ui::Point beginPoint, bool dragging, bool myTurn) {
    if (dragging || point.y > kDragZoneY) return Gesture::Drag;
    if (point.y < kMarkZoneY && myTurn) return Gesture::Mark;
    const int dx = std::abs(static_cast<int>(point.x) - static_cast<int>(beginPoint.x));
    const int dy = std::abs(static_cast<int>(point.y) - static_cast<int>(beginPoint.y));
    return dx > dy ? Gesture::Sweep : Gesture::None;
}

}  // namespace zuno::tienlenhand
