// The top-up screen and its scratch-card form, the transfer sheet, the purchases tab, the assets tab
// and the avatar shop, with their requests recorded.
#include <gtest/gtest.h>

#include "lobby/StoredPurchases.h"
#include "money/AssetsView.h"
#include "money/AvatarView.h"
#include "money/IAPHelper.h"
#include "money/MoneyView.h"
#include "money/TransactionView.h"
#include "money/TransferMoneyView.h"
#include "money/ZunoIAPHelper.h"
#include "money/napGate.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/core/NotificationCenter.h"
#include "platform/core/UserDefaults.h"
#include "platform/services/Store.h"
#include "shell/ProgressHUD.h"
#include "src/money/MoneyScreensFixture.h"
#include "support/AlertButtons.h"

namespace zuno::testing {
namespace {

std::shared_ptr<ChargeMoneyInfo> row(int8_t type, const std::string& info, int8_t subId = 0, std::string sms = {},
                                     std::string to = {}) {
    auto o = ChargeMoneyInfo::initWithType(type);
    o->setInfo(info);
    o->setSubId(subId);
    o->setSmsContent(std::move(sms));
    o->setSmsTo(std::move(to));
    return o;
}

sys::Data bytes(std::initializer_list<int> values) {
    sys::Data out;
    for (int v : values) out.push_back(static_cast<uint8_t>(v));
    return out;
}

// Command 71 with its type, sub id and texts as the client writes them.
sys::Data charge(std::initializer_list<int> head, std::vector<std::string> texts) {
    sys::Data out = bytes(head);
    for (const auto& t : texts) {
        out.push_back(uint8_t(t.size() >> 8));
        out.push_back(uint8_t(t.size()));
        out.insert(out.end(), t.begin(), t.end());
    }
    return out;
}

class MoneyScreensTest : public MoneyScreensFixture {
protected:
    void SetUp() override {
        MoneyScreensFixture::SetUp();
        sys::Store::resetForTests();
        auto me = std::make_shared<Player>();
        me->setName("lan");
        me->setMoney(30000);
        UIController::setMyInfo(me);
        sys::UserDefaults::standard().setObject(sys::Value("lan"), StoredPurchases::kUserNameKey);
    }
    void TearDown() override {
        run(1);  // sheets sliding out let go of themselves
        sys::Store::resetForTests();
        MoneyScreensFixture::TearDown();
    }
    std::shared_ptr<MoneyView> topUp() {
        auto screen = std::make_shared<MoneyView>();
        show(screen);
        screen->setListMoney({row(0, "SMS", 0, "ZUNO NAP ", "8785"), row(1, "Charge 50,000", 1), row(2, "Card", 2),
                              row(3, "Soon"), row(4, "Hotline", 3, "Call us?", "19001234"),
                              row(5, "100,000 Xu", 0, "vn.zuno.xu100k"), row(6, "New"), row(-1, "Odd")});
        screen->tableView()->reloadData();
        sent();
        return screen;
    }
    void pressDialog(int index) {
        run(1);
        tapAlertButton(index);
        run(1);
    }
};

TEST_F(MoneyScreensTest, EachChannelOfTheTopUpList) {
    auto screen = topUp();
    EXPECT_EQ(screen->tableView()->numberOfRowsInSection(0), 8);

    // SMS on a computer: the syntax to send by hand, nothing sent.
    screen->selectRow(0);
    EXPECT_EQ(dialogText(), sys::format(Resources::getInstance().textForKey("ZUNO_syntaxSMS1"), "ZUNO NAP lan", "8785"));
    EXPECT_TRUE(sent().empty());

    // The direct charge asks first; OK sends the type and sub id only.
    screen->selectRow(1);
    EXPECT_EQ(dialogText(), "Charge 50,000");
    pressDialog(1);
    EXPECT_EQ(sent(), std::vector<sys::Data>{bytes({71, 1, 1})});

    // Nothing at all for type 3; the unknown types are refused.
    UIController::closeDialog();
    screen->selectRow(3);
    EXPECT_EQ(UIController::shownDialogMessage(), std::nullopt);
    for (size_t unknown : {6u, 7u}) {
        screen->selectRow(unknown);
        EXPECT_EQ(dialogText(), Resources::getInstance().textForKey("ZUNO_notAllowFunction"));
    }
    EXPECT_TRUE(sent().empty());

    // The store: a payment for the row's product, the row's text kept for the record.
    screen->selectRow(5);
    EXPECT_EQ(currentPurchaseName(), "100,000 Xu");
    ASSERT_EQ(sys::PaymentQueue::defaultQueue().addedPayments().size(), 1u);
    EXPECT_EQ(sys::PaymentQueue::defaultQueue().addedPayments()[0].productIdentifier, "vn.zuno.xu100k");
}

// Without a connection the channels cannot come: the screen says to sign in, sends nothing and shows no
// spinner that would turn for ever.
TEST_F(MoneyScreensTest, WithoutAConnectionTheTopUpScreenWaitsForNothing) {
    requests.session->connected = false;
    auto screen = std::make_shared<MoneyView>();
    show(screen);
    EXPECT_EQ(dialogText(), Resources::getInstance().textForKey("ZUNO_signInToTopUp"));
    EXPECT_TRUE(sent().empty());
    for (const auto& sub : screen->view()->subviews())
        EXPECT_FALSE(std::dynamic_pointer_cast<ui::ActivityIndicatorView>(sub));
}

// The share of two pictures' pixels where one has white pictogram ink and the other has not: how far
// their pictograms differ, whatever the colour of the tiles under them.
double pictogramDifference(const ui::Image& a, const ui::Image& b) {
    if (a.pixelWidth() != b.pixelWidth() || a.pixelHeight() != b.pixelHeight()) return 1;
    auto ink = [](uint32_t p) { return (p >> 24) > 0xC0 && ((p >> 16) & 0xFF) > 0xE0 && ((p >> 8) & 0xFF) > 0xE0 && (p & 0xFF) > 0xE0; };
    const int count = a.pixelWidth() * a.pixelHeight();
    int differ = 0;
    for (int i = 0; i < count; ++i) differ += ink(a.pixels()[i]) != ink(b.pixels()[i]);
    return double(differ) / count;
}

TEST_F(MoneyScreensTest, EachChannelTheClientHandlesShowsAPictureOfItsOwn) {
    auto screen = topUp();
    auto pictureOf = [&](int row) {
        auto cell = screen->cellForRowAtIndexPath(*screen->tableView(), ui::IndexPath{0, row});
        auto image = cell->imageView()->image();
        EXPECT_TRUE(image && !image->isPlaceholder()) << "row " << row;
        return image;
    };
    // SMS, direct charge, scratch card, hotline, store.
    const int handled[] = {0, 1, 2, 4, 5};
    std::vector<std::shared_ptr<ui::Image>> pictures;
    for (int row : handled) pictures.push_back(pictureOf(row));
    // The rows of no channel (3) and of channels this client does not know (6, -1) share one.
    auto other = pictureOf(3);
    for (int row : {6, 7}) EXPECT_EQ(pictureOf(row)->name(), other->name()) << "row " << row;
    pictures.push_back(other);
    for (auto& p : pictures) ASSERT_TRUE(p);
    for (size_t i = 0; i < pictures.size(); ++i) {
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            EXPECT_GT(pictogramDifference(*pictures[i], *pictures[j]), 0.04)
                << pictures[i]->name() << " and " << pictures[j]->name() << " show the same pictogram";
        }
    }
}

TEST_F(MoneyScreensTest, TheScratchCardFormSendsOnceAndOnlyFromTheTopUpScreen) {
    auto screen = topUp();
    screen->selectRow(2);
    run(1);
    auto gate = screen->gateView;
    ASSERT_TRUE(gate && gate->view()->superviewPointer() == screen->view().get());
    EXPECT_EQ(gate->lblTitle->text(), "Card");
    // An empty form still sends two empty texts, and a second OK nothing more.
    gate->doOK();
    gate->doOK();
    EXPECT_EQ(sent(), std::vector<sys::Data>{charge({71, 2, 2}, {"", ""})});
    run(1);

    screen->selectRow(2);
    run(1);
    gate->txfSerial->setText(std::string("11112222333"));
    gate->txfID->setText(std::string("123456789012"));
    gate->textFieldDoneEditting(gate->txfID.get());
    EXPECT_EQ(sent(), std::vector<sys::Data>{charge({71, 2, 2}, {"11112222333", "123456789012"})});
}

TEST_F(MoneyScreensTest, AReceiptGoesOutOnceAsAStorePurchaseWhateverRowIsChosen) {
    auto screen = topUp();
    // Shown again (back from another screen): still one subscription.
    screen->viewWillAppear(false);
    screen->selectRow(1);  // a direct-charge row chosen last
    UIController::closeDialog();
    sys::NotificationCenter::defaultCenter().postNotificationName("ProductPurchased", std::string("UjE="));
    EXPECT_EQ(sent(), std::vector<sys::Data>{charge({71, 5}, {"UjE="})});
}

TEST_F(MoneyScreensTest, TransferAmounts) {
    struct Case {
        const char* typed;
        std::optional<int32_t> sent;
    } cases[] = {{"9999", std::nullopt},       {"10000", 10000},        {"abc", std::nullopt},
                 {"-50000", std::nullopt},     {"99999999999", std::nullopt}, {"12000abc", 12000},
                 {"", std::nullopt},           {" 20000", 20000},       {"2147483647", 2147483647},
                 {"2147483648", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(TransferMoneyView::amountToSend(c.typed), c.sent) << c.typed;
}

// Once filled, the fields' placeholders are gone: a caption on each field's row, before it, still says
// which is the receiver and which the amount.
TEST_F(MoneyScreensTest, EachTransferFieldKeepsACaptionBeforeItOnceFilled) {
    auto sheet = openTransferSheet("hoa", "20000");
    for (const auto& field : {sheet->txtName, sheet->txtMoney}) {
        const ui::Rect f = field->frame();
        int captions = 0;
        for (const auto& v : field->superview()->subviews()) {
            auto* label = dynamic_cast<ui::Label*>(v.get());
            if (label && !label->isHidden() && label->text() == field->placeholder() && label->frame().maxX() <= f.x() &&
                label->frame().midY() > f.y() && label->frame().midY() < f.maxY()) {
                ++captions;
            }
        }
        EXPECT_EQ(captions, 1) << field->placeholder().value_or("no placeholder");
    }
}

TEST_F(MoneyScreensTest, TheTransferSheetSendsOncePerShowingAndKeepsItsTexts) {
    auto host = std::make_shared<ZunoViewController>();
    show(host);
    auto sheet = std::make_shared<TransferMoneyView>();
    host->view()->addSubview(sheet->view());
    sheet->viewWillAppear(false);
    sheet->txtName->setText(std::string("hoa"));
    sheet->txtMoney->setText(std::string("10000"));
    sheet->doTransferMoney();
    sheet->textFieldDoneEditting(sheet->txtMoney.get());  // Enter after OK
    sys::Data transfer = charge({17}, {"hoa"});
    for (int b : {0, 0, 0x27, 0x10}) transfer.push_back(uint8_t(b));
    EXPECT_EQ(sent(), std::vector<sys::Data>{transfer});
    run(1);

    host->view()->addSubview(sheet->view());
    sheet->viewWillAppear(false);
    EXPECT_EQ(sheet->txtName->text(), "hoa");
    EXPECT_EQ(sheet->txtMoney->text(), "10000");
    sheet->txtMoney->setText(std::string("9999"));
    sheet->doTransferMoney();
    EXPECT_EQ(dialogText(), "Số tiền không hợp lệ");
    EXPECT_TRUE(sent().empty());
}

TEST_F(MoneyScreensTest, ThePurchasesTabListsTheUsersEntriesAndResendsTheStoredReceipt) {
    sys::UserDefaults::standard().setObject(
        sys::Value(sys::Array{sys::Value("lan;a;b pack;UjE=;Dec 07, 2026 01:02"), sys::Value("hoa;x;UjI=;d"),
                              sys::Value("lan;broken")}),
        StoredPurchases::kKey);
    auto tab = std::make_shared<TransactionView>();
    show(tab);
    ASSERT_EQ(tab->transactionList.size(), 1u);
    EXPECT_EQ(tab->transactionList[0]->info(), "a;b pack");
    EXPECT_EQ(tab->myTableView->numberOfRowsInSection(0), 1);
    sent();
    tab->resendRow(0);
    EXPECT_EQ(sent(), std::vector<sys::Data>{charge({71, 5}, {"UjE="})});
    ASSERT_TRUE(tab->hud);
    EXPECT_EQ(tab->hud->labelText(), Resources::getInstance().textForKey("ZUNO_Alert_Waiting_Transaction"));
    // No answer: after 30 s a notice, gone 3 s later.
    run(30.5);
    // In the interface's language, like the rest of the tab.
    EXPECT_EQ(tab->hud->labelText(), Resources::getInstance().textForKey("ZUNO_timeoutNotice"));
    EXPECT_EQ(tab->hud->detailsLabelText(), Resources::getInstance().textForKey("ZUNO_tryAgainLater"));
    run(3.5);
    EXPECT_FALSE(tab->hud);
}

TEST_F(MoneyScreensTest, AnOpenedAssetIsRemovedByItsId) {
    auto tab = std::make_shared<AssetsView>();
    show(tab);
    std::vector<std::shared_ptr<Asset>> assets;
    for (int i = 0; i < 3; ++i) {
        auto a = std::make_shared<Asset>();
        a->setAssetId(300 + i);
        a->setName("present " + std::to_string(i));
        assets.push_back(a);
    }
    tab->updateViewWithAssets(assets);
    sent();
    tab->didSelectRowAtIndexPath(*tab->myTableView, {0, 1});
    EXPECT_EQ(sent(), std::vector<sys::Data>{bytes({101, 17, 0, 0, 1, 0x2d})});
    // The list came again before the answer, in another order.
    tab->updateViewWithAssets({assets[2], assets[1], assets[0]});
    tab->deleteAsset();
    ASSERT_EQ(tab->myAssets.size(), 2u);
    EXPECT_EQ(tab->myAssets[0]->assetId(), 302);
    EXPECT_EQ(tab->myAssets[1]->assetId(), 300);
}

TEST_F(MoneyScreensTest, TheAvatarShopChecksTheBalanceBeforeAsking) {
    auto shop = std::make_shared<AvatarView>();
    show(shop);
    EXPECT_EQ(sent(), std::vector<sys::Data>{bytes({39})});
    std::vector<std::shared_ptr<Avatar>> list;
    for (auto [id, price] : {std::pair<int16_t, int32_t>{11, 30000}, {12, 30001}}) {
        auto a = std::make_shared<Avatar>();
        a->setAvatarId(id);
        a->setName("avatar");
        a->setPrice(price);
        list.push_back(a);
    }
    shop->setListAvatars(list);
    shop->tableView()->reloadData();
    EXPECT_EQ(shop->priceFromID(12), 30001);
    EXPECT_EQ(shop->priceFromID(99), 0);
    // A price equal to the balance is affordable.
    shop->didSelectRowAtIndexPath(*shop->tableView(), {0, 0});
    EXPECT_EQ(dialogText(), sys::format(Resources::getInstance().textForKey("ZUNO_confirmBuyAvatar"), int64_t(30000)));
    pressDialog(1);
    EXPECT_EQ(sent(), std::vector<sys::Data>{bytes({43, 0, 11})});
    shop->didSelectRowAtIndexPath(*shop->tableView(), {0, 1});
    EXPECT_EQ(dialogText(), sys::format(Resources::getInstance().textForKey("ZUNO_noEnoughBuyAvatar"), int64_t(30000)));
    pressDialog(0);
    EXPECT_TRUE(sent().empty());
}

TEST_F(MoneyScreensTest, TheAvatarShopFillsInPicturesOnTheLoopAndConfirmsAPurchase) {
    auto shop = std::make_shared<AvatarView>();
    show(shop);
    auto cat = std::make_shared<Avatar>();
    cat->setAvatarId(11);
    cat->setName("Cat");
    cat->setPrice(20000);
    shop->setListAvatars({cat});
    auto picture = ui::Image::fromPixels(1, 1, {0xff336699});
    Resources::getInstance().setAvatarWithImage(picture, 11);
    // Handed to the main loop, not done in the caller.
    shop->updateListAvatarImages();
    EXPECT_EQ(cat->img(), nullptr);
    run(0);
    EXPECT_EQ(cat->img(), picture);

    UIController::setOkValue(UIController::okBuyAvatar);
    shop->buyAvatarSuccess();
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    EXPECT_EQ(dialogText(), Resources::getInstance().textForKey("ZUNO_buyAvatarOK"));
}

}  // namespace
}  // namespace zuno::testing
