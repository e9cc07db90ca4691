#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "money/CatalogNavigation.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollView.h"
#include "screens/AvatarLayers.h"
#include "screens/WornAvatarLoader.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// How a catalogue draws its rows of category tabs.
struct TabRowStyle {
    double firstX, stepX, firstRowY, secondRowY, secondRowShift, width, height, fontSize;
    // The second row slides in over the first (shop), or stands below it (wardrobe).
    bool slides;
};

// What the avatar shop and the wardrobe share: the tree of item categories drawn as rows of tabs, the
// pager over a category's pages of items (one page view per page, made when first shown), and the
// layered preview of the player's avatar in `roomImageView`. Each screen states its differences:
// which server screen it asks for (0 shop, 1 wardrobe), its items and their cache, its pages.
class AvatarCatalogView : public ZunoViewController, public ui::ScrollViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kIconPollSeconds = 0.033;
    static constexpr double kIconWaitSeconds = 3;
    // The smallest size a tab's title shrinks to (a name wider still is cut), and the room it leaves
    // on either side.
    static constexpr double kLeastTabFontSize = 8;
    static constexpr double kTabTitleMargin = 2;

    explicit AvatarCatalogView(std::string nibName);
    ~AvatarCatalogView() override;

    void viewDidLoad() override;

    // The user's data: its gender goes with every category request.
    void updateViewWithUserData(UserPtr user);
    void setUserProfile(UserPtr user) { userProfile = std::move(user); }
    // A root-level category list arrived: a new tree under its first entry.
    void updateViewWithCategoryId(int32_t categoryId);
    // A list of child categories arrived.
    void updateWithCategoryList(const std::vector<std::shared_ptr<CategoryShopInfo>>& categories);
    void categoryClicked(ui::Object* sender);
    // A page of items of a category arrived (after `setCategorySelected`).
    void updateAvatarView();
    // Whether a page reply of that category is the one on screen or asked for (a late reply of a
    // category left meanwhile is only cached).
    bool expectsItemsOf(int32_t categoryId) const;

    // The worn list: loaded one item at a time from its end (each detail comes back to the screen).
    void setListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) { listUsingAvatar = std::move(items); }
    void updateAvatarUsing();

    // Pager.
    void initScrollView();
    void drawScrollViewItemListWithPage(int page);
    void updateScrollViewItemListWithPage(int page);
    void pageChanged(ui::Object* sender);
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;
    void scrollViewDidEndDecelerating(ui::ScrollView& scrollView) override;
    void scrollViewDidEndScrollingAnimation(ui::ScrollView& scrollView) override;
    // A page view drew all its cells: a frozen pager moves again.
    void pageDrawn();
    bool pageLoading = false;

    const CategoryTree& categoryTree() const { return tree_; }
    const ItemPager& pager() const { return pager_; }
    const AvatarLayers& layers() const { return layers_; }
    const std::vector<std::shared_ptr<ui::Button>>& firstRow() const { return listMenu; }
    const std::vector<std::shared_ptr<ui::Button>>& secondRow() const { return listSubMenu; }
    int32_t selectedCategory() const { return selected; }
    const std::vector<std::shared_ptr<ui::ViewController>>& pageSlots() const { return viewControllers; }

    std::shared_ptr<ui::ScrollView> scrollView;
    std::shared_ptr<ui::PageControl> pageControl;
    std::shared_ptr<ui::ImageView> roomImageView;
    UserPtr userProfile;

protected:
    // 0 for the shop, 1 for the wardrobe.
    virtual int8_t screenKind() const = 0;
    virtual TabRowStyle tabStyle() const = 0;
    // The cached items of the category when their gender is the user's: they become the category on
    // screen. False when there are none.
    virtual bool takeCachedItems(int32_t categoryId) = 0;
    virtual int32_t shownCategoryId() const = 0;
    virtual int32_t shownTotalPages() const = 0;
    virtual size_t shownItemCount() const = 0;
    // Asks the cache for the icons of the items from that position on; true when every one is there.
    // With `placeholders` a missing icon becomes a placeholder picture.
    virtual bool fillIcons(size_t from, bool placeholders) = 0;
    virtual void storeShownItems() = 0;
    // Once per screen, when the first items arrive: the worn avatar is drawn.
    virtual void firstItemsArrived() = 0;
    virtual std::shared_ptr<ui::ViewController> makePage(int page) = 0;
    virtual void redrawPage(ui::ViewController& page) = 0;
    virtual void requestItemsPage(int page) = 0;
    // The items of a page are on screen.
    virtual void afterItemsShown() {}
    // A first row was drawn.
    virtual void firstRowDrawn() {}
    // A tab of a category not in the tree.
    virtual void unknownCategory(int32_t categoryId);
    // The tab highlight (the shop's only).
    virtual void highlightTab(int32_t categoryId, bool secondRow) {}
    virtual void secondRowShown(bool shown) {}
    // Draws a second row of tabs (the shop slides it in).
    virtual void presentSecondRow(const std::vector<std::shared_ptr<CategoryShopInfo>>& categories) {
        drawCategoryRow(categories, true);
    }
    // Choosing a tab enables the pager (the shop's only).
    virtual bool tabEnablesPager() const { return true; }
    // A detail arrived: the worn loader moves on when it is the one it asked for.
    bool wornDetailArrived(int32_t itemId) { return loader_.detailArrived(itemId); }
    bool awaitsWornDetail(int32_t itemId) const { return loader_.awaitedItem() == itemId; }
    // Puts the item's picture on the preview; false when the picture is not here yet.
    bool placeOnPreview(int32_t itemId, const AvatarPlacement& placement);
    // The category's items: from the cache, else asked.
    void openCategory(const std::shared_ptr<CategoryShopInfo>& category);
    void drawCategoryRow(const std::vector<std::shared_ptr<CategoryShopInfo>>& categories, bool secondRow);
    // Gives the items from that position on the icons the cache has (placeholders when asked); true
    // when every one has an icon.
    template <class ItemPtr>
    static bool fillIconsOf(std::vector<ItemPtr>& items, size_t from, bool placeholders) {
        bool all = true;
        for (size_t i = from; i < items.size(); ++i) {
            if (!items[i] || items[i]->imageIcon()) continue;
            auto icon = iconOf(items[i]->itemId(), placeholders);
            items[i]->setImageIcon(icon);
            if (!icon) all = false;
        }
        return all;
    }
    static ui::ImagePtr iconOf(int32_t itemId, bool placeholder);
    void removeRow(std::vector<std::shared_ptr<ui::Button>>& row);
    void setPagerEnabled(bool on);
    void requestCategory(int32_t categoryId);
    int8_t userGender() const { return userProfile ? userProfile->gender() : 0; }

    CategoryTree tree_;
    ItemPager pager_;
    AvatarLayers layers_{AvatarLayers::kShopOffset};
    int32_t selected = 0;
    bool thesecond = false;
    bool isSubmenu = false;
    bool theSecondInitScrollView = false;
    bool theSecondLoad = false;
    bool loadusing = false;
    std::vector<std::shared_ptr<ui::Button>> listMenu, listSubMenu;
    std::vector<std::shared_ptr<ui::ViewController>> viewControllers;  // null until the page is made
    std::vector<std::shared_ptr<UsingAvatar>> listUsingAvatar;
    std::optional<int32_t> awaitedCategory_;

private:
    void loadPage(int page);
    void waitForIcons();

    WornAvatarLoader loader_;
    sys::RunLoop::TimerId iconTimer_ = 0;
    double iconWaited_ = 0;
};

}  // namespace zuno
