#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "lobby/model/ShopRecords.h"

namespace zuno {

// The avatar shop's cart: at most one item per category, with the total of their prices (64 bits, so
// no cart overflows it). One payment is on its way at a time; the cart may change meanwhile, and the
// server's answer settles the items that were asked for, not the cart as it is then.
class ShopCart {
public:
    using ItemPtr = std::shared_ptr<ItemInfo>;

    bool holds(int32_t categoryId) const { return items_.count(categoryId) != 0; }
    ItemPtr itemOf(int32_t categoryId) const;
    // Puts the item in for its category, in place of the one there (the total follows).
    void put(int32_t categoryId, ItemPtr item);
    void take(int32_t categoryId);
    void clear();
    bool containsItem(int32_t itemId) const;
    // The item ids to pay for, by category.
    std::vector<int32_t> itemIds() const;
    const std::map<int32_t, ItemPtr>& entries() const { return items_; }
    bool empty() const { return items_.empty(); }
    int64_t total() const { return total_; }

    // A payment was asked for the items in the cart now; false while one is already on its way
    // (nothing is to be sent).
    bool startPaying();
    bool paying() const { return paying_; }
    // The server refused the payment: the cart stays as it is.
    void refused();
    // The server took the payment: the items paid for leave the cart, what was put in since stays.
    // Answers the items paid for, by category.
    std::map<int32_t, ItemPtr> paid();

private:
    std::map<int32_t, ItemPtr> items_;
    int64_t total_ = 0;
    bool paying_ = false;
    std::map<int32_t, ItemPtr> payingFor_;
};

}  // namespace zuno
