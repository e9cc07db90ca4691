#include "table/TableHandOver.h"

#include "platform/ui/NavigationController.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

void popToScreenBelow(ui::NavigationController& navigation, const ui::ViewController* table) {
    if (!table) return;
    const auto& stack = navigation.viewControllers();
    if (!stack.empty() && stack.back().get() == table) {
        navigation.popViewControllerAnimated(true);
        return;
    }
    for (size_t i = stack.size(); i-- > 1;) {
        if (stack[i].get() == table) {
            navigation.popToViewController(stack[i - 1].get(), true);
            return;
        }
    }
}

void leaveKickedTable(const std::shared_ptr<ui::NavigationController>& navigation, const ui::ViewController* table) {
    if (navigation) popToScreenBelow(*navigation, table);
    UIController::setOkValue(UIController::okKicked);
    UIController::startOKDlg(Resources::getInstance().textForKey("ZUNO_youAreKicked"));
}

}  // namespace zuno
