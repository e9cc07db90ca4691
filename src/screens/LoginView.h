#pragma once

#include <memory>
#include <string>

#include "lobby/GlobalService.h"
#include "lobby/model/Player.h"
#include "platform/ui/Button.h"
#include "screens/FormLift.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TextField.h"
#include "shell/InputDialog.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The login screen, the root of the navigation stack. It keeps the user name and password in the
// user defaults ("uname", "password") and opens the server list, which connects and signs in; with
// the stay-signed-in toggle on it does so by itself at the next launch. It also switches the
// language, opens registration, the forgotten-password road, the hotline and the guide.
//
// The stay-signed-in toggle keeps its state in the button's tag: 1 on, 0 off.
class LoginView : public ZunoViewController, public ConnectOKListener {
    ZUNO_BINDINGS
public:
    // The form moves up this far while a field is being typed in, unless that would carry a field
    // under the top bar: both fields stay whole this gap below the bar.
    static constexpr double kRaise = 70;
    static constexpr double kTopBarHeight = formlift::kTopBarHeight;
    static constexpr double kGapBelowTopBar = formlift::kGapBelowTopBar;

    LoginView() : LoginView("LoginView") {}
    explicit LoginView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const override;

    void doLogin(ui::Object* sender);
    void doRegister(ui::Object* sender);
    void forgotPassword(ui::Object* sender);
    void onSaveLogin(ui::Object* sender);
    void doChangeLanguage(ui::Object* sender);
    void callHotline(ui::Object* sender);
    void tellFriend(ui::Object* sender);
    void clickHuongDan(ui::Object* sender);
    void txtUserDoneEditing(ui::Object* sender);
    void textFieldBeginEditting(ui::Object* sender);
    void textFieldDoneEditting(ui::Object* sender);
    void backGroundHidden(ui::Object* sender);

    // Stores the form in the user defaults and opens the server list.
    void login();
    // The images of the current language, then the language table.
    void loadLanguage();
    // The forgotten-password connection is ready (any thread).
    void onConnectOK() override;
    void onForgotPassword();
    void showDialog();
    void closeDialog();
    void showMainView();

    int mode = 0;
    bool isEdit = false;
    // How far the form is lifted now.
    double formLift = 0;
    std::shared_ptr<InputDialog> inputDialog;
    std::shared_ptr<ui::TextField> txvUser, txvPass;
    std::shared_ptr<ui::Button> btnLogin, btnRegister, btnRegister1;
    std::shared_ptr<ui::Label> lblUsername, lblPass, lblKeepLogin, lblVersion, lblRegister, lblForgetPass, lblHelp,
        lblGuide, lblLanguage;
    std::shared_ptr<ui::ImageView> imgChangLanguage;
    std::shared_ptr<ui::ImageView> imgViewLogin;
    std::shared_ptr<ui::Button> btnSaveLogin;
    std::shared_ptr<ui::Switch> comSwitch;
    std::shared_ptr<ui::View> viewScroll;

private:
    void showSaveLogin();
    // The flag, the login button and the switch drawn in the current language.
    void showLanguagePictures();
    void moveForm(double dy);
    // The lift of the form while a field is typed in: kRaise, or less where both fields would not stay
    // whole below the top bar.
    double liftKeepingFieldsInSight() const;
    void lowerForm();
    // The form as the last sign-in stored it: its user name, and its password only while it stays
    // signed in.
    void showLastSignIn();

    bool left_ = false;
    std::string picturesLanguage_;
    // Who was signed in when the screen was left: another player since means a sign-in from a later
    // screen, whose form replaces this one's.
    std::weak_ptr<Player> playerWhenLeft_;
};

}  // namespace zuno
