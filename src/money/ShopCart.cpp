#include "money/ShopCart.h"

namespace zuno {

ShopCart::ItemPtr ShopCart::itemOf(int32_t categoryId) const {
    auto it = items_.find(categoryId);
    return it == items_.end() ? nullptr : it->second;
}

void ShopCart::put(int32_t categoryId, ItemPtr item) {
    if (!item) return;
    take(categoryId);
    total_ += item->price();
    items_[categoryId] = std::move(item);
}

void ShopCart::take(int32_t categoryId) {
    auto it = items_.find(categoryId);
    if (it == items_.end()) return;
    total_ -= it->second->price();
    items_.erase(it);
}

void ShopCart::clear() {
    items_.clear();
    total_ = 0;
}

bool ShopCart::containsItem(int32_t itemId) const {
    for (const auto& [category, item] : items_)
        if (item->itemId() == itemId) return true;
    return false;
}

std::vector<int32_t> ShopCart::itemIds() const {
    std::vector<int32_t> ids;
    for (const auto& [category, item] : items_) ids.push_back(item->itemId());
    return ids;
}

bool ShopCart::startPaying() {
    if (paying_ || items_.empty()) return false;
    paying_ = true;
    payingFor_ = items_;
    return true;
}

void ShopCart::refused() {
    paying_ = false;
    payingFor_.clear();
}

std::map<int32_t, ShopCart::ItemPtr> ShopCart::paid() {
    std::map<int32_t, ItemPtr> bought = std::move(payingFor_);
    payingFor_.clear();
    paying_ = false;
    for (const auto& [category, item] : bought) {
        if (auto inCart = itemOf(category); inCart && inCart->itemId() == item->itemId()) take(category);
    }
    return bought;
}

}  // namespace zuno
