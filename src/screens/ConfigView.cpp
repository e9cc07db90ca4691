#include "screens/ConfigView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Text.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/LobbyListScreen.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr int32_t kLanguageSubId = 1;

std::shared_ptr<CustomUISwitch> makeSwitch(ui::Rect frame, bool on) {
    auto control = std::make_shared<CustomUISwitch>(frame);
    control->setOn(on);
    return control;
}
}  // namespace

const ui::BindingTable& ConfigView::bindings() {
    using B = ui::Bind<ConfigView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("switchLanguage", &ConfigView::switchLanguage),
                                            B::outlet("lblRung", &ConfigView::lblRung),
                                            B::outlet("lblInviting", &ConfigView::lblInviting),
                                            B::outlet("lblChangLanguage", &ConfigView::lblChangLanguage),
                                            B::action("doSaveRung:", &ConfigView::doSaveRung),
                                            B::action("doSaveInviting:", &ConfigView::doSaveInviting),
                                            B::action("doChangeLanguage:", &ConfigView::doChangeLanguage),
                                            B::action("doBack", &ConfigView::doBack),
                                        });
    return table;
}

ConfigView::ConfigView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void ConfigView::viewDidLoad() {
    showLoadingScreen();
    // The rows start below the window's top right corner, where the unread-mail button lies while mail
    // waits (to y 62).
    switchRung = makeSwitch(ui::Rect(360, 70, 100, 24), UIController::rung());
    switchRung->addTarget(this, "doSaveRung:", ui::ControlEvent::TouchUpInside);
    view()->addSubview(switchRung);
    switchInviting = makeSwitch(ui::Rect(360, 110, 100, 24), UIController::inviting());
    switchInviting->addTarget(this, "doSaveInviting:", ui::ControlEvent::TouchUpInside);
    view()->addSubview(switchInviting);
    loadLanguage();
    ZunoViewController::viewDidLoad();
    hideLoadingScreen();
}

void ConfigView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    const Resources& r = Resources::getInstance();
    LobbyListScreen::setTopBarTitle(sys::uppercase(r.textForKey("ZUNO_option")));
    lblRung->setText(r.textForKey("ZUNO_OnRung"));
    lblInviting->setText(r.textForKey("ZUNO_OnInvite"));
    lblChangLanguage->setText(r.textForKey("ZUNO_language"));
    // The switches take their captions from the language on their next layout pass.
    for (const auto& control : {switchRung, switchInviting})
        if (control) control->setNeedsLayout();
}

void ConfigView::doSaveRung(ui::Object*) {
    sys::UserDefaults& defaults = sys::UserDefaults::standard();
    defaults.setBool(switchRung->isOn(), "savedRung");
    UIController::setRung(switchRung->isOn());
    defaults.synchronize();
}

void ConfigView::doSaveInviting(ui::Object*) {
    sys::UserDefaults& defaults = sys::UserDefaults::standard();
    defaults.setBool(switchInviting->isOn(), "savedInviting");
    UIController::setInviting(switchInviting->isOn());
    defaults.synchronize();
}

void ConfigView::loadLanguage() {
    Resources& r = Resources::getInstance();
    switchLanguage->setBackgroundImage(ui::Image::imageNamed(r.currentLanguage() == "vi" ? "en.png" : "vi.png"));
    r.loadLanguage();
}

void ConfigView::doChangeLanguage(ui::Object*) {
    const std::string language = Resources::getInstance().switchLanguage();
    loadLanguage();
    GlobalService::getInstance().setLanguageForAppWithSubId(kLanguageSubId, language);
    loadLanguage();
    viewWillAppear(true);
}

void ConfigView::doBack() {
    LobbyListScreen::setTopBarTitle(Resources::getInstance().textForKey("ZUNO_Zuno"));
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

ZUNO_REGISTER_SCREEN(ConfigView)

}  // namespace zuno
