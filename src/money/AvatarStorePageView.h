#pragma once

#include <memory>

#include "lobby/model/ShopRecords.h"
#include "money/ItemPageView.h"

namespace zuno {

// A page of owned items: the worn item has a star above its icon. A tap names the owned copy.
class AvatarStorePageView : public ItemPageView {
public:
    AvatarStorePageView() : AvatarStorePageView(0, nullptr, std::weak_ptr<ItemPageOwner>()) {}
    AvatarStorePageView(int pageNumber, std::shared_ptr<UserItemsOfCategory> items, std::weak_ptr<ItemPageOwner> owner);

    std::shared_ptr<UserItemsOfCategory> userItemsOfCategory;
    std::shared_ptr<ui::ImageView> imageStar;

protected:
    size_t itemCount() const override;
    Cell cellAt(size_t index) const override;
    void addMarks(size_t index, double x, double y, double iconWidth, double iconHeight) override;
    void forgetMarks() override { imageStar.reset(); }
};

}  // namespace zuno
