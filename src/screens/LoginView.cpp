#include "screens/LoginView.h"

#include "lobby/SavedPassword.h"
#include "net/MobileClient.h"
#include "platform/core/Bundle.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/MenuLinks.h"
#include "screens/ScreenTitle.h"
#include "screens/ServerListText.h"
#include "screens/ServerView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

namespace {
bool vietnamese() { return Resources::getInstance().currentLanguage() == "vi"; }
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

const ui::BindingTable& LoginView::bindings() {
    using B = ui::Bind<LoginView>;
    static const ui::BindingTable table(
        &ZunoViewController::bindings(),
        {
            B::outlet("inputDialog", &LoginView::inputDialog),
            B::outlet("txvUser", &LoginView::txvUser),
            B::outlet("txvPass", &LoginView::txvPass),
            B::outlet("btnLogin", &LoginView::btnLogin),
            B::outlet("btnRegister", &LoginView::btnRegister),
            B::outlet("btnRegister1", &LoginView::btnRegister1),
            B::outlet("lblUsername", &LoginView::lblUsername),
            B::outlet("lblPass", &LoginView::lblPass),
            B::outlet("lblKeepLogin", &LoginView::lblKeepLogin),
            B::outlet("lblVersion", &LoginView::lblVersion),
            B::outlet("lblRegister", &LoginView::lblRegister),
            B::outlet("lblForgetPass", &LoginView::lblForgetPass),
            B::outlet("lblHelp", &LoginView::lblHelp),
            B::outlet("lblGuide", &LoginView::lblGuide),
            B::outlet("lblLanguage", &LoginView::lblLanguage),
            B::outlet("imgChangLanguage", &LoginView::imgChangLanguage),
            B::outlet("imgViewLogin", &LoginView::imgViewLogin),
            B::outlet("btnSaveLogin", &LoginView::btnSaveLogin),
            // kept for its name only: nothing shows or reads it
            B::optionalOutlet("comSwitch", &LoginView::comSwitch),
            B::outlet("viewScroll", &LoginView::viewScroll),
            B::action("doLogin:", &LoginView::doLogin),
            B::action("doRegister:", &LoginView::doRegister),
            B::action("forgotPassword:", &LoginView::forgotPassword),
            B::action("onSaveLogin:", &LoginView::onSaveLogin),
            B::action("doChangeLanguage:", &LoginView::doChangeLanguage),
            B::action("callHotline:", &LoginView::callHotline),
            B::action("tellFriend:", &LoginView::tellFriend),
            B::action("clickHuongDan:", &LoginView::clickHuongDan),
            B::action("txtUserDoneEditing:", &LoginView::txtUserDoneEditing),
            B::action("textFieldBeginEditting:", &LoginView::textFieldBeginEditting),
            B::action("textFieldDoneEditting:", &LoginView::textFieldDoneEditting),
            B::action("backGroundHidden:", &LoginView::backGroundHidden),
        });
    return table;
}

LoginView::LoginView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

bool LoginView::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const {
    return orientation == ui::InterfaceOrientation::LandscapeRight;
}

void LoginView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    loadLanguage();
    indexShow = 0;
    sys::Log::line("Login: view did load");
    lblVersion->setText(
        sys::format("Version: %@", sys::Bundle::main().objectForInfoDictionaryKey("CFBundleVersion").asText()));

    auto& defaults = sys::UserDefaults::standard();
    keepPasswordInFile(defaults.boolForKey("savednextLogin"));
    if (defaults.boolForKey("savednextLogin")) {
        if (auto name = defaults.stringForKey("uname")) txvUser->setText(*name);
        if (auto password = defaults.stringForKey("password")) txvPass->setText(*password);
        btnSaveLogin->setTag(1);
        showSaveLogin();
        // After the screen has finished loading.
        std::weak_ptr<LoginView> weak = std::static_pointer_cast<LoginView>(shared_from_this());
        sys::RunLoop::main().post([weak] {
            if (auto self = weak.lock()) self->login();
        });
    } else {
        btnSaveLogin->setTag(0);
        showSaveLogin();
    }
}

void LoginView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    if (left_) {
        left_ = false;
        if (playerWhenLeft_.lock() != UIController::myInfo()) showLastSignIn();
    }
    // The language may have been changed on a later screen (registration, settings).
    if (picturesLanguage_ != Resources::getInstance().currentLanguage()) {
        showLanguagePictures();
        showSaveLogin();
    }
    setWindowTitle(text("ZUNO_Zuno"));
    lblUsername->setText(text("ZUNO_nick"));
    lblPass->setText(text("ZUNO_pwd"));
    lblKeepLogin->setText(text("ZUNO_keepNext"));
    lblRegister->setText(text("ZUNO_register"));
    lblForgetPass->setText(text("ZUNO_forgetPass1"));
    lblHelp->setText(text("ZUNO_callHelp"));
    lblGuide->setText(text("ZUNO_guide"));
    lblLanguage->setText(text("ZUNO_lang"));
    btnRegister1->setTitle(text("ZUNO_register"), ui::ControlState::Normal);
}

void LoginView::viewDidDisappear(bool animated) {
    ZunoViewController::viewDidDisappear(animated);
    left_ = true;
    playerWhenLeft_ = UIController::myInfo();
}

void LoginView::showLastSignIn() {
    auto& defaults = sys::UserDefaults::standard();
    const bool staySignedIn = defaults.boolForKey("savednextLogin");
    btnSaveLogin->setTag(staySignedIn ? 1 : 0);
    showSaveLogin();
    txvUser->setText(defaults.stringForKey("uname").value_or(std::string()));
    txvPass->setText(staySignedIn ? defaults.stringForKey("password").value_or(std::string()) : std::string());
}

void LoginView::showSaveLogin() {
    const bool on = btnSaveLogin->tag() == 1;
    const char* image = vietnamese() ? (on ? "on.png" : "off.png") : (on ? "on1.png" : "off1.png");
    btnSaveLogin->setImage(ui::Image::imageNamed(image));
}

void LoginView::loadLanguage() {
    showLanguagePictures();
    Resources::getInstance().loadLanguage();
}

void LoginView::showLanguagePictures() {
    picturesLanguage_ = Resources::getInstance().currentLanguage();
    const bool vi = vietnamese();
    imgChangLanguage->setImage(ui::Image::imageNamed(vi ? "en.png" : "vi.png"));
    imgViewLogin->setAnimationImages({});
    imgViewLogin->setAnimationImages({ui::Image::imageNamed(vi ? "button_dang_nhap.png" : "button_login.png"),
                                      ui::Image::imageNamed(vi ? "button_dang_nhap1.png" : "button_login1.png")});
    imgViewLogin->setAnimationDuration(0.4);
    imgViewLogin->setContentMode(ui::ContentMode::ScaleToFill);
    imgViewLogin->startAnimating();
}

void LoginView::doLogin(ui::Object*) { login(); }

void LoginView::login() {
    UIController::startNilDlg(text("ZUNO_checkNetwork"));
    if (!Util::connectedToInternet()) {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(text("ZUNO_noInternet"));
        return;
    }
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(txvUser->text()), "uname");
    defaults.setObject(sys::Value(txvPass->text()), "password");
    defaults.setBool(btnSaveLogin->tag() == 1, "savednextLogin");
    keepPasswordInFile(btnSaveLogin->tag() == 1);

    auto servers = std::make_shared<ServerView>("ServerView");
    if (auto nav = navigationController()) nav->pushViewController(servers, true);
    servers->ip_server_old = GlobalService::IP();
    servers->port_server_old = GlobalService::PORT();
}

void LoginView::doRegister(ui::Object*) {
    showDialog();
    if (Util::connectedToInternet()) {
        menu::pushNamed(*this, "RegisterView");
    } else {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(text("ZUNO_noInternet"));
    }
}

void LoginView::forgotPassword(ui::Object*) {
    useLastOrConfiguredServer();
    if (GlobalService::isConnected()) MobileClient::getInstance()->manualDisconnect();
    auto& service = GlobalService::getInstance();
    service.setConnectOKListener(std::dynamic_pointer_cast<ConnectOKListener>(shared_from_this()));
    service.connect();
}

void LoginView::onConnectOK() {
    auto& service = GlobalService::getInstance();
    service.getInfoWithKey(8);
    service.setConnectOKListener({});
    std::weak_ptr<LoginView> weak = std::static_pointer_cast<LoginView>(shared_from_this());
    sys::RunLoop::main().post([weak] {
        if (auto self = weak.lock()) self->onForgotPassword();
    });
}

void LoginView::onForgotPassword() {
    view()->addSubview(inputDialog->view());
    inputDialog->viewWillAppear(false);
}

void LoginView::onSaveLogin(ui::Object*) {
    btnSaveLogin->setTag(btnSaveLogin->tag() == 1 ? 0 : 1);
    showSaveLogin();
    keepPasswordInFile(btnSaveLogin->tag() == 1);
}

void LoginView::doChangeLanguage(ui::Object*) {
    Resources::getInstance().switchLanguage();
    loadLanguage();
    showSaveLogin();
    viewWillAppear(true);
}

void LoginView::callHotline(ui::Object*) { menu::callHotline(); }

void LoginView::tellFriend(ui::Object*) { menu::pushNamed(*this, "TellFriendView"); }

void LoginView::clickHuongDan(ui::Object*) { menu::openEventPage(*this, "ZUNO_guide"); }

void LoginView::txtUserDoneEditing(ui::Object*) { txvPass->becomeFirstResponder(); }

void LoginView::moveForm(double dy) {
    ui::View::beginAnimations(std::string("edit"));
    const ui::Point c = viewScroll->center();
    viewScroll->setCenter({c.x, c.y + dy});
    ui::View::commitAnimations();
}

// With no keyboard to clear on the desktop, the form lifts no further than keeps both fields whole
// below the top bar: the one being typed into and the one a player may click next.
double LoginView::liftKeepingFieldsInSight() const {
    return formlift::keepingFieldsWhole(kRaise, viewScroll->frame().y() + formLift, {txvUser, txvPass},
                                        [](const ui::TextField&) { return kTopBarHeight + kGapBelowTopBar; });
}

void LoginView::lowerForm() {
    if (isEdit && formLift != 0) moveForm(formLift);
    formLift = 0;
    isEdit = false;
}

void LoginView::textFieldBeginEditting(ui::Object*) {
    if (isEdit) return;
    formLift = liftKeepingFieldsInSight();
    if (formLift != 0) moveForm(-formLift);
    isEdit = true;
}

void LoginView::textFieldDoneEditting(ui::Object* sender) {
    lowerForm();
    if (auto* field = dynamic_cast<ui::TextField*>(sender)) field->resignFirstResponder();
    doLogin(sender);
}

void LoginView::backGroundHidden(ui::Object*) {
    lowerForm();
    txvUser->resignFirstResponder();
    txvPass->resignFirstResponder();
    menu::closeSideMenu(*this);
}

void LoginView::showDialog() { UIController::startNilDlg(text("ZUNO_checkNetwork")); }

void LoginView::closeDialog() { UIController::closeDialog(); }

void LoginView::showMainView() { menu::pushNamed(*this, "MainView"); }

ZUNO_REGISTER_SCREEN(LoginView)

}  // namespace zuno
