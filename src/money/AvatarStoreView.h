#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "money/AvatarCatalogView.h"
#include "money/AvatarStorePageView.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Label.h"

namespace zuno {

// The wardrobe inside the profile's store tab: the items the player owns by category and in pages, an
// owned item's details tried on the layered preview, putting an item on or taking it off, and deleting
// one after a confirmation. Its tabs and pager follow the shop's, with two rows of tabs standing one
// below the other.
class AvatarStoreView : public AvatarCatalogView, public ItemPageOwner, public ui::AlertViewDelegate {
    ZUNO_BINDINGS
public:
    AvatarStoreView() : AvatarStoreView("AvatarStoreView") {}
    explicit AvatarStoreView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void setCategorySelected(std::shared_ptr<UserItemsOfCategory> items) { categorySelected = std::move(items); }
    void setUserAvatarSelected(std::shared_ptr<UserAvatarDetail> detail) { userAvatarSelected = std::move(detail); }
    void showUserAvatarDetail();
    // A worn item's detail: placed on the preview.
    void setUsingAvatar(std::shared_ptr<AvatarDetail> detail) { usingAvatar = std::move(detail); }
    void showUsingAvatarDetail();
    // A put-on or take-off was confirmed (answered: the item, when known, and whether it is worn now);
    // a deletion of that owned item was confirmed (answered when the item was worn).
    std::optional<WornChange> updateSetUsing();
    std::optional<WornChange> updateDeleteItem(int32_t userItemId);
    void updateChangeGender();
    // Copies the profile's worn layers onto the preview.
    void drawUsingAvatar();
    void resetTab();

    void itemPressed(int32_t userItemId) override;
    void pageDrawn() override { AvatarCatalogView::pageDrawn(); }
    void setUse(ui::Object* sender);
    void deleteItem(ui::Object* sender);
    void clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) override;

    std::shared_ptr<UserItemsOfCategory> shownItems() const { return categorySelected; }

    std::shared_ptr<ui::Label> lThoiGian, lHetHan, lNguon, lDung, result_lThoiGian, result_lHetHan, result_lNguon,
        result_lDung;
    std::shared_ptr<ui::Button> btnIsUsing, btnDelete, btnThayDo;

    std::shared_ptr<UserItemsOfCategory> categorySelected;
    std::shared_ptr<UserAvatarDetail> userAvatarSelected;
    std::shared_ptr<AvatarDetail> usingAvatar;
    // The request of the last put-on or take-off: the owned item and the wear flag sent.
    std::vector<int32_t> listSetUsing;
    bool setUsingWear = false;
    // Deletions asked and not yet confirmed.
    std::vector<std::shared_ptr<UserAvatarDetail>> pendingDeletions;
    bool changeGender = false;
    bool load_done = false;

protected:
    int8_t screenKind() const override { return 1; }
    TabRowStyle tabStyle() const override;
    bool takeCachedItems(int32_t categoryId) override;
    int32_t shownCategoryId() const override { return categorySelected ? categorySelected->categoryId() : 0; }
    int32_t shownTotalPages() const override { return categorySelected ? categorySelected->totalPage() : 0; }
    size_t shownItemCount() const override { return categorySelected ? categorySelected->userItemsList().size() : 0; }
    bool fillIcons(size_t from, bool placeholders) override;
    void storeShownItems() override;
    void firstItemsArrived() override { drawUsingAvatar(); }
    std::shared_ptr<ui::ViewController> makePage(int page) override;
    void redrawPage(ui::ViewController& page) override;
    void requestItemsPage(int page) override;
    void firstRowDrawn() override;
    void afterItemsShown() override;
    bool tabEnablesPager() const override { return false; }

private:
    void showDetailArea(bool shown);
    void redrawCurrentPage();
};

}  // namespace zuno
