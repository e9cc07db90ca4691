#include "table/ShowsPlay.h"

#include "platform/ui/View.h"

namespace zuno {

namespace {
void gather(const ui::View& view, const ui::View& root, ui::Rect clip, ShownPlay& shown) {
    if (view.isHidden() || view.alpha() <= 0) return;
    const auto inSight = [&](const ui::Rect& r) { return view.convertRectToView(r, &root).intersection(clip); };
    if (auto shows = dynamic_cast<const ShowsPlay*>(&view)) {
        for (const ui::Rect& r : shows->playFrames()) {
            const ui::Rect seen = inSight(r);
            if (!seen.isEmpty()) shown.frames.push_back(seen);
        }
        const std::optional<ui::Rect> board = shows->boardFrame();
        if (board && !inSight(*board).isEmpty()) shown.boards.push_back(inSight(*board));
    }
    if (view.clipsToBounds()) clip = inSight(view.bounds());
    for (const auto& sub : view.subviews()) gather(*sub, root, clip, shown);
}
}  // namespace

ShownPlay playShownIn(const ui::View& root) {
    ShownPlay shown;
    gather(root, root, root.bounds(), shown);
    return shown;
}

}  // namespace zuno
