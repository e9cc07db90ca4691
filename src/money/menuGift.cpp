#include "money/menuGift.h"

#include <algorithm>
#include <cmath>

#include "lobby/GlobalService.h"
#include "money/ItemGrid.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "table/CurrentTable.h"

namespace zuno {

namespace {
constexpr const char* kNotATab = "-1";

std::string normalBackground(int index, int last) {
    if (index == 0) return "shop_menu_dau.png";
    return index == last ? "shop_menu_cuoi.png" : "shop_menu_giua.png";
}

std::string selectedBackground(int index, int last) {
    if (index == 0) return "cua-hang1.png";
    return index == last ? "cua-hang3.png" : "cua-hang2.png";
}

std::optional<int> tabIndex(const ui::Button& button) {
    const auto title = button.titleForState(ui::ControlState::Highlighted);
    if (!title || *title == kNotATab) return std::nullopt;
    return std::atoi(title->c_str());
}
}  // namespace

// ---- GiftPageView

const ui::BindingTable& GiftPageView::bindings() {
    using B = ui::Bind<GiftPageView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::action("itemClicked:", &GiftPageView::itemClicked)});
    return table;
}

GiftPageView::GiftPageView(int32_t page, std::shared_ptr<ItemsOfCategory> items, std::weak_ptr<menuGift> sheet)
    : ZunoViewController(std::string("GiftPageView")), pageNumber(page), itemsOfCategory(std::move(items)),
      sheet_(std::move(sheet)) {}

void GiftPageView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    layoutItems();
}

void GiftPageView::layoutItems() {
    std::vector<ItemGrid::Item> items;
    if (itemsOfCategory) {
        for (const auto& item : itemsOfCategory->itemList()) {
            if (!item) continue;
            sys::Log::debug("show " + item->name().value_or(""));
            items.push_back({item->itemId(), item->price(), item->imageIcon()});
        }
    }
    const ui::Size firstIcon = !items.empty() && items.front().icon ? items.front().icon->size() : ui::Size{};
    ItemGrid(firstIcon, view()->bounds().size).draw(*view(), items, this, "itemClicked:");
}

int32_t GiftPageView::priceOf(int32_t itemId) const {
    if (!itemsOfCategory) return 0;
    for (const auto& item : itemsOfCategory->itemList())
        if (item && item->itemId() == itemId) return item->price();
    return 0;
}

bool GiftPageView::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const {
    return orientation == ui::InterfaceOrientation::Portrait;
}

void GiftPageView::itemClicked(ui::Button* button) {
    auto sheet = sheet_.lock();
    CurrentTable table = CurrentTable::find();
    if (!button || !sheet || !table.host || !table.hasTable()) return;
    auto receiver = table.host->currentControlPlayer();
    // The receiver must still sit at the table.
    const bool seated = receiver && receiver->IDDB() != -1 &&
                        std::any_of(table.players.begin(), table.players.end(),
                                    [&](const PlayerPtr& p) { return p && p->IDDB() == receiver->IDDB(); });
    if (seated && sheet->takePurchase())
        GlobalService::getInstance().requestBuyGift(button->tag(), *table.roomId, *table.boardId, receiver->IDDB(),
                                                    priceOf(button->tag()));
    sheet->slideOut();
}

ZUNO_REGISTER_SCREEN(GiftPageView)

// ---- menuGift

const ui::BindingTable& menuGift::bindings() {
    using B = ui::Bind<menuGift>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("scrollView", &menuGift::scrollView),
                                         B::outlet("pageControl", &menuGift::pageControl),
                                         B::action("doChangeTab:", &menuGift::doChangeTab),
                                         B::action("changePage:", &menuGift::changePage),
                                         B::action("doCancel", &menuGift::doCancel)});
    return table;
}

menuGift::menuGift() : CustomUIActionSheetViewController(std::string("menuGift")) {}

void menuGift::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    if (auto panel = actionSheetView()) {
        for (const auto& child : panel->subviews())
            if (auto button = std::dynamic_pointer_cast<ui::Button>(child))
                button->setTitle(std::string(kNotATab), ui::ControlState::Highlighted);
    }
    bought_ = false;
    GlobalService::getInstance().requestGetCategory(kGiftCategory, 0, 0);
    currentPage_ = 0;
    theSecondInitScrollView = 0;
}

void menuGift::doCancel() { slideOut(); }

bool menuGift::takePurchase() {
    if (bought_) return false;
    bought_ = true;
    return true;
}

void menuGift::drawCategoryMenuWithCategoryList(const std::vector<std::shared_ptr<CategoryShopInfo>>& list) {
    auto panel = actionSheetView();
    if (!panel) return;
    for (const auto& old : tabs_) old->removeFromSuperview();
    tabs_.clear();
    listGifts = list;
    const int last = static_cast<int>(list.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        if (!list[i]) continue;
        auto tab = ui::Button::buttonWithType(ui::Button::Type::Custom);
        tab->setFrame(ui::Rect(130 + 50 * i, 0, 50, 20));
        tab->setTitle(list[i]->name());
        tab->setTitleColor(ui::Color::white());
        tab->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(12));
        // A name wider than the tab gets smaller rather than cut.
        tab->titleLabel()->setAdjustsFontSizeToFitWidth(true);
        tab->titleLabel()->setMinimumFontSize(8);
        if (i == 0) {
            tab->setBackgroundImage(ui::Image::imageNamed("cua-hang1.png"));
            viewingTabIndex = 0;
            // A new list starts a new pager, as a change of tab does.
            theSecondInitScrollView = 0;
            currentPage_ = 0;
            getItemsWithGift(list[i]->categoryId(), 0);
        } else {
            tab->setBackgroundImage(ui::Image::imageNamed(normalBackground(i, last)));
        }
        tab->setTitle(sys::format("%d", i), ui::ControlState::Highlighted);
        tab->setTag(list[i]->categoryId());
        tab->setShowsTouchWhenHighlighted(true);
        tab->addTarget(this, "doChangeTab:", ui::ControlEvent::TouchUpInside);
        panel->addSubview(tab);
        tabs_.push_back(tab);
    }
}

void menuGift::unActiveAllTab() {
    auto panel = actionSheetView();
    if (!panel) return;
    const int last = static_cast<int>(listGifts.size()) - 1;
    for (const auto& child : panel->subviews()) {
        auto button = std::dynamic_pointer_cast<ui::Button>(child);
        if (!button) continue;
        if (auto index = tabIndex(*button))
            button->setBackgroundImage(ui::Image::imageNamed(normalBackground(*index, last)));
    }
}

void menuGift::doChangeTab(ui::Button* button) {
    if (!button) return;
    const auto index = tabIndex(*button);
    if (!index || *index == viewingTabIndex) return;
    unActiveAllTab();
    button->setBackgroundImage(ui::Image::imageNamed(selectedBackground(*index, static_cast<int>(listGifts.size()) - 1)));
    viewingTabIndex = *index;
    theSecondInitScrollView = 0;
    currentPage_ = 0;
    getItemsWithGift(button->tag(), 0);
}

std::optional<int32_t> menuGift::selectedCategoryId() const {
    if (viewingTabIndex < 0 || viewingTabIndex >= static_cast<int>(listGifts.size()) || !listGifts[viewingTabIndex])
        return std::nullopt;
    return listGifts[viewingTabIndex]->categoryId();
}

void menuGift::loadPage(int page) {
    if (auto category = selectedCategoryId()) getItemsWithGift(*category, page);
}

void menuGift::changePage(ui::Object*) {
    if (!pageControl || !scrollView) return;
    currentPage_ = pageControl->currentPage();
    loadPage(currentPage_);
    const ui::Size size = scrollView->frame().size;
    scrollView->scrollRectToVisible(ui::Rect(size.width * currentPage_, 0, size.width, size.height), true);
    pageControlUsed = true;
}

void menuGift::scrollViewDidScroll(ui::ScrollView& scroll) {
    if (pageControlUsed) return;
    const double width = scroll.frame().size.width;
    if (width <= 0) return;
    const int page = static_cast<int>(std::floor((scroll.contentOffset().x - width / 2) / width)) + 1;
    if (pageControl) pageControl->setCurrentPage(page);
    if (page == currentPage_) return;
    currentPage_ = page;
    loadPage(page);
}

void menuGift::getItemsWithGift(int32_t categoryId, int page) {
    if (page < 0) return;
    const int32_t pages = giftSelected ? giftSelected->totalPage() : 0;
    if (page >= pages && page != 0) return;
    if (auto cached = Resources::getInstance().getItemsOfGift(categoryId, page)) {
        sys::Log::debug("lay tu memory");
        giftSelected = cached;
        updateItemsOfGift();
        return;
    }
    sys::Log::debug("lay tu server");
    loadingCategory_ = categoryId;
    loadingPage_ = page;
    freezePaging(true);
    GlobalService::getInstance().requestListItemsByGift(15, categoryId, static_cast<int8_t>(page));
}

void menuGift::onItemsOfGift(std::shared_ptr<ItemsOfCategory> page) {
    // Only the page asked for, of the category asked for: a late page of another tab is dropped.
    if (!page || !loadingPage_ || !loadingCategory_ || page->categoryId() != *loadingCategory_) return;
    Resources::getInstance().setItemsOfGift(page, page->categoryId(), *loadingPage_);
    loadingPage_.reset();
    loadingCategory_.reset();
    giftSelected = std::move(page);
    updateItemsOfGift();
}

void menuGift::freezePaging(bool frozen) {
    if (scrollView) scrollView->setScrollEnabled(!frozen);
    if (pageControl) pageControl->setEnabled(!frozen);
}

void menuGift::updateItemsOfGift() { waitForIcons(++iconWait_, kIconTries); }

void menuGift::waitForIcons(uint64_t generation, int triesLeft) {
    if (generation != iconWait_ || !giftSelected) return;
    bool complete = true;
    for (const auto& item : giftSelected->itemList()) {
        if (!item) continue;
        sys::Log::debug("item: " + item->name().value_or(""));
        if (item->imageIcon()) continue;
        if (auto icon = Resources::getInstance().getItemImageWithKey(item->itemId())) item->setImageIcon(icon);
        complete = false;
    }
    if (!complete && triesLeft > 0) {
        std::weak_ptr<menuGift> weak = std::static_pointer_cast<menuGift>(shared_from_this());
        sys::RunLoop::main().postDelayed(kIconRetrySeconds, [weak, generation, triesLeft] {
            if (auto self = weak.lock()) self->waitForIcons(generation, triesLeft - 1);
        });
        return;
    }
    if (theSecondInitScrollView == 0) {
        initScrollView();
        theSecondInitScrollView = 1;
    } else {
        drawScrollViewItemListWithPage(giftSelected, currentPage_);
    }
}

void menuGift::initScrollView() {
    if (!scrollView || !giftSelected) return;
    for (const auto& child : std::vector<std::shared_ptr<ui::View>>(scrollView->subviews())) child->removeFromSuperview();
    const int pages = std::max(0, giftSelected->totalPage());
    viewControllers.assign(static_cast<size_t>(pages), nullptr);
    const ui::Size size = scrollView->frame().size;
    scrollView->setPagingEnabled(true);
    scrollView->setContentSize(ui::Size{size.width * pages, size.height});
    scrollView->setContentOffset(ui::Point{0, 0}, true);
    scrollView->setShowsHorizontalScrollIndicator(false);
    scrollView->setShowsVerticalScrollIndicator(false);
    scrollView->setScrollsToTop(false);
    scrollView->setDelegate(std::static_pointer_cast<menuGift>(shared_from_this()));
    if (pageControl) {
        pageControl->setNumberOfPages(pages);
        pageControl->setCurrentPage(0);
    }
    drawScrollViewItemListWithPage(giftSelected, currentPage_);
}

void menuGift::drawScrollViewItemListWithPage(const std::shared_ptr<ItemsOfCategory>& items, int page) {
    freezePaging(false);
    if (page < 0 || page >= static_cast<int>(viewControllers.size()) || !scrollView) return;
    auto& slot = viewControllers[static_cast<size_t>(page)];
    if (!slot) slot = std::make_shared<GiftPageView>(page, items, std::static_pointer_cast<menuGift>(shared_from_this()));
    auto pageView = slot->view();
    if (!pageView->superviewPointer()) {
        ui::Rect frame = scrollView->frame();
        frame.origin = ui::Point{frame.size.width * currentPage_, 0};
        pageView->setFrame(frame);
        // The grid is laid out for the page's size.
        slot->layoutItems();
        scrollView->addSubview(pageView);
    }
    slot->hideLoadingScreen();
}

ZUNO_REGISTER_SCREEN(menuGift)

namespace {
// The same sheet in its upright interface file, for the Blocks table.
const bool uprightGiftSheetRegistered = (ui::ScreenFactory::registerScreen("menuGiftBlocks",
                                                                          [] {
                                                                              auto sheet = std::make_shared<menuGift>();
                                                                              sheet->setNibName("menuGiftBlocks");
                                                                              return sheet;
                                                                          }),
                                         true);
}  // namespace

}  // namespace zuno
