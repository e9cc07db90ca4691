#pragma once

// Records of the money and shop features. Fields keep the server's names.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Property.h"

namespace zuno {
namespace ui {
class Image;
}
using ImagePtr = std::shared_ptr<ui::Image>;

// An owned asset, a received present or an event item.
class Asset {
    ZUNO_PROPERTY(int32_t, assetId, setAssetId) = 0;
    ZUNO_PROPERTY(int32_t, imgAssetId, setImgAssetId) = 0;
    ZUNO_PROPERTY(std::string, name, setName);
    ZUNO_PROPERTY(ImagePtr, icon, setIcon);
    ZUNO_PROPERTY(std::optional<std::string>, description, setDescription);
    ZUNO_PROPERTY(int32_t, price, setPrice) = 0;
    ZUNO_PROPERTY(std::string, expDate, setExpDate);
    ZUNO_PROPERTY(std::string, buyDate, setBuyDate);
    ZUNO_PROPERTY(int32_t, amount, setAmount) = 0;
};

// An avatar of the avatar shop.
class Avatar {
public:
    // The price with digit grouping.
    std::string priceString() const;

    ZUNO_PROPERTY(int16_t, avatarId, setAvatarId) = 0;
    ZUNO_PROPERTY(std::string, name, setName);
    ZUNO_PROPERTY(int32_t, price, setPrice) = 0;
    ZUNO_PROPERTY(ImagePtr, img, setImg);
};

// One top-up option.
class ChargeMoneyInfo {
public:
    ChargeMoneyInfo() = default;
    explicit ChargeMoneyInfo(int8_t type) : subId_(-1), type_(type) {}
    static std::shared_ptr<ChargeMoneyInfo> initWithType(int8_t type) {
        return std::make_shared<ChargeMoneyInfo>(type);
    }

    ZUNO_PROPERTY(std::string, info, setInfo);
    ZUNO_PROPERTY(std::string, smsContent, setSmsContent);
    ZUNO_PROPERTY(std::string, smsTo, setSmsTo);
    ZUNO_PROPERTY(int8_t, subId, setSubId) = 0;
    ZUNO_PROPERTY(int8_t, type, setType) = 0;
};

// One saved purchase line of the purchase history.
class TransactionMoneyInfo {
    ZUNO_PROPERTY(std::optional<std::string>, info, setInfo);
    ZUNO_PROPERTY(std::optional<std::string>, receiptContent, setReceiptContent);
    ZUNO_PROPERTY(std::optional<std::string>, userName, setUserName);
    ZUNO_PROPERTY(std::optional<std::string>, dateString, setDateString);
};

// A shop or gift category.
class CategoryShopInfo {
    ZUNO_PROPERTY(int32_t, categoryId, setCategoryId) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, name, setName);
    ZUNO_PROPERTY(int32_t, parentId, setParentId) = 0;
    ZUNO_PROPERTY(bool, hasChildren, setHasChildren) = false;
    ZUNO_PROPERTY(bool, hasParent, setHasParent) = false;
};

// An item of a shop page.
class ItemInfo {
    ZUNO_PROPERTY(int32_t, itemId, setItemId) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, name, setName);
    ZUNO_PROPERTY(int32_t, price, setPrice) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, function_desc, setFunction_desc);
    ZUNO_PROPERTY(bool, is_bought, setIs_bought) = false;
    ZUNO_PROPERTY(ImagePtr, imageIcon, setImageIcon);
};

// One page of a category of the shop or of the gifts.
class ItemsOfCategory {
    ZUNO_PROPERTY(int32_t, categoryId, setCategoryId) = 0;
    ZUNO_PROPERTY(int8_t, gender, setGender) = 0;
    ZUNO_PROPERTY(int32_t, totalPage, setTotalPage) = 0;
    ZUNO_PROPERTY(std::vector<std::shared_ptr<ItemInfo>>, itemList, setItemList);

public:
    std::vector<std::shared_ptr<ItemInfo>>& mutableItemList() { return itemList_; }
};

// Details of a shop item.
class AvatarDetail {
    ZUNO_PROPERTY(int32_t, itemId, setItemId) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, name, setName);
    ZUNO_PROPERTY(int32_t, price, setPrice) = 0;
    ZUNO_PROPERTY(int16_t, effected_hours, setEffected_hours) = 0;
    ZUNO_PROPERTY(int16_t, level_req, setLevel_req) = 0;
    ZUNO_PROPERTY(int32_t, score_of_fame, setScore_of_fame) = 0;
    ZUNO_PROPERTY(int8_t, item_gender, setItem_gender) = 0;
    ZUNO_PROPERTY(bool, is_buy_or_sell, setIs_buy_or_sell) = false;
    ZUNO_PROPERTY(bool, is_give, setIs_give) = false;
    ZUNO_PROPERTY(int16_t, avatar_x, setAvatar_x) = 0;
    ZUNO_PROPERTY(int16_t, avatar_y, setAvatar_y) = 0;
    ZUNO_PROPERTY(int32_t, category_id, setCategory_id) = 0;
    ZUNO_PROPERTY(int16_t, z_index, setZ_index) = 0;
};

// An owned item of a wardrobe page.
class UserItemInfo {
    ZUNO_PROPERTY(int32_t, userItemId, setUserItemId) = 0;
    ZUNO_PROPERTY(int32_t, itemId, setItemId) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, name, setName);
    ZUNO_PROPERTY(int32_t, price, setPrice) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, short_desc, setShort_desc);
    ZUNO_PROPERTY(bool, is_using, setIs_using) = false;
    ZUNO_PROPERTY(ImagePtr, imageIcon, setImageIcon);
};

// One page of owned items of a category.
class UserItemsOfCategory {
    ZUNO_PROPERTY(int32_t, categoryId, setCategoryId) = 0;
    ZUNO_PROPERTY(int8_t, gender, setGender) = 0;
    ZUNO_PROPERTY(int32_t, totalPage, setTotalPage) = 0;
    ZUNO_PROPERTY(std::vector<std::shared_ptr<UserItemInfo>>, userItemsList, setUserItemsList);

public:
    std::vector<std::shared_ptr<UserItemInfo>>& mutableUserItemsList() { return userItemsList_; }
};

// Details of an owned item.
class UserAvatarDetail {
    ZUNO_PROPERTY(int32_t, userItemId, setUserItemId) = 0;
    ZUNO_PROPERTY(int32_t, itemId, setItemId) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, name, setName);
    ZUNO_PROPERTY(std::optional<std::string>, expire_date, setExpire_date);
    ZUNO_PROPERTY(int8_t, is_buy_give, setIs_buy_give) = 0;
    ZUNO_PROPERTY(bool, is_using, setIs_using) = false;
    ZUNO_PROPERTY(int16_t, time_used, setTime_used) = 0;
    ZUNO_PROPERTY(int16_t, avatar_x, setAvatar_x) = 0;
    ZUNO_PROPERTY(int16_t, avatar_y, setAvatar_y) = 0;
    ZUNO_PROPERTY(int32_t, category_id, setCategory_id) = 0;
    ZUNO_PROPERTY(int16_t, z_index, setZ_index) = 0;
};

// One item that a user wears.
class UsingAvatar {
    ZUNO_PROPERTY(int32_t, itemId, setItemId) = 0;
    ZUNO_PROPERTY(int32_t, categoryId, setCategoryId) = 0;
};

}  // namespace zuno
