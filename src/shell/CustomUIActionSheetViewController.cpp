#include "shell/CustomUIActionSheetViewController.h"

#include "platform/ui/Application.h"
#include "platform/ui/TextField.h"
#include "shell/SheetSlide.h"
#include "shell/TableScreenKinds.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
void emptyTextFields(ui::View& view) {
    if (auto* field = dynamic_cast<ui::TextField*>(&view)) field->setText(std::string());
    for (const auto& sub : view.subviews()) emptyTextFields(*sub);
}
}  // namespace

const ui::BindingTable& CustomUIActionSheetViewController::bindings() {
    using B = ui::Bind<CustomUIActionSheetViewController>;
    static const ui::BindingTable table(
        &ui::ViewController::bindings(),
        {B::outlet("actionSheetView", &CustomUIActionSheetViewController::actionSheetView_),
         // a close button of a sheet that has no cancel of its own
         B::action("cancelSheet", &CustomUIActionSheetViewController::cancelSheet)});
    return table;
}

CustomUIActionSheetViewController::CustomUIActionSheetViewController(std::optional<std::string> nibName)
    : ui::ViewController(std::move(nibName)) {}

void CustomUIActionSheetViewController::animationDidStop(const std::string& animationId, bool, void*) {
    // A sheet shown again meanwhile cut its slide-out short and stays.
    if (animationId != sheet::kRemoveAnimation || !slidingOut_) return;
    if (auto v = viewIfLoaded()) v->removeFromSuperview();
    slidingOut_ = false;
}

void CustomUIActionSheetViewController::viewWillAppear(bool animated) {
    ui::ViewController::viewWillAppear(animated);
    slidingOut_ = false;
    // Openers keep their sheets and show them again: what was typed last time does not come back.
    if (!keepsTypedTextBetweenShowings()) emptyTextFields(*view());
    // A table goes on playing cards and showing bubbles under an open sheet.
    if (auto screen = view()->superview(); screen && isTableScreen(screen->viewController())) {
        view()->setKeptInFront(true);
        screen->bringSubviewToFront(view().get());
    }
    slideIn();
}

void CustomUIActionSheetViewController::slideOut() {
    slidingOut_ = true;
    sheet::slideOut(*view(), actionSheetView_.get(),
                    std::static_pointer_cast<CustomUIActionSheetViewController>(shared_from_this()));
}

void CustomUIActionSheetViewController::slideIn() { sheet::slideIn(*view(), actionSheetView_, sheet::isUpright()); }

}  // namespace zuno
