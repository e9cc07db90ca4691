#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "platform/ui/Button.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollView.h"
#include "shell/CustomUIActionSheetViewController.h"
#include "shell/ZunoViewController.h"
#include "shell/TableSheetHost.h"

namespace zuno {

class menuGift;

// One page of a gift category's items: two rows of five, a tap buys the item for the player whose
// seat menu is open.
class GiftPageView : public ZunoViewController {
    ZUNO_BINDINGS
public:
    GiftPageView() : GiftPageView(0, nullptr, {}) {}
    GiftPageView(int32_t pageNumber, std::shared_ptr<ItemsOfCategory> items, std::weak_ptr<menuGift> sheet);

    void viewDidLoad() override;
    // Draws the grid for the view's size.
    void layoutItems();
    void itemClicked(ui::Button* button);
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const override;

    int32_t pageNumber = 0;
    std::shared_ptr<ItemsOfCategory> itemsOfCategory;

private:
    // What the page shows as the item's price.
    int32_t priceOf(int32_t itemId) const;

    std::weak_ptr<menuGift> sheet_;
};

// The table's gift sheet: the server's gift categories as tabs, and under them the chosen category's
// items, a page of ten at a time. Pages are fetched when reached and cached for the run; paging waits
// while a page loads. One purchase per showing.
class menuGift : public CustomUIActionSheetViewController, public GiftSheet, public ui::ScrollViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr int32_t kGiftCategory = 8;
    static constexpr double kIconRetrySeconds = 0.033;
    // Icons are awaited this many times at most; the page is then drawn with what came.
    static constexpr int kIconTries = 150;

    menuGift();

    void viewWillAppear(bool animated) override;

    // GiftSheet
    void drawCategoryMenuWithCategoryList(const std::vector<std::shared_ptr<CategoryShopInfo>>& list) override;
    int currentPage() const override { return currentPage_; }
    void setGiftSelected(std::shared_ptr<ItemsOfCategory> gift) override { giftSelected = std::move(gift); }
    void updateItemsOfGift() override;
    void onItemsOfGift(std::shared_ptr<ItemsOfCategory> page) override;

    void setCurrentPage(int page) { currentPage_ = page; }
    void doCancel();
    void doChangeTab(ui::Button* button);
    void unActiveAllTab();
    void changePage(ui::Object* sender);
    void scrollViewWillBeginDragging(ui::ScrollView& scrollView) override { pageControlUsed = false; }
    void scrollViewDidEndDecelerating(ui::ScrollView& scrollView) override { pageControlUsed = false; }
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;
    void drawScrollViewItemListWithPage(const std::shared_ptr<ItemsOfCategory>& items, int page);
    void initScrollView();
    void getItemsWithGift(int32_t categoryId, int page);

    // The purchase of this showing; NO when one was made already.
    bool takePurchase();
    // The page being fetched from the server, if any.
    std::optional<int> pageLoading() const { return loadingPage_; }

    std::shared_ptr<ui::ScrollView> scrollView;
    std::shared_ptr<ui::PageControl> pageControl;
    std::vector<std::shared_ptr<GiftPageView>> viewControllers;  // null: a page not drawn yet
    std::vector<std::shared_ptr<CategoryShopInfo>> listGifts;
    int32_t viewingTabIndex = 0;
    std::shared_ptr<ItemsOfCategory> giftSelected;
    int32_t selected = 0;
    bool pageControlUsed = false;
    int32_t theSecondInitScrollView = 0;

private:
    std::optional<int32_t> selectedCategoryId() const;
    void loadPage(int page);
    void freezePaging(bool frozen);
    void waitForIcons(uint64_t generation, int triesLeft);

    int currentPage_ = 0;
    std::vector<std::shared_ptr<ui::Button>> tabs_;
    std::optional<int32_t> loadingCategory_;
    std::optional<int> loadingPage_;
    uint64_t iconWait_ = 0;  // a newer wait ends the older ones
    bool bought_ = false;
};

}  // namespace zuno
