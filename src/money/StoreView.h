#pragma once

#include <memory>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The wardrobe, a tab of the own profile.
class StoreView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;

    virtual void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {}
    virtual void onMyUserItemsWithCategory(std::shared_ptr<UserItemsOfCategory> page) {}
    virtual void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) {}
    virtual void onMyUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) {}
    virtual void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {}
    // The user item removed.
    virtual void onMyUpdateDeleteItem(int32_t userItemId) {}
    virtual void onMyUpdateSetUsing() {}
};

}  // namespace zuno
