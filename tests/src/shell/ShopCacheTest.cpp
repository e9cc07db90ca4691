#include <gtest/gtest.h>

#include <thread>

#include "platform/core/Log.h"
#include "shell/Resources.h"

using namespace zuno;

namespace {
std::shared_ptr<ItemInfo> item(int32_t id, bool bought) {
    auto i = std::make_shared<ItemInfo>();
    i->setItemId(id);
    i->setIs_bought(bought);
    return i;
}
std::shared_ptr<UserItemInfo> owned(int32_t userItemId, bool using_) {
    auto i = std::make_shared<UserItemInfo>();
    i->setUserItemId(userItemId);
    i->setIs_using(using_);
    return i;
}
std::shared_ptr<UserAvatarDetail> detail(int32_t userItemId, bool using_) {
    auto d = std::make_shared<UserAvatarDetail>();
    d->setUserItemId(userItemId);
    d->setIs_using(using_);
    return d;
}
}  // namespace

TEST(ShopCache, APurchaseMarksOnlyTheFirstUnboughtItemOfThatId) {
    auto& r = Resources::getInstance();
    auto page = std::make_shared<ItemsOfCategory>();
    page->setItemList({item(4, true), item(7, false), item(4, false), item(4, false)});
    r.setItemsOfCategory(page, 2);

    r.updateItemsOfCategory(2, 4);
    const auto& list = r.getItemsOfCategory(2)->itemList();
    EXPECT_TRUE(list[0]->is_bought());
    EXPECT_FALSE(list[1]->is_bought());
    EXPECT_TRUE(list[2]->is_bought());
    EXPECT_FALSE(list[3]->is_bought());
    // Unknown categories and items change nothing.
    r.updateItemsOfCategory(9, 4);
    r.updateItemsOfCategory(2, 99);
    EXPECT_FALSE(list[3]->is_bought());
}

TEST(ShopCache, WearingKeepsOneItemPerCategoryAndTakingOffClearsAll) {
    auto& r = Resources::getInstance();
    auto page = std::make_shared<UserItemsOfCategory>();
    page->setUserItemsList({owned(10, true), owned(11, false), owned(12, false)});
    r.setUserItemsOfCategory(page, 3);
    r.updateUserItemsOfCategory(3, 12, true);
    auto flags = [&] {
        std::vector<bool> out;
        for (const auto& i : r.getUserItemsOfCategory(3)->userItemsList()) out.push_back(i->is_using());
        return out;
    };
    EXPECT_EQ(flags(), (std::vector<bool>{false, false, true}));
    r.updateUserItemsOfCategory(3, 12, false);
    EXPECT_EQ(flags(), (std::vector<bool>{false, false, false}));

    r.removeUserItemInfoFromCategory(3, 11);
    ASSERT_EQ(r.getUserItemsOfCategory(3)->userItemsList().size(), 2u);
    EXPECT_EQ(r.getUserItemsOfCategory(3)->userItemsList()[1]->userItemId(), 12);

    r.setUserAvatarDetail(detail(10, true), 10);
    r.setUserAvatarDetail(detail(12, false), 12);
    EXPECT_TRUE(sys::Log::contains("setUserAvatarDetailwithItemId:12"));
    r.updateUserAvatarDetailWithUserUsing(12, true);
    EXPECT_FALSE(r.getUserAvatarDetailWithUserItemId(10)->is_using());
    EXPECT_TRUE(r.getUserAvatarDetailWithUserItemId(12)->is_using());
    r.removeUserAvatarDetailWithUserItemId(12);
    EXPECT_EQ(r.getUserAvatarDetailWithUserItemId(12), nullptr);
}

TEST(ShopCache, RenewForgetsPagesAndDetailsButKeepsGiftsAndWornItems) {
    auto& r = Resources::getInstance();
    r.setItemsOfCategory(std::make_shared<ItemsOfCategory>(), 1);
    r.setUserItemsOfCategory(std::make_shared<UserItemsOfCategory>(), 1);
    r.setAvatarDetail(std::make_shared<AvatarDetail>(), 5);
    r.setUserAvatarDetail(std::make_shared<UserAvatarDetail>(), 6);
    auto gifts = std::make_shared<ItemsOfCategory>();
    r.setItemsOfGift(gifts, 4, 2);
    r.setUsingAvatar(std::make_shared<UsingAvatar>(), 8);

    r.renewAvatarMemory();
    EXPECT_EQ(r.getItemsOfCategory(1), nullptr);
    EXPECT_EQ(r.getUserItemsOfCategory(1), nullptr);
    EXPECT_EQ(r.getAvatarDetailWithItemId(5), nullptr);
    EXPECT_EQ(r.getUserAvatarDetailWithUserItemId(6), nullptr);
    EXPECT_EQ(r.getItemsOfGift(4, 2), gifts);
    EXPECT_TRUE(sys::Log::contains("Get item key: 4_2"));
    // "4_2" is not "42_" nor page 2 of category 42.
    EXPECT_EQ(r.getItemsOfGift(42, 2), nullptr);
    ASSERT_EQ(r.getListUsingAvatar().size(), 1u);
    EXPECT_NE(r.getUsingAvatar(8), nullptr);
}

// Without the lock the sanitizer catches the maps changing under each other.
TEST(ShopCache, ReaderThreadMayFillWhileTheScreenReads) {
    auto& r = Resources::getInstance();
    std::thread reader([&] {
        for (int i = 0; i < 300; ++i) {
            auto page = std::make_shared<ItemsOfCategory>();
            page->setItemList({item(1, false), item(2, false)});
            r.setItemsOfCategory(page, i % 7);
        }
    });
    for (int i = 0; i < 300; ++i) {
        r.updateItemsOfCategory(i % 7, 1);
        // The screen sees a page whole or none at all.
        if (auto page = r.getItemsOfCategory(i % 7)) {
            EXPECT_EQ(page->itemList().size(), 2u);
        }
        if (i % 50 == 0) r.renewAvatarMemory();
    }
    reader.join();
    r.renewAvatarMemory();
}
