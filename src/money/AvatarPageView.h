#pragma once

#include <memory>

#include "lobby/model/ShopRecords.h"
#include "money/ItemPageView.h"

namespace zuno {

// The shop's owner of item pages: it also says which items are in the cart.
class ShopPageOwner : public ItemPageOwner {
public:
    virtual bool checkItemInGioHangWithItem(const ItemInfo& item) const = 0;
};

// A page of shop items: a bought item has a mark above its icon, an item in the cart one on its left.
class AvatarPageView : public ItemPageView {
public:
    AvatarPageView() : AvatarPageView(0, nullptr, std::weak_ptr<ShopPageOwner>()) {}
    AvatarPageView(int pageNumber, std::shared_ptr<ItemsOfCategory> items, std::weak_ptr<ShopPageOwner> owner);

    std::shared_ptr<ItemsOfCategory> itemsOfCategory;
    std::shared_ptr<ui::ImageView> imageBought, imageInGioHang;

protected:
    size_t itemCount() const override;
    Cell cellAt(size_t index) const override;
    void addMarks(size_t index, double x, double y, double iconWidth, double iconHeight) override;
    // The bought mark stands over its icon, so the first row leaves it room under the tab strip.
    double roomAboveFirstRow() const override;

private:
    std::weak_ptr<ShopPageOwner> shop_;
};

}  // namespace zuno
