#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "shell/CustomUISwitch.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The settings screen: vibration, accepting table invitations and the language. Each change takes
// effect at once and is saved in the user defaults.
class ConfigView : public ZunoViewController {
    ZUNO_BINDINGS
public:
    ConfigView() : ConfigView("ConfigView") {}
    explicit ConfigView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void doSaveRung(ui::Object* sender);
    void doSaveInviting(ui::Object* sender);
    // The language button shows the flag of the other language; the language table is reloaded.
    void loadLanguage();
    void doChangeLanguage(ui::Object* sender);
    void doBack();

    std::shared_ptr<CustomUISwitch> switchRung, switchInviting;
    std::shared_ptr<ui::Button> switchLanguage;
    std::shared_ptr<ui::Label> lblRung, lblInviting, lblChangLanguage;
};

}  // namespace zuno
