#pragma once

#include "platform/ui/AlertView.h"

namespace zuno {

// The alert of every dialog the application opens: it adds no drawing or layout of its own, which
// also tells the application's dialogs apart from any other alert.
class CustomAlertView : public ui::AlertView {
public:
    using ui::AlertView::AlertView;

    void drawRect(ui::Canvas&, const ui::Rect&) override {}
    void layoutSubviews() override {}
};

}  // namespace zuno
