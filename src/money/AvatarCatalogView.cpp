#include "money/AvatarCatalogView.h"

#include <algorithm>
#include <cmath>

#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

const ui::BindingTable& AvatarCatalogView::bindings() {
    using B = ui::Bind<AvatarCatalogView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("scrollView", &AvatarCatalogView::scrollView),
                                            B::outlet("pageControl", &AvatarCatalogView::pageControl),
                                            B::outlet("roomImageView", &AvatarCatalogView::roomImageView),
                                            B::action("categoryClicked:", &AvatarCatalogView::categoryClicked),
                                            B::action("pageChanged:", &AvatarCatalogView::pageChanged),
                                        });
    return table;
}

AvatarCatalogView::AvatarCatalogView(std::string nibName)
    : ZunoViewController(std::move(nibName)),
      loader_([](int32_t itemId) { return Resources::getInstance().getItemImageWithKey(itemId); },
              [](int32_t itemId) { GlobalService::getInstance().requestGetAvatarDetail(itemId); },
              [this] {
                  loadusing = true;
                  hideLoadingScreen();
              }) {}

AvatarCatalogView::~AvatarCatalogView() {
    if (iconTimer_) sys::RunLoop::main().cancel(iconTimer_);
}

void AvatarCatalogView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    layers_.setHost(roomImageView);
}

void AvatarCatalogView::updateViewWithUserData(UserPtr user) { userProfile = std::move(user); }

void AvatarCatalogView::requestCategory(int32_t categoryId) {
    GlobalService::getInstance().requestGetCategory(categoryId, userGender(), screenKind());
}

void AvatarCatalogView::updateViewWithCategoryId(int32_t categoryId) {
    tree_.reset(categoryId);
    // A new tree (the wardrobe asks for it each time its tab opens) draws its first list as the
    // first row again, over the old one, not as a second row under it, and a new pager for the
    // category it opens.
    thesecond = false;
    theSecondInitScrollView = false;
    requestCategory(categoryId);
}

void AvatarCatalogView::updateWithCategoryList(const std::vector<std::shared_ptr<CategoryShopInfo>>& categories) {
    if (categories.empty() || !categories.front()) return;
    tree_.add(categories);
    if (!thesecond) {
        drawCategoryRow(categories, false);
        thesecond = true;
        listSubMenu.clear();
    } else {
        presentSecondRow(categories);
    }
    openCategory(categories.front());
}

void AvatarCatalogView::openCategory(const std::shared_ptr<CategoryShopInfo>& category) {
    if (takeCachedItems(category->categoryId())) {
        awaitedCategory_.reset();
        updateAvatarView();
        return;
    }
    awaitedCategory_ = category->categoryId();
    requestCategory(category->categoryId());
}

bool AvatarCatalogView::expectsItemsOf(int32_t categoryId) const {
    if (awaitedCategory_) return *awaitedCategory_ == categoryId;
    return pager_.waiting() && shownCategoryId() == categoryId;
}

void AvatarCatalogView::removeRow(std::vector<std::shared_ptr<ui::Button>>& row) {
    for (const auto& button : row) button->removeFromSuperview();
    row.clear();
}

void AvatarCatalogView::drawCategoryRow(const std::vector<std::shared_ptr<CategoryShopInfo>>& categories, bool secondRow) {
    const TabRowStyle style = tabStyle();
    if (style.slides || !secondRow) {
        removeRow(listMenu);
        removeRow(listSubMenu);
    } else {
        removeRow(listSubMenu);
    }
    isSubmenu = secondRow;
    auto& row = secondRow ? listSubMenu : listMenu;
    for (size_t i = 0; i < categories.size(); ++i) {
        const auto& category = categories[i];
        auto button = std::make_shared<ui::Button>(ui::Button::Type::Custom);
        const double x = style.stepX * double(i) + style.firstX + (secondRow ? style.secondRowShift : 0);
        button->setFrame(ui::Rect(x, secondRow ? style.secondRowY : style.firstRowY, style.width, style.height));
        button->setTitle(category->name().value_or(std::string()));
        button->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(style.fontSize));
        // A category's name wider than its tab gets smaller rather than cut (cut, the kinds of shirt
        // all read "Áo..."), with room on either side that keeps it apart from its neighbours'.
        button->titleLabel()->setAdjustsFontSizeToFitWidth(true);
        button->titleLabel()->setMinimumFontSize(kLeastTabFontSize);
        button->setContentEdgeInsets({0, kTabTitleMargin, 0, kTabTitleMargin});
        button->setTitleColor(ui::Color::white());
        button->setTag(category->categoryId() + 6);
        button->setShowsTouchWhenHighlighted(true);
        button->addTarget(this, "categoryClicked:", ui::ControlEvent::TouchUpInside);
        row.push_back(button);
        view()->addSubview(button);
    }
    if (!secondRow) firstRowDrawn();
    secondRowShown(secondRow);
}

void AvatarCatalogView::unknownCategory(int32_t) { sys::Log::debug("Khong ton tai doi tuong nay"); }

void AvatarCatalogView::setPagerEnabled(bool on) {
    scrollView->setScrollEnabled(on);
    pageControl->setEnabled(on);
}

void AvatarCatalogView::categoryClicked(ui::Object* sender) {
    auto* tab = dynamic_cast<ui::View*>(sender);
    if (!tab) return;
    const int32_t categoryId = tab->tag() - 6;
    if (categoryId == selected) return;
    pager_.flagInit = true;
    pageLoading = false;
    selected = categoryId;
    const bool fromSecondRow = std::find(listSubMenu.begin(), listSubMenu.end(), tab->sharedFromThis()) != listSubMenu.end();
    highlightTab(categoryId, fromSecondRow);
    if (tabEnablesPager()) setPagerEnabled(true);
    auto category = tree_.find(categoryId);
    if (!category) {
        unknownCategory(categoryId);
        return;
    }
    if (isSubmenu && !category->hasParent() && tabStyle().slides) {
        removeRow(listSubMenu);
        isSubmenu = false;
        secondRowShown(false);
    }
    std::shared_ptr<CategoryShopInfo> opened = category;
    if (category->hasChildren()) {
        const auto children = tree_.childrenOf(categoryId);
        if (!children.empty()) {
            presentSecondRow(children);
            opened = children.front();
        }
    }
    theSecondInitScrollView = false;
    openCategory(opened);
}

void AvatarCatalogView::waitForIcons() {
    std::weak_ptr<ui::ViewController> weak = std::static_pointer_cast<ui::ViewController>(shared_from_this());
    iconTimer_ = sys::RunLoop::main().postDelayed(kIconPollSeconds, [this, weak] {
        iconTimer_ = 0;
        if (weak.lock()) updateAvatarView();
    });
}

void AvatarCatalogView::updateAvatarView() {
    if (iconTimer_) sys::RunLoop::main().cancel(iconTimer_);
    iconTimer_ = 0;
    const size_t from = size_t(std::max(0, pager_.page())) * ItemPager::kItemsPerPage;
    // Missing icons are waited for a few seconds, then drawn as placeholders.
    const bool giveUp = iconWaited_ >= kIconWaitSeconds;
    if (!fillIcons(from, giveUp)) {
        iconWaited_ += kIconPollSeconds;
        waitForIcons();
        return;
    }
    iconWaited_ = 0;
    awaitedCategory_.reset();
    storeShownItems();
    if (!theSecondLoad) {
        theSecondLoad = true;
        firstItemsArrived();
    }
    selected = shownCategoryId();
    if (pager_.waiting()) {
        if (auto next = pager_.pageArrived(shownItemCount())) {
            requestItemsPage(*next);
            return;
        }
    }
    if (!theSecondInitScrollView) {
        theSecondInitScrollView = true;
        initScrollView();
    } else {
        drawScrollViewItemListWithPage(pager_.page());
    }
    afterItemsShown();
}

void AvatarCatalogView::initScrollView() {
    for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(scrollView->subviews())) sub->removeFromSuperview();
    const int32_t total = std::max(0, shownTotalPages());
    pager_.start(total);
    viewControllers.assign(size_t(total), nullptr);
    const ui::Size size = scrollView->bounds().size;
    scrollView->setPagingEnabled(true);
    scrollView->setContentSize(ui::Size{size.width * total, size.height});
    scrollView->setContentOffset(ui::Point{0, 0}, true);
    scrollView->setShowsHorizontalScrollIndicator(false);
    scrollView->setShowsVerticalScrollIndicator(false);
    scrollView->setScrollsToTop(false);
    scrollView->setDelegate(std::dynamic_pointer_cast<ui::ScrollViewDelegate>(shared_from_this()));
    pageControl->setNumberOfPages(total);
    pageControl->setCurrentPage(0);
    drawScrollViewItemListWithPage(0);
}

void AvatarCatalogView::drawScrollViewItemListWithPage(int page) {
    if (page < 0 || page >= int(viewControllers.size())) return;
    auto& slot = viewControllers[size_t(page)];
    if (!slot) {
        slot = makePage(page);
        if (!slot) return;
    } else {
        redrawPage(*slot);
    }
    auto pageView = slot->view();
    if (pageView->superviewPointer() != scrollView.get()) {
        const ui::Size size = scrollView->bounds().size;
        const bool resized = pageView->bounds().size != size;
        pageView->setFrame(ui::Rect(size.width * page, 0, size.width, size.height));
        scrollView->addSubview(pageView);
        // A page first drew itself at its interface file's size: its cells are spread over the pager's.
        if (resized) redrawPage(*slot);
    }
}

void AvatarCatalogView::updateScrollViewItemListWithPage(int page) { drawScrollViewItemListWithPage(page); }

void AvatarCatalogView::pageDrawn() {
    if (!pageLoading || pager_.waiting()) return;
    setPagerEnabled(true);
    pageLoading = false;
    hideLoadingScreen();
}

void AvatarCatalogView::loadPage(int page) {
    switch (pager_.moveTo(page, shownItemCount())) {
        case ItemPager::Step::None:
            break;
        case ItemPager::Step::Draw:
            pageLoading = true;
            drawScrollViewItemListWithPage(page);
            break;
        case ItemPager::Step::Request:
            pageLoading = true;
            showLoadingScreen();
            setPagerEnabled(false);
            requestItemsPage(*pager_.requested());
            break;
    }
}

void AvatarCatalogView::scrollViewDidScroll(ui::ScrollView& scroll) {
    auto page = pager_.pageAtOffset(scroll.contentOffset().x, scroll.bounds().size.width);
    if (!page) return;
    pageControl->setCurrentPage(*page);
    loadPage(*page);
}

void AvatarCatalogView::pageChanged(ui::Object*) {
    const int page = pageControl->currentPage();
    loadPage(page);
    const ui::Size size = scrollView->bounds().size;
    scrollView->scrollRectToVisible(ui::Rect(size.width * page, 0, size.width, size.height), true);
    pager_.pageControlUsed = true;
}

void AvatarCatalogView::scrollViewDidEndDecelerating(ui::ScrollView&) { pager_.pageControlUsed = false; }

void AvatarCatalogView::scrollViewDidEndScrollingAnimation(ui::ScrollView&) { pager_.pageControlUsed = false; }

ui::ImagePtr AvatarCatalogView::iconOf(int32_t itemId, bool placeholder) {
    auto icon = Resources::getInstance().getItemImageWithKey(itemId);
    if (!icon && placeholder) icon = ui::Image::imageNamed("item-icon.png");
    return icon;
}

bool AvatarCatalogView::placeOnPreview(int32_t itemId, const AvatarPlacement& placement) {
    auto picture = Resources::getInstance().getItemImageWithKey(itemId);
    if (!picture) return false;
    layers_.place(placement, picture);
    return true;
}

void AvatarCatalogView::updateAvatarUsing() { loader_.start(listUsingAvatar); }

}  // namespace zuno
