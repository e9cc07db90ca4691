// Money in the desktop program, headless, against the stand-in over TCP and HTTP, as the store
// provider (121) with the sandbox store: every top-up channel, store purchases whose receipts are
// recorded, sent, credited and removed, a lost reply and a stop before the store heard back, a
// transfer, a present opened, a gift flying to a robot's seat and an avatar bought.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalService.h"
#include "lobby/StoredPurchases.h"
#include "money/AssetsView.h"
#include "money/IAPHelper.h"
#include "money/MoneyView.h"
#include "money/TransactionView.h"
#include "money/ZunoIAPHelper.h"
#include "money/menuGift.h"
#include "money/napGate.h"
#include "platform/core/DataFolder.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "screens/MainView.h"
#include "screens/ProfileView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinTienLen.h"
#include "support/AlertButtons.h"
#include "support/MoneyRoadSteps.h"
#include "table/PlayerMenuSheets.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kMe = 4711;
constexpr int64_t kStart = 500000;

class MoneyRoadTest : public zuno::testing::MoneyRoadSteps {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, kStart, 12, 250});
        signIn->addAccount({"hoa", "sen", 4712, 1000, 3, 10});
        StandinRobotTables::Options options;
        options.invitationDelay = invitationDelay();
        options.robotDelay = 0;
        robots = StandinRobotTables::installOn(server, signIn, nullptr, options);
        tienLen = StandinTienLen::addTo(*robots, 3);
        robots->setInvitationRotation({3});
        money = StandinMoney::installOn(server, signIn, ZUNO_STANDIN_PICTURES);
        programOptions.provider = 121;
        programOptions.sandboxStore = true;
        ASSERT_NO_FATAL_FAILURE(launchProgram("money-road"));
        settle();
    }

    // Only the gift's road takes the robots' invitation.
    virtual double invitationDelay() const { return 3600; }
    int64_t balance() const { return signIn->balance(kMe).value_or(-1); }
    static int64_t shownBalance() { return UIController::myInfo()->money(); }
    static std::vector<std::string> storedReceipts() {
        std::vector<std::string> out;
        for (const auto& p : StoredPurchases::ofUser("lan")) out.push_back(p.receipt);
        return out;
    }
    // The profile from the main menu, once its tabs have faded in.
    // The profile's presents tab, once the two presents are listed.
    std::shared_ptr<AssetsView> openThePresents(ProfileView& profile) {
        tap(*profile.btnTabOwner);
        auto presents = std::dynamic_pointer_cast<AssetsView>(profile.ownedItemsTab());
        if (!presents || !pump([&] { return presents->myAssets.size() == 2; })) {
            ADD_FAILURE() << "opening the presents tab: "
                          << (presents ? "it never listed the two presents" : "no such tab");
            return nullptr;
        }
        settle();
        return presents;
    }
    std::shared_ptr<ProfileView> openProfile() {
        auto menu = waitForTop<MainView>();
        if (!menu) return nullptr;
        menu->doShowProfile(nullptr);
        auto profile = waitForTop<ProfileView>();
        if (profile) pump([&] { return profile->viewingTabIndex() == 1; });
        settle();
        return profile;
    }
    std::shared_ptr<TransactionView> openPurchasesTab() {
        auto profile = openProfile();
        if (!profile) return nullptr;
        tap(*profile->btnTabTransaction);
        settle();
        return std::dynamic_pointer_cast<TransactionView>(profile->purchasesTab());
    }

    std::shared_ptr<StandinTienLen> tienLen;
    std::shared_ptr<StandinMoney> money;
};

TEST_F(MoneyRoadTest, EveryChannelThenAStorePurchaseRecordedSentCreditedAndRemoved) {
    signInFromTheLoginScreen("lan", "hoa sen");
    auto topUp = openTopUp();
    ASSERT_TRUE(topUp);
    // Six channels of the server, two store rows of the payment options.
    ASSERT_EQ(topUp->tableView()->numberOfRowsInSection(0), 8);
    EXPECT_EQ(topUp->listMoney[6]->type(), 5);

    // SMS: the syntax to send by hand.
    tapRow(*topUp, 0);
    EXPECT_NE(dialogText().find("ZUNO NAP lan"), std::string::npos);
    answerAlert(true);

    // A direct charge, confirmed.
    tapRow(*topUp, 1);
    answer(topUp->listMoney[1]->info(), true);
    answer("50,000 Xu were added.", true);
    EXPECT_EQ(balance(), kStart + 50000);
    EXPECT_EQ(shownBalance(), kStart + 50000);

    // A bad scratch card, then a good one.
    for (auto [serial, pin] : {std::pair{"0000", "1111"}, std::pair{StandinMoney::kGoodSerial, StandinMoney::kGoodPin}}) {
        tapRow(*topUp, 2);
        ASSERT_TRUE(topUp->gateView->txfSerial->isFirstResponder());
        type(serial);
        tap(*topUp->gateView->txfID);
        type(pin);
        tap(*topUp->gateView->btnOK);
        settle();
        if (std::string(serial) == "0000") answer(StandinMoney::kCardRefused, false);
    }
    answer("Your card added 100,000 Xu.", true);
    EXPECT_EQ(balance(), kStart + 150000);

    // The store: the sandbox asks, the receipt is recorded, sent and credited, and the entry goes.
    tapRow(*topUp, 6);
    answer("Buy vn.zuno.online.xu100k? No real money is taken.", true);
    ASSERT_TRUE(pump([&] { return balance() == kStart + 250000; }));
    ASSERT_TRUE(pump([] { return dialogText() == "Thank you: 100,000 Xu were added."; })) << dialogText();
    EXPECT_TRUE(storedReceipts().empty());
    EXPECT_EQ(shownBalance(), kStart + 250000);
    answerAlert(true);
    EXPECT_EQ(money->creditedReceipts(), 1u);

    // A payment cancelled in the store: no alert, nothing recorded.
    tapRow(*topUp, 7);
    ASSERT_TRUE(pump([] { return dialogText().find("xu500k") != std::string::npos; }));
    answerAlert(false);
    settle();
    EXPECT_EQ(dialogText(), "");
    EXPECT_TRUE(storedReceipts().empty());
}

TEST_F(MoneyRoadTest, ALostReplyLeavesTheEntryForOneResendThatCreditsNothingTwice) {
    signInFromTheLoginScreen("lan", "hoa sen");
    auto topUp = openTopUp();
    ASSERT_TRUE(topUp);
    money->dropNextResult();
    program->sandboxStore()->script(app::SandboxStore::Answer::Approve);
    tapRow(*topUp, 6);
    ASSERT_TRUE(pump([&] { return balance() == kStart + 100000; }));  // credited, answer lost
    settle();
    ASSERT_EQ(storedReceipts().size(), 1u);
    EXPECT_EQ(shownBalance(), kStart);

    // The purchases tab sends it again: already credited (status 2), settled, no second credit.
    topUp->doExit(nullptr);
    auto tab = openPurchasesTab();
    ASSERT_TRUE(tab);
    ASSERT_EQ(tab->transactionList.size(), 1u);
    tab->resendRow(0);
    settle();  // the progress box over the tab, until the server answers
    answer("This purchase was credited already.", true);
    EXPECT_TRUE(storedReceipts().empty());
    EXPECT_TRUE(tab->transactionList.empty());
    EXPECT_EQ(balance(), kStart + 100000);
    EXPECT_EQ(shownBalance(), kStart + 100000);
    EXPECT_FALSE(tab->hud && tab->hud->superviewPointer());
}

TEST_F(MoneyRoadTest, AStopBeforeTheStoreHeardBackStoresTwiceAndOneResendSettlesBoth) {
    signInFromTheLoginScreen("lan", "hoa sen");
    const std::string storeFile = sys::dataFolder() + "/" + app::SandboxStore::kFileName;
    // Bought with no top-up screen open: the receipt waits for a re-send.
    program->sandboxStore()->script(app::SandboxStore::Answer::Approve);
    currentPurchaseName() = "100,000 Xu";
    ZunoIAPHelper::sharedHelper()->buyProductIdentifier("vn.zuno.online.xu100k");
    // The store kept it unfinished; the program stops before finishing it.
    const std::string unfinished = storeFile + ".unfinished";
    std::filesystem::copy_file(storeFile, unfinished, std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(pump([] { return storedReceipts().size() == 1; }));
    relaunchProgram();
    std::filesystem::copy_file(unfinished, storeFile, std::filesystem::copy_options::overwrite_existing);
    relaunchProgram();
    // At launch the store reports it again: a second copy of the same receipt.
    ASSERT_TRUE(pump([] { return storedReceipts().size() == 2; }));
    EXPECT_EQ(storedReceipts()[0], storedReceipts()[1]);
    EXPECT_TRUE(program->sandboxStore()->unfinished().empty());

    signInFromTheLoginScreen("lan", "hoa sen");
    auto tab = openPurchasesTab();
    ASSERT_TRUE(tab);
    ASSERT_EQ(tab->transactionList.size(), 2u);
    tab->resendRow(1);
    answer("Thank you: 100,000 Xu were added.", true);
    EXPECT_TRUE(storedReceipts().empty());
    EXPECT_EQ(balance(), kStart + 100000);
}

TEST_F(MoneyRoadTest, ATransferAPresentAndAnAvatar) {
    signInFromTheLoginScreen("lan", "hoa sen");

    // A transfer to hoa from a sheet over the menu.
    transferFromTheMenu("hoa", "20000", "You gave hoa 20,000 Xu.");
    EXPECT_EQ(balance(), kStart - 20000);
    EXPECT_EQ(signIn->balance(4712), 21000);
    EXPECT_EQ(shownBalance(), kStart - 20000);

    // A present opened from the profile's presents tab.
    auto profile = openProfile();
    ASSERT_TRUE(profile);
    auto presents = openThePresents(*profile);
    ASSERT_TRUE(presents);
    auto present = presents->myTableView->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(present);
    tap(*present);
    answer("The present held 20,000 Xu.", true);
    EXPECT_EQ(presents->myAssets.size(), 1u);
    EXPECT_EQ(balance(), kStart);
    EXPECT_EQ(shownBalance(), kStart);
    // The personal data show it at once.
    tap(*profile->btnTabProfile);
    settle();
    EXPECT_EQ(profile->personalDataTab()->btnMoney->currentTitle(), "500,000 Xu");

    // The flat avatar shop, pushed: Cat for 20,000.
    ASSERT_TRUE(buyTheCatAvatar());
    EXPECT_EQ(balance(), kStart - 20000);
    EXPECT_EQ(UIController::myInfo()->avatar(), 11);
    EXPECT_EQ(shownBalance(), kStart - 20000);
}

// A client that shows Vietnamese reads its presents, and what one held, in Vietnamese.
TEST_F(MoneyRoadTest, PresentsReadInTheClientsLanguage) {
    ASSERT_NO_FATAL_FAILURE(switchLanguageOnTheLoginScreen());
    signInFromTheLoginScreen("lan", "hoa sen");
    auto profile = openProfile();
    ASSERT_TRUE(profile);
    auto presents = openThePresents(*profile);
    ASSERT_TRUE(presents);
    EXPECT_EQ(presents->myAssets[0]->name(), "Lì xì may mắn");
    EXPECT_EQ(presents->myAssets[1]->name(), "Quà sinh nhật");
    EXPECT_EQ(presents->myAssets[1]->description(), "Mở ra để nhận 20,000 Xu.");
    auto present = presents->myTableView->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(present);
    tap(*present);
    answer("Món quà có 20,000 Xu.", true);
}

class MoneyGiftRoadTest : public MoneyRoadTest {
protected:
    double invitationDelay() const override { return 1; }
    // The robot's seat menu, then its present button: the gift sheet.
    std::shared_ptr<menuGift> openTheRobotsGiftSheet(TienLenView& table) {
        ui::Button seat;
        seat.setTag(table.getSeatFromID(StandinTienLen::kRobotId));
        table.showPlayerDetail(&seat);
        settle();
        if (!table.optionView) {
            ADD_FAILURE() << "opening the robot's gift sheet: his seat menu did not open";
            return nullptr;
        }
        tap(*table.optionView->btnPresentGift);
        return std::dynamic_pointer_cast<menuGift>(table.viewGift);
    }
};

TEST_F(MoneyGiftRoadTest, AGiftFliesToTheRobotsSeat) {
    UIController::setInviting(true);
    signInFromTheLoginScreen("lan", "hoa sen");
    ASSERT_TRUE(pump([] { return dialogText() == StandinTienLen::kInvitation; })) << dialogText();
    answerAlert(true);
    auto table = waitForTop<TienLenView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] { return table->getSeatFromID(StandinTienLen::kRobotId) >= 0; }));
    settle();

    auto gifts = openTheRobotsGiftSheet(*table);
    ASSERT_TRUE(gifts);
    ASSERT_TRUE(pump([&] { return !gifts->viewControllers.empty() && gifts->viewControllers[0]; }));
    settle();
    EXPECT_EQ(gifts->listGifts.size(), 2u);
    EXPECT_EQ(gifts->pageControl->numberOfPages(), 2);  // 13 flowers
    // Each flower of the page shows its own picture: the rose the rose's, not any gift's.
    ASSERT_TRUE(pump([&] {
        const auto& items = gifts->giftSelected->itemList();
        return items.size() == 10 && std::all_of(items.begin(), items.end(), [](const auto& i) { return i && i->imageIcon(); });
    }));
    for (const auto& item : gifts->giftSelected->itemList()) {
        std::string name = item->name().value_or("");
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        auto own = ui::Image::imageWithContentsOfFile(std::string(ZUNO_BUNDLE_DIR) + "/images/item-flower-" + name + ".png");
        ASSERT_TRUE(own) << name << " has no flower picture";
        const auto& shown = *item->imageIcon();
        ASSERT_EQ(shown.pixelWidth() * shown.pixelHeight(), own->pixelWidth() * own->pixelHeight()) << name;
        EXPECT_TRUE(std::equal(shown.pixels(), shown.pixels() + shown.pixelWidth() * shown.pixelHeight(), own->pixels()))
            << name << " shows another picture than its own";
    }
    auto page = gifts->viewControllers[0];
    ASSERT_EQ(page->view()->subviews().size(), 20u);  // ten buttons and their prices
    tap(*page->view()->subviews()[2]);  // Tulip, 2,000
    auto robot = [&] { return table->currentControlPlayer(); };
    ASSERT_TRUE(pump([&] { return robot() && robot()->gifts().size() == 1; }));
    EXPECT_EQ(balance(), kStart - 2000);
    // The server's notice carries no money: my balance and my seat show the price taken at once.
    EXPECT_EQ(shownBalance(), kStart - 2000);
    EXPECT_EQ(table->lblMoney0->text(), "498,000 Xu");
    settle();  // the gift lies beside the robot's seat, off the table's buttons
}

// A client that shows Vietnamese reads the gift sheet's tabs in Vietnamese.
TEST_F(MoneyGiftRoadTest, TheGiftTabsReadInTheClientsLanguage) {
    UIController::setInviting(true);
    ASSERT_NO_FATAL_FAILURE(switchLanguageOnTheLoginScreen());
    signInFromTheLoginScreen("lan", "hoa sen");
    ASSERT_TRUE(pump([] { return !dialogText().empty(); }));
    answerAlert(true);
    auto table = waitForTop<TienLenView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] { return table->getSeatFromID(StandinTienLen::kRobotId) >= 0; }));
    settle();
    auto gifts = openTheRobotsGiftSheet(*table);
    ASSERT_TRUE(gifts);
    ASSERT_TRUE(pump([&] { return gifts->listGifts.size() == 2; }));
    settle();
    EXPECT_EQ(gifts->listGifts[0]->name(), "Hoa");
    EXPECT_EQ(gifts->listGifts[1]->name(), "Đồ uống");
}

}  // namespace
