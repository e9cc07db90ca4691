#include "shell/EnterKey.h"

#include "platform/ui/AlertView.h"

namespace zuno::enter {

bool confirmTopDialog() {
    const auto shown = ui::AlertView::visibleAlerts();
    if (shown.empty()) return false;
    const auto& alert = shown.back();
    const int other = alert->firstOtherButtonIndex();
    const int main = other >= 0 ? other : alert->cancelButtonIndex();
    if (main >= 0) alert->tapButtonAtIndex(main);
    return true;
}

}  // namespace zuno::enter
