#pragma once

// What the session logic asks of the money, shop and avatar screens when one of them is on top.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"

namespace zuno {

namespace ui {
class TableView;
}

// The top-up screen.
class TopUpScreen {
public:
    virtual ~TopUpScreen() = default;
    virtual void setListMoney(std::vector<std::shared_ptr<ChargeMoneyInfo>> options) = 0;
    virtual std::shared_ptr<ui::TableView> tableView() const = 0;
    // The receipt text the server confirmed.
    virtual void setReceiptStringFromServer(std::optional<std::string> receipt) = 0;
};

// The stored purchases, a tab of the own profile.
class PurchasesTab {
public:
    virtual ~PurchasesTab() = default;
    // The receipt text the server confirmed.
    virtual void setReceiptStringFromServer(std::optional<std::string> receipt) = 0;
};

// The item shop.
class ItemShopScreen {
public:
    virtual ~ItemShopScreen() = default;
    virtual void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) = 0;
    virtual void onMyItemsWithCategory(std::shared_ptr<ItemsOfCategory> page) = 0;
    virtual void onMyAvatarDetail(std::shared_ptr<AvatarDetail> detail) = 0;
    virtual void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) = 0;
    // The payment of a completed purchase.
    virtual void onMyBuyAvatarSuccess(int32_t payment) = 0;
    // The server refused the purchase.
    virtual void onMyBuyAvatarFail() {}
    virtual void onMyUserDataWithUser(UserPtr user) = 0;
    // The gender of the user whose items the shop shows, once known.
    virtual std::optional<int8_t> shopUserGender() const { return std::nullopt; }
};

// A change of what is worn that the server confirmed in the wardrobe (a put-on, a take-off, a worn
// item deleted): the owned item and whether it is worn now.
struct WornChange {
    std::shared_ptr<UserAvatarDetail> item;
    bool worn = false;
};

// The wardrobe, a tab of the own profile.
class WardrobeTab {
public:
    virtual ~WardrobeTab() = default;
    virtual void onMyCategoriesWithListCategories(std::vector<std::shared_ptr<CategoryShopInfo>> categories) = 0;
    virtual void onMyUserItemsWithCategory(std::shared_ptr<UserItemsOfCategory> page) = 0;
    virtual void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) = 0;
    virtual void onMyUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail) = 0;
    virtual void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) = 0;
    // The user item removed; a worn one is answered as taken off.
    virtual std::optional<WornChange> onMyUpdateDeleteItem(int32_t userItemId) = 0;
    // The change confirmed, when the wardrobe knows the item.
    virtual std::optional<WornChange> onMyUpdateSetUsing() = 0;
};

// The avatar shop.
class AvatarShopScreen {
public:
    using Avatars = std::vector<std::shared_ptr<Avatar>>;
    virtual ~AvatarShopScreen() = default;
    virtual void setListAvatars(Avatars avatars) = 0;
    virtual Avatars listAvatars() const = 0;
    virtual std::shared_ptr<ui::TableView> tableView() const = 0;
    // Redraws the avatar pictures from the image cache.
    virtual void updateAvatarImage() = 0;
    // The price of the avatar of that id in the list.
    virtual int32_t priceFromID(int16_t avatarId) const = 0;
};

}  // namespace zuno
