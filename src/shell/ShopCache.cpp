#include "shell/ShopCache.h"

#include <algorithm>

#include "platform/core/Log.h"

namespace zuno {

namespace {
template <typename Map>
typename Map::mapped_type findIn(const Map& map, const typename Map::key_type& key) {
    auto it = map.find(key);
    return it == map.end() ? nullptr : it->second;
}
}  // namespace

std::string ShopCache::giftKey(int32_t categoryId, int32_t page) {
    return std::to_string(categoryId) + "_" + std::to_string(page);
}

ShopCache::ItemsPtr ShopCache::getItemsOfCategory(int32_t categoryId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return findIn(dictItemsOfCategory_, categoryId);
}

void ShopCache::setItemsOfCategory(ItemsPtr items, int32_t categoryId) {
    size_t count;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dictItemsOfCategory_[categoryId] = std::move(items);
        count = dictItemsOfCategory_.size();
    }
    sys::Log::format("Count dictItemsOfcategory:%zu", count);
}

ShopCache::UserItemsPtr ShopCache::getUserItemsOfCategory(int32_t categoryId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return findIn(dictUserItemsOfCategory_, categoryId);
}

void ShopCache::setUserItemsOfCategory(UserItemsPtr items, int32_t categoryId) {
    size_t count;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dictUserItemsOfCategory_[categoryId] = std::move(items);
        count = dictUserItemsOfCategory_.size();
    }
    sys::Log::format("Count dictUserItemsOfcategory:%zu", count);
}

std::shared_ptr<AvatarDetail> ShopCache::getAvatarDetailWithItemId(int32_t itemId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return findIn(dictAvatarDetail_, itemId);
}

void ShopCache::setAvatarDetail(std::shared_ptr<AvatarDetail> detail, int32_t itemId) {
    std::lock_guard<std::mutex> lock(mutex_);
    dictAvatarDetail_[itemId] = std::move(detail);
}

std::shared_ptr<UserAvatarDetail> ShopCache::getUserAvatarDetailWithUserItemId(int32_t userItemId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return findIn(dictUserAvatarDetail_, userItemId);
}

void ShopCache::setUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail, int32_t userItemId) {
    sys::Log::format("setUserAvatarDetailwithItemId:%d", userItemId);
    std::lock_guard<std::mutex> lock(mutex_);
    dictUserAvatarDetail_[userItemId] = std::move(detail);
}

void ShopCache::removeUserAvatarDetailWithUserItemId(int32_t userItemId) {
    std::lock_guard<std::mutex> lock(mutex_);
    dictUserAvatarDetail_.erase(userItemId);
}

ShopCache::ItemsPtr ShopCache::getItemsOfGift(int32_t categoryId, int32_t page) const {
    std::string key = giftKey(categoryId, page);
    sys::Log::line("Get item key: " + key);
    std::lock_guard<std::mutex> lock(mutex_);
    return findIn(dictItemsOfGift_, key);
}

void ShopCache::setItemsOfGift(ItemsPtr items, int32_t categoryId, int32_t page) {
    std::string key = giftKey(categoryId, page);
    sys::Log::line("Set item key: " + key);
    std::lock_guard<std::mutex> lock(mutex_);
    dictItemsOfGift_[key] = std::move(items);
}

std::shared_ptr<UsingAvatar> ShopCache::getUsingAvatar(int32_t itemId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return findIn(listUsingAvatar_, itemId);
}

void ShopCache::setUsingAvatar(std::shared_ptr<UsingAvatar> item, int32_t itemId) {
    std::lock_guard<std::mutex> lock(mutex_);
    listUsingAvatar_[itemId] = std::move(item);
}

std::map<int32_t, std::shared_ptr<UsingAvatar>> ShopCache::getListUsingAvatar() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return listUsingAvatar_;
}

void ShopCache::updateItemsOfCategory(int32_t categoryId, int32_t itemId) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto items = findIn(dictItemsOfCategory_, categoryId);
    if (!items) return;
    for (const auto& item : items->itemList()) {
        if (item && item->itemId() == itemId && !item->is_bought()) {
            item->setIs_bought(true);
            return;
        }
    }
}

void ShopCache::updateUserItemsOfCategory(int32_t categoryId, int32_t userItemId, bool isUsing) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto items = findIn(dictUserItemsOfCategory_, categoryId);
    if (!items) return;
    for (const auto& item : items->userItemsList()) {
        if (item) item->setIs_using(isUsing && item->userItemId() == userItemId);
    }
}

void ShopCache::updateUserAvatarDetailWithUserUsing(int32_t userItemId, bool isUsing) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [id, detail] : dictUserAvatarDetail_) {
        if (detail) detail->setIs_using(isUsing && detail->userItemId() == userItemId);
    }
}

void ShopCache::removeUserItemInfoFromCategory(int32_t categoryId, int32_t userItemId) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto items = findIn(dictUserItemsOfCategory_, categoryId);
    if (!items) return;
    auto& list = items->mutableUserItemsList();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const auto& item) { return item && item->userItemId() == userItemId; }),
               list.end());
}

void ShopCache::renewAvatarMemory() {
    std::lock_guard<std::mutex> lock(mutex_);
    dictItemsOfCategory_.clear();
    dictUserItemsOfCategory_.clear();
    dictAvatarDetail_.clear();
    dictUserAvatarDetail_.clear();
}

void ShopCache::forgetAccountItems() {
    renewAvatarMemory();
    std::lock_guard<std::mutex> lock(mutex_);
    listUsingAvatar_.clear();
}

}  // namespace zuno
