#pragma once

#include <memory>

#include "lobby/model/User.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The change-password sheet of the profile screen: old password, new password and its repetition,
// checked here against the password of the current login ("ZUNO_LOGIN_OLDPASS") and sent as part of a
// profile update. The sheet closes in every case.
class ChangePassView : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    ChangePassView();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void doBeginEditText(ui::Object* sender);
    void textFieldDoneEditting(ui::Object* sender);
    void doChangePass();
    void onCancel(ui::Object* sender);

    std::shared_ptr<ui::Label> lblTitle;
    std::shared_ptr<ui::TextField> txtOldPass, txtNewPass, txtConfirmNewPass;
    UserPtr userData;
    bool isModed = false;

protected:
    bool keepsTypedTextBetweenShowings() const override { return true; }

private:
    void moveUp();
};

}  // namespace zuno
