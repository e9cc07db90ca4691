#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The scratch-card form of the top-up screen: serial and PIN. One OK per showing.
class napGate : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    napGate();

    void viewWillAppear(bool animated) override;
    // Sends the card for the top-up screen's chosen row when that screen is on top; slides out.
    void doOK();
    void backGroundHidden();
    void textFieldDoneEditting(ui::Object* sender);

    std::shared_ptr<ui::TextField> txfSerial, txfID;
    std::shared_ptr<ui::Label> lblTitle;
    std::shared_ptr<ui::Button> btnOK;

private:
    bool answered_ = false;
};

}  // namespace zuno
