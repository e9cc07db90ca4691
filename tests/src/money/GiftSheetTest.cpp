// The table's gift sheet: the purchase for the chosen player at each card table, one per showing and
// none for a player who left; pages fetched when reached, stored under the page asked for, and late
// pages of another tab dropped.
#include <gtest/gtest.h>

#include "lobby/GlobalLogicHandler.h"
#include "money/menuGift.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/UserDefaults.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"

namespace zuno::testing {
namespace {

std::shared_ptr<CategoryShopInfo> category(int32_t id, const std::string& name) {
    auto c = std::make_shared<CategoryShopInfo>();
    c->setCategoryId(id);
    c->setName(name);
    return c;
}

// A page as the server sends it: no icons yet.
std::shared_ptr<ItemsOfCategory> page(int32_t categoryId, int32_t totalPage, int32_t firstId, int count) {
    auto p = std::make_shared<ItemsOfCategory>();
    p->setCategoryId(categoryId);
    p->setTotalPage(totalPage);
    for (int i = 0; i < count; ++i) {
        auto item = std::make_shared<ItemInfo>();
        item->setItemId(firstId + i);
        item->setName("item");
        item->setPrice(1000 * (i + 1));
        p->mutableItemList().push_back(item);
    }
    return p;
}

// The item's picture as the full-picture reply stores it.
void storePicture(int32_t itemId) {
    auto png = sys::readWholeFile(std::string(ZUNO_BUNDLE_DIR) + "/images/item-gift-1.png");
    ASSERT_TRUE(png);
    Resources::getInstance().setItemWithImage(sys::Data(png->begin(), png->end()), itemId);
}

sys::Data buyGift(int8_t room, int8_t board, int32_t item, int32_t to) {
    sys::Data expected;
    ServiceRecording r(GlobalService::getInstance());
    GlobalService::getInstance().requestBuyGift(item, room, board, to);
    return r.takeOne();
}

class GiftSheetTest : public TableTest {
protected:
    std::shared_ptr<menuGift> showSheet(ui::ViewController& table) {
        auto sheet = std::make_shared<menuGift>();
        table.view()->addSubview(sheet->view());
        sheet->viewWillAppear(false);
        run(1);
        return sheet;
    }
    // The table's own sheet, shown from its player menu.
    std::shared_ptr<menuGift> showTablesSheet(GameCardView& table) {
        table.showGiftView();
        run(1);
        return std::dynamic_pointer_cast<menuGift>(table.viewGift);
    }
    ServiceRecording lobby{GlobalService::getInstance()};
};

TEST_F(GiftSheetTest, AGiftGoesToTheChosenPlayerAtEachCardTableOncePerShowing) {
    struct Case {
        int8_t type;
        std::function<void()> open;
    } cases[] = {
        {3, [this] { GameController::showTienLenScreenWithRoom(1, 2, 10, 100, fourPlayers()); }},
        {12, [this] { GameController::showTienLenMBScreenWithRoom(1, 2, 10, 100, fourPlayers()); }},
        {11, [this] { GameController::showBaiCaoScreenWithRoom(1, 2, 10, 100, fourPlayers()); }},
        {2, [this] { GameController::showXiZachScreenWithRoom(1, 2, 10, 100, fourPlayers()); }},
    };
    for (const auto& c : cases) {
        UIController::setGameType(c.type);
        c.open();
        run(1);
        auto table = std::dynamic_pointer_cast<GameCardView>(nav().topViewController());
        ASSERT_TRUE(table) << int(c.type);
        table->setCurrentControlPlayer(seatPlayer(30, "binh"));
        auto sheet = showSheet(*table);
        lobby.session->clear();
        auto grid = std::make_shared<GiftPageView>(0, page(81, 1, 1001, 3), sheet);
        ui::Button item;
        item.setTag(1002);
        grid->itemClicked(&item);
        grid->itemClicked(&item);  // a second tap while the sheet slides out
        EXPECT_EQ(lobby.takeOne(), buyGift(1, 2, 1002, 30)) << int(c.type);
        run(1);

        // Shown again for a player who has left since: nothing.
        sheet->viewWillAppear(false);
        run(1);
        lobby.session->clear();
        table->setCurrentControlPlayer(seatPlayer(99, "gone"));
        grid->itemClicked(&item);
        EXPECT_TRUE(lobby.session->sent().empty()) << int(c.type);
        nav().popViewControllerAnimated(false);
        run(1);
    }
}

// The server's notice of a gift carries no money: a gift of mine costs what its page showed, taken
// from my balance and my seat at once, and the next change at the table starts from there. Others'
// gifts, and a notice of mine with no purchase behind it, cost me nothing.
TEST_F(GiftSheetTest, AGiftIGiveIsTakenFromMyBalanceAndMySeat) {
    while (GlobalService::getInstance().takePaidGiftPrice(1002)) {
    }  // purchases of other tests, never announced
    me->setMoney(5000);
    auto mySeat = seatPlayer(10, "me", 5000);  // the table's own record of me, as a join makes it
    auto table = open(3, {seatPlayer(20, "an"), mySeat, seatPlayer(30, "binh"), seatPlayer(40, "chi")});
    ASSERT_TRUE(table);
    table->setCurrentControlPlayer(seatPlayer(30, "binh"));
    auto sheet = showTablesSheet(*table);
    ASSERT_TRUE(sheet);
    auto grid = std::make_shared<GiftPageView>(0, page(81, 1, 1001, 3), sheet);
    ui::Button item;
    item.setTag(1002);  // 2,000 Xu
    grid->itemClicked(&item);
    run(1);
    auto shown = [&] { return table->lblMoney0->text().value_or(""); };

    GlobalLogicHandler::giveGift(1002, 20, 30);
    EXPECT_EQ(me->money(), 5000) << "another player's gift";
    GlobalLogicHandler::giveGift(1002, 10, 30);
    EXPECT_EQ(me->money(), 3000);
    EXPECT_EQ(mySeat->money(), 3000);
    EXPECT_EQ(shown(), "3,000 Xu");
    GlobalLogicHandler::giveGift(1002, 10, 30);
    EXPECT_EQ(me->money(), 3000) << "no purchase behind it";

    table->updateMoneyForPlayer(10, 500);
    EXPECT_EQ(shown(), "3,500 Xu");
}

TEST_F(GiftSheetTest, PagesAreFetchedWhenReachedAndStoredUnderThePageAskedFor) {
    auto table = open(3, fourPlayers());
    lobby.session->clear();
    auto sheet = showTablesSheet(*table);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.requestGetCategory(8, 0, 0); }));

    table->onShowListGift({category(81, "Flowers"), category(82, "Drinks")});
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.requestListItemsByGift(15, 81, 0); }));
    EXPECT_FALSE(sheet->scrollView->isScrollEnabled());  // paging waits for the page

    // A page of the other tab is dropped; the page asked for waits for its icons, then is drawn.
    table->onShowItemsWithGift(page(82, 1, 1101, 2));
    EXPECT_FALSE(Resources::getInstance().getItemsOfGift(82, 0));
    for (int id = 1001; id <= 1013; ++id) storePicture(id);
    auto first = page(81, 2, 1001, 13);
    table->onShowItemsWithGift(first);
    run(1);
    EXPECT_EQ(Resources::getInstance().getItemsOfGift(81, 0), first);
    ASSERT_EQ(sheet->viewControllers.size(), 2u);
    ASSERT_TRUE(sheet->viewControllers[0]);
    EXPECT_EQ(sheet->viewControllers[0]->view()->subviews().size(), 20u);  // ten of thirteen
    EXPECT_TRUE(sheet->scrollView->isScrollEnabled());

    // Scrolled to page 1: asked for, and stored as page 1 though the pager moved on meanwhile.
    lobby.session->clear();
    sheet->scrollView->setContentOffset(ui::Point{sheet->scrollView->frame().size.width, 0});
    sheet->scrollViewDidScroll(*sheet->scrollView);
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.requestListItemsByGift(15, 81, 1); }));
    sheet->setCurrentPage(0);
    auto second = page(81, 2, 1011, 3);
    table->onShowItemsWithGift(second);
    EXPECT_EQ(Resources::getInstance().getItemsOfGift(81, 1), second);
    EXPECT_NE(Resources::getInstance().getItemsOfGift(81, 0), second);

    // A page with no pages at all indexes nothing.
    table->onShowListGift({category(83, "Empty")});
    table->onShowItemsWithGift(page(83, 0, 0, 0));
    run(1);
    EXPECT_TRUE(sheet->viewControllers.empty());
}

TEST_F(GiftSheetTest, TabsOfANewListReplaceTheOldAndTheFirstWinsItsLook) {
    auto table = open(3, fourPlayers());
    auto sheet = showTablesSheet(*table);
    ASSERT_TRUE(sheet);
    auto tabsShown = [&] {
        int tabs = 0;
        for (const auto& v : sheet->actionSheetView()->subviews()) {
            auto b = std::dynamic_pointer_cast<ui::Button>(v);
            if (b && b->titleForState(ui::ControlState::Highlighted) != std::string("-1")) ++tabs;
        }
        return tabs;
    };
    table->onShowListGift({category(81, "Flowers"), category(82, "Drinks"), category(84, "Cakes")});
    EXPECT_EQ(tabsShown(), 3);
    table->onShowListGift({category(81, "Flowers")});
    EXPECT_EQ(tabsShown(), 1);
    sheet->unActiveAllTab();
    for (const auto& v : sheet->actionSheetView()->subviews()) {
        auto b = std::dynamic_pointer_cast<ui::Button>(v);
        if (b && b->tag() == 81) {
            EXPECT_EQ(b->backgroundImageForState(ui::ControlState::Normal), ui::Image::imageNamed("shop_menu_dau.png"));
        }
    }
}

}  // namespace
}  // namespace zuno::testing
