#include "money/AvatarPageView.h"

#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"

namespace zuno {

namespace {
const char* const kBoughtMark = "avatar_icon_buy.png";
constexpr double kBoughtMarkGap = 3;  // between the mark and its icon
}  // namespace

AvatarPageView::AvatarPageView(int pageNumber, std::shared_ptr<ItemsOfCategory> items, std::weak_ptr<ShopPageOwner> owner)
    : ItemPageView("AvatarPageView", pageNumber, owner), itemsOfCategory(std::move(items)), shop_(std::move(owner)) {}

size_t AvatarPageView::itemCount() const { return itemsOfCategory ? itemsOfCategory->itemList().size() : 0; }

ItemPageView::Cell AvatarPageView::cellAt(size_t index) const {
    const auto& item = itemsOfCategory->itemList()[index];
    if (!item) return {};
    return {item->itemId(), item->price(), item->imageIcon()};
}

void AvatarPageView::addMarks(size_t index, double x, double y, double iconWidth, double iconHeight) {
    const auto& item = itemsOfCategory->itemList()[index];
    if (!item) return;
    if (item->is_bought()) {
        imageBought = mark(kBoughtMark, 1);
        const ui::Size size = imageBought->bounds().size;
        imageBought->setFrame(
            ui::Rect(x + iconWidth / 2 - size.width / 2, y - (size.height + kBoughtMarkGap), size.width, size.height));
        view()->addSubview(imageBought);
    }
    auto shop = shop_.lock();
    if (shop && shop->checkItemInGioHangWithItem(*item)) {
        imageInGioHang = mark("avatar_icon_cart.png", 0.8);
        const ui::Size size = imageInGioHang->bounds().size;
        imageInGioHang->setFrame(
            ui::Rect(x - size.width / 2 - 7, y + iconHeight / 2 - size.height / 2, size.width, size.height));
        view()->addSubview(imageInGioHang);
    }
}

double AvatarPageView::roomAboveFirstRow() const {
    const auto picture = ui::Image::imageNamed(kBoughtMark);
    return (picture ? picture->size().height : 0) + kBoughtMarkGap;
}

ZUNO_REGISTER_SCREEN(AvatarPageView)

}  // namespace zuno
