#include "screens/ChangePassView.h"

#include "lobby/GlobalService.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

void refuse(const char* key) {
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(text(key));
}
}  // namespace

const ui::BindingTable& ChangePassView::bindings() {
    using B = ui::Bind<ChangePassView>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {
                                            B::outlet("lblTitle", &ChangePassView::lblTitle),
                                            B::outlet("txtOldPass", &ChangePassView::txtOldPass),
                                            B::outlet("txtNewPass", &ChangePassView::txtNewPass),
                                            B::outlet("txtConfirmNewPass", &ChangePassView::txtConfirmNewPass),
                                            B::action("doBeginEditText:", &ChangePassView::doBeginEditText),
                                            B::action("textFieldDoneEditting:", &ChangePassView::textFieldDoneEditting),
                                            B::action("doChangePass", &ChangePassView::doChangePass),
                                            B::action("onCancel:", &ChangePassView::onCancel),
                                        });
    return table;
}

ChangePassView::ChangePassView() : CustomUIActionSheetViewController(std::string("ChangePassView")) {}

void ChangePassView::viewDidLoad() {
    CustomUIActionSheetViewController::viewDidLoad();
    lblTitle->setText(text("ZUNO_changePass"));
    isModed = false;
}

void ChangePassView::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    txtOldPass->setPlaceholder(text("ZUNO_typeOldPass"));
    txtNewPass->setPlaceholder(text("ZUNO_typeNewPass"));
    txtConfirmNewPass->setPlaceholder(text("ZUNO_reTypePass"));
    txtOldPass->becomeFirstResponder();
    moveUp();
}

void ChangePassView::moveUp() {
    auto panel = actionSheetView();
    if (!panel) return;
    ui::View::beginAnimations(std::string("presentWithSuperview"));
    const ui::Rect frame = panel->frame();
    panel->setFrame(ui::Rect(0, 30, frame.size.width, frame.size.height));
    ui::View::commitAnimations();
    isModed = true;
}

void ChangePassView::doBeginEditText(ui::Object*) {
    if (!isModed) moveUp();
}

void ChangePassView::textFieldDoneEditting(ui::Object* sender) {
    if (auto* field = dynamic_cast<ui::TextField*>(sender)) field->resignFirstResponder();
    doChangePass();
}

void ChangePassView::doChangePass() {
    const std::string oldPass = txtOldPass->text();
    const std::string newPass = txtNewPass->text();
    if (!oldPass.empty()) {
        const std::optional<std::string> current = sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_OLDPASS");
        if (oldPass != current.value_or(std::string())) {
            refuse("ZUNO_invalidOldPass");
        } else if (newPass.empty() || newPass != txtConfirmNewPass->text()) {
            refuse("ZUNO_invalidNewPass");
        } else if (userData) {
            // A copy: the record the profile keeps must not carry the change into later saves.
            User change = *userData;
            change.setIsChangePass(true);
            change.setOldPass(oldPass);
            change.setNewPass(newPass);
            GlobalService::getInstance().updateDateProfileWithUser(change);
        }
    }
    slideOut();
}

void ChangePassView::onCancel(ui::Object*) { slideOut(); }

ZUNO_REGISTER_SCREEN(ChangePassView)

}  // namespace zuno
