#pragma once

#include <memory>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The item shop.
class ShopView : public ZunoViewController, public ItemShopScreen {
public:
    ShopView() : ZunoViewController("ShopView") {}

    void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) override {}
    void onMyItemsWithCategory(std::shared_ptr<ItemsOfCategory> page) override {}
    void onMyAvatarDetail(std::shared_ptr<AvatarDetail> detail) override {}
    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) override {}
    // The payment of a completed purchase.
    void onMyBuyAvatarSuccess(int32_t payment) override {}
    void onMyUserDataWithUser(UserPtr user) override {}
};

}  // namespace zuno
