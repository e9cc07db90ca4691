#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "lobby/model/ShopRecords.h"

namespace zuno {

// What the item shop and the wardrobe learned from the server during this run: pages of items by
// category, item details, gift pages and the items worn. The connection's reader thread fills it while
// screens read it, so every access takes the lock; the records themselves are shared with the screens.
class ShopCache {
public:
    using ItemsPtr = std::shared_ptr<ItemsOfCategory>;
    using UserItemsPtr = std::shared_ptr<UserItemsOfCategory>;

    // The shop's items of a category (all pages merged), or nullptr.
    ItemsPtr getItemsOfCategory(int32_t categoryId) const;
    void setItemsOfCategory(ItemsPtr items, int32_t categoryId);
    // The player's own items of a category, or nullptr.
    UserItemsPtr getUserItemsOfCategory(int32_t categoryId) const;
    void setUserItemsOfCategory(UserItemsPtr items, int32_t categoryId);

    std::shared_ptr<AvatarDetail> getAvatarDetailWithItemId(int32_t itemId) const;
    void setAvatarDetail(std::shared_ptr<AvatarDetail> detail, int32_t itemId);
    std::shared_ptr<UserAvatarDetail> getUserAvatarDetailWithUserItemId(int32_t userItemId) const;
    void setUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail, int32_t userItemId);
    void removeUserAvatarDetailWithUserItemId(int32_t userItemId);

    // One page of a gift category, kept under "<category>_<page>".
    ItemsPtr getItemsOfGift(int32_t categoryId, int32_t page) const;
    void setItemsOfGift(ItemsPtr items, int32_t categoryId, int32_t page);

    // The items worn, by the number the wardrobe keys them with.
    std::shared_ptr<UsingAvatar> getUsingAvatar(int32_t itemId) const;
    void setUsingAvatar(std::shared_ptr<UsingAvatar> item, int32_t itemId);
    std::map<int32_t, std::shared_ptr<UsingAvatar>> getListUsingAvatar() const;

    // A purchase: the first item of that id in the category that is not yet bought becomes bought.
    void updateItemsOfCategory(int32_t categoryId, int32_t itemId);
    // With isUsing NO every owned item of the category is taken off; with YES exactly the given one is
    // worn, so one item per category is worn.
    void updateUserItemsOfCategory(int32_t categoryId, int32_t userItemId, bool isUsing);
    // The same over every owned item detail.
    void updateUserAvatarDetailWithUserUsing(int32_t userItemId, bool isUsing);
    // A removed item leaves the category's owned list.
    void removeUserItemInfoFromCategory(int32_t categoryId, int32_t userItemId);

    // Forgets the item pages and item details of the shop and of the wardrobe (not the gifts nor the
    // worn items), so the next visit asks the server again.
    void renewAvatarMemory();
    // The player signed out: forgets what it learned of that account's items, the pages and details
    // above (the shop's pages mark what the account bought) and the items worn. The gift pages stay.
    void forgetAccountItems();

private:
    static std::string giftKey(int32_t categoryId, int32_t page);

    mutable std::mutex mutex_;
    std::map<int32_t, ItemsPtr> dictItemsOfCategory_;
    std::map<int32_t, UserItemsPtr> dictUserItemsOfCategory_;
    std::map<int32_t, std::shared_ptr<AvatarDetail>> dictAvatarDetail_;
    std::map<int32_t, std::shared_ptr<UserAvatarDetail>> dictUserAvatarDetail_;
    std::map<std::string, ItemsPtr> dictItemsOfGift_;
    std::map<int32_t, std::shared_ptr<UsingAvatar>> listUsingAvatar_;
};

}  // namespace zuno
