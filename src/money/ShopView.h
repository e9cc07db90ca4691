#pragma once

#include <memory>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The item shop.
class ShopView : public ZunoViewController {
public:
    ShopView() : ZunoViewController("ShopView") {}

    virtual void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) {}
    virtual void onMyItemsWithCategory(std::shared_ptr<ItemsOfCategory> page) {}
    virtual void onMyAvatarDetail(std::shared_ptr<AvatarDetail> detail) {}
    virtual void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {}
    // The payment of a completed purchase.
    virtual void onMyBuyAvatarSuccess(int32_t payment) {}
    virtual void onMyUserDataWithUser(UserPtr user) {}
};

}  // namespace zuno
