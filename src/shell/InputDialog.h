#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The forgotten-password prompt: the player types the user name, which is stored, and confirms;
// the confirmed dialog asks the server for the password-recovery SMS.
class InputDialog : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    InputDialog();

    std::shared_ptr<ui::Label> lblTitle() const { return lblTitle_; }
    void setLblTitle(std::shared_ptr<ui::Label> label) { lblTitle_ = std::move(label); }
    std::shared_ptr<ui::TextField> txtInput() const { return txtInput_; }
    void setTxtInput(std::shared_ptr<ui::TextField> field) { txtInput_ = std::move(field); }
    void setDelegate(std::weak_ptr<void> delegate) { delegate_ = std::move(delegate); }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Raises the panel under the top bar, above the keyboard.
    void doBeginEditText();
    void textFieldDoneEditting(ui::Object* sender);
    void onCancel();
    void doOK();

    bool isEdit = false;
    ui::Point oldPoint;

private:
    std::shared_ptr<ui::Label> lblTitle_;
    std::shared_ptr<ui::TextField> txtInput_;
    std::shared_ptr<ui::Button> btnOK_, btnCancel_;
    std::weak_ptr<void> delegate_;  // set by the opener; the prompt never calls it
};

}  // namespace zuno
