#pragma once

#include <algorithm>
#include <cmath>

#include "platform/backend/RasterScreen.h"
#include "platform/ui/Label.h"
#include "shell/CustomLabel.h"
#include "tools/artwork/PicturePixels.h"

namespace zuno::testing {

// The contrast ratio of a label's text colour against what the window shows behind it: the mean colour
// of the label's frame drawn with the label hidden (1 to 21; 4.5 or more reads well). An emoticon label
// draws its text white, whatever its text colour.
inline double textContrast(ui::Label& label) {
    const bool hidden = label.isHidden();
    label.setHidden(true);
    ui::RasterScreen screen(480, 320, 1);
    screen.renderApplication();
    label.setHidden(hidden);
    const ui::Rect box = label.convertRectToView(label.bounds(), nullptr);
    double r = 0, g = 0, b = 0;
    int count = 0;
    for (int y = std::max(0, int(box.y())); y < std::min(320, int(std::ceil(box.maxY()))); ++y) {
        for (int x = std::max(0, int(box.x())); x < std::min(480, int(std::ceil(box.maxX()))); ++x) {
            const auto p = screen.rgba(x, y);
            r += p.r;
            g += p.g;
            b += p.b;
            ++count;
        }
    }
    if (count == 0) return 0;
    const ui::Color behind{r / count / 255, g / count / 255, b / count / 255, 1};
    const bool white = dynamic_cast<const CustomLabel*>(&label) != nullptr;
    return pictures::contrast(white ? ui::Color::white() : label.textColor(), behind);
}

}  // namespace zuno::testing
