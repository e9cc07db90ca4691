#include "screens/LineSheet.h"

#include "platform/ui/View.h"
#include "shell/Resources.h"

namespace zuno {

const ui::BindingTable& LineSheet::bindings() {
    using B = ui::Bind<LineSheet>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {
                                            B::outlet("lblTitle", &LineSheet::lblTitle),
                                            B::action("doBeginEditText", &LineSheet::doBeginEditText),
                                            B::action("textFieldDoneEditting:", &LineSheet::textFieldDoneEditting),
                                            B::action("onCancel", &LineSheet::onCancel),
                                        });
    return table;
}

LineSheet::LineSheet(std::string nibName, const char* titleKey, double panelTop)
    : CustomUIActionSheetViewController(std::move(nibName)), titleKey_(titleKey), panelTop_(panelTop) {}

void LineSheet::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    if (lblTitle) lblTitle->setText(Resources::getInstance().textForKey(titleKey_));
    if (txtContent) txtContent->becomeFirstResponder();
    doBeginEditText();
}

void LineSheet::doBeginEditText() {
    auto panel = actionSheetView();
    if (!panel) return;
    ui::View::beginAnimations(std::string("presentWithSuperview"));
    const ui::Rect frame = panel->frame();
    panel->setFrame(ui::Rect(0, panelTop_, frame.size.width, frame.size.height));
    ui::View::commitAnimations();
}

void LineSheet::textFieldDoneEditting(ui::Object*) {
    if (txtContent) txtContent->resignFirstResponder();
    send();
}

void LineSheet::onCancel() {
    clearText();
    slideOut();
}

void LineSheet::clearText() {
    if (txtContent) txtContent->setText("");
}

}  // namespace zuno
