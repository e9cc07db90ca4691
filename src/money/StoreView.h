#pragma once

#include <memory>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The wardrobe, a tab of the own profile.
class StoreView : public ZunoViewController, public WardrobeTab {
public:
    using ZunoViewController::ZunoViewController;

    void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) override {}
    void onMyUserItemsWithCategory(std::shared_ptr<UserItemsOfCategory> page) override {}
    void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) override {}
    void onMyUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) override {}
    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) override {}
    // The user item removed.
    void onMyUpdateDeleteItem(int32_t userItemId) override {}
    void onMyUpdateSetUsing() override {}
};

}  // namespace zuno
