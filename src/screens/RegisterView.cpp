#include "screens/RegisterView.h"

#include <algorithm>

#include "net/MobileClient.h"
#include "platform/core/Bundle.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/Text.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/LobbyListScreen.h"
#include "screens/MenuLinks.h"
#include "screens/PageFetch.h"
#include "screens/ServerListText.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

namespace {
constexpr double kCloseDialogDelay = 0.5;
constexpr double kButtonCycle = 0.4;
constexpr int kServerListInfoKey = 8;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

int32_t portNumber(const std::string& port) {
    try {
        return static_cast<int32_t>(std::stol(port));
    } catch (const std::exception&) {
        return 0;
    }
}

void disconnectIfConnected() {
    auto client = MobileClient::getInstance();
    if (client->isConnected()) client->manualDisconnect();
}
}  // namespace

const ui::BindingTable& RegisterView::bindings() {
    using B = ui::Bind<RegisterView>;
    static const ui::BindingTable table(
        &ZunoViewController::bindings(),
        {
            B::outlet("txvUser", &RegisterView::txvUser),
            B::outlet("txvPass", &RegisterView::txvPass),
            B::outlet("txvRePass", &RegisterView::txvRePass),
            B::outlet("viewScroll", &RegisterView::viewScroll),
            B::outlet("inputDialog", &RegisterView::inputDialog),
            B::outlet("lblVersion", &RegisterView::lblVersion),
            B::outlet("lblUsername", &RegisterView::lblUsername),
            B::outlet("lblPass", &RegisterView::lblPass),
            B::outlet("lblRePass", &RegisterView::lblRePass),
            B::outlet("lblForgetPass", &RegisterView::lblForgetPass),
            B::outlet("lblHelp", &RegisterView::lblHelp),
            B::outlet("lblTellFriend", &RegisterView::lblTellFriend),
            B::outlet("lblGuide", &RegisterView::lblGuide),
            B::outlet("lblLanguage", &RegisterView::lblLanguage),
            B::outlet("btnRegister", &RegisterView::btnRegister),
            B::outlet("imgChangLanguage", &RegisterView::imgChangLanguage),
            B::outlet("imgViewLogin", &RegisterView::imgViewLogin),
            B::action("onRegister:", &RegisterView::onRegister),
            B::action("forgotPassword:", &RegisterView::forgotPassword),
            B::action("doLogin:", &RegisterView::doLogin),
            B::action("tellFriend:", &RegisterView::tellFriend),
            B::action("clickHuongDan:", &RegisterView::clickHuongDan),
            B::action("callHotline:", &RegisterView::callHotline),
            B::action("doChangeLanguage:", &RegisterView::doChangeLanguage),
            B::action("closeDialog", &RegisterView::closeDialog),
            B::action("txtUserDoneEditing:", &RegisterView::txtUserDoneEditing),
            B::action("txtUserBeginEditing:", &RegisterView::txtUserBeginEditing),
            B::action("textField1BeginEditting:", &RegisterView::textField1BeginEditting),
            B::action("textField2BeginEditting:", &RegisterView::textField2BeginEditting),
            B::action("txtPassDoneEditing:", &RegisterView::txtPassDoneEditing),
            B::action("textFieldDoneEditting:", &RegisterView::textFieldDoneEditting),
            B::action("backGroundHidden:", &RegisterView::backGroundHidden),
        });
    return table;
}

RegisterView::RegisterView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void RegisterView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    std::weak_ptr<RegisterView> weak = std::static_pointer_cast<RegisterView>(shared_from_this());
    sys::RunLoop::main().postDelayed(kCloseDialogDelay, [weak] {
        if (auto self = weak.lock()) self->closeDialog();
    });
    showLoadingScreen();
    detectInfos();
    serverIndex = 0;
    const std::string version = sys::Bundle::main().objectForInfoDictionaryKey("CFBundleVersion").asText();
    lblVersion->setText(sys::format("Version %@", {version}));
    loadLanguage();
    hideLoadingScreen();
    indexShow = 0;
    sys::RunLoop::main().post([weak] {
        if (auto self = weak.lock()) self->startAnimationLogo();
    });
}

void RegisterView::detectInfos() {
    listServers.clear();
    sys::UserDefaults& defaults = sys::UserDefaults::standard();
    const std::string url = Resources::getInstance().configValue("LinkServer").asText();
    sys::HttpFetchResult fetched = fetchPage(url);
    if (fetched.ok()) listServers = parseServerList(*fetched.body);
    if (!listServers.empty()) {
        defaults.setObject(sys::Value(*fetched.body), "serverdata");
        defaults.synchronize();
    } else if (auto cached = defaults.stringForKey("serverdata")) {
        // A failed or empty fetch keeps the list of the last good one.
        listServers = parseServerList(*cached);
    }
    sys::Log::line("finally");
}

void RegisterView::loadLanguage() {
    const bool vietnamese = Resources::getInstance().currentLanguage() == "vi";
    std::vector<ui::ImagePtr> frames;
    if (vietnamese) {
        frames = {ui::Image::imageNamed("button_dang_ky.png"), ui::Image::imageNamed("button_dang_ky1.png")};
    } else {
        frames = {ui::Image::imageNamed("button_register.png"), ui::Image::imageNamed("button_register1.png")};
    }
    imgChangLanguage->setImage(ui::Image::imageNamed(vietnamese ? "en.png" : "vi.png"));
    imgViewLogin->setAnimationImages(std::move(frames));
    imgViewLogin->setAnimationDuration(kButtonCycle);
    imgViewLogin->setContentMode(ui::ContentMode::ScaleToFill);
    imgViewLogin->startAnimating();
    Resources::getInstance().loadLanguage();
}

void RegisterView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    LobbyListScreen::setTopBarTitle(sys::uppercase(text("ZUNO_register")));
    lblUsername->setText(text("ZUNO_nick"));
    lblPass->setText(text("ZUNO_pwd"));
    lblRePass->setText(text("ZUNO_retypeNewPass"));
    lblForgetPass->setText(text("ZUNO_forgetPass1"));
    lblHelp->setText(text("ZUNO_callHelp"));
    lblTellFriend->setText(text("ZUNO_tellFriend"));
    lblGuide->setText(text("ZUNO_guide"));
    lblLanguage->setText(text("ZUNO_lang"));
}

void RegisterView::viewDidAppear(bool animated) {
    ZunoViewController::viewDidAppear(animated);
    txvUser->becomeFirstResponder();
}

void RegisterView::resignFields() {
    txvUser->resignFirstResponder();
    txvPass->resignFirstResponder();
    txvRePass->resignFirstResponder();
}

void RegisterView::moveForm(double dy) {
    ui::View::beginAnimations(std::string("edit"));
    ui::Point center = viewScroll->center();
    center.y += dy;
    viewScroll->setCenter(center);
    ui::View::commitAnimations();
}

double RegisterView::highestFieldTop(const ui::TextField& field) {
    double top = kTopBarHeight;
    // While mail waits, its button lies over the top right corner, below the bar.
    auto mail = UIController::btnAlertMessage();
    if (mail && !mail->isHidden() && mail->superviewPointer() == view().get()) {
        const ui::Rect button = mail->frame();
        const ui::Rect place = field.convertRectToView(field.bounds(), view().get());
        if (place.x() < button.maxX() && button.x() < place.maxX()) top = std::max(top, button.maxY());
    }
    return top + kGapBelowTopBar;
}

// With no keyboard to clear on the desktop, the form lifts no further than keeps every field whole
// below the bar (and the mail button): the one being typed into and those a player may click next.
void RegisterView::liftForm(double wanted) {
    const double lift = formlift::keepingFieldsWhole(wanted, viewScroll->frame().y() + formLift,
                                                     {txvUser, txvPass, txvRePass},
                                                     [this](const ui::TextField& field) { return highestFieldTop(field); });
    if (lift == formLift) return;
    moveForm(formLift - lift);
    formLift = lift;
}

bool RegisterView::lowerForm() {
    const bool second = isEdit2;
    if (formLift != 0) moveForm(formLift);
    formLift = 0;
    isEdit1 = isEdit2 = false;
    return second;
}

void RegisterView::onRegister(ui::Object* sender) {
    serverIndex = 0;
    resignFields();
    if (sender) lowerForm();
    if (txvUser->text().empty()) {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(text("ZUNO_InputInfo"));
        return;
    }
    if (txvPass->text() != txvRePass->text()) {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(text("ZUNO_RetypePassInvalid"));
        return;
    }
    UIController::setOkValue(UIController::okConnectRegister);
    UIController::startCancelDlg(text("ZUNO_Registrying"));
    kindOf = kRegister;
    if (listServers.empty()) {
        UIController::startOKDlg(text("ZUNO_connectFail"));
        return;
    }
    disconnectIfConnected();
    connectToServer(*listServers[static_cast<size_t>(serverIndex)]);
}

void RegisterView::connectToServer(const Server& server) {
    GlobalService::setIP(server.sIP());
    GlobalService::setPORT(portNumber(server.sPORT()));
    ++serverIndex;
    GlobalService& service = GlobalService::getInstance();
    service.setConnectOKListener(std::static_pointer_cast<RegisterView>(shared_from_this()));
    service.connect();
}

void RegisterView::onConnectOK() {
    GlobalService& service = GlobalService::getInstance();
    service.getInfoWithKey(kServerListInfoKey);
    if (kindOf == kRegister) {
        service.requestRegisterWithUsername(txvUser->text(), txvPass->text());
    } else if (kindOf == kForgotPassword) {
        service.setConnectOKListener({});
        std::weak_ptr<RegisterView> weak = std::static_pointer_cast<RegisterView>(shared_from_this());
        sys::RunLoop::main().post([weak] {
            if (auto self = weak.lock()) self->onForgotPassword();
        });
    }
}

void RegisterView::onConnectFail() {
    if (serverIndex >= 0 && serverIndex < static_cast<int>(listServers.size())) {
        disconnectIfConnected();
        connectToServer(*listServers[static_cast<size_t>(serverIndex)]);
        return;
    }
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(text("ZUNO_connectFail"));
}

void RegisterView::forgotPassword(ui::Object*) {
    kindOf = kForgotPassword;
    useLastOrConfiguredServer();
    disconnectIfConnected();
    GlobalService& service = GlobalService::getInstance();
    service.setConnectOKListener(std::static_pointer_cast<RegisterView>(shared_from_this()));
    service.connect();
}

void RegisterView::onForgotPassword() {
    inputDialog->view();
    if (auto title = inputDialog->lblTitle()) title->setText(text("ZUNO_forgetPass"));
    view()->addSubview(inputDialog->view());
    inputDialog->viewWillAppear(false);
}

void RegisterView::doLogin(ui::Object*) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController) delegate->navigationController->popViewControllerAnimated(true);
    LobbyListScreen::setTopBarTitle(text("ZUNO_Zuno"));
}

void RegisterView::tellFriend(ui::Object*) { menu::pushNamed(*this, "TellFriendView"); }

void RegisterView::clickHuongDan(ui::Object*) { menu::openEventPage(*this, "ZUNO_guide"); }

void RegisterView::callHotline(ui::Object*) { menu::callHotline(); }

void RegisterView::doChangeLanguage(ui::Object*) {
    Resources::getInstance().switchLanguage();
    loadLanguage();
    viewWillAppear(true);
}

void RegisterView::closeDialog() { UIController::closeDialog(); }

void RegisterView::txtUserDoneEditing(ui::Object*) { txvPass->becomeFirstResponder(); }

// The user name needs no lift of its own; the form keeps the lift it has, within what shows every field.
void RegisterView::txtUserBeginEditing(ui::Object*) { liftForm(formLift); }

void RegisterView::textField1BeginEditting(ui::Object*) {
    liftForm(std::max(formLift, kFirstLift));
    isEdit1 = true;
}

void RegisterView::textField2BeginEditting(ui::Object*) {
    liftForm(std::max(formLift, kSecondLift));
    isEdit2 = true;
}

void RegisterView::txtPassDoneEditing(ui::Object* sender) {
    textField2BeginEditting(sender);
    txvRePass->becomeFirstResponder();
}

void RegisterView::textFieldDoneEditting(ui::Object*) {
    if (lowerForm()) onRegister(nullptr);
}

void RegisterView::backGroundHidden(ui::Object*) {
    lowerForm();
    resignFields();
    menu::closeSideMenu(*this);
}

ZUNO_REGISTER_SCREEN(RegisterView)

}  // namespace zuno
