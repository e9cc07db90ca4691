#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "money/AvatarShopView.h"
#include "money/AvatarTabsScreen.h"

namespace zuno {

// The shop pushed from the main menu: it holds the avatar shop and routes the server's shop replies
// to it. Of its three tabs only the avatar tab has content; the items and presents tabs change the
// look of the buttons only.
class ShopView : public AvatarTabsScreen, public ItemShopScreen {
public:
    ShopView() : ShopView("ShopView") {}
    explicit ShopView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void showFirstTab();
    void unActiveAllTab() override;
    void activeTab(ui::Button& button) override;

    void onMyUserDataWithUser(UserPtr user) override;
    void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) override;
    void onMyItemsWithCategory(std::shared_ptr<ItemsOfCategory> page) override;
    void onMyAvatarDetail(std::shared_ptr<AvatarDetail> detail) override;
    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) override;
    void onMyBuyAvatarSuccess(int32_t payment) override;
    void onMyBuyAvatarFail() override;
    std::optional<int8_t> shopUserGender() const override;

    std::shared_ptr<AvatarShopView> avatarShopView() const { return avatarShopView_; }

    UserPtr userProfile;

private:
    std::shared_ptr<AvatarShopView> avatarShopView_;
};

}  // namespace zuno
