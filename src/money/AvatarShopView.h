#pragma once

#include <memory>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "money/AvatarCatalogView.h"
#include "money/AvatarPageView.h"
#include "money/ShopCart.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Label.h"

namespace zuno {

// The avatar tab of the shop: categories as rows of tabs (a second row slides in for sub-categories),
// pages of items, an item's details tried on the layered preview, and a cart of at most one item per
// category paid in one request. The server decides the purchase; the screen shows the result.
class AvatarShopView : public AvatarCatalogView, public ShopPageOwner, public ui::AlertViewDelegate {
    ZUNO_BINDINGS
public:
    enum PendingAnswer { kNone = 0, kReplace = 1, kPay = 2 };
    static constexpr double kSlideSeconds = 0.5;

    AvatarShopView() : AvatarShopView("AvatarShopView") {}
    explicit AvatarShopView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void setCategorySelected(std::shared_ptr<ItemsOfCategory> items) { categorySelected = std::move(items); }
    void setAvatarSelected(std::shared_ptr<AvatarDetail> detail) { avatarSelected = std::move(detail); }
    // A detail arrived: an item of the worn list is placed only; any other is shown as tapped.
    void detailArrived(std::shared_ptr<AvatarDetail> detail);
    void showAvatarDetail();
    void updateBuyAvatarSuccess(int64_t paid);
    void updateBuyAvatarFail() { gioHang.refused(); }

    void itemPressed(int32_t itemId) override;
    void pageDrawn() override { AvatarCatalogView::pageDrawn(); }
    bool checkItemInGioHangWithItem(const ItemInfo& item) const override { return gioHang.containsItem(item.itemId()); }

    void addOrDeleteFromGioHang(ui::Object* sender);
    void xoaGioHang(ui::Object* sender);
    void thanhToan(ui::Object* sender);
    void doBackShop();
    void clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) override;

    const ShopCart& cart() const { return gioHang; }
    std::shared_ptr<ItemsOfCategory> shownItems() const { return categorySelected; }

    std::shared_ptr<ui::Label> lHienThi, lCapDo, lGioitinh, lMuaBan, lTang, lTongTien;
    std::shared_ptr<ui::Label> result_lHienThi, result_lCapDo, result_lGioitinh, result_lMuaBan, result_lTang,
        result_lTongTien;
    std::shared_ptr<ui::Button> btnGioHang, btnXoaGioHang, btnThanhToan, btnPhongThu, btnBackShop;
    std::shared_ptr<ui::ImageView> imgShopMenu;

    std::shared_ptr<ItemsOfCategory> categorySelected;
    std::shared_ptr<AvatarDetail> avatarSelected;
    int statusGioHang = 1;
    int okValue = kNone;
    bool load_done = false;

protected:
    int8_t screenKind() const override { return 0; }
    TabRowStyle tabStyle() const override;
    bool takeCachedItems(int32_t categoryId) override;
    int32_t shownCategoryId() const override { return categorySelected ? categorySelected->categoryId() : 0; }
    int32_t shownTotalPages() const override { return categorySelected ? categorySelected->totalPage() : 0; }
    size_t shownItemCount() const override { return categorySelected ? categorySelected->itemList().size() : 0; }
    bool fillIcons(size_t from, bool placeholders) override;
    void storeShownItems() override;
    void firstItemsArrived() override;
    std::shared_ptr<ui::ViewController> makePage(int page) override;
    void redrawPage(ui::ViewController& page) override;
    void requestItemsPage(int page) override;
    void firstRowDrawn() override;
    void highlightTab(int32_t categoryId, bool secondRow) override;
    void presentSecondRow(const std::vector<std::shared_ptr<CategoryShopInfo>>& categories) override;

private:
    std::vector<std::shared_ptr<ui::Label>> detailLabels() const;
    std::shared_ptr<ItemInfo> selectedItem() const;
    void showCartButton(bool removes);
    void showTotal();
    void redrawCurrentPage();
    void ask(const std::string& message);

    ShopCart gioHang;
};

}  // namespace zuno
