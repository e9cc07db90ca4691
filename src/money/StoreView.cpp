#include "money/StoreView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
const ui::Rect kWardrobeFrame(0, 0, 480, 260);
// Every wardrobe request names the wardrobe's screen.
constexpr int8_t kWardrobeScreen = 1;
}  // namespace

StoreView::StoreView(std::string nibName) : AvatarTabsScreen(std::move(nibName)) {}

void StoreView::viewDidLoad() {
    AvatarTabsScreen::viewDidLoad();
    avatarStoreView_ = std::make_shared<AvatarStoreView>();
    auto wardrobe = avatarStoreView_->view();
    wardrobe->setFrame(kWardrobeFrame);
    view()->insertSubview(wardrobe, 0);
    viewingTabIndex = 1;
    load();
}

void StoreView::load() {
    GlobalService::getInstance().requestUserData();
    avatarStoreView_->showLoadingScreen();
}

void StoreView::unActiveAllTab() {
    for (const auto& button : {btnTabAvatarShop, btnTabVatPham, btnQuaTang})
        button->setBackgroundImage(ui::Image::imageNamed("tab_unaction.png"));
}

void StoreView::activeTab(ui::Button& button) { button.setBackgroundImage(ui::Image::imageNamed("tab_action.png")); }

void StoreView::updateViewWithUserData(UserPtr user) {
    if (!user) return;
    userProfile = user;
    GlobalService::getInstance().requestGetCategory(0, user->gender(), kWardrobeScreen);
    sys::Log::debugFormat("User Data:%d", user->gender());
    avatarStoreView_->updateViewWithUserData(user);
}

void StoreView::reopen(bool genderChanged) {
    if (!avatarStoreView_) return;
    if (genderChanged) avatarStoreView_->updateChangeGender();
    load();
    avatarStoreView_->drawUsingAvatar();
}

void StoreView::resetTab() {
    if (avatarStoreView_) avatarStoreView_->resetTab();
}

void StoreView::onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {
    if (!avatarStoreView_) return;
    if (categories.empty() || !categories.front()) {
        avatarStoreView_->drawUsingAvatar();
        avatarStoreView_->hideLoadingScreen();
        return;
    }
    if (categories.front()->parentId() != 0) avatarStoreView_->updateWithCategoryList(categories);
    else avatarStoreView_->updateViewWithCategoryId(categories.front()->categoryId());
}

void StoreView::onMyUserItemsWithCategory(std::shared_ptr<UserItemsOfCategory> page) {
    if (!page || !avatarStoreView_) return;
    auto& resources = Resources::getInstance();
    auto cached = resources.getUserItemsOfCategory(page->categoryId());
    if (!cached || (userProfile && cached->gender() != userProfile->gender()))
        resources.setUserItemsOfCategory(page, page->categoryId());
    if (!avatarStoreView_->expectsItemsOf(page->categoryId())) return;
    avatarStoreView_->setCategorySelected(page);
    avatarStoreView_->updateAvatarView();
}

void StoreView::onMyUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) {
    if (!detail || !avatarStoreView_) return;
    Resources::getInstance().setUserAvatarDetail(detail, detail->userItemId());
    avatarStoreView_->setUserAvatarSelected(detail);
    avatarStoreView_->showUserAvatarDetail();
}

void StoreView::onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) {
    if (!avatarStoreView_) return;
    avatarStoreView_->setUsingAvatar(std::move(detail));
    avatarStoreView_->showUsingAvatarDetail();
}

void StoreView::onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {
    if (!avatarStoreView_) return;
    avatarStoreView_->setListUsingAvatar(std::move(items));
    avatarStoreView_->updateAvatarUsing();
}

std::optional<WornChange> StoreView::onMyUpdateDeleteItem(int32_t userItemId) {
    return avatarStoreView_ ? avatarStoreView_->updateDeleteItem(userItemId) : std::nullopt;
}

std::optional<WornChange> StoreView::onMyUpdateSetUsing() {
    return avatarStoreView_ ? avatarStoreView_->updateSetUsing() : std::nullopt;
}

ZUNO_REGISTER_SCREEN(StoreView)

}  // namespace zuno
