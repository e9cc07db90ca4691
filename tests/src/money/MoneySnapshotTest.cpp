// Pictures of the top-up list and its scratch-card form, the transfer sheet, the purchases tab with
// its waiting overlay, the assets tab, the avatar shop, and the gift sheet over a Tien Len table.
#include <gtest/gtest.h>

#include <algorithm>

#include "lobby/StoredPurchases.h"
#include "money/AssetsView.h"
#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/TransactionView.h"
#include "money/TransferMoneyView.h"
#include "money/menuGift.h"
#include "money/napGate.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/UserDefaults.h"
#include "shell/Resources.h"
#include "src/money/MoneyScreensFixture.h"
#include "src/table/TableFixture.h"
#include "support/ListMargins.h"
#include "support/SnapshotCompare.h"
#include "support/TextContrast.h"

namespace zuno::testing {
namespace {

std::shared_ptr<ChargeMoneyInfo> row(int8_t type, const std::string& info) {
    auto o = ChargeMoneyInfo::initWithType(type);
    o->setInfo(info);
    return o;
}

ui::ImagePtr picture(const std::string& name) {
    auto png = sys::readWholeFile(std::string(ZUNO_BUNDLE_DIR) + "/images/" + name);
    return png ? ui::Image::imageWithData(reinterpret_cast<const uint8_t*>(png->data()), png->size()) : nullptr;
}

class MoneySnapshots : public MoneyScreensFixture {
protected:
    void SetUp() override {
        MoneyScreensFixture::SetUp();
        auto me = std::make_shared<Player>();
        me->setName("lan");
        me->setMoney(60000);
        UIController::setMyInfo(me);
        sys::UserDefaults::standard().setObject(sys::Value("lan"), StoredPurchases::kUserNameKey);
    }
    void TearDown() override {
        run(1);
        MoneyScreensFixture::TearDown();
    }
    // A profile tab as the profile screen shows it, under the top bar.
    void showTab(const std::shared_ptr<ui::ViewController>& tab) {
        auto host = std::make_shared<ZunoViewController>();
        show(host);
        host->view()->addSubview(tab->view());
        tab->view()->setFrame(ui::Rect(0, 40, 480, 260));
        run(1);
    }
};

TEST_F(MoneySnapshots, TopUpListAndScratchCardForm) {
    auto screen = std::make_shared<MoneyView>();
    show(screen);
    screen->setListMoney({row(0, "SMS: 15,000 Xu"), row(1, "Direct charge: 50,000 Xu"), row(2, "Scratch card"),
                          row(4, "Hotline"), row(5, "100,000 Xu"), row(5, "500,000 Xu")});
    screen->tableView()->reloadData();
    screen->hideLoadingScreen();
    EXPECT_TRUE(matchesScreen("money_top_up"));
    EXPECT_GE(leftmostRowContent(*screen->tableView()), 5);
    screen->selectRow(2);
    run(1);
    screen->gateView->txfSerial->setText(std::string("11112222333"));
    EXPECT_TRUE(matchesScreen("money_scratch_card"));
}

TEST_F(MoneySnapshots, TransferSheet) {
    openTransferSheet("hoa", "20000");
    EXPECT_TRUE(matchesScreen("money_transfer"));
}

TEST_F(MoneySnapshots, PurchasesWithTheWaitingOverlay) {
    sys::UserDefaults::standard().setObject(
        sys::Value(sys::Array{sys::Value("lan;100,000 Xu;UjE=;Dec 07, 2026 01:02"),
                              sys::Value("lan;500,000 Xu;UjI=;Dec 07, 2026 01:40")}),
        StoredPurchases::kKey);
    auto tab = std::make_shared<TransactionView>();
    showTab(tab);
    EXPECT_TRUE(matchesScreen("money_purchases"));
    EXPECT_GE(leftmostRowContent(*tab->myTableView), 5);
    // The purchase's date reads on the background.
    auto purchase = tab->myTableView->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(purchase);
    EXPECT_GE(textContrast(*purchase->detailTextLabel()), 4.5);
    tab->resendRow(0);
    EXPECT_TRUE(matchesScreen("money_purchases_resending"));
}

TEST_F(MoneySnapshots, AssetsAndAvatarShop) {
    auto assets = std::make_shared<AssetsView>();
    showTab(assets);
    std::vector<std::shared_ptr<Asset>> list;
    struct Present {
        const char* name;
        const char* text;
        int32_t pictureId;
        const char* picture;
    };
    for (const Present& p : {Present{"Lucky envelope", "Open it for 20,000 Xu.", 702, "item-lucky-envelope.png"},
                             Present{"Birthday present", "From hoa, with love.", 701, "item-present.png"}}) {
        Resources::getInstance().setAssetWithImage(picture(p.picture), p.pictureId);
        auto a = std::make_shared<Asset>();
        a->setName(p.name);
        a->setDescription(std::string(p.text));
        a->setImgAssetId(p.pictureId);
        list.push_back(a);
    }
    assets->updateViewWithAssets(list);
    EXPECT_TRUE(matchesScreen("money_assets"));

    auto shop = std::make_shared<AvatarView>();
    show(shop);
    std::vector<std::shared_ptr<Avatar>> avatars;
    // As the stand-in server sells them: avatar 10 + n shows "item-avatar-n.png".
    struct Sold {
        const char* name;
        int price;
        int n;
    };
    for (const Sold& sold : {Sold{"Cat", 20000, 1}, Sold{"Robot", 50000, 2}, Sold{"Crown", 5000000, 4}}) {
        auto a = std::make_shared<Avatar>();
        a->setAvatarId(static_cast<int16_t>(10 + sold.n));
        a->setName(sold.name);
        a->setPrice(sold.price);
        a->setImg(picture("item-avatar-" + std::to_string(sold.n) + ".png"));
        avatars.push_back(a);
    }
    shop->setListAvatars(avatars);
    shop->updateAvatarImage();
    EXPECT_TRUE(matchesScreen("money_avatar_shop"));
    EXPECT_GE(leftmostRowContent(*shop->tableView()), 5);
}

using GiftSnapshots = TableTest;

TEST_F(GiftSnapshots, GiftSheetOverATienLenTable) {
    auto table = open(3, fourPlayers());
    table->showGiftView();
    run(1);
    auto sheet = std::dynamic_pointer_cast<menuGift>(table->viewGift);
    ASSERT_TRUE(sheet);
    auto flowers = std::make_shared<CategoryShopInfo>();
    flowers->setCategoryId(81);
    flowers->setName("Flowers");
    auto drinks = std::make_shared<CategoryShopInfo>();
    drinks->setCategoryId(82);
    drinks->setName("Drinks");
    table->onShowListGift({flowers, drinks});
    auto page = std::make_shared<ItemsOfCategory>();
    page->setCategoryId(81);
    page->setTotalPage(2);
    // The stand-in server's first page of flowers, each with its own picture.
    const char* const flowerNames[] = {"rose",  "tulip", "lily",  "lotus",    "orchid",
                                       "daisy", "peony", "aster", "camellia", "violet"};
    for (int i = 0; i < 10; ++i) {
        auto item = std::make_shared<ItemInfo>();
        item->setItemId(1001 + i);
        item->setPrice(1000 * (i + 1));
        item->setImageIcon(picture(std::string("item-flower-") + flowerNames[i] + ".png"));
        page->mutableItemList().push_back(item);
    }
    table->onShowItemsWithGift(page);
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "money_gift_sheet"));

    // The category tabs lie within the panel's picture.
    const auto& panelParts = sheet->actionSheetView()->subviews();
    auto picture = std::find_if(panelParts.begin(), panelParts.end(),
                                [](const auto& v) { return std::dynamic_pointer_cast<ui::ImageView>(v) != nullptr; });
    ASSERT_NE(picture, panelParts.end());
    const ui::Rect panel = (*picture)->frame();
    int tabs = 0;
    for (const auto& view : panelParts) {
        // A tab carries its index as its highlighted title; the sheet's other buttons "-1".
        auto tab = std::dynamic_pointer_cast<ui::Button>(view);
        if (!tab || tab->titleForState(ui::ControlState::Highlighted).value_or("-1") == "-1") continue;
        ++tabs;
        EXPECT_TRUE(panel.contains(tab->frame().origin) && panel.contains({tab->frame().maxX(), tab->frame().maxY()}))
            << tab->currentTitle().value_or("") << " at y " << tab->frame().y() << ", the panel from " << panel.y();
    }
    EXPECT_EQ(tabs, 2);
}

}  // namespace
}  // namespace zuno::testing
