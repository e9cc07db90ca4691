#pragma once

#include <algorithm>
#include <limits>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"

namespace zuno::testing {

// The left edge, in the window, of the leftmost picture or text shown in the table's visible rows.
inline double leftmostRowContent(const ui::TableView& table) {
    double left = std::numeric_limits<double>::infinity();
    auto visit = [&](auto& self, const ui::View& view) -> void {
        if (view.isHidden()) return;
        const auto* label = dynamic_cast<const ui::Label*>(&view);
        const auto* picture = dynamic_cast<const ui::ImageView*>(&view);
        if ((label && !label->textOrEmpty().empty()) || (picture && picture->image())) {
            left = std::min(left, view.convertRectToView(view.bounds(), nullptr).x());
        }
        for (const auto& sub : view.subviews()) self(self, *sub);
    };
    for (const auto& cell : table.visibleCells()) visit(visit, *cell);
    return left;
}

}  // namespace zuno::testing
