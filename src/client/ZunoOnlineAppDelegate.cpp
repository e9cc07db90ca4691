#include "shell/ZunoOnlineAppDelegate.h"

#include <atomic>
#include <cmath>

#include "client/Games.h"
#include "lobby/GameRegistry.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/ZunoIAPHelper.h"
#include "platform/core/Bundle.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Image.h"
#include "platform/ui/InterfaceLoader.h"
#include "screens/ConfigView.h"
#include "screens/EventView.h"
#include "screens/LoginView.h"
#include "screens/MessageView.h"
#include "screens/RankingView.h"
#include "screens/ServerView.h"
#include "screens/SubRankingView.h"
#include "shell/Resources.h"
#include "shell/ShellLobbyUi.h"
#include "shell/TableScreenKinds.h"
#include "table/GameController.h"

namespace zuno {

namespace {
std::atomic<bool> smsSwitch{false};

template <class... Screens>
bool isOneOf(const ui::ViewController& screen) {
    return (dynamic_cast<const Screens*>(&screen) || ...);
}

std::shared_ptr<ui::Button> makeBarButton(const ui::Rect& frame, const char* image, ui::ContentMode mode) {
    auto button = ui::Button::buttonWithType(ui::Button::Type::Custom);
    button->setTag(0);
    button->setShowsTouchWhenHighlighted(true);
    button->setFrame(frame);
    button->setContentMode(mode);
    button->setImage(ui::Image::imageNamed(image));
    button->setBackgroundColor(ui::Color::clear());
    return button;
}

std::string backgroundFor(const ui::ViewController& screen) {
    const GameDescriptor* game = GameRegistry::ofScreen(&screen);
    return game && !game->tableBackground.empty() ? game->tableBackground : "bgmain.png";
}

// A screen takes the menu button's action only when it has one; while the button shows, it opens the
// screen's side menu, and a screen that has none gets the shared one.
void addMenuTarget(ui::Button& button, ui::ViewController& screen) {
    if (screen.bindingTable().findAction("showMenu"))
        button.addTarget(&screen, "showMenu", ui::ControlEvent::TouchUpInside);
    if (auto* base = dynamic_cast<ZunoViewController*>(&screen); base && !button.isHidden()) base->loadSideMenu();
}
}  // namespace

const ui::BindingTable& ZunoOnlineAppDelegate::bindings() {
    using B = ui::Bind<ZunoOnlineAppDelegate>;
    static const ui::BindingTable table(&ui::Responder::bindings(),
                                        {
                                            B::outlet("imgBG", &ZunoOnlineAppDelegate::imgBG),
                                            B::action("doBack:", &ZunoOnlineAppDelegate::doBack),
                                            B::action("onOpenMessage:", &ZunoOnlineAppDelegate::onOpenMessage),
                                        });
    return table;
}

std::shared_ptr<ZunoOnlineAppDelegate> ZunoOnlineAppDelegate::current() {
    return std::dynamic_pointer_cast<ZunoOnlineAppDelegate>(ui::Application::shared().delegate());
}

bool ZunoOnlineAppDelegate::switchOnSMS() { return smsSwitch; }
void ZunoOnlineAppDelegate::setSwitchOnSMS(bool on) { smsSwitch = on; }

ui::Point ZunoOnlineAppDelegate::barShownCenter() { return {ui::Screen::bounds().size.height / 2, 15}; }
ui::Point ZunoOnlineAppDelegate::barHiddenCenter() { return {ui::Screen::bounds().size.height / 2, -20}; }

bool ZunoOnlineAppDelegate::didFinishLaunching(ui::Application& app) {
    loadMainInterface();
    GlobalMessageHandler::getInstance().setLobbyUi(std::make_shared<ShellLobbyUi>());

    app.setApplicationIconBadgeNumber(0);
    previousController.reset();
    setSwitchOnSMS(true);
    UIController::setSwitchOnSMSReader(&ZunoOnlineAppDelegate::switchOnSMS);

    const sys::Value provider = sys::Bundle::main().objectForInfoDictionaryKey("Provider");
    GlobalService::setPROVIDER(static_cast<int8_t>(provider.asInteger()));

    navigationController->setDelegate(std::static_pointer_cast<ZunoOnlineAppDelegate>(shared_from_this()));
    sys::PaymentQueue::defaultQueue().addTransactionObserver(ZunoIAPHelper::sharedHelper().get());

    auto navView = navigationController->view();
    navView->setFrame(window->bounds());
    window->addSubview(navView);
    window->makeKeyAndVisible();

    controller = UIController::sharedController();

    buildTopBar();
    buildButtons();

    describeGames();
    GameController::startGame();

    sys::UserDefaults& defaults = sys::UserDefaults::standard();
    if (defaults.objectForKey("savedRung").isNull()) defaults.setBool(true, "savedRung");
    if (defaults.objectForKey("savedInviting").isNull()) defaults.setBool(true, "savedInviting");
    defaults.synchronize();
    UIController::setRung(defaults.boolForKey("savedRung"));
    UIController::setInviting(defaults.boolForKey("savedInviting"));
    return true;
}

// The window, the background picture behind the screens and the navigation stack, whose root
// screen is the login screen.
void ZunoOnlineAppDelegate::loadMainInterface() {
    window = std::make_shared<ui::Window>(ui::Rect(0, 0, ui::Screen::kWidth, ui::Screen::kHeight));
    auto loaded = ui::InterfaceLoader::load("MainWindow", *this);
    if (!loaded.topLevelViews.empty()) window->addSubview(loaded.topLevelViews.front());
    if (!imgBG) {
        imgBG = std::make_shared<ui::ImageView>(window->bounds());
        window->addSubview(imgBG);
    }
    imgBG->setImage(ui::Image::imageNamed("bgmain.png"));
    navigationController = std::make_shared<ui::NavigationController>(std::make_shared<LoginView>());
}

void ZunoOnlineAppDelegate::buildTopBar() {
    viewTopBar = std::make_shared<ui::View>(ui::Rect(0, 0, 480, 30));
    viewTopBar->setBackgroundColor(ui::Color::clear());
    auto background = std::make_shared<ui::ImageView>(ui::Rect(0, 0, 480, 30));
    background->setImage(ui::Image::imageNamed("topbar.png"));
    viewTopBar->addSubview(background);

    lblWindowTitle = std::make_shared<ui::Label>(ui::Rect(60, 0, 420, 30));
    lblWindowTitle->setBackgroundColor(ui::Color::clear());
    lblWindowTitle->setTextColor(ui::Color::white());
    lblWindowTitle->setFont(ui::Font::boldSystemFontOfSize(16));
    lblWindowTitle->setTextAlignment(ui::TextAlignment::Center);
    lblWindowTitle->setText(Resources::getInstance().textForKey("ZUNO_Zuno"));
    viewTopBar->addSubview(lblWindowTitle);

    lblServerInfo = std::make_shared<ui::Label>();
    lblServerInfo->setBackgroundColor(ui::Color::clear());
    lblServerInfo->setTextColor(ui::Color::white());
    lblServerInfo->setFont(ui::Font::boldSystemFontOfSize(16));
    viewTopBar->addSubview(lblServerInfo);

    // The stack's own view puts each new screen on top of its subviews, so the bar and its buttons lie
    // just above that view, at the same place, to stay over every screen.
    window->addSubview(viewTopBar);
}

void ZunoOnlineAppDelegate::buildButtons() {
    btnBack = makeBarButton(ui::Rect(0, 0, 40, 30), "back.png", ui::ContentMode::Center);
    btnBack->setHidden(true);
    btnBack->addTarget(this, "doBack:", ui::ControlEvent::TouchUpInside);
    window->addSubview(btnBack);

    btnMenu = makeBarButton(ui::Rect(440, 0, 40, 30), "show.png", ui::ContentMode::Bottom);
    if (auto top = navigationController->topViewController()) addMenuTarget(*btnMenu, *top);
    window->addSubview(btnMenu);
}

void ZunoOnlineAppDelegate::doBack(ui::Object*) { navigationController->popViewControllerAnimated(true); }

void ZunoOnlineAppDelegate::onOpenMessage(ui::Object*) {
    if (auto button = UIController::btnAlertMessage()) {
        button->removeFromSuperview();
        UIController::setBtnAlertMessage(nullptr);
    }
    navigationController->pushViewController(std::make_shared<MessageView>(), true);
}

void ZunoOnlineAppDelegate::removePresent(const std::shared_ptr<ui::View>& view) {
    if (view) view->removeFromSuperview();
}

std::shared_ptr<ui::ViewController> ZunoOnlineAppDelegate::topScreen() const {
    return navigationController ? navigationController->topViewController() : nullptr;
}

void ZunoOnlineAppDelegate::cancelMytimer() {
    if (mytimer) sys::RunLoop::main().cancel(mytimer);
    mytimer = 0;
}

void ZunoOnlineAppDelegate::beginMarquee(const std::string& text) {
    cancelMytimer();
    // A new text ends the earlier one's wait for its stop, so that stop cannot cut this one short.
    if (pendingStop_) sys::RunLoop::main().cancel(pendingStop_);
    pendingStop_ = 0;
    lblServerInfo->setHidden(false);
    lblWindowTitle->setHidden(true);
    lblServerInfo->setText(text);
    lenEvent = static_cast<float>(lblServerInfo->font().widthOfText(text));
    lblServerInfo->setFrame(ui::Rect(480, 3, lenEvent, 24));
}

void ZunoOnlineAppDelegate::slideBarInOverTableScreen() {
    auto top = topScreen();
    if (!isTableScreenWithoutBlocks(top.get())) return;
    ui::View::beginAnimations(std::string("startEvent"));
    ui::View::setAnimationDuration(1.0);
    viewTopBar->setCenter(barShownCenter());
    ui::View::commitAnimations();
}

void ZunoOnlineAppDelegate::startEventWithiOS4(const std::string& text) {
    beginMarquee(text);
    slideBarInOverTableScreen();
    const double duration = std::floor(480 + lenEvent) * 23 / 1000;
    std::weak_ptr<ZunoOnlineAppDelegate> weak = std::static_pointer_cast<ZunoOnlineAppDelegate>(shared_from_this());
    pendingStop_ = sys::RunLoop::main().postDelayed(duration, [weak] {
        if (auto self = weak.lock()) {
            self->pendingStop_ = 0;
            self->stopEvent();
        }
    });
    auto label = lblServerInfo;
    const float len = lenEvent;
    ui::View::animate(duration, 0, ui::AnimationOption::CurveLinear | ui::AnimationOption::AllowUserInteraction,
                      [label, len] { label->setFrame(ui::Rect(-len, 3, len, 24)); });
}

void ZunoOnlineAppDelegate::startEventWithiOS3(const std::string& text) {
    beginMarquee(text);
    slideBarInOverTableScreen();
    std::weak_ptr<ZunoOnlineAppDelegate> weak = std::static_pointer_cast<ZunoOnlineAppDelegate>(shared_from_this());
    mytimer = sys::RunLoop::main().scheduleRepeating(kMarqueeInterval, [weak] {
        if (auto self = weak.lock()) self->runEvent();
    });
}

void ZunoOnlineAppDelegate::runEvent() {
    if (lenEvent > -viewTopBar->bounds().size.width) {
        scrollEvent();
    } else {
        stopEvent();
    }
}

void ZunoOnlineAppDelegate::scrollEvent() {
    const ui::Rect frame = lblServerInfo->frame();
    lblServerInfo->setFrame(ui::Rect(frame.origin.x - kMarqueeStep, 3, frame.size.width, 24));
    lenEvent -= static_cast<float>(kMarqueeStep);
}

void ZunoOnlineAppDelegate::stopEvent() {
    if (pendingStop_) sys::RunLoop::main().cancel(pendingStop_);
    pendingStop_ = 0;
    if (isTableScreen(topScreen().get())) viewTopBar->setCenter(barHiddenCenter());
    cancelMytimer();
    lblServerInfo->setHidden(true);
    lblWindowTitle->setHidden(false);
}

// The root screen is shown while the launch adds the stack to the window, before the bar is built;
// the rules then apply to what exists (as messages to nothing do nothing on the phone).
void ZunoOnlineAppDelegate::willShowViewController(ui::NavigationController&, ui::ViewController& screen, bool) {
    if (imgBG) imgBG->setImage(ui::Image::imageNamed(backgroundFor(screen)));
    if (!viewTopBar) return;
    const bool titleShown = !lblWindowTitle->isHidden();
    if (titleShown && !isTableScreen(&screen)) {
        ui::View::beginAnimations(std::string("startEvent"));
        ui::View::setAnimationDuration(1.0);
        viewTopBar->setCenter(barShownCenter());
        ui::View::commitAnimations();
    }
    if ((isTableScreenWithoutBlocks(&screen) && titleShown) || isBlocksScreen(&screen))
        viewTopBar->setCenter(barHiddenCenter());
}

void ZunoOnlineAppDelegate::didShowViewController(ui::NavigationController&, ui::ViewController& screen, bool) {
    if (!btnBack || !btnMenu) return;
    try {
        const bool table = isTableScreen(&screen);
        btnBack->setHidden(table || isOneOf<LoginView>(screen));
        btnMenu->setHidden(table || isOneOf<ServerView, MoneyView, ConfigView, EventView, AvatarView, RankingView,
                                            SubRankingView>(screen));
        addMenuTarget(*btnMenu, screen);
        showUnreadMailButton(screen);
    } catch (const std::exception& e) {
        sys::Log::warning("Exception " + sys::failureName(e));
    }
}

void ZunoOnlineAppDelegate::showUnreadMailButton(ui::ViewController& screen) {
    if (auto old = UIController::btnAlertMessage()) {
        old->removeFromSuperview();
        UIController::setBtnAlertMessage(nullptr);
    }
    if (UIController::listMessage().empty() || isOneOf<MessageView, LoginView>(screen)) return;
    const size_t unread = UIController::unreadMessageCount();
    if (unread == 0) return;
    auto button = ui::Button::buttonWithType(ui::Button::Type::Custom);
    button->setFrame(ui::Rect(435, 30, 44, 32));
    button->setBackgroundImage(ui::Image::imageNamed("new_mail.png"));
    button->setTitle(std::to_string(unread));
    button->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(15));
    button->addTarget(this, "onOpenMessage:", ui::ControlEvent::TouchUpInside);
    UIController::setBtnAlertMessage(button);
    auto view = screen.view();
    view->addSubview(button);
    view->bringSubviewToFront(button.get());
}

}  // namespace zuno
