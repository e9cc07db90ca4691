#include "shell/ZunoViewController.h"

#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

namespace {
std::shared_ptr<ui::Button> menuButton() {
    auto delegate = ZunoOnlineAppDelegate::current();
    return delegate ? delegate->btnMenu : nullptr;
}

// The side menu of the screens whose own file has none.
const char* const kSideMenuFile = "SideMenu";

void setMenuButton(const char* image, int tag) {
    if (auto button = menuButton()) {
        button->setImage(ui::Image::imageNamed(image));
        button->setTag(tag);
    }
}
}  // namespace

const ui::BindingTable& ZunoViewController::bindings() {
    using B = ui::Bind<ZunoViewController>;
    static const ui::BindingTable table(&ui::ViewController::bindings(),
                                        {
                                            // screens whose menu button is hidden have no side menu
                                            B::optionalOutlet("viewMenu", &ZunoViewController::viewMenu),
                                            B::optionalOutlet("btnMenuTopUp", &ZunoViewController::btnMenuTopUp),
                                            B::optionalOutlet("btnMenuLogout", &ZunoViewController::btnMenuLogout),
                                            B::optionalOutlet("lblMenuSignInFirst", &ZunoViewController::lblMenuSignInFirst),
                                            B::action("napWin:", &ZunoViewController::napWin),
                                            B::action("logout:", &ZunoViewController::logout),
                                            B::action("showMenu", &ZunoViewController::showMenu),
                                        });
    return table;
}

ZunoViewController::ZunoViewController(std::optional<std::string> nibName) : ui::ViewController(std::move(nibName)) {}

bool ZunoViewController::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const {
    return orientation == ui::InterfaceOrientation::LandscapeRight;
}

void ZunoViewController::napWin(ui::Object*) {
    auto nav = navigationController();
    auto money = ui::ScreenFactory::create("MoneyView");
    if (nav && money) nav->pushViewController(money, true);
}

void ZunoViewController::logout(ui::Object*) { MobileClient::getInstance()->disconnect(); }

void ZunoViewController::viewDidDisappear(bool) {
    if (auto button = menuButton()) button->removeTarget(this, "showMenu", ui::ControlEvent::TouchUpInside);
}

void ZunoViewController::viewDidAppear(bool) {
    if (viewMenu) viewMenu->setHidden(false);
}

void ZunoViewController::viewWillDisappear(bool) {
    if (viewMenu) viewMenu->setHidden(true);
    setMenuButton("show.png", 0);
    moveMenu("hidemenu", kMenuClosedCenter);
}

void ZunoViewController::showMenu() {
    auto button = menuButton();
    if (button && button->tag() != 0) {
        setMenuButton("show.png", 0);
        moveMenu("hidemenu", kMenuClosedCenter);
    } else {
        offerSignedInEntries();
        setMenuButton("hide.png", 1);
        moveMenu("showmenu", kMenuOpenCenter);
    }
}

void ZunoViewController::loadSideMenu() {
    if (viewMenu) return;
    ui::InterfaceLoader::check(kSideMenuFile, ui::InterfaceLoader::load(kSideMenuFile, *this));
    if (!viewMenu) return;
    offerSignedInEntries();
    viewMenu->setCenter(kMenuClosedCenter);
    view()->addSubview(viewMenu);
}

bool ZunoViewController::isConnectedToServer() {
    auto session = GlobalService::getInstance()._session();
    return session && session->isConnected();
}

bool ZunoViewController::isSignedIn() {
    // The player record of a login carries the server's id for the player; before any login it has none.
    auto me = UIController::myInfo();
    return isConnectedToServer() && me && me->IDDB() != 0;
}

void ZunoViewController::offerSignedInEntries() {
    // Top-up and logout need a signed-in player: before that the top-up list would never come. The
    // captions follow the language, which the login screen may have switched since the menu loaded.
    const bool signedIn = isSignedIn();
    const Resources& r = Resources::getInstance();
    if (btnMenuTopUp) {
        btnMenuTopUp->setHidden(!signedIn);
        btnMenuTopUp->setTitle(r.textForKey("ZUNO_napWin"));
    }
    if (btnMenuLogout) {
        btnMenuLogout->setHidden(!signedIn);
        btnMenuLogout->setTitle(r.textForKey("ZUNO_logout"));
    }
    if (lblMenuSignInFirst) {
        lblMenuSignInFirst->setHidden(signedIn);
        lblMenuSignInFirst->setText(r.textForKey("ZUNO_signInToTopUp"));
    }
}

void ZunoViewController::moveMenu(const char* animationId, ui::Point center) {
    if (!viewMenu) return;
    ui::View::beginAnimations(std::string(animationId));
    viewMenu->setCenter(center);
    ui::View::commitAnimations();
}

void ZunoViewController::initAnimationLogo() {
    for (const auto& image : arrZunoOnline) image->removeFromSuperview();
    arrPoint = {ui::Point{120, 60}, ui::Point{155, 80}};
    auto zuno = std::make_shared<ui::ImageView>(ui::Rect(92, -100, 128, 56));
    zuno->setImage(ui::Image::imageNamed("zuno.png"));
    auto online = std::make_shared<ui::ImageView>(ui::Rect(149, -20, 50, 12));
    online->setImage(ui::Image::imageNamed("onlinezuno.png"));
    arrZunoOnline = {zuno, online};
    view()->addSubview(zuno);
    view()->addSubview(online);
}

void ZunoViewController::startAnimationLogo() {
    // A finished animation starts again from the first image.
    if (indexShow < 0 || indexShow >= static_cast<int>(arrZunoOnline.size())) indexShow = 0;
    if (indexShow == 0) initAnimationLogo();
    ui::View::beginAnimations(std::to_string(indexShow));
    ui::View::setAnimationDuration(0.6);
    arrZunoOnline[indexShow]->setCenter(arrPoint[indexShow]);
    ui::View::commitAnimations();
    ++indexShow;
    if (indexShow < static_cast<int>(arrZunoOnline.size())) {
        std::weak_ptr<ZunoViewController> weak =
            std::static_pointer_cast<ZunoViewController>(shared_from_this());
        sys::RunLoop::main().postDelayed(0.3, [weak] {
            // A second start may already have moved the last image: then this step has nothing left.
            auto self = weak.lock();
            if (self && self->indexShow > 0 && self->indexShow < static_cast<int>(self->arrZunoOnline.size()))
                self->startAnimationLogo();
        });
    }
}

void ZunoViewController::hideLoadingScreen() {
    // A screen never shown has no spinner; hiding must not load its view.
    auto root = viewIfLoaded();
    if (!root) return;
    std::vector<std::shared_ptr<ui::View>> spinners;
    for (const auto& sub : root->subviews()) {
        if (std::dynamic_pointer_cast<ui::ActivityIndicatorView>(sub)) spinners.push_back(sub);
    }
    for (const auto& spinner : spinners) spinner->removeFromSuperview();
}

void ZunoViewController::showLoadingScreen() {
    hideLoadingScreen();
    auto root = view();
    auto spinner = std::make_shared<ui::ActivityIndicatorView>();
    spinner->setFrame(ui::Rect(0, 0, 50, 50));
    spinner->setCenter({root->bounds().size.width / 2, root->bounds().size.height / 2});
    root->addSubview(spinner);
    spinner->startAnimating();
}

}  // namespace zuno
