// The avatar shop and the wardrobe: categories, pages in order, the cart and its payment, wearing and
// deleting owned items.
#include <gtest/gtest.h>

#include "money/ShopView.h"
#include "money/StoreView.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/AlertView.h"
#include "shell/UIController.h"
#include "src/screens/LobbyScreensFixture.h"
#include "standin-server/StandinProfileShop.h"
#include "support/AlertButtons.h"
#include "support/AvatarPictures.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

std::shared_ptr<CategoryShopInfo> category(int32_t id, int32_t parent, const char* name) {
    auto c = std::make_shared<CategoryShopInfo>();
    c->setCategoryId(id);
    c->setParentId(parent);
    c->setName(std::string(name));
    return c;
}

const char* const kParts[] = {"hair", "shirt", "trousers", "shoes", "hat"};

using Shop = standin::StandinProfileShop;
Shop::Part partOf(int32_t category) {
    switch (category) {
        case 3: return Shop::kHair;
        case 5: return Shop::kTrousers;
        case 6: return Shop::kShoes;
        case 7: return Shop::kHat;
        default: return Shop::kShirt;
    }
}

// The picture of an item: its category names the part, its id the colour.
std::string pictureOf(int32_t category, int32_t itemId) {
    const int part = category >= 9 ? 1 : category == 3 ? 0 : category - 3;
    return std::string("figure-") + kParts[part] + "-" + std::to_string(itemId % 4) + ".png";
}

// Items `from` to `to` - 1 of a category, as one page reply appended to the shop's record.
void appendItems(ItemsOfCategory& page, int32_t first, int count) {
    for (int i = 0; i < count; ++i) {
        auto item = std::make_shared<ItemInfo>();
        item->setItemId(first + i);
        item->setName("item " + std::to_string(first + i));
        item->setPrice(100 + 10 * i);
        page.mutableItemList().push_back(item);
        storeItemPicture(item->itemId(), pictureOf(page.categoryId(), item->itemId()));
    }
}

std::shared_ptr<ItemsOfCategory> itemsOf(int32_t categoryId, int32_t totalPage, int32_t first, int count) {
    auto page = std::make_shared<ItemsOfCategory>();
    page->setCategoryId(categoryId);
    page->setGender(1);
    page->setTotalPage(totalPage);
    appendItems(*page, first, count);
    return page;
}

std::shared_ptr<AvatarDetail> detailOf(int32_t itemId, int32_t categoryId, int16_t z) {
    auto d = std::make_shared<AvatarDetail>();
    d->setItemId(itemId);
    d->setCategory_id(categoryId);
    d->setAvatar_x(Shop::placementOf(partOf(categoryId)).x);
    d->setAvatar_y(Shop::placementOf(partOf(categoryId)).y);
    d->setZ_index(z);
    d->setEffected_hours(72);
    d->setLevel_req(2);
    d->setItem_gender(1);
    return d;
}

class ShopScreensTest : public LobbyScreensTest {
protected:
    void SetUp() override {
        LobbyScreensTest::SetUp();
        me = std::make_shared<Player>();
        me->setIDDB(1001);
        me->setMoney(5000);
        UIController::setMyInfo(me);
        user->setGender(1);
    }
    static int spinners(const ui::View& view) {
        int count = 0;
        for (const auto& sub : view.subviews()) count += bool(std::dynamic_pointer_cast<ui::ActivityIndicatorView>(sub));
        return count;
    }
    // The shop with its first row (categories 3 to 7, 4 holding 9 to 11) and category 3 on page 0.
    std::shared_ptr<ShopView> openShop() {
        auto shop = std::make_shared<ShopView>();
        show(shop);
        shop->onMyUserDataWithUser(user);
        shop->onMyCategoriesWithListCategories({category(1, 0, "Avatar")});
        shop->onMyCategoriesWithListCategories({category(3, 1, "Hair"), category(4, 1, "Shirts"), category(5, 1, "Trousers"),
                                                category(6, 1, "Shoes"), category(7, 1, "Hats")});
        hair = itemsOf(3, 3, 300, 10);
        shop->onMyItemsWithCategory(hair);
        shop->onMyListUsingAvatar({});
        return shop;
    }
    // Taps an item and lets its detail arrive.
    void tryOn(ShopView& shop, int32_t itemId, int32_t categoryId, int16_t z) {
        shop.avatarShopView()->itemPressed(itemId);
        shop.onMyAvatarDetail(detailOf(itemId, categoryId, z));
    }
    void openTab(ShopView& shop, int32_t categoryId) {
        for (const auto& row : {shop.avatarShopView()->firstRow(), shop.avatarShopView()->secondRow()})
            for (const auto& b : row)
                if (b->tag() == categoryId + 6) return tap(*b);
        FAIL() << "no tab for " << categoryId;
    }

    PlayerPtr me;
    UserPtr user = std::make_shared<User>();
    std::shared_ptr<ItemsOfCategory> hair;
};

}  // namespace

TEST_F(ShopScreensTest, TheTreeOpensItsFirstCategoryAndPagesArriveInOrder) {
    auto shop = std::make_shared<ShopView>();
    show(shop);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{40, 1}}));
    shop->onMyUserDataWithUser(user);
    shop->onMyCategoriesWithListCategories({category(1, 0, "Avatar")});
    shop->onMyCategoriesWithListCategories({category(3, 1, "Hair"), category(4, 1, "Shirts"), category(5, 1, "Trousers"),
                                            category(6, 1, "Shoes"), category(7, 1, "Hats")});
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 1}, int32Bytes(0), {1, 0}}), bytes({{101, 1}, int32Bytes(1), {1, 0}}),
                                             bytes({{101, 1}, int32Bytes(3), {1, 0}})}));
    auto avatars = shop->avatarShopView();
    ASSERT_EQ(avatars->firstRow().size(), 5u);
    EXPECT_EQ(avatars->firstRow()[0]->frame(), ui::Rect(15, -2, 80, 24));

    hair = itemsOf(3, 3, 300, 10);
    shop->onMyItemsWithCategory(hair);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 12}, int32Bytes(1001), {1}})}));
    ASSERT_EQ(avatars->pageSlots().size(), 3u);
    ASSERT_TRUE(avatars->pageSlots()[0]);

    // Straight to the last page: page 1 is asked first, then page 2, and the pager waits frozen.
    avatars->scrollView->setContentOffset(ui::Point{2 * 316, 0});
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 2}, int32Bytes(3), {1, 1}})}));
    EXPECT_FALSE(avatars->scrollView->isScrollEnabled());
    appendItems(*hair, 310, 10);
    shop->onMyItemsWithCategory(hair);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 2}, int32Bytes(3), {2, 1}})}));
    appendItems(*hair, 320, 3);
    shop->onMyItemsWithCategory(hair);
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(avatars->scrollView->isScrollEnabled());
    auto last = std::dynamic_pointer_cast<AvatarPageView>(avatars->pageSlots()[2]);
    ASSERT_TRUE(last);
    ASSERT_EQ(last->itemButtons().size(), 3u);
    EXPECT_EQ(last->itemButtons()[0]->tag(), 320);
    // Back to a received page: nothing asked.
    avatars->scrollView->setContentOffset(ui::Point{0, 0});
    EXPECT_TRUE(sent().empty());

    // A late page of a category left meanwhile is kept, the category on screen stays.
    openTab(*shop, 5);
    sent();
    shop->onMyItemsWithCategory(itemsOf(6, 1, 600, 2));
    EXPECT_EQ(avatars->shownItems(), hair);
}

TEST_F(ShopScreensTest, TheCartHoldsOneItemPerCategoryAndIsPaidOnce) {
    auto shop = openShop();
    auto avatars = shop->avatarShopView();
    sent();
    tryOn(*shop, 301, 3, 4);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 5}, int32Bytes(301)})}));
    EXPECT_FALSE(avatars->btnGioHang->isHidden());
    EXPECT_EQ(avatars->result_lHienThi->text(), "72h");
    tap(*avatars->btnGioHang);
    EXPECT_EQ(avatars->cart().total(), 110);

    // A second item of the category asks before replacing.
    tryOn(*shop, 303, 3, 4);
    tap(*avatars->btnGioHang);
    EXPECT_EQ(alertMessageOnTop(), "The cart already holds an item of this kind. Replace it?");
    pressAlertButton(0);
    EXPECT_EQ(avatars->cart().itemOf(3)->itemId(), 301);
    tap(*avatars->btnGioHang);
    pressAlertButton(1);
    EXPECT_EQ(avatars->cart().itemOf(3)->itemId(), 303);
    EXPECT_EQ(avatars->cart().total(), 130);
    auto page = std::dynamic_pointer_cast<AvatarPageView>(avatars->pageSlots()[0]);
    ASSERT_TRUE(page && page->imageInGioHang);

    // Two more categories, then one payment of three items.
    openTab(*shop, 5);
    shop->onMyItemsWithCategory(itemsOf(5, 1, 500, 4));
    tryOn(*shop, 502, 5, 2);
    tap(*avatars->btnGioHang);
    openTab(*shop, 7);
    shop->onMyItemsWithCategory(itemsOf(7, 1, 700, 2));
    tryOn(*shop, 700, 7, 6);
    tap(*avatars->btnGioHang);
    EXPECT_EQ(avatars->cart().total(), 130 + 120 + 100);
    sent();
    tap(*avatars->btnThanhToan);
    EXPECT_EQ(alertMessageOnTop(), "Pay 350$ for the items in your cart?");
    pressAlertButton(1);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 6}, int32Bytes(3), int32Bytes(303), int32Bytes(502), int32Bytes(700)})}));
    tap(*avatars->btnThanhToan);  // the payment is on its way: no second prompt, nothing sent
    EXPECT_TRUE(ui::AlertView::visibleAlerts().empty());
    EXPECT_TRUE(sent().empty());

    Resources::getInstance().setUserItemsOfCategory(std::make_shared<UserItemsOfCategory>(), 5);
    shop->onMyBuyAvatarSuccess(350);
    EXPECT_TRUE(avatars->cart().empty());
    EXPECT_EQ(Resources::getInstance().getUserItemsOfCategory(5), nullptr);  // the wardrobe asks again
    EXPECT_EQ(avatars->result_lTongTien->text(), "0$");
    EXPECT_EQ(me->money(), 5000 - 350);
    EXPECT_EQ(dialogText(), "Payment done. Your items are in the wardrobe.");
    UIController::closeDialog();
    EXPECT_TRUE(avatars->shownItems()->itemList()[0]->is_bought());  // 700, the category on screen
    tryOn(*shop, 701, 7, 6);
    tap(*avatars->btnGioHang);
    auto hats = std::dynamic_pointer_cast<AvatarPageView>(avatars->pageSlots()[0]);
    ASSERT_TRUE(hats);
    EXPECT_TRUE(hats->imageBought);
    EXPECT_TRUE(hats->imageInGioHang);
    EXPECT_TRUE(matchesScreen("shop_marked_page"));
    tap(*avatars->btnXoaGioHang);
    sent();
    tap(*avatars->btnThanhToan);
    EXPECT_EQ(dialogText(), "Your cart is empty.");
    EXPECT_TRUE(sent().empty());
}

// The cart may change while a payment is on its way: the success settles what was paid for, and what
// was put in meanwhile stays in the cart, not bought.
TEST_F(ShopScreensTest, ASuccessSettlesTheItemsPaidForNotTheCartAsItIsThen) {
    auto shop = openShop();
    auto avatars = shop->avatarShopView();
    openTab(*shop, 5);
    shop->onMyItemsWithCategory(itemsOf(5, 1, 500, 4));
    tryOn(*shop, 502, 5, 2);
    tap(*avatars->btnGioHang);
    tap(*avatars->btnThanhToan);
    pressAlertButton(1);
    tap(*avatars->btnXoaGioHang);
    tryOn(*shop, 503, 5, 2);
    tap(*avatars->btnGioHang);

    shop->onMyBuyAvatarSuccess(120);
    UIController::closeDialog();
    ASSERT_TRUE(avatars->cart().itemOf(5));
    EXPECT_EQ(avatars->cart().itemOf(5)->itemId(), 503);
    EXPECT_EQ(avatars->result_lTongTien->text(), "130$");
    EXPECT_EQ(me->money(), 5000 - 120);
    const auto& items = avatars->shownItems()->itemList();
    EXPECT_TRUE(items[2]->is_bought());
    EXPECT_FALSE(items[3]->is_bought());
    const auto cached = Resources::getInstance().getItemsOfCategory(5);
    ASSERT_TRUE(cached);
    EXPECT_TRUE(cached->itemList()[2]->is_bought());
    EXPECT_FALSE(cached->itemList()[3]->is_bought());
    EXPECT_EQ(avatars->btnGioHang->currentImage()->name(), "shop_cart_remove.png") << "503 is still in the cart";
}

// Trousers are tall icons: the mark of a bought pair in the first row still shows whole, under the tab
// strip and over its icon.
TEST_F(ShopScreensTest, ABoughtMarkOverTheFirstRowShowsWhole) {
    auto shop = openShop();
    auto avatars = shop->avatarShopView();
    openTab(*shop, 5);
    auto trousers = itemsOf(5, 1, 500, 4);
    trousers->mutableItemList()[1]->setIs_bought(true);
    shop->onMyItemsWithCategory(trousers);
    auto page = std::dynamic_pointer_cast<AvatarPageView>(avatars->pageSlots()[0]);
    ASSERT_TRUE(page && page->imageBought);
    const ui::Rect mark = page->imageBought->frame();
    const ui::Rect icon = page->itemButtons()[1]->frame();
    EXPECT_GE(mark.minY(), 0);
    EXPECT_LE(mark.maxY() + 3, icon.minY());
    EXPECT_LE(page->itemButtons()[1]->frame().maxY(), page->view()->bounds().height());
    EXPECT_TRUE(matchesScreen("shop_bought_tall_item"));
}

TEST_F(ShopScreensTest, ARefusedPaymentKeepsTheCartForAnotherTry) {
    auto shop = openShop();
    auto avatars = shop->avatarShopView();
    tryOn(*shop, 302, 3, 4);
    tap(*avatars->btnGioHang);
    tap(*avatars->btnThanhToan);
    pressAlertButton(1);
    sent();
    shop->onMyBuyAvatarFail();
    EXPECT_EQ(avatars->cart().total(), 120);
    EXPECT_EQ(me->money(), 5000);
    tap(*avatars->btnThanhToan);
    pressAlertButton(1);
    EXPECT_EQ(sent().size(), 1u);
}

TEST_F(ShopScreensTest, ATabWithSubCategoriesSlidesInTheSecondRow) {
    auto shop = openShop();
    auto avatars = shop->avatarShopView();
    tryOn(*shop, 301, 3, 4);
    tap(*avatars->btnGioHang);
    sent();
    openTab(*shop, 4);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 1}, int32Bytes(4), {1, 0}})}));
    shop->onMyCategoriesWithListCategories({category(9, 4, "T-shirts"), category(10, 4, "Jackets"), category(11, 4, "Coats")});
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 1}, int32Bytes(9), {1, 0}})}));
    run(1);
    ASSERT_EQ(avatars->secondRow().size(), 3u);
    EXPECT_EQ(avatars->secondRow()[0]->frame(), ui::Rect(30, -2, 80, 24));
    EXPECT_FALSE(avatars->btnBackShop->isHidden());
    shop->onMyItemsWithCategory(itemsOf(9, 1, 900, 7));
    EXPECT_TRUE(matchesScreen("shop_second_row_and_cart"));
    tap(*avatars->btnBackShop);
    run(1);
    EXPECT_EQ(avatars->firstRow().size(), 5u);
    EXPECT_TRUE(avatars->secondRow().empty());
}

TEST_F(ShopScreensTest, AnEmptyCategoryListShowsAnEmptyShop) {
    auto shop = std::make_shared<ShopView>();
    show(shop);
    shop->onMyUserDataWithUser(user);
    shop->onMyCategoriesWithListCategories({});
    EXPECT_TRUE(shop->avatarShopView()->firstRow().empty());
    EXPECT_EQ(spinners(*shop->avatarShopView()->view()), 0);
}

namespace {

std::shared_ptr<UserItemsOfCategory> ownedOf(int32_t categoryId, std::vector<int32_t> userItemIds, int32_t worn) {
    auto page = std::make_shared<UserItemsOfCategory>();
    page->setCategoryId(categoryId);
    page->setGender(1);
    page->setTotalPage(1);
    for (int32_t id : userItemIds) {
        auto item = std::make_shared<UserItemInfo>();
        item->setUserItemId(id);
        item->setItemId(id - 5000);
        item->setIs_using(id == worn);
        page->mutableUserItemsList().push_back(item);
        storeItemPicture(item->itemId(), pictureOf(categoryId, item->itemId()));
    }
    return page;
}

std::shared_ptr<UserAvatarDetail> ownedDetail(int32_t userItemId, int32_t categoryId, bool worn) {
    auto d = std::make_shared<UserAvatarDetail>();
    d->setUserItemId(userItemId);
    d->setItemId(userItemId - 5000);
    d->setCategory_id(categoryId);
    d->setIs_using(worn);
    d->setAvatar_x(Shop::placementOf(partOf(categoryId)).x);
    d->setAvatar_y(Shop::placementOf(partOf(categoryId)).y);
    d->setZ_index(4);
    d->setExpire_date(std::string("2027-01-01"));
    d->setTime_used(5);
    return d;
}

}  // namespace

TEST_F(ShopScreensTest, TheWardrobeWearsAndDeletesTheItemItsRequestNamed) {
    auto store = std::make_shared<StoreView>();
    show(store);
    store->view()->setFrame(ui::Rect(0, 60, 480, 260));  // where the profile shows its tabs
    store->updateViewWithUserData(user);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{40, 1}, bytes({{101, 1}, int32Bytes(0), {1, 1}})}));
    store->onMyCategoriesWithListCategories({category(1, 0, "Avatar")});
    store->onMyCategoriesWithListCategories({category(3, 1, "Hair"), category(5, 1, "Trousers")});
    auto wardrobe = store->avatarStoreView();
    ASSERT_EQ(wardrobe->firstRow().size(), 2u);
    EXPECT_EQ(wardrobe->firstRow()[1]->frame(), ui::Rect(219, 5, 58, 23));
    auto owned = ownedOf(3, {5301, 5302, 5303}, 5301);
    store->onMyUserItemsWithCategory(owned);
    sent();

    wardrobe->itemPressed(5302);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 9}, int32Bytes(5302)})}));
    store->onMyUserAvatarDetail(ownedDetail(5302, 3, false));
    EXPECT_EQ(wardrobe->btnIsUsing->currentTitle(), "Wear");
    // Hours worn in all, and whether it is worn now: two captions that do not read alike.
    EXPECT_EQ(wardrobe->lThoiGian->text().value_or("") + " / " + wardrobe->lDung->text().value_or(""), "Worn for / Worn now");
    tap(*wardrobe->btnIsUsing);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 11}, int32Bytes(1), int32Bytes(5302), {1}})}));
    // Another item is shown before the answer: the answer still wears the one asked for.
    store->onMyUserAvatarDetail(ownedDetail(5303, 3, false));
    store->onMyUpdateSetUsing();
    std::vector<bool> marks;
    for (const auto& item : owned->userItemsList()) marks.push_back(item->is_using());
    EXPECT_EQ(marks, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(wardrobe->btnIsUsing->currentTitle(), "Wear");  // 5303 is not worn
    auto page = std::dynamic_pointer_cast<AvatarStorePageView>(wardrobe->pageSlots()[0]);
    ASSERT_TRUE(page && page->imageStar);
    EXPECT_TRUE(matchesScreen("wardrobe_worn_mark"));

    // Delete 5303, then look at 5301 before the answer: only 5303 goes.
    tap(*wardrobe->btnDelete);
    pressAlertButton(1);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 10}, int32Bytes(5303)})}));
    store->onMyUserAvatarDetail(ownedDetail(5301, 3, false));
    store->onMyUpdateDeleteItem(5303);
    ASSERT_EQ(owned->userItemsList().size(), 2u);
    EXPECT_EQ(owned->userItemsList()[1]->userItemId(), 5302);
    EXPECT_FALSE(wardrobe->btnDelete->isHidden());
    EXPECT_EQ(page->itemButtons().size(), 2u);
}

// Right after the server confirms, the details say whether the item shown is worn, as its button does.
TEST_F(ShopScreensTest, TheWardrobeSaysAtOnceWhetherTheItemShownIsWorn) {
    auto store = std::make_shared<StoreView>();
    show(store);
    store->updateViewWithUserData(user);
    store->onMyCategoriesWithListCategories({category(1, 0, "Avatar")});
    store->onMyCategoriesWithListCategories({category(3, 1, "Hair")});
    store->onMyUserItemsWithCategory(ownedOf(3, {5301, 5302}, 5301));
    auto wardrobe = store->avatarStoreView();
    wardrobe->itemPressed(5302);
    store->onMyUserAvatarDetail(ownedDetail(5302, 3, false));
    auto shown = [&] {
        return wardrobe->result_lDung->text().value_or("") + " / " + wardrobe->btnIsUsing->currentTitle().value_or("");
    };
    EXPECT_EQ(shown(), "No / Wear");
    tap(*wardrobe->btnIsUsing);
    store->onMyUpdateSetUsing();
    EXPECT_EQ(shown(), "Yes / Take off");
    tap(*wardrobe->btnIsUsing);
    store->onMyUpdateSetUsing();
    EXPECT_EQ(shown(), "No / Wear");
}

// The wardrobe's buttons hold their captions with room inside the button's rim, in either language
// and with either caption of the wear button.
TEST_F(ShopScreensTest, TheWardrobesButtonsHoldTheirCaptionsInsideTheirRims) {
    auto store = std::make_shared<StoreView>();
    show(store);
    auto wardrobe = store->avatarStoreView();
    for (const char* language : {"en", "vi"}) {
        Resources::getInstance().setCurrentLanguage(language);
        Resources::getInstance().loadLanguage();
        wardrobe->viewWillAppear(false);
        const std::pair<ui::Button*, const char*> captions[] = {
            {wardrobe->btnThayDo.get(), "ZUNO_PhongThayDo"},      {wardrobe->btnDelete.get(), "ZUNO_button_xoa_item"},
            {wardrobe->btnIsUsing.get(), "ZUNO_button_chondung"}, {wardrobe->btnIsUsing.get(), "ZUNO_button_bodung"},
        };
        for (const auto& [button, key] : captions) {
            const std::string caption = Resources::getInstance().textForKey(key);
            EXPECT_LE(button->titleLabel()->font().widthOfText(caption) + 2 * 7, button->bounds().width())
                << language << ": " << caption;
        }
    }
    Resources::getInstance().setCurrentLanguage("en");
    Resources::getInstance().loadLanguage();
}

// The shop's and the wardrobe's tabs hold their captions with room on both sides, in either language.
TEST_F(ShopScreensTest, TheShopTabsHoldTheirCaptionsWithRoom) {
    for (const char* language : {"en", "vi"}) {
        Resources::getInstance().setCurrentLanguage(language);
        Resources::getInstance().loadLanguage();
        std::shared_ptr<AvatarTabsScreen> screens[] = {std::make_shared<ShopView>(), std::make_shared<StoreView>()};
        for (const auto& screen : screens) {
            show(screen);
            for (const auto& tab : {screen->btnTabAvatarShop, screen->btnTabVatPham, screen->btnQuaTang}) {
                const std::string caption = tab->currentTitle().value_or("");
                EXPECT_LE(tab->titleLabel()->font().widthOfText(caption) + 2 * 6, tab->bounds().width())
                    << language << ": " << caption;
            }
        }
    }
    Resources::getInstance().setCurrentLanguage("en");
    Resources::getInstance().loadLanguage();
}

// The wardrobe's tabs keep their frame and title font; a category's name wider than its tab is drawn
// whole in a smaller size, so that the three kinds of shirt do not all read "Áo...".
TEST_F(ShopScreensTest, TheWardrobesTabsShowNamesWiderThanTheTabWhole) {
    Resources::getInstance().setCurrentLanguage("vi");
    Resources::getInstance().loadLanguage();
    auto store = std::make_shared<StoreView>();
    show(store);
    store->view()->setFrame(ui::Rect(0, 60, 480, 260));  // where the profile shows its tabs
    auto wardrobe = store->avatarStoreView();
    store->updateViewWithUserData(user);
    store->onMyCategoriesWithListCategories({category(1, 0, "Avatar")});
    store->onMyCategoriesWithListCategories({category(3, 1, "Tóc"), category(4, 1, "Áo"), category(5, 1, "Quần"),
                                             category(6, 1, "Giày"), category(7, 1, "Mũ")});
    store->onMyUserItemsWithCategory(ownedOf(3, {5301, 5302}, 5301));
    tap(*wardrobe->firstRow().at(1));
    store->onMyCategoriesWithListCategories(
        {category(9, 4, "Áo phông"), category(10, 4, "Áo khoác"), category(11, 4, "Áo choàng")});
    store->onMyUserItemsWithCategory(ownedOf(9, {5901, 5902}, 5901));
    run(1);
    ASSERT_EQ(wardrobe->secondRow().size(), 3u);
    for (const auto& tab : wardrobe->secondRow()) {
        const std::string name = tab->currentTitle().value_or("");
        EXPECT_EQ(tab->frame().size, (ui::Size{58, 23})) << name;
        EXPECT_EQ(tab->titleLabel()->font(), ui::Font::boldSystemFontOfSize(12)) << name;
        const auto drawn = tab->titleLabel()->layOut(tab->titleLabel()->bounds().size);
        EXPECT_EQ(drawn.lines, std::vector<std::string>{name});
        EXPECT_GE(drawn.font.pointSize(), AvatarCatalogView::kLeastTabFontSize) << name;
    }
    for (int scale : {1, 2}) {
        ui::RasterScreen screen(480, 320, scale);
        screen.renderApplication();
        EXPECT_TRUE(matchesReference(screen, scale == 1 ? "wardrobe_shirt_tabs_vi" : "wardrobe_shirt_tabs_vi@2x"));
    }
    Resources::getInstance().setCurrentLanguage("en");
    Resources::getInstance().loadLanguage();
}

TEST_F(ShopScreensTest, AWardrobeWithoutCategoriesShowsTheWornFigureOnly) {
    auto store = std::make_shared<StoreView>();
    show(store);
    store->updateViewWithUserData(user);
    store->onMyCategoriesWithListCategories({});
    EXPECT_TRUE(store->avatarStoreView()->firstRow().empty());
    EXPECT_EQ(store->avatarStoreView()->layers().count(), Resources::getInstance().getListKeysUsingAvatar().size());
}

// Each opening of the wardrobe's tab asks for the category tree anew: its tabs stand in one row (not
// once more in a second row under the first), and its first category's page is drawn, whatever the
// category shown before held.
TEST_F(ShopScreensTest, TheWardrobeOpenedAgainDrawsItsTabsOnceAndItsFirstPage) {
    auto store = std::make_shared<StoreView>();
    show(store);
    auto wardrobe = store->avatarStoreView();
    auto open = [&] {
        store->updateViewWithUserData(user);
        store->onMyCategoriesWithListCategories({category(1, 0, "Avatar")});
        store->onMyCategoriesWithListCategories({category(3, 1, "Hair"), category(5, 1, "Trousers")});
    };
    open();
    store->onMyUserItemsWithCategory(ownedOf(3, {5301, 5302}, 5301));
    tap(*wardrobe->firstRow()[1]);
    auto noTrousers = ownedOf(5, {}, 0);
    noTrousers->setTotalPage(0);
    store->onMyUserItemsWithCategory(noTrousers);
    ASSERT_TRUE(wardrobe->pageSlots().empty());

    store->reopen(false);
    open();
    EXPECT_EQ(wardrobe->firstRow().size(), 2u);
    EXPECT_TRUE(wardrobe->secondRow().empty());
    int hairTabs = 0;
    for (const auto& view : wardrobe->view()->subviews())
        if (auto button = std::dynamic_pointer_cast<ui::Button>(view)) hairTabs += button->currentTitle() == "Hair";
    EXPECT_EQ(hairTabs, 1);
    ASSERT_EQ(wardrobe->pageSlots().size(), 1u);
    auto page = std::dynamic_pointer_cast<AvatarStorePageView>(wardrobe->pageSlots()[0]);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->itemButtons().size(), 2u);
}
