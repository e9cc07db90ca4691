#include "shell/InputDialog.h"

#include "platform/core/UserDefaults.h"
#include "platform/ui/Button.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

const ui::BindingTable& InputDialog::bindings() {
    using B = ui::Bind<InputDialog>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {
                                            B::outlet("lblTitle", &InputDialog::lblTitle_),
                                            B::outlet("txtInput", &InputDialog::txtInput_),
                                            B::outlet("btnOK", &InputDialog::btnOK_),
                                            B::outlet("btnCancel", &InputDialog::btnCancel_),
                                            B::action("doBeginEditText", &InputDialog::doBeginEditText),
                                            B::action("textFieldDoneEditting:", &InputDialog::textFieldDoneEditting),
                                            B::action("onCancel", &InputDialog::onCancel),
                                            B::action("doOK", &InputDialog::doOK),
                                        });
    return table;
}

InputDialog::InputDialog() : CustomUIActionSheetViewController(std::string("InputDialog")) {}

void InputDialog::viewDidLoad() {
    CustomUIActionSheetViewController::viewDidLoad();
    isEdit = false;
    const Resources& r = Resources::getInstance();
    if (btnOK_) btnOK_->setTitle(r.textForKey("ZUNO_OK"));
    if (btnCancel_) btnCancel_->setTitle(r.textForKey("ZUNO_cancel"));
}

void InputDialog::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    if (lblTitle_) lblTitle_->setText(Resources::getInstance().textForKey("ZUNO_forgetPass"));
    if (txtInput_) txtInput_->becomeFirstResponder();
    doBeginEditText();
}

void InputDialog::doBeginEditText() {
    auto panel = actionSheetView();
    if (!panel) return;
    ui::View::beginAnimations(std::string("presentWithSuperview"));
    const ui::Rect frame = panel->frame();
    oldPoint = frame.origin;
    panel->setFrame(ui::Rect(0, 30, frame.size.width, frame.size.height));
    ui::View::commitAnimations();
}

void InputDialog::textFieldDoneEditting(ui::Object*) {
    if (txtInput_) txtInput_->resignFirstResponder();
    doOK();
}

void InputDialog::onCancel() { slideOut(); }

void InputDialog::doOK() {
    slideOut();
    sys::UserDefaults::standard().setObject(sys::Value(txtInput_ ? txtInput_->text() : std::string()),
                                            "ZUNO_FORGET_PASSWORD_USERNAME");
    UIController::setOkValue(UIController::okGetPassword);
    const Resources& r = Resources::getInstance();
    UIController::startCancelOkDlg(r.textForKey("ZUNO_confirmGetPassword"), r.textForKey("ZUNO_no"),
                                   r.textForKey("ZUNO_yes"));
}

ZUNO_REGISTER_SCREEN(InputDialog)

}  // namespace zuno
