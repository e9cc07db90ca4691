// The category tree, the pager and the cart, without screens.
#include <gtest/gtest.h>

#include "money/CatalogNavigation.h"
#include "money/ShopCart.h"

using namespace zuno;

namespace {
std::shared_ptr<CategoryShopInfo> category(int32_t id, int32_t parent) {
    auto c = std::make_shared<CategoryShopInfo>();
    c->setCategoryId(id);
    c->setParentId(parent);
    return c;
}
std::shared_ptr<ItemInfo> item(int32_t id, int32_t price) {
    auto i = std::make_shared<ItemInfo>();
    i->setItemId(id);
    i->setPrice(price);
    return i;
}
}  // namespace

TEST(CategoryTree, ChildrenLinkToParentsThatCameFirst) {
    CategoryTree tree;
    tree.reset(1);
    tree.add({category(3, 1), category(4, 1), category(5, 1)});
    tree.add({category(9, 4), category(10, 4), category(11, 4), category(12, 77)});
    EXPECT_TRUE(tree.find(4)->hasChildren());
    EXPECT_FALSE(tree.find(3)->hasChildren());
    EXPECT_TRUE(tree.find(10)->hasParent());
    EXPECT_FALSE(tree.find(12)->hasParent());  // its parent never came
    std::vector<int32_t> children;
    for (const auto& c : tree.childrenOf(4)) children.push_back(c->categoryId());
    EXPECT_EQ(children, (std::vector<int32_t>{9, 10, 11}));
    EXPECT_EQ(tree.topLevel().size(), 4u);
    EXPECT_EQ(tree.find(99), nullptr);
}

TEST(ItemPager, PagesAreAskedOneAtATimeInOrder) {
    ItemPager pager;
    pager.start(3);
    // 10 items: page 0 is here; going to page 2 asks page 1 first, then page 2.
    EXPECT_EQ(pager.moveTo(2, 10), ItemPager::Step::Request);
    EXPECT_EQ(pager.requested(), 1);
    EXPECT_EQ(pager.moveTo(1, 10), ItemPager::Step::None);  // one request at a time
    EXPECT_EQ(pager.moveTo(2, 10), ItemPager::Step::None);
    EXPECT_EQ(pager.pageArrived(20), std::optional<int>(2));
    EXPECT_EQ(pager.pageArrived(23), std::nullopt);
    EXPECT_FALSE(pager.waiting());
    EXPECT_EQ(pager.moveTo(0, 23), ItemPager::Step::Draw);  // received: nothing asked
    EXPECT_EQ(pager.moveTo(3, 23), ItemPager::Step::None);  // beyond the last page
    EXPECT_EQ(pager.moveTo(-1, 23), ItemPager::Step::None);
    EXPECT_TRUE(ItemPager::isLoaded(23, 2));
    EXPECT_FALSE(ItemPager::isLoaded(20, 2));
}

TEST(ItemPager, OffsetsGiveThePageExceptWhileSettingUp) {
    ItemPager pager;
    pager.start(3);
    EXPECT_EQ(pager.pageAtOffset(0, 300), 0);
    EXPECT_EQ(pager.pageAtOffset(149, 300), 0);
    EXPECT_EQ(pager.pageAtOffset(151, 300), 1);
    EXPECT_EQ(pager.pageAtOffset(600, 300), 2);
    pager.flagInit = true;
    EXPECT_EQ(pager.pageAtOffset(600, 300), std::nullopt);
    EXPECT_EQ(pager.pageAtOffset(0, 300), std::nullopt);  // back at page 0: set up
    EXPECT_EQ(pager.pageAtOffset(300, 300), 1);
    pager.pageControlUsed = true;
    EXPECT_EQ(pager.pageAtOffset(300, 300), std::nullopt);
}

TEST(ShopCart, OneItemPerCategoryOnePaymentAtATime) {
    ShopCart cart;
    cart.put(3, item(30, 100));
    cart.put(4, item(40, 250));
    cart.put(3, item(31, 120));  // replaces, the total follows
    EXPECT_EQ(cart.total(), 370);
    EXPECT_TRUE(cart.containsItem(31));
    EXPECT_FALSE(cart.containsItem(30));
    cart.put(5, item(50, 2'000'000'000));
    cart.put(6, item(60, 2'000'000'000));
    EXPECT_EQ(cart.total(), 4'000'000'370);
    EXPECT_EQ(cart.itemIds(), (std::vector<int32_t>{31, 40, 50, 60}));

    EXPECT_TRUE(cart.startPaying());
    EXPECT_FALSE(cart.startPaying());
    cart.refused();  // the cart stays
    EXPECT_EQ(cart.entries().size(), 4u);
    EXPECT_TRUE(cart.startPaying());
    cart.paid();
    EXPECT_TRUE(cart.empty());
    EXPECT_EQ(cart.total(), 0);
    EXPECT_FALSE(cart.startPaying());  // nothing to pay
    cart.take(9);
    EXPECT_EQ(cart.total(), 0);
}

TEST(ShopCart, APaymentSettlesTheItemsAskedForWhateverTheCartHoldsWhenItIsTaken) {
    ShopCart cart;
    cart.put(3, item(30, 100));
    cart.put(4, item(40, 250));
    ASSERT_TRUE(cart.startPaying());
    cart.clear();
    cart.put(4, item(40, 250));  // the same item again: paid for, it goes
    cart.put(5, item(50, 70));   // put in meanwhile: it stays
    const auto bought = cart.paid();
    ASSERT_EQ(bought.size(), 2u);
    EXPECT_EQ(bought.at(3)->itemId(), 30);
    EXPECT_EQ(bought.at(4)->itemId(), 40);
    EXPECT_EQ(cart.itemIds(), (std::vector<int32_t>{50}));
    EXPECT_EQ(cart.total(), 70);
    EXPECT_FALSE(cart.paying());

    ASSERT_TRUE(cart.startPaying());
    cart.put(6, item(60, 5));
    cart.refused();
    EXPECT_EQ(cart.itemIds(), (std::vector<int32_t>{50, 60}));
    EXPECT_TRUE(cart.paid().empty()) << "a late answer to nothing on its way settles nothing";
    EXPECT_EQ(cart.total(), 75);
}
