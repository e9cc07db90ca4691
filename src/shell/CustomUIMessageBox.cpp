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
    // A box shown again meanwhile cut its slide-out short and stays.
    if (animationId != sheet::kRemoveAnimation || !slidingOut_) return;
    if (auto v = viewIfLoaded()) v->removeFromSuperview();
    slidingOut_ = false;
}

void CustomUIMessageBox::viewWillAppear(bool) {
    slidingOut_ = false;
    slideIn();
}

void CustomUIMessageBox::slideOut() {
    slidingOut_ = true;
    sheet::slideOut(*view(), actionSheetView_.get(), std::static_pointer_cast<CustomUIMessageBox>(shared_from_this()));
}

void CustomUIMessageBox::slideIn() { sheet::slideIn(*view(), actionSheetView_, false); }

}  // namespace zuno
