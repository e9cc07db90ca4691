#pragma once

#include "platform/ui/Application.h"
#include "platform/ui/Geometry.h"

namespace zuno {

// Where a dialog panel goes for an interface orientation, worked out as on the phone: the panel
// fills the application frame (0.6 of it on a tablet), turned to lie along the held device. On the
// desktop the window already is the turned screen, so the panel is drawn upright in it and only the
// rotation's record is kept.
struct SNDialogLayout {
    static constexpr double kBorderWidth = 10;
    static constexpr double kTabletFraction = 0.6;

    ui::Rect panelFrame;          // in the application frame's (upright) coordinates
    double rotation = 0;          // radians, the orientation transform
    ui::Size panelSize;           // the panel's own bounds
    ui::Rect closeButtonFrame;    // in the panel
    ui::Rect webViewFrame;        // in the panel

    static bool isLandscape(ui::InterfaceOrientation orientation);
    // The web view inside a panel of that size, within the border.
    static ui::Rect webViewFrameIn(ui::Size panel);
    static SNDialogLayout forOrientation(ui::InterfaceOrientation orientation, const ui::Rect& applicationFrame,
                                         bool tablet = false);
    // The web view with the keyboard up (on a phone in landscape it takes the border too) or down.
    static ui::Rect webViewFrameWithKeyboard(const ui::Rect& frame, bool showing);

    // The opening bounce: from almost nothing to a little too large, a little too small, then at rest.
    struct Step {
        double scale;
        double seconds;
    };
    static constexpr double kStartScale = 0.001;
    static constexpr Step kBounce[3] = {{1.1, 0.2}, {0.9, 0.15}, {1.0, 0.15}};
    static constexpr double kFadeSeconds = 0.3;
};

}  // namespace zuno
