#pragma once

#include <memory>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "money/AvatarStoreView.h"
#include "screens/ProfileTabs.h"
#include "money/AvatarTabsScreen.h"

namespace zuno {

// The wardrobe tab of the own profile: it holds the wardrobe and routes the server's replies to it.
// Of its three tabs only the first has content.
class StoreView : public AvatarTabsScreen, public WardrobeTab, public WardrobeContainer {
public:
    StoreView() : StoreView("StoreView") {}
    explicit StoreView(std::string nibName);

    void viewDidLoad() override;
    void unActiveAllTab() override;
    void activeTab(ui::Button& button) override;

    void updateViewWithUserData(UserPtr user) override;
    void reopen(bool genderChanged) override;
    void resetTab() override;

    void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) override;
    void onMyUserItemsWithCategory(std::shared_ptr<UserItemsOfCategory> page) override;
    void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) override;
    void onMyUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) override;
    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) override;
    std::optional<WornChange> onMyUpdateDeleteItem(int32_t userItemId) override;
    std::optional<WornChange> onMyUpdateSetUsing() override;

    std::shared_ptr<AvatarStoreView> avatarStoreView() const { return avatarStoreView_; }

    UserPtr userProfile;

private:
    void load();

    std::shared_ptr<AvatarStoreView> avatarStoreView_;
};

}  // namespace zuno
