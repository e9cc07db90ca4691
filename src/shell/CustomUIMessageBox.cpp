#include "shell/CustomUIMessageBox.h"

#include "shell/SheetSlide.h"

namespace zuno {

const ui::BindingTable& CustomUIMessageBox::bindings() {
    using B = ui::Bind<CustomUIMessageBox>;
    static const ui::BindingTable table(&ui::ViewController::bindings(),
                                        {B::outlet("actionSheetView", &CustomUIMessageBox::actionSheetView_)});
    return table;
}

CustomUIMessageBox::CustomUIMessageBox(std::optional<std::string> nibName) : ui::ViewController(std::move(nibName)) {}

void CustomUIMessageBox::animationDidStop(const std::string& animationId, bool, void*) {
    if (animationId != sheet::kRemoveAnimation) return;
    if (auto v = viewIfLoaded()) v->removeFromSuperview();
}

void CustomUIMessageBox::viewWillAppear(bool) { slideIn(); }

void CustomUIMessageBox::slideOut() {
    sheet::slideOut(*view(), actionSheetView_.get(), std::static_pointer_cast<CustomUIMessageBox>(shared_from_this()));
}

void CustomUIMessageBox::slideIn() { sheet::slideIn(*view(), actionSheetView_, false); }

}  // namespace zuno
