#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/GlobalService.h"
#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "screens/FormLift.h"
#include "shell/InputDialog.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The registration screen: a user name and a password typed twice go to the first game server of the
// server list that answers; the account is completed by SMS. It also offers the forgotten-password
// request, tell-a-friend, the hotline, the guide and the language switch.
class RegisterView : public ZunoViewController, public ConnectOKListener, public RegistrationScreen {
    ZUNO_BINDINGS
public:
    // How far the form rises for the keyboard: for the password field, for the repeat field. No lift
    // carries the field being typed into under the top bar: it keeps this gap below the bar.
    static constexpr double kFirstLift = 70;
    static constexpr double kSecondLift = 140;
    static constexpr double kTopBarHeight = formlift::kTopBarHeight;
    static constexpr double kGapBelowTopBar = formlift::kGapBelowTopBar;
    enum Kind { kRegister = 0, kForgotPassword = 1 };

    RegisterView() : RegisterView("RegisterView") {}
    explicit RegisterView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    // Reads the server list: fetched, or the cached text when the fetch fails or lists no server.
    void detectInfos();
    void loadLanguage();

    void onRegister(ui::Object* sender);
    void onConnectOK() override;
    void onConnectFail() override;
    void forgotPassword(ui::Object* sender);
    void onForgotPassword();
    void doLogin(ui::Object* sender);
    void tellFriend(ui::Object* sender);
    void clickHuongDan(ui::Object* sender);
    void callHotline(ui::Object* sender);
    void doChangeLanguage(ui::Object* sender);
    void closeDialog();
    void txtUserDoneEditing(ui::Object* sender);
    void txtUserBeginEditing(ui::Object* sender);
    void textField1BeginEditting(ui::Object* sender);
    void textField2BeginEditting(ui::Object* sender);
    void txtPassDoneEditing(ui::Object* sender);
    void textFieldDoneEditting(ui::Object* sender);
    void backGroundHidden(ui::Object* sender);

    std::shared_ptr<ui::TextField> txvUser, txvPass, txvRePass;
    std::shared_ptr<ui::View> viewScroll;
    std::shared_ptr<InputDialog> inputDialog;
    std::shared_ptr<ui::Label> lblVersion, lblUsername, lblPass, lblRePass, lblForgetPass, lblHelp, lblTellFriend,
        lblGuide, lblLanguage;
    std::shared_ptr<ui::Button> btnRegister;
    std::shared_ptr<ui::ImageView> imgChangLanguage, imgViewLogin;

    std::vector<std::shared_ptr<Server>> listServers;
    int serverIndex = 0;
    int kindOf = kRegister;
    bool isEdit1 = false, isEdit2 = false;
    // How far the form is lifted now.
    double formLift = 0;

private:
    // Connects to the entry at serverIndex and moves the index on.
    void connectToServer(const Server& server);
    void moveForm(double dy);
    // Lifts the form as far as the field wants, but no further than keeps the field below the top bar
    // (and below the unread-mail button where that lies over it).
    void liftForm(double wanted);
    double highestFieldTop(const ui::TextField& field);
    // Lowers the form from where the keyboard lifted it; answers whether it was lifted to the second step.
    bool lowerForm();
    void resignFields();
};

}  // namespace zuno
