#include "table/BubblePlace.h"

#include <algorithm>
#include <cmath>

namespace zuno {

ui::Rect keptInside(ui::Rect r, const ui::Rect& room) {
    const double width = std::min(r.width(), room.width());
    const double height = std::min(r.height(), room.height());
    const double x = std::clamp(r.x(), room.x(), room.maxX() - width);
    const double y = std::clamp(r.y(), room.y(), room.maxY() - height);
    return ui::Rect(x, y, width, height);
}

bool crossesAny(const ui::Rect& r, const std::vector<ui::Rect>& taken) {
    return std::any_of(taken.begin(), taken.end(), [&r](const ui::Rect& t) { return t.intersects(r); });
}

std::optional<ui::Rect> freePlaceIn(const ui::Rect& room, const ui::Rect& own, const std::vector<ui::Rect>& taken) {
    std::vector<ui::Rect> inRoom;
    std::copy_if(taken.begin(), taken.end(), std::back_inserter(inRoom), [&room](const ui::Rect& t) { return t.intersects(room); });
    const ui::Rect start = keptInside(own, room);
    if (!crossesAny(start, inRoom)) return start;
    // A free place can be slid until it meets something taken or the room's edge on its left or right,
    // and above or below it: those are the places to look at.
    const double width = start.width(), height = start.height();
    std::vector<double> xs{start.x(), room.minX(), room.maxX() - width};
    std::vector<double> ys{start.y(), room.minY(), room.maxY() - height};
    for (const auto& t : inRoom) {
        xs.insert(xs.end(), {t.minX() - width, t.maxX()});
        ys.insert(ys.end(), {t.minY() - height, t.maxY()});
    }
    std::optional<ui::Rect> best;
    double nearest = 0;
    for (double x : xs) {
        for (double y : ys) {
            const ui::Rect place = keptInside(ui::Rect(x, y, width, height), room);
            const double distance = std::hypot(place.midX() - start.midX(), place.midY() - start.midY());
            if ((!best || distance < nearest) && !crossesAny(place, inRoom)) {
                best = place;
                nearest = distance;
            }
        }
    }
    return best;
}

}  // namespace zuno
