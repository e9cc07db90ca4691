#include "DispatcherFixture.h"

using namespace zuno;
using namespace zuno::testing;

namespace {
using Text = std::optional<std::string>;
using ItemsPage = std::shared_ptr<ItemsOfCategory>;
using UserItemsPage = std::shared_ptr<UserItemsOfCategory>;

sys::Data item(int32_t id, const std::string& name) {
    return bytes({i32(id), utf(name), i32(100), utf("đẹp"), {1}});
}
sys::Data itemsPage(int32_t category, int8_t gender, std::initializer_list<sys::Data> items) {
    return bytes({{101, 2}, i32(category), {uint8_t(gender)}, i32(3), bytes(items)});
}
sys::Data userItem(int32_t userItemId, int32_t itemId) {
    return bytes({i32(userItemId), i32(itemId), utf("áo"), i32(50), utf("ngắn"), {0}});
}
sys::Data userItemsPage(int32_t category, int8_t gender, std::initializer_list<sys::Data> items) {
    return bytes({{101, 3}, i32(category), {uint8_t(gender)}, i32(2), bytes(items)});
}

class ShopMessagesTest : public DispatcherTest {
protected:
    // The shop command id comes first in these byte strings.
    void deliverShop(const sys::Data& withId) { deliver(int8_t(withId[0]), sys::Data(withId.begin() + 1, withId.end())); }

    std::vector<int32_t> itemIds(const ItemsPage& page) {
        std::vector<int32_t> ids;
        for (const auto& i : page->itemList()) ids.push_back(i->itemId());
        return ids;
    }
};
}  // namespace

TEST_F(ShopMessagesTest, CategoriesOfTheShopAndOfGifts) {
    deliverShop(bytes({{101, 1}, i32(1), utf("Áo"), i32(0), i32(2), utf("Mũ"), i32(1)}));
    auto categories = logic->last<GlobalLogicHandler::Categories>("onCategoryInfo");
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[1]->categoryId(), 2);
    EXPECT_EQ(categories[1]->name(), "Mũ");
    EXPECT_EQ(categories[1]->parentId(), 1);

    deliverShop(bytes({{101, 14}, i32(9), utf("Hoa"), i32(0)}));
    EXPECT_EQ(logic->last<GlobalLogicHandler::Categories>("onListGift").size(), 1u);
}

TEST_F(ShopMessagesTest, PagesOfOneGenderGrowTheCachedPageAnotherGenderStartsAfresh) {
    ui->shopGender = 1;
    deliverShop(itemsPage(4, 1, {item(10, "a"), item(11, "b")}));
    ItemsPage first = logic->last<ItemsPage>("onItemsOfCategoryInfo");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->categoryId(), 4);
    EXPECT_EQ(first->totalPage(), 3);
    EXPECT_EQ(itemIds(first), (std::vector<int32_t>{10, 11}));
    EXPECT_EQ(first->itemList()[0]->function_desc(), "đẹp");
    EXPECT_TRUE(first->itemList()[0]->is_bought());

    ui->itemPages[4] = first;  // the shop screen caches what it shows
    deliverShop(itemsPage(4, 1, {item(12, "c")}));
    ItemsPage second = logic->last<ItemsPage>("onItemsOfCategoryInfo");
    EXPECT_EQ(second, first);
    EXPECT_EQ(itemIds(second), (std::vector<int32_t>{10, 11, 12}));

    // The shown user's gender changed: the cached page is left alone and a new one starts.
    ui->shopGender = 0;
    deliverShop(itemsPage(4, 0, {item(20, "x")}));
    ItemsPage other = logic->last<ItemsPage>("onItemsOfCategoryInfo");
    EXPECT_NE(other, first);
    EXPECT_EQ(itemIds(other), std::vector<int32_t>{20});
    EXPECT_EQ(itemIds(first), (std::vector<int32_t>{10, 11, 12}));
}

TEST_F(ShopMessagesTest, WithoutTheShopOnTopTheCacheDecides) {
    deliverShop(itemsPage(4, 0, {item(20, "x")}));
    EXPECT_EQ(logic->count("onItemsOfCategoryInfo"), 1);
    EXPECT_EQ(logic->last<ItemsPage>("onItemsOfCategoryInfo"), nullptr);

    auto cached = std::make_shared<ItemsOfCategory>();
    cached->setGender(1);
    ui->itemPages[4] = cached;
    deliverShop(itemsPage(4, 0, {item(21, "y")}));
    EXPECT_EQ(logic->last<ItemsPage>("onItemsOfCategoryInfo"), cached);
    EXPECT_EQ(cached->gender(), 0);
    EXPECT_EQ(itemIds(cached), std::vector<int32_t>{21});
}

TEST_F(ShopMessagesTest, ACutPageLeavesTheCachedPageUntouched) {
    ui->shopGender = 1;
    auto cached = std::make_shared<ItemsOfCategory>();
    cached->setGender(1);
    cached->setTotalPage(7);
    ui->itemPages[4] = cached;
    sys::Data cut = itemsPage(4, 1, {item(30, "p"), item(31, "q")});
    cut.pop_back();
    deliverShop(cut);
    EXPECT_EQ(exceptionsLogged(), 1);
    EXPECT_EQ(logic->count("onItemsOfCategoryInfo"), 0);
    EXPECT_TRUE(cached->itemList().empty());
    EXPECT_EQ(cached->totalPage(), 7);
}

TEST_F(ShopMessagesTest, OwnedItemPagesOfTwoGenders) {
    ui->profileGender = 0;
    deliverShop(userItemsPage(6, 0, {userItem(1, 100)}));
    UserItemsPage first = logic->last<UserItemsPage>("onUserItemsOfCategoryInfo");
    ASSERT_TRUE(first);
    ui->userItemPages[6] = first;
    deliverShop(userItemsPage(6, 0, {userItem(2, 101)}));
    EXPECT_EQ(logic->last<UserItemsPage>("onUserItemsOfCategoryInfo"), first);
    ASSERT_EQ(first->userItemsList().size(), 2u);
    EXPECT_EQ(first->userItemsList()[1]->userItemId(), 2);
    EXPECT_EQ(first->userItemsList()[1]->short_desc(), "ngắn");

    ui->profileGender = 1;
    deliverShop(userItemsPage(6, 1, {userItem(3, 102)}));
    UserItemsPage other = logic->last<UserItemsPage>("onUserItemsOfCategoryInfo");
    EXPECT_NE(other, first);
    EXPECT_EQ(other->gender(), 1);
    EXPECT_EQ(other->userItemsList().size(), 1u);
}

TEST_F(ShopMessagesTest, ItemDetails) {
    deliverShop(bytes({{101, 5}, i32(7), utf("Kính"), i32(900), i16(24), i16(3), i32(50), {1}, {1}, {0}, i16(-4),
                       i16(12), i32(2), i16(5)}));
    auto detail = logic->last<std::shared_ptr<AvatarDetail>>("onAvatarDetail");
    EXPECT_EQ(detail->itemId(), 7);
    EXPECT_EQ(detail->price(), 900);
    EXPECT_EQ(detail->effected_hours(), 24);
    EXPECT_EQ(detail->level_req(), 3);
    EXPECT_EQ(detail->score_of_fame(), 50);
    EXPECT_EQ(detail->item_gender(), 1);
    EXPECT_TRUE(detail->is_buy_or_sell());
    EXPECT_FALSE(detail->is_give());
    EXPECT_EQ(detail->avatar_x(), -4);
    EXPECT_EQ(detail->avatar_y(), 12);
    EXPECT_EQ(detail->category_id(), 2);
    EXPECT_EQ(detail->z_index(), 5);

    deliverShop(bytes({{101, 9}, i32(70), i32(7), utf("Kính"), utf("2013-01-01"), {2}, {1}, i16(6), i16(1), i16(2),
                       i32(3), i16(4)}));
    auto owned = logic->last<std::shared_ptr<UserAvatarDetail>>("onUserAvatarDetail");
    EXPECT_EQ(owned->userItemId(), 70);
    EXPECT_EQ(owned->expire_date(), "2013-01-01");
    EXPECT_EQ(owned->is_buy_give(), 2);
    EXPECT_TRUE(owned->is_using());
    EXPECT_EQ(owned->time_used(), 6);
    EXPECT_EQ(owned->z_index(), 4);
}

TEST_F(ShopMessagesTest, PurchaseGiftAndOpeningResults) {
    deliverShop(bytes({{101, 6, 0}, i32(1500)}));
    deliverShop(bytes({{101, 6, 3}, utf("Không đủ tiền")}));
    EXPECT_EQ(logic->last<int32_t>("onBuyAvatarSuccess"), 1500);
    EXPECT_EQ(logic->last<Text>("onBuyAvatarFail"), "Không đủ tiền");

    deliverShop(bytes({{101, 7, 0}, i32(11), i32(22), i32(33)}));
    EXPECT_EQ((logic->last<std::tuple<int32_t, int32_t, int32_t>>("onGiveGiftWithItem")), std::make_tuple(22, 11, 33));
    deliverShop(bytes({{101, 7, 1}, utf("refused")}));
    EXPECT_EQ(logic->count("onGiveGiftWithItem"), 1);

    deliverShop(bytes({{101, 17, 2}, utf("hết hạn"), i32(999)}));
    EXPECT_EQ((logic->last<std::tuple<int8_t, Text, int32_t>>("onOpenGift")), std::make_tuple(int8_t(2), Text("hết hạn"), 0));
    deliverShop(bytes({{101, 17, 0}, utf("ok"), i32(999)}));
    EXPECT_EQ((logic->last<std::tuple<int8_t, Text, int32_t>>("onOpenGift")), std::make_tuple(int8_t(0), Text("ok"), 999));
    EXPECT_EQ(exceptionsLogged(), 0);
}

TEST_F(ShopMessagesTest, WardrobeChanges) {
    deliverShop(bytes({{101, 10}, i32(55), {0}}));
    EXPECT_EQ(logic->last<int32_t>("onUpdateDeleteItem"), 55);
    deliverShop(bytes({{101, 10}, i32(56), {1}, utf("đang mặc")}));
    EXPECT_EQ(logic->last<Text>("onDeleteItemFail"), "đang mặc");
    EXPECT_TRUE(sys::Log::contains("Remove failed:đang mặc"));

    deliverShop({101, 11, 0});
    deliverShop(bytes({{101, 11, 4}, utf("no")}));
    EXPECT_EQ(logic->count("onUpdateSetUsing"), 1);
    EXPECT_TRUE(sys::Log::contains("Set Using failed:no"));

    deliverShop(bytes({{101, 12}, i32(3), {1}, i32(100), i32(1), i32(101), i32(2)}));
    auto worn = logic->last<std::vector<std::shared_ptr<UsingAvatar>>>("onListUsingAvatar");
    ASSERT_EQ(worn.size(), 2u);
    EXPECT_EQ(worn[1]->itemId(), 101);
    EXPECT_EQ(worn[1]->categoryId(), 2);
}

TEST_F(ShopMessagesTest, GiftItemsAndEventItems) {
    deliverShop(bytes({{101, 15}, i32(9), i32(2), i32(1), utf("Hoa hồng"), i32(10)}));
    ItemsPage gifts = logic->last<ItemsPage>("onItemsOfGiftInfo");
    EXPECT_EQ(gifts->categoryId(), 9);
    EXPECT_EQ(gifts->totalPage(), 2);
    ASSERT_EQ(gifts->itemList().size(), 1u);
    EXPECT_EQ(gifts->itemList()[0]->name(), "Hoa hồng");
    EXPECT_EQ(gifts->itemList()[0]->price(), 10);

    deliverShop(bytes({{101, 16}, i32(1), i32(31), utf("Lì xì"), utf("Tết")}));
    auto events = logic->last<GlobalLogicHandler::Assets>("onGetListItemsEvent");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->imgAssetId(), 31);
    EXPECT_EQ(events[0]->description(), "Tết");
}
