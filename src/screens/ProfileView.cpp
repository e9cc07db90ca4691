#include "screens/ProfileView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/LobbyListScreen.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
const ui::Rect kContentFrame(0, 60, 480, 260);
const ui::Rect kMenuStart(10, 36, 0, 24);
// The strip holds the five tabs and ends before the window's top right corner, where the unread-mail
// button lies while mail waits.
const ui::Rect kMenuGrown(10, 36, 420, 24);

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

template <class T>
std::shared_ptr<T> made(const char* name) {
    return std::dynamic_pointer_cast<T>(ui::ScreenFactory::create(name));
}
}  // namespace

const ui::BindingTable& ProfileView::bindings() {
    using B = ui::Bind<ProfileView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("btnTabProfile", &ProfileView::btnTabProfile),
                                            B::outlet("btnTabOwner", &ProfileView::btnTabOwner),
                                            B::outlet("btnTabHistory", &ProfileView::btnTabHistory),
                                            B::outlet("btnTabTransaction", &ProfileView::btnTabTransaction),
                                            B::outlet("btnTabStore", &ProfileView::btnTabStore),
                                            B::outlet("lblTransferMoney", &ProfileView::lblTransferMoney),
                                            B::outlet("lblChangePass", &ProfileView::lblChangePass),
                                            B::outlet("lblDangXuat", &ProfileView::lblDangXuat),
                                            B::outlet("profile_menu", &ProfileView::profile_menu),
                                            B::action("doChangeTab:", &ProfileView::doChangeTab),
                                            B::action("doShowChangePasswordView", &ProfileView::doShowChangePasswordView),
                                            B::action("doTransferMoney:", &ProfileView::doTransferMoney),
                                            B::action("doExit:", &ProfileView::doExit),
                                            B::action("showMenu:", &ProfileView::showMenu),
                                        });
    return table;
}

ProfileView::ProfileView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void ProfileView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    auto self = std::static_pointer_cast<ProfileView>(shared_from_this());
    userDataView_ = std::make_shared<UserDataView>();
    userDataView_->setParentController(self);
    userAchievementView_ = std::make_shared<UserAchievementView>();
    // The money tabs and sheets: a slot stays empty while its screen is not part of the program.
    assetsView_ = ui::ScreenFactory::create("AssetsView");
    if (!transactionView_) transactionView_ = ui::ScreenFactory::create("TransactionView");
    storeView_ = ui::ScreenFactory::create("StoreView");
    changePassView_ = std::make_shared<ChangePassView>();
    transferMoneyView_ = ui::ScreenFactory::create("TransferMoneyView");
    proView_ = std::make_shared<ProvinceView>();
    proView_->profileView = self;
}

std::shared_ptr<ProfileDataTab> ProfileView::userDataView() const {
    return userDataView_ && userDataView_->isViewLoaded() ? userDataView_ : nullptr;
}

std::shared_ptr<WardrobeTab> ProfileView::storeView() const {
    return storeView_ && storeView_->isViewLoaded() ? std::dynamic_pointer_cast<WardrobeTab>(storeView_) : nullptr;
}

std::shared_ptr<PurchasesTab> ProfileView::transactionView() const {
    return std::dynamic_pointer_cast<PurchasesTab>(transactionView_);
}

void ProfileView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    LobbyListScreen::setTopBarTitle(sys::uppercase(sys::format("%@", text("ZUNO_selfI"))));
    btnTabProfile->setTitle(text("ZUNO_selfI"));
    btnTabOwner->setTitle(text("ZUNO_present"));
    btnTabHistory->setTitle(text("ZUNO_history"));
    btnTabTransaction->setTitle(text("ZUNO_Transaction"));
    btnTabStore->setTitle(text("ZUNO_tuquanao"));
    lblTransferMoney->setText(text("ZUNO_transferMoney"));
    lblChangePass->setText(text("ZUNO_changePass"));
    lblDangXuat->setText(text("ZUNO_logout"));
    if (userDataView_->isViewLoaded()) userDataView_->changeLabelWithLanguage();
    profile_menu->setFrame(kMenuStart);
    resetTab();
    for (const auto& button : tabButtons()) button->setAlpha(0);
}

void ProfileView::viewDidAppear(bool animated) {
    ZunoViewController::viewDidAppear(animated);
    std::weak_ptr<ProfileView> weak = std::static_pointer_cast<ProfileView>(shared_from_this());
    ui::View::animate(
        kMenuGrowSeconds, [this] { profile_menu->setFrame(kMenuGrown); },
        [weak](bool finished) {
            if (auto self = weak.lock()) self->fadeInTabs(finished);
        });
}

void ProfileView::fadeInTabs(bool grown) {
    const auto buttons = tabButtons();
    std::weak_ptr<ProfileView> weak = std::static_pointer_cast<ProfileView>(shared_from_this());
    for (size_t i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        auto button = buttons[i];
        ui::View::animate(
            grown ? kTabFadeSeconds : 0, kTabFadeStep * double(i), 0, [button] { button->setAlpha(1); },
            [weak, last](bool) {
                if (auto self = weak.lock(); self && last) self->showFirstTab();
            });
    }
}

std::vector<std::shared_ptr<ui::Button>> ProfileView::tabButtons() const {
    return {btnTabProfile, btnTabOwner, btnTabHistory, btnTabTransaction, btnTabStore};
}

ProfileView::TabSlot ProfileView::slot(int tag) const {
    switch (tag) {
        case kTabProfile: return {btnTabProfile, "cua-hang1.png", userDataView_};
        case kTabOwner: return {btnTabOwner, "cua-hang2.png", assetsView_};
        case kTabHistory: return {btnTabHistory, "cua-hang2.png", userAchievementView_};
        case kTabTransaction: return {btnTabTransaction, "cua-hang2.png", transactionView_};
        case kTabStore: return {btnTabStore, "cua-hang3.png", storeView_};
        default: return {nullptr, "", nullptr};
    }
}

bool ProfileView::isShown(const std::shared_ptr<ui::ViewController>& tab) {
    return tab && tab->isViewLoaded() && !tab->view()->isHidden();
}

void ProfileView::resetTab() {
    for (const auto& button : tabButtons()) button->setBackgroundImage(nullptr);
    for (int tag = kTabProfile; tag <= kTabStore; ++tag)
        if (auto content = slot(tag).content; content && content->isViewLoaded()) content->view()->setHidden(true);
    if (auto wardrobe = std::dynamic_pointer_cast<WardrobeContainer>(storeView_)) wardrobe->resetTab();
}

void ProfileView::insertContent(ui::ViewController& content, const ui::Rect& frame) {
    auto contentView = content.view();
    contentView->setFrame(frame);
    contentView->setHidden(false);
    // Below the screen's own strip and buttons (the content's place reaches under the bottom buttons,
    // which must keep their taps), and so below the side menu, which lies over them all.
    view()->insertSubviewBelow(contentView, profile_menu.get());
    content.viewWillAppear(false);
}

void ProfileView::showFirstTab() {
    insertContent(*userDataView_, kContentFrame);
    viewingTabIndex_ = kTabProfile;
    userDataView_->showLoadingScreen();
    GlobalService::getInstance().requestUserData();
    btnTabProfile->setBackgroundImage(ui::Image::imageNamed("cua-hang1.png"));
}

void ProfileView::doChangeTab(ui::Object* sender) {
    auto* button = dynamic_cast<ui::View*>(sender);
    if (!button || button->tag() == viewingTabIndex_) return;
    viewingTabIndex_ = button->tag();
    resetTab();
    sys::Log::debugFormat("change tab %d", viewingTabIndex_);
    showTab(viewingTabIndex_);
}

void ProfileView::showTab(int tag) {
    TabSlot shown = slot(tag);
    if (!shown.button) return;
    shown.button->setBackgroundImage(ui::Image::imageNamed(shown.selectedImage));
    if (!shown.content) return;
    if (shown.content->isViewLoaded() && shown.content->view()->superviewPointer() == view().get()) {
        shown.content->view()->setHidden(false);
        repeatVisit(tag);
        return;
    }
    insertContent(*shown.content, kContentFrame);
    firstVisit(tag);
}

void ProfileView::firstVisit(int tag) {
    auto& service = GlobalService::getInstance();
    switch (tag) {
        case kTabProfile:
            userDataView_->showLoadingScreen();
            service.requestUserData();
            break;
        case kTabOwner:
            if (auto owned = std::dynamic_pointer_cast<ZunoViewController>(assetsView_)) owned->showLoadingScreen();
            service.requestUserItemsEvent();
            break;
        case kTabHistory:
            userAchievementView_->showLoadingScreen();
            service.requestUserAchievementWithGameId(UserAchievementView::kPokerGame);
            break;
        default:
            // The wardrobe's own loading asks for the user data.
            break;
    }
}

void ProfileView::repeatVisit(int tag) {
    if (tag == kTabProfile) userDataView_->drawAvatar();
    if (tag != kTabStore) return;
    if (auto wardrobe = std::dynamic_pointer_cast<WardrobeContainer>(storeView_)) wardrobe->reopen(changeGender);
}

std::optional<int8_t> ProfileView::profileUserGender() const {
    if (!userProfile) return std::nullopt;
    return userProfile->gender();
}

void ProfileView::onMyUserDataWithUser(UserPtr user) {
    userProfile = user;
    if (isShown(userDataView_)) {
        userDataView_->updateViewWithUserData(user);
        userDataView_->hideLoadingScreen();
    } else if (isShown(storeView_)) {
        if (auto wardrobe = std::dynamic_pointer_cast<WardrobeContainer>(storeView_)) wardrobe->updateViewWithUserData(user);
    }
}

void ProfileView::onMyAchievementWithGameId(int gameId, std::vector<int32_t> achievement) {
    userAchievementView_->updateViewWithAchievement(achievement, gameId);
    userAchievementView_->hideLoadingScreen();
}

void ProfileView::onMyAssetsWithAssets(std::vector<std::shared_ptr<Asset>> assets) {
    if (auto owned = std::dynamic_pointer_cast<OwnedItemsTab>(assetsView_)) owned->updateViewWithAssets(std::move(assets));
    if (auto screen = std::dynamic_pointer_cast<ZunoViewController>(assetsView_)) screen->hideLoadingScreen();
}

void ProfileView::deleteAsset() {
    if (auto owned = std::dynamic_pointer_cast<OwnedItemsTab>(assetsView_)) owned->deleteAsset();
}

void ProfileView::showMyMoney() {
    if (userDataView_ && userDataView_->isViewLoaded()) userDataView_->showMyMoney();
}

void ProfileView::presentSheet(ui::ViewController& sheet) {
    view()->addSubview(sheet.view());
    sheet.viewWillAppear(false);
}

void ProfileView::doShowChangePasswordView() {
    changePassView_->userData = userDataView_->userData();
    presentSheet(*changePassView_);
}

void ProfileView::doTransferMoney(ui::Object*) {
    if (transferMoneyView_) presentSheet(*transferMoneyView_);
}

void ProfileView::showProvinces(Province::List provinces) {
    proView_->setListProvinces(std::move(provinces));
    presentSheet(*proView_);
    if (auto table = proView_->tableView()) table->reloadData();
}

void ProfileView::doExit(ui::Object*) {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

void ProfileView::showMenu(ui::Object*) { ZunoViewController::showMenu(); }

ZUNO_REGISTER_SCREEN(ProfileView)

}  // namespace zuno
