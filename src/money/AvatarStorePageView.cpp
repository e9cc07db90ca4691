#include "money/AvatarStorePageView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

AvatarStorePageView::AvatarStorePageView(int pageNumber, std::shared_ptr<UserItemsOfCategory> items,
                                         std::weak_ptr<ItemPageOwner> owner)
    : ItemPageView("AvatarStorePageView", pageNumber, std::move(owner)), userItemsOfCategory(std::move(items)) {}

size_t AvatarStorePageView::itemCount() const {
    return userItemsOfCategory ? userItemsOfCategory->userItemsList().size() : 0;
}

ItemPageView::Cell AvatarStorePageView::cellAt(size_t index) const {
    const auto& item = userItemsOfCategory->userItemsList()[index];
    if (!item) return {};
    return {item->userItemId(), item->price(), item->imageIcon()};
}

void AvatarStorePageView::addMarks(size_t index, double x, double y, double iconWidth, double) {
    const auto& item = userItemsOfCategory->userItemsList()[index];
    if (!item || !item->is_using()) return;
    imageStar = mark("btn_star_big_on.png", 0.6);
    const ui::Size size = imageStar->bounds().size;
    imageStar->setFrame(ui::Rect(x + iconWidth / 2 - size.width / 2, y - size.height, size.width, size.height));
    view()->addSubview(imageStar);
}

ZUNO_REGISTER_SCREEN(AvatarStorePageView)

}  // namespace zuno
