#pragma once

#include "lobby/DialogActions.h"
#include "platform/core/Value.h"
#include "platform/ui/AlertView.h"

namespace zuno {

// The alert of every dialog the application opens: it adds no drawing or layout of its own, which
// also tells the application's dialogs apart from any other alert. Each keeps the action code and
// payload that were pending when it opened: a press runs that action, whatever was set since.
class CustomAlertView : public ui::AlertView {
public:
    using ui::AlertView::AlertView;

    int actionCode = okNone;
    sys::Value payload;

    void drawRect(ui::Canvas&, const ui::Rect&) override {}
    void layoutSubviews() override {}
};

}  // namespace zuno
