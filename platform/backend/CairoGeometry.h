#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/ui/Geometry.h"

namespace zuno::ui {

// The bounding box of a rectangle under a Cairo matrix (from user to device space, or back with the
// inverted one).
inline Rect boundingBoxUnder(const cairo_matrix_t& m, const Rect& r) {
    if (m.xy == 0 && m.yx == 0) {
        const double xa = m.xx * r.minX() + m.x0, xb = m.xx * r.maxX() + m.x0;
        const double ya = m.yy * r.minY() + m.y0, yb = m.yy * r.maxY() + m.y0;
        return {std::min(xa, xb), std::min(ya, yb), std::abs(xb - xa), std::abs(yb - ya)};
    }
    double xs[4] = {r.minX(), r.maxX(), r.minX(), r.maxX()}, ys[4] = {r.minY(), r.minY(), r.maxY(), r.maxY()};
    for (int i = 0; i < 4; ++i) cairo_matrix_transform_point(&m, &xs[i], &ys[i]);
    const double x0 = std::min({xs[0], xs[1], xs[2], xs[3]}), x1 = std::max({xs[0], xs[1], xs[2], xs[3]});
    const double y0 = std::min({ys[0], ys[1], ys[2], ys[3]}), y1 = std::max({ys[0], ys[1], ys[2], ys[3]});
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace zuno::ui
