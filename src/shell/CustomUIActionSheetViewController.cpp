#include "shell/CustomUIActionSheetViewController.h"

#include "platform/ui/Application.h"
#include "shell/SheetSlide.h"
#include "shell/UIController.h"

namespace zuno {

const ui::BindingTable& CustomUIActionSheetViewController::bindings() {
    using B = ui::Bind<CustomUIActionSheetViewController>;
    static const ui::BindingTable table(
        &ui::ViewController::bindings(),
        {B::outlet("actionSheetView", &CustomUIActionSheetViewController::actionSheetView_)});
    return table;
}

CustomUIActionSheetViewController::CustomUIActionSheetViewController(std::optional<std::string> nibName)
    : ui::ViewController(std::move(nibName)) {}

void CustomUIActionSheetViewController::animationDidStop(const std::string& animationId, bool, void*) {
    if (animationId != sheet::kRemoveAnimation) return;
    if (auto v = viewIfLoaded()) v->removeFromSuperview();
    leaving_.reset();  // may release this controller: nothing after this line
}

void CustomUIActionSheetViewController::viewWillAppear(bool animated) {
    ui::ViewController::viewWillAppear(animated);
    slideIn();
}

void CustomUIActionSheetViewController::slideOut() {
    auto self = std::static_pointer_cast<CustomUIActionSheetViewController>(shared_from_this());
    leaving_ = self;
    sheet::slideOut(*view(), actionSheetView_.get(), std::weak_ptr<ui::AnimationDelegate>(self));
}

void CustomUIActionSheetViewController::slideIn() { sheet::slideIn(*view(), actionSheetView_, sheet::isUpright()); }

}  // namespace zuno
