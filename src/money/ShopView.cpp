#include "money/ShopView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/LobbyListScreen.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
const ui::Rect kShopFrame(0, 40, 480, 260);
}  // namespace

ShopView::ShopView(std::string nibName) : AvatarTabsScreen(std::move(nibName)) {}

void ShopView::viewDidLoad() {
    AvatarTabsScreen::viewDidLoad();
    avatarShopView_ = std::make_shared<AvatarShopView>();
    showFirstTab();
}

void ShopView::showFirstTab() {
    auto shop = avatarShopView_->view();
    shop->setFrame(kShopFrame);
    view()->addSubview(shop);
    avatarShopView_->showLoadingScreen();
    GlobalService::getInstance().requestUserData();
    btnTabAvatarShop->setBackgroundImage(ui::Image::imageNamed("cua-hang1.png"));
    viewingTabIndex = 1;
}

void ShopView::viewWillAppear(bool animated) {
    AvatarTabsScreen::viewWillAppear(animated);
    LobbyListScreen::setTopBarTitle(sys::uppercase(text("ZUNO_ShopAvatar")));
}

void ShopView::unActiveAllTab() {
    for (const auto& button : {btnTabAvatarShop, btnTabVatPham, btnQuaTang}) button->setBackgroundImage(nullptr);
}

void ShopView::activeTab(ui::Button& button) {
    const char* picture = &button == btnTabAvatarShop.get() ? "cua-hang1.png"
                          : &button == btnQuaTang.get()     ? "cua-hang3.png"
                                                            : "cua-hang2.png";
    button.setBackgroundImage(ui::Image::imageNamed(picture));
}

std::optional<int8_t> ShopView::shopUserGender() const {
    if (!userProfile) return std::nullopt;
    return userProfile->gender();
}

void ShopView::onMyUserDataWithUser(UserPtr user) {
    if (!user) return;
    userProfile = user;
    GlobalService::getInstance().requestGetCategory(0, user->gender(), 0);
    avatarShopView_->updateViewWithUserData(user);
}

void ShopView::onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {
    // No category: an empty shop.
    if (categories.empty() || !categories.front()) {
        avatarShopView_->hideLoadingScreen();
        return;
    }
    if (categories.front()->parentId() != 0) avatarShopView_->updateWithCategoryList(categories);
    else avatarShopView_->updateViewWithCategoryId(categories.front()->categoryId());
}

void ShopView::onMyItemsWithCategory(std::shared_ptr<ItemsOfCategory> page) {
    if (!page) return;
    auto& resources = Resources::getInstance();
    auto cached = resources.getItemsOfCategory(page->categoryId());
    if (!cached || (userProfile && cached->gender() != userProfile->gender()))
        resources.setItemsOfCategory(page, page->categoryId());
    // A late page of a category left meanwhile is only kept.
    if (!avatarShopView_->expectsItemsOf(page->categoryId())) return;
    avatarShopView_->setCategorySelected(page);
    avatarShopView_->updateAvatarView();
}

void ShopView::onMyAvatarDetail(std::shared_ptr<AvatarDetail> detail) {
    if (!detail) return;
    Resources::getInstance().setAvatarDetail(detail, detail->itemId());
    avatarShopView_->detailArrived(detail);
}

void ShopView::onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {
    avatarShopView_->setListUsingAvatar(std::move(items));
    avatarShopView_->updateAvatarUsing();
}

void ShopView::onMyBuyAvatarSuccess(int32_t payment) { avatarShopView_->updateBuyAvatarSuccess(payment); }

void ShopView::onMyBuyAvatarFail() { avatarShopView_->updateBuyAvatarFail(); }

ZUNO_REGISTER_SCREEN(ShopView)

}  // namespace zuno
