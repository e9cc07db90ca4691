#include "money/AvatarShopView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/CustomAlertView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
const char* yesNo(bool on) { return on ? "ZUNO_yes" : "ZUNO_no"; }
// The rows of tabs and their strip end before the window's top right corner, where the unread-mail
// button lies while mail waits: five tabs of 80 points in 400.
const ui::Rect kMenuStripFirst(15, -2, 400, 24);
const ui::Rect kMenuStripSecond(30, -2, 400, 24);
constexpr double kSlideDistance = 500;
}  // namespace

const ui::BindingTable& AvatarShopView::bindings() {
    using B = ui::Bind<AvatarShopView>;
    static const ui::BindingTable table(&AvatarCatalogView::bindings(),
                                        {
                                            B::outlet("lHienThi", &AvatarShopView::lHienThi),
                                            B::outlet("lCapDo", &AvatarShopView::lCapDo),
                                            B::outlet("lGioitinh", &AvatarShopView::lGioitinh),
                                            B::outlet("lMuaBan", &AvatarShopView::lMuaBan),
                                            B::outlet("lTang", &AvatarShopView::lTang),
                                            B::outlet("lTongTien", &AvatarShopView::lTongTien),
                                            B::outlet("result_lHienThi", &AvatarShopView::result_lHienThi),
                                            B::outlet("result_lCapDo", &AvatarShopView::result_lCapDo),
                                            B::outlet("result_lGioitinh", &AvatarShopView::result_lGioitinh),
                                            B::outlet("result_lMuaBan", &AvatarShopView::result_lMuaBan),
                                            B::outlet("result_lTang", &AvatarShopView::result_lTang),
                                            B::outlet("result_lTongTien", &AvatarShopView::result_lTongTien),
                                            B::outlet("btnGioHang", &AvatarShopView::btnGioHang),
                                            B::outlet("btnXoaGioHang", &AvatarShopView::btnXoaGioHang),
                                            B::outlet("btnThanhToan", &AvatarShopView::btnThanhToan),
                                            B::outlet("btnPhongThu", &AvatarShopView::btnPhongThu),
                                            B::outlet("btnBackShop", &AvatarShopView::btnBackShop),
                                            B::outlet("imgShopMenu", &AvatarShopView::imgShopMenu),
                                            B::action("addOrDeleteFromGioHang:", &AvatarShopView::addOrDeleteFromGioHang),
                                            B::action("xoaGioHang:", &AvatarShopView::xoaGioHang),
                                            B::action("thanhToan:", &AvatarShopView::thanhToan),
                                            B::action("doBackShop", &AvatarShopView::doBackShop),
                                        });
    return table;
}

AvatarShopView::AvatarShopView(std::string nibName) : AvatarCatalogView(std::move(nibName)) {}

void AvatarShopView::viewDidLoad() {
    AvatarCatalogView::viewDidLoad();
    viewWillAppear(false);
}

void AvatarShopView::viewWillAppear(bool animated) {
    AvatarCatalogView::viewWillAppear(animated);
    btnPhongThu->setTitle(text("ZUNO_PhongThuDo"));
    btnXoaGioHang->setTitle(text("ZUNO_XoaGio"));
    btnThanhToan->setTitle(text("ZUNO_ThanhToan"));
    lTongTien->setText(text("ZUNO_TongTien"));
    showTotal();
}

TabRowStyle AvatarShopView::tabStyle() const { return {15, 80, -2, -2, 15, 80, 24, 13, true}; }

bool AvatarShopView::takeCachedItems(int32_t categoryId) {
    auto cached = Resources::getInstance().getItemsOfCategory(categoryId);
    if (!cached || cached->gender() != userGender()) return false;
    categorySelected = cached;
    return true;
}

bool AvatarShopView::fillIcons(size_t from, bool placeholders) {
    return !categorySelected || fillIconsOf(categorySelected->mutableItemList(), from, placeholders);
}

void AvatarShopView::storeShownItems() {
    auto& resources = Resources::getInstance();
    auto cached = resources.getItemsOfCategory(categorySelected->categoryId());
    if (!cached || cached->gender() != userGender()) resources.setItemsOfCategory(categorySelected, categorySelected->categoryId());
}

void AvatarShopView::firstItemsArrived() {
    auto me = UIController::myInfo();
    GlobalService::getInstance().requestUsingAvatar(me ? me->IDDB() : 0, userGender());
}

std::shared_ptr<ui::ViewController> AvatarShopView::makePage(int page) {
    std::weak_ptr<ShopPageOwner> owner = std::dynamic_pointer_cast<ShopPageOwner>(shared_from_this());
    return std::make_shared<AvatarPageView>(page, categorySelected, owner);
}

void AvatarShopView::redrawPage(ui::ViewController& page) {
    if (auto items = dynamic_cast<AvatarPageView*>(&page)) {
        items->itemsOfCategory = categorySelected;
        items->updatePage();
    }
}

void AvatarShopView::requestItemsPage(int page) {
    GlobalService::getInstance().requestGetItemsByCategory(categorySelected->categoryId(), int8_t(page),
                                                           categorySelected->gender());
}

void AvatarShopView::firstRowDrawn() {
    if (!listMenu.empty()) listMenu.front()->setBackgroundImage(ui::Image::imageNamed("cua-hang1.png"));
    btnBackShop->setHidden(true);
}

void AvatarShopView::presentSecondRow(const std::vector<std::shared_ptr<CategoryShopInfo>>& categories) {
    std::weak_ptr<ui::ViewController> weak = std::static_pointer_cast<ui::ViewController>(shared_from_this());
    const auto firstRow = listMenu;
    ui::View::animate(
        kSlideSeconds,
        [this, firstRow] {
            for (const auto& button : firstRow) {
                ui::Point center = button->center();
                center.x -= kSlideDistance;
                button->setCenter(center);
            }
            imgShopMenu->setFrame(kMenuStripSecond);
        },
        [this, weak, categories](bool) {
            if (!weak.lock()) return;
            drawCategoryRow(categories, true);
            if (!listSubMenu.empty()) listSubMenu.front()->setBackgroundImage(ui::Image::imageNamed("cua-hang1.png"));
            btnBackShop->setHidden(false);
        });
}

void AvatarShopView::doBackShop() {
    std::weak_ptr<ui::ViewController> weak = std::static_pointer_cast<ui::ViewController>(shared_from_this());
    const auto secondRow = listSubMenu;
    ui::View::animate(
        kSlideSeconds,
        [this, secondRow] {
            for (const auto& button : secondRow) {
                ui::Point center = button->center();
                center.x += kSlideDistance;
                button->setCenter(center);
            }
            imgShopMenu->setFrame(kMenuStripFirst);
        },
        [this, weak](bool) {
            if (weak.lock()) drawCategoryRow(tree_.topLevel(), false);
        });
}

void AvatarShopView::highlightTab(int32_t categoryId, bool secondRow) {
    auto& row = secondRow ? listSubMenu : listMenu;
    for (const auto& button : row) button->setBackgroundImage(nullptr);
    const int32_t index = categoryId - (secondRow ? 9 : 3);
    if (index < 0 || index >= int32_t(row.size())) return;
    const char* picture = index == 0 ? "cua-hang1.png" : index == 4 ? "cua-hang3.png" : "cua-hang2.png";
    row[size_t(index)]->setBackgroundImage(ui::Image::imageNamed(picture));
}

void AvatarShopView::itemPressed(int32_t itemId) {
    statusGioHang = 1;
    load_done = true;
    if (auto detail = Resources::getInstance().getAvatarDetailWithItemId(itemId)) {
        avatarSelected = detail;
        showAvatarDetail();
        return;
    }
    GlobalService::getInstance().requestGetAvatarDetail(itemId);
}

void AvatarShopView::detailArrived(std::shared_ptr<AvatarDetail> detail) {
    if (!detail) return;
    if (awaitsWornDetail(detail->itemId())) {
        placeOnPreview(detail->itemId(), {detail->category_id(), detail->avatar_x(), detail->avatar_y(), detail->z_index()});
        wornDetailArrived(detail->itemId());
        return;
    }
    avatarSelected = std::move(detail);
    showAvatarDetail();
}

std::vector<std::shared_ptr<ui::Label>> AvatarShopView::detailLabels() const {
    return {lHienThi, lCapDo, lGioitinh, lMuaBan, lTang, result_lHienThi, result_lCapDo, result_lGioitinh, result_lMuaBan, result_lTang};
}

void AvatarShopView::showAvatarDetail() {
    if (!avatarSelected) return;
    const AvatarDetail& d = *avatarSelected;
    if (!placeOnPreview(d.itemId(), {d.category_id(), d.avatar_x(), d.avatar_y(), d.z_index()})) return;
    if (load_done) {
        for (const auto& label : detailLabels()) label->setHidden(false);
        btnGioHang->setHidden(false);
        lHienThi->setText(text("ZUNO_HienThi"));
        result_lHienThi->setText(sys::format("%dh", d.effected_hours()));
        lCapDo->setText(text("ZUNO_CapDo"));
        result_lCapDo->setText(sys::format("%d", d.level_req()));
        lGioitinh->setText(text("ZUNO_Gender"));
        result_lGioitinh->setText(text(d.item_gender() == 0 ? "ZUNO_Woman" : d.item_gender() == 1 ? "ZUNO_Man" : "ZUNO_unknow"));
        lMuaBan->setText(text("ZUNO_BuyOrSell"));
        result_lMuaBan->setText(text(yesNo(d.is_buy_or_sell())));
        lTang->setText(text("ZUNO_Give"));
        result_lTang->setText(text(yesNo(d.is_give())));
        showTotal();
    }
    if (statusGioHang == 1) {
        auto inCart = gioHang.itemOf(d.category_id());
        const bool thisOne = inCart && inCart->itemId() == d.itemId();
        showCartButton(thisOne);
        if (thisOne) statusGioHang = 0;
    }
}

std::shared_ptr<ItemInfo> AvatarShopView::selectedItem() const {
    if (!avatarSelected || !categorySelected) return nullptr;
    for (const auto& item : categorySelected->itemList())
        if (item && item->itemId() == avatarSelected->itemId()) return item;
    return nullptr;
}

void AvatarShopView::showCartButton(bool removes) {
    btnGioHang->setImage(ui::Image::imageNamed(removes ? "shop_cart_remove.png" : "shop_cart_add.png"));
}

void AvatarShopView::showTotal() { result_lTongTien->setText(sys::format("%d$", gioHang.total())); }

void AvatarShopView::redrawCurrentPage() { updateScrollViewItemListWithPage(pager_.page()); }

void AvatarShopView::ask(const std::string& message) {
    auto alert = std::make_shared<CustomAlertView>(text("ZUNO_ThongBao"), message,
                                                   std::dynamic_pointer_cast<ui::AlertViewDelegate>(shared_from_this()),
                                                   text("ZUNO_cancel"), std::vector<std::string>{text("ZUNO_OK")});
    alert->show();
}

void AvatarShopView::addOrDeleteFromGioHang(ui::Object*) {
    const int32_t category = shownCategoryId();
    if (statusGioHang == 1) {
        okValue = kReplace;
        if (gioHang.holds(category)) {
            ask(text("ZUNO_ThongBaoTonTaiDuyNhat"));
            return;
        }
        auto item = selectedItem();
        if (!item) return;
        gioHang.put(category, item);
        showCartButton(true);
        statusGioHang = 0;
    } else {
        showCartButton(false);
        gioHang.take(category);
        statusGioHang = 1;
    }
    redrawCurrentPage();
    showTotal();
}

void AvatarShopView::xoaGioHang(ui::Object*) {
    gioHang.clear();
    showTotal();
    statusGioHang = 1;
    showCartButton(false);
    redrawCurrentPage();
}

void AvatarShopView::thanhToan(ui::Object*) {
    if (gioHang.empty()) {
        UIController::setOkValue(UIController::okNone);
        UIController::startCancelDlg(text("ZUNO_ThongBaoGioHangRong"));
        return;
    }
    if (gioHang.paying()) return;
    okValue = kPay;
    ask(sys::format(text("ZUNO_ThongBaoThanhToan"), gioHang.total()));
}

void AvatarShopView::clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) {
    if (buttonIndex == alert.cancelButtonIndex()) return;
    try {
        if (okValue == kReplace) {
            auto item = selectedItem();
            if (!item) return;
            gioHang.put(shownCategoryId(), item);
            showCartButton(true);
            statusGioHang = 0;
            redrawCurrentPage();
            showTotal();
        } else if (okValue == kPay && gioHang.startPaying()) {
            GlobalService::getInstance().requestBuyItems(gioHang.itemIds());
        }
    } catch (const std::exception& e) {
        sys::Log::line(sys::format("%@", std::string(e.what())));
    }
}

void AvatarShopView::updateBuyAvatarSuccess(int64_t paid) {
    auto& resources = Resources::getInstance();
    const auto bought = gioHang.paid();
    for (const auto& [category, item] : bought) {
        resources.updateItemsOfCategory(category, item->itemId());
        // The owned items of the category changed: the wardrobe asks for them again.
        resources.setUserItemsOfCategory(nullptr, category);
    }
    if (auto here = bought.find(shownCategoryId()); here != bought.end() && categorySelected) {
        for (const auto& item : categorySelected->itemList())
            if (item && item->itemId() == here->second->itemId()) item->setIs_bought(true);
    }
    showTotal();
    // An item shown that was put in the cart while the payment was on its way is still there.
    showCartButton(statusGioHang == 0 && avatarSelected && gioHang.containsItem(avatarSelected->itemId()));
    redrawCurrentPage();
    if (auto me = UIController::myInfo()) me->setMoney(me->money() - paid);
    UIController::startOKDlg(text("ZUNO_PaymentSuccess"));
}

ZUNO_REGISTER_SCREEN(AvatarShopView)

}  // namespace zuno
