#include "shell/EnterKey.h"

#include "platform/ui/AlertView.h"

namespace zuno::enter {

bool confirmTopDialog() {
    const auto shown = ui::AlertView::visibleAlerts();
    if (shown.empty()) return false;
    shown.back()->pressReturnKey();
    return true;
}

}  // namespace zuno::enter
