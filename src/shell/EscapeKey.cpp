#include "shell/EscapeKey.h"

#include <memory>

#include "lobby/ScreenEvents.h"
#include "platform/ui/AlertView.h"
#include "shell/CustomUIActionSheetViewController.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno::escape {

namespace {
std::shared_ptr<ui::ViewController> topScreen() {
    auto delegate = ZunoOnlineAppDelegate::current();
    return delegate && delegate->navigationController ? delegate->navigationController->topViewController() : nullptr;
}

// The sheet drawn last (so lying over the others) under a view, not counting one already leaving.
CustomUIActionSheetViewController* topSheetIn(const ui::View& view) {
    if (view.isHidden()) return nullptr;
    const auto& subviews = view.subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) {
        if (auto* sheet = topSheetIn(**it)) return sheet;
    }
    auto* sheet = dynamic_cast<CustomUIActionSheetViewController*>(view.viewController());
    return sheet && !sheet->isSlidingOut() ? sheet : nullptr;
}
}  // namespace

bool closeTopDialog() {
    const auto shown = ui::AlertView::visibleAlerts();
    if (shown.empty()) return false;
    shown.back()->pressEscapeKey();
    return true;
}

bool closeTopSheet() {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate || !delegate->window) return false;
    auto* sheet = topSheetIn(*delegate->window);
    if (!sheet) return false;
    sheet->cancelSheet();
    return true;
}

bool closeSideMenu() {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate || !delegate->btnMenu || delegate->btnMenu->isHidden() || delegate->btnMenu->tag() == 0) return false;
    auto screen = std::dynamic_pointer_cast<ZunoViewController>(topScreen());
    if (!screen) return false;
    screen->showMenu();
    return true;
}

bool leaveTable() {
    auto top = topScreen();
    auto* table = dynamic_cast<TableScreenEvents*>(top.get());
    if (!table) return false;
    table->pressLeave();
    return true;
}

}  // namespace zuno::escape
