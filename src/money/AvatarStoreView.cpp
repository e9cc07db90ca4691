#include "money/AvatarStoreView.h"

#include <algorithm>

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/CustomAlertView.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

const ui::BindingTable& AvatarStoreView::bindings() {
    using B = ui::Bind<AvatarStoreView>;
    static const ui::BindingTable table(&AvatarCatalogView::bindings(),
                                        {
                                            B::outlet("lThoiGian", &AvatarStoreView::lThoiGian),
                                            B::outlet("lHetHan", &AvatarStoreView::lHetHan),
                                            B::outlet("lNguon", &AvatarStoreView::lNguon),
                                            B::outlet("lDung", &AvatarStoreView::lDung),
                                            B::outlet("result_lThoiGian", &AvatarStoreView::result_lThoiGian),
                                            B::outlet("result_lHetHan", &AvatarStoreView::result_lHetHan),
                                            B::outlet("result_lNguon", &AvatarStoreView::result_lNguon),
                                            B::outlet("result_lDung", &AvatarStoreView::result_lDung),
                                            B::outlet("btnIsUsing", &AvatarStoreView::btnIsUsing),
                                            B::outlet("btnDelete", &AvatarStoreView::btnDelete),
                                            B::outlet("btnThayDo", &AvatarStoreView::btnThayDo),
                                            B::action("setUse:", &AvatarStoreView::setUse),
                                            B::action("deleteItem:", &AvatarStoreView::deleteItem),
                                        });
    return table;
}

AvatarStoreView::AvatarStoreView(std::string nibName) : AvatarCatalogView(std::move(nibName)) {}

void AvatarStoreView::viewDidLoad() {
    AvatarCatalogView::viewDidLoad();
    viewWillAppear(false);
}

void AvatarStoreView::viewWillAppear(bool animated) {
    AvatarCatalogView::viewWillAppear(animated);
    btnThayDo->setTitle(text("ZUNO_PhongThayDo"));
    btnDelete->setTitle(text("ZUNO_button_xoa_item"));
    btnIsUsing->setTitle(text("ZUNO_button_chondung"));
}

TabRowStyle AvatarStoreView::tabStyle() const { return {160, 59, 5, 31, 0, 58, 23, 12, false}; }

bool AvatarStoreView::takeCachedItems(int32_t categoryId) {
    auto cached = Resources::getInstance().getUserItemsOfCategory(categoryId);
    if (!cached || cached->gender() != userGender()) return false;
    categorySelected = cached;
    return true;
}

bool AvatarStoreView::fillIcons(size_t from, bool placeholders) {
    if (!categorySelected) return true;
    const bool all = fillIconsOf(categorySelected->mutableUserItemsList(), from, placeholders);
    if (!all) sys::Log::debug("Update");
    return all;
}

void AvatarStoreView::storeShownItems() {
    auto& resources = Resources::getInstance();
    if (!resources.getUserItemsOfCategory(categorySelected->categoryId()))
        resources.setUserItemsOfCategory(categorySelected, categorySelected->categoryId());
}

std::shared_ptr<ui::ViewController> AvatarStoreView::makePage(int page) {
    std::weak_ptr<ItemPageOwner> owner = std::dynamic_pointer_cast<ItemPageOwner>(shared_from_this());
    return std::make_shared<AvatarStorePageView>(page, categorySelected, owner);
}

void AvatarStoreView::redrawPage(ui::ViewController& page) {
    if (auto items = dynamic_cast<AvatarStorePageView*>(&page)) {
        items->userItemsOfCategory = categorySelected;
        items->updatePage();
    }
}

void AvatarStoreView::requestItemsPage(int page) {
    GlobalService::getInstance().requestGetUserItemsByCategory(categorySelected->categoryId(), int8_t(page),
                                                               categorySelected->gender());
}

void AvatarStoreView::firstRowDrawn() { changeGender = false; }

void AvatarStoreView::afterItemsShown() {
    hideLoadingScreen();
    setPagerEnabled(true);
}

void AvatarStoreView::drawUsingAvatar() {
    layers_.clear();
    auto& resources = Resources::getInstance();
    const auto keys = resources.getListKeysUsingAvatar();
    const auto views = resources.getListValuesUsingAvatar();
    std::vector<std::pair<int32_t, ui::ImageViewPtr>> sources;
    for (size_t i = 0; i < keys.size() && i < views.size(); ++i) sources.emplace_back(keys[i], views[i]);
    layers_.copyFrom(sources, AvatarLayers::kCopyShift);
}

void AvatarStoreView::resetTab() {
    for (const auto& button : listMenu) button->setBackgroundImage(nullptr);
    for (const auto& button : listSubMenu) button->setBackgroundImage(nullptr);
}

void AvatarStoreView::showDetailArea(bool shown) {
    for (const auto& label : {lThoiGian, lHetHan, lNguon, lDung, result_lThoiGian, result_lHetHan, result_lNguon, result_lDung})
        label->setHidden(!shown);
    btnIsUsing->setHidden(!shown);
    btnDelete->setHidden(!shown);
}

void AvatarStoreView::redrawCurrentPage() { updateScrollViewItemListWithPage(pager_.page()); }

void AvatarStoreView::itemPressed(int32_t userItemId) {
    load_done = true;
    if (auto detail = Resources::getInstance().getUserAvatarDetailWithUserItemId(userItemId)) {
        userAvatarSelected = detail;
        showUserAvatarDetail();
        return;
    }
    GlobalService::getInstance().requestGetUserAvatarDetail(userItemId);
}

void AvatarStoreView::showUserAvatarDetail() {
    if (!userAvatarSelected) return;
    const UserAvatarDetail& d = *userAvatarSelected;
    if (!placeOnPreview(d.itemId(), {d.category_id(), d.avatar_x(), d.avatar_y(), d.z_index()})) {
        sys::Log::debug("khong lay duoc image");
        return;
    }
    if (!load_done) return;
    showDetailArea(true);
    lThoiGian->setText(text("ZUNO_timed"));
    result_lThoiGian->setText(sys::format("%dh", d.time_used()));
    lHetHan->setText(text("ZUNO_expired"));
    result_lHetHan->setText(d.expire_date().value_or(std::string()));
    lNguon->setText(text("ZUNO_nguon"));
    result_lNguon->setText(text(d.is_buy_give() != 0 ? "ZUNO_nguon_tang" : "ZUNO_nguon_mua"));
    lDung->setText(text("ZUNO_dung"));
    result_lDung->setText(text(d.is_using() ? "ZUNO_yes" : "ZUNO_no"));
    btnIsUsing->setTitle(text(d.is_using() ? "ZUNO_button_bodung" : "ZUNO_button_chondung"));
}

void AvatarStoreView::showUsingAvatarDetail() {
    if (!usingAvatar) return;
    const AvatarDetail& d = *usingAvatar;
    if (!placeOnPreview(d.itemId(), {d.category_id(), d.avatar_x(), d.avatar_y(), d.z_index()}))
        sys::Log::debug("khong lay duoc image");
    wornDetailArrived(d.itemId());
}

void AvatarStoreView::setUse(ui::Object*) {
    if (!userAvatarSelected) return;
    listSetUsing = {userAvatarSelected->userItemId()};
    setUsingWear = !userAvatarSelected->is_using();
    GlobalService::getInstance().requestSetUsing(listSetUsing, setUsingWear);
}

std::optional<WornChange> AvatarStoreView::updateSetUsing() {
    if (listSetUsing.empty()) return std::nullopt;
    const int32_t userItemId = listSetUsing.front();
    auto& resources = Resources::getInstance();
    auto detail = resources.getUserAvatarDetailWithUserItemId(userItemId);
    if (!detail && userAvatarSelected && userAvatarSelected->userItemId() == userItemId) detail = userAvatarSelected;
    if (detail) {
        const int32_t category = detail->category_id();
        if (categorySelected && categorySelected->categoryId() == category) {
            for (const auto& item : categorySelected->userItemsList())
                if (item) item->setIs_using(setUsingWear && item->userItemId() == userItemId);
        }
        resources.updateUserItemsOfCategory(category, userItemId, setUsingWear);
        detail->setIs_using(setUsingWear);
    }
    resources.updateUserAvatarDetailWithUserUsing(userItemId, setUsingWear);
    if (userAvatarSelected && userAvatarSelected->userItemId() == userItemId) {
        userAvatarSelected->setIs_using(setUsingWear);
        btnIsUsing->setTitle(text(setUsingWear ? "ZUNO_button_bodung" : "ZUNO_button_chondung"));
        result_lDung->setText(text(setUsingWear ? "ZUNO_yes" : "ZUNO_no"));
    }
    listSetUsing.clear();
    redrawCurrentPage();
    if (!detail) return std::nullopt;
    return WornChange{detail, setUsingWear};
}

void AvatarStoreView::deleteItem(ui::Object*) {
    auto alert = std::make_shared<CustomAlertView>(text("ZUNO_ThongBao"), text("ZUNO_thongbao_xoa_item"),
                                                   std::dynamic_pointer_cast<ui::AlertViewDelegate>(shared_from_this()),
                                                   text("ZUNO_cancel"), std::vector<std::string>{text("ZUNO_OK")});
    alert->show();
}

void AvatarStoreView::clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) {
    if (buttonIndex == alert.cancelButtonIndex()) {
        sys::Log::debug("cancel");
        return;
    }
    if (!userAvatarSelected) return;
    pendingDeletions.push_back(userAvatarSelected);
    GlobalService::getInstance().requestRemoveItem(userAvatarSelected->userItemId());
}

std::optional<WornChange> AvatarStoreView::updateDeleteItem(int32_t userItemId) {
    auto& resources = Resources::getInstance();
    std::shared_ptr<UserAvatarDetail> deleted = resources.getUserAvatarDetailWithUserItemId(userItemId);
    auto pending = std::find_if(pendingDeletions.begin(), pendingDeletions.end(),
                                [&](const auto& d) { return d && d->userItemId() == userItemId; });
    if (!deleted && pending != pendingDeletions.end()) deleted = *pending;
    if (pending != pendingDeletions.end()) pendingDeletions.erase(pending);
    const bool shown = userAvatarSelected && userAvatarSelected->userItemId() == userItemId;
    if (shown) {
        showDetailArea(false);
        layers_.remove(userAvatarSelected->category_id());
    }
    resources.removeUserAvatarDetailWithUserItemId(userItemId);
    if (deleted) resources.removeUserItemInfoFromCategory(deleted->category_id(), userItemId);
    if (categorySelected) {
        auto& items = categorySelected->mutableUserItemsList();
        auto it = std::find_if(items.begin(), items.end(), [&](const auto& i) { return i && i->userItemId() == userItemId; });
        if (it != items.end()) items.erase(it);
    }
    redrawCurrentPage();
    // A worn item that goes is worn no more.
    if (!deleted || !deleted->is_using()) return std::nullopt;
    return WornChange{deleted, false};
}

void AvatarStoreView::updateChangeGender() {
    if (changeGender) return;
    changeGender = true;
    thesecond = false;
    theSecondInitScrollView = false;
    showDetailArea(false);
}

ZUNO_REGISTER_SCREEN(AvatarStoreView)

}  // namespace zuno
