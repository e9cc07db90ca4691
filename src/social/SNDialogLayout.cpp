#include "social/SNDialogLayout.h"

#include <cmath>

namespace zuno {

bool SNDialogLayout::isLandscape(ui::InterfaceOrientation orientation) {
    return orientation == ui::InterfaceOrientation::LandscapeLeft || orientation == ui::InterfaceOrientation::LandscapeRight;
}

SNDialogLayout SNDialogLayout::forOrientation(ui::InterfaceOrientation orientation, const ui::Rect& applicationFrame,
                                              bool tablet) {
    double width = applicationFrame.width(), height = applicationFrame.height();
    if (tablet) {
        width = std::floor(width * kTabletFraction);
        height = std::floor(height * kTabletFraction);
    }
    SNDialogLayout layout;
    layout.panelSize = isLandscape(orientation) ? ui::Size{height, width} : ui::Size{width, height};
    const double cx = applicationFrame.x() + std::ceil(applicationFrame.width() / 2);
    const double cy = applicationFrame.y() + std::ceil(applicationFrame.height() / 2);
    layout.panelFrame = ui::Rect(cx - std::ceil(layout.panelSize.width / 2), cy - std::ceil(layout.panelSize.height / 2),
                                 layout.panelSize.width, layout.panelSize.height);
    switch (orientation) {
        case ui::InterfaceOrientation::LandscapeLeft: layout.rotation = M_PI * 1.5; break;
        case ui::InterfaceOrientation::LandscapeRight: layout.rotation = M_PI / 2; break;
        case ui::InterfaceOrientation::PortraitUpsideDown: layout.rotation = -M_PI; break;
        case ui::InterfaceOrientation::Portrait: layout.rotation = 0; break;
    }
    layout.closeButtonFrame = ui::Rect(2, 2, 29, 29);
    layout.webViewFrame = webViewFrameIn(layout.panelSize);
    return layout;
}

ui::Rect SNDialogLayout::webViewFrameIn(ui::Size panel) {
    return ui::Rect(kBorderWidth + 1, kBorderWidth + 1, panel.width - 2 * (kBorderWidth + 1), panel.height - (2 * kBorderWidth + 1));
}

ui::Rect SNDialogLayout::webViewFrameWithKeyboard(const ui::Rect& frame, bool showing) {
    return showing ? frame.insetBy(-kBorderWidth, -kBorderWidth) : frame.insetBy(kBorderWidth, kBorderWidth);
}

}  // namespace zuno
