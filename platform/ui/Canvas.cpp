#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cmath>

namespace zuno::ui {

void Canvas::addRoundedRect(const Rect& r, double radius) {
    if (radius <= 0 || r.isEmpty()) {
        addRect(r);
        return;
    }
    radius = std::min({radius, r.width() / 2, r.height() / 2});
    const double pi = M_PI;
    moveTo({r.minX() + radius, r.minY()});
    addArc({r.maxX() - radius, r.minY() + radius}, radius, -pi / 2, 0, true);
    addArc({r.maxX() - radius, r.maxY() - radius}, radius, 0, pi / 2, true);
    addArc({r.minX() + radius, r.maxY() - radius}, radius, pi / 2, pi, true);
    addArc({r.minX() + radius, r.minY() + radius}, radius, pi, 3 * pi / 2, true);
    closePath();
}

void Canvas::addEllipse(const Rect& r) {
    save();
    translate(r.midX(), r.midY());
    scale(std::max(r.width(), 1e-9) / 2, std::max(r.height(), 1e-9) / 2);
    addArc({0, 0}, 1, 0, 2 * M_PI, true);
    restore();
    closePath();
}

}  // namespace zuno::ui
