// A second account registered after demo has lived a while, in the desktop program, headless, against
// the stand-in as the demo runs it. Demo fills in his name, address, phone and city, buys a hat in the
// shop and puts it on in the wardrobe, receives a present and plays a deal of Bai Cao at An's table;
// then he logs out, and a new player registers and signs in. No tab of the new account's profile, no
// shelf of its wardrobe and no page of the shop shows anything of demo's: its own name and nothing else
// given, the money it was given, the starting figure, its own two presents, no figures, no purchases,
// and the hat for sale, not bought.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/banker/BaiCaoView.h"
#include "money/ShopView.h"
#include "money/StoreView.h"
#include "money/TransactionView.h"
#include "platform/ui/Application.h"
#include "platform/ui/TableView.h"
#include "screens/RegisterView.h"
#include "screens/ServerView.h"
#include "shell/UIController.h"
#include "shell/Util.h"
#include "standin-server/StandinBanker.h"
#include "standin-server/StandinRobots.h"
#include "support/AccountRoadSteps.h"
#include "support/AlertButtons.h"
#include "support/ControlSending.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kDemo = StandinRobots::kDemoId;
constexpr int32_t kHats = 7;
constexpr int32_t kHat = 10703;  // the man's third hat
constexpr const char* kDemoPresent = "Demo's golden present";
// What demo fills in: his full name, address, phone and city (the province sheet's fourth row).
constexpr const char* kDemosName = "Demo Tran";
constexpr const char* kDemosAddress = "9 Ly Thai To";
constexpr const char* kDemosPhone = "0987000111";
constexpr int kHueRow = 3;
constexpr int8_t kHue = 3;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
std::string title(const std::shared_ptr<ui::Button>& button) { return button->currentTitle().value_or(""); }

class NextAccountRoadTest : public zuno::testing::AccountRoadSteps {
protected:
    void SetUp() override {
        StandinDemo::Options options;
        options.robots.invitationDelay = 3600;  // only the invitation the road asks for
        ASSERT_NO_FATAL_FAILURE(startDemo(options, "next-account-road"));
        menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
    }

    void fillInDemosData() {
        auto profile = openProfile();
        ASSERT_TRUE(profile);
        auto tab = profile->personalDataTab();
        ASSERT_NO_FATAL_FAILURE(editPersonalData(*tab, *tab->btnFullname, kDemosName));
        ASSERT_NO_FATAL_FAILURE(editPersonalData(*tab, *tab->btnAddress, kDemosAddress));
        ASSERT_NO_FATAL_FAILURE(editPersonalData(*tab, *tab->btnPhone, kDemosPhone));
        tap(*tab->btnCity);
        auto sheet = profile->provinceSheet();
        ASSERT_TRUE(pump([&] { return sheet->view()->superview() && sheet->listProvinces.size() > kHueRow; }));
        settle();
        sheet->didSelectRowAtIndexPath(*sheet->tableView(), {0, kHueRow});
        ASSERT_TRUE(pump([&] {
            auto kept = demo.shop->profile(kDemo);
            return kept->fullname == kDemosName && kept->address == kDemosAddress && kept->phone == kDemosPhone &&
                   kept->provinceId == kHue;
        }));
        settle();
        backToTheMenu();
    }

    // The category's tab of the first row (its tag is the category's id and 6).
    void showCategory(AvatarCatalogView& catalogue, int32_t category) {
        bool tapped = false;
        for (const auto& tab : catalogue.firstRow()) {
            if (tab->tag() != category + 6) continue;
            tap(*tab);
            tapped = true;
        }
        EXPECT_TRUE(tapped) << "showing category " << category << ": the first row has no tab of it";
        settle();
    }
    // The shop from the main menu, once its first row and a shelf show.
    std::shared_ptr<AvatarShopView> openTheShop() {
        if (!menu) {
            ADD_FAILURE() << "opening the shop: no main menu to open it from";
            return nullptr;
        }
        menu->doShowShopping(nullptr);
        auto shop = waitForTop<ShopView>();
        if (!shop) return nullptr;
        auto avatars = shop->avatarShopView();
        if (!avatars || !pump([&] { return avatars->firstRow().size() == 5 && avatars->shownItems(); })) {
            ADD_FAILURE() << "opening the shop: its first row and a shelf never showed";
            return nullptr;
        }
        settle();
        return avatars;
    }
    void buyTheHat() {
        auto avatars = openTheShop();
        ASSERT_TRUE(avatars);
        ASSERT_NO_FATAL_FAILURE(showCategory(*avatars, kHats));
        ASSERT_TRUE(pump([&] { return avatars->shownItems()->categoryId() == kHats; }));
        avatars->itemPressed(kHat);
        ASSERT_TRUE(pump([&] { return avatars->avatarSelected && avatars->avatarSelected->itemId() == kHat; }));
        settle();
        tap(*avatars->btnGioHang);
        tap(*avatars->btnThanhToan);
        answerAlert(true);
        ASSERT_TRUE(pump([&] { return avatars->cart().empty(); }));
        UIController::closeDialog();
        settle();
        backToTheMenu();
    }
    // The wardrobe tab of the profile, once its first row and a shelf show.
    std::shared_ptr<AvatarStoreView> openWardrobe(ProfileView& profile) {
        tap(*profile.btnTabStore);
        auto store = std::dynamic_pointer_cast<StoreView>(profile.wardrobeTab());
        auto wardrobe = store ? store->avatarStoreView() : nullptr;
        if (!wardrobe || !pump([&] { return wardrobe->firstRow().size() == 5 && wardrobe->shownItems(); })) {
            ADD_FAILURE() << "opening the wardrobe: "
                          << (wardrobe ? "its first row and a shelf never showed" : "the profile has no wardrobe");
            return nullptr;
        }
        settle();
        return wardrobe;
    }
    // The wardrobe's shelf of hats, once shown.
    std::vector<std::shared_ptr<UserItemInfo>> hatsIn(AvatarStoreView& wardrobe) {
        showCategory(wardrobe, kHats);
        if (!pump([&] { return wardrobe.shownItems() && wardrobe.shownItems()->categoryId() == kHats; })) {
            ADD_FAILURE() << "showing the hats in the wardrobe: they never showed";
            return {};
        }
        settle();
        return wardrobe.shownItems()->userItemsList();
    }
    void wearTheHat() {
        auto profile = openProfile();
        ASSERT_TRUE(profile);
        auto wardrobe = openWardrobe(*profile);
        ASSERT_TRUE(wardrobe);
        const auto hats = hatsIn(*wardrobe);
        ASSERT_EQ(hats.size(), 1u);
        const int32_t hat = hats.front()->userItemId();
        wardrobe->itemPressed(hat);
        ASSERT_TRUE(pump([&] {
            return wardrobe->userAvatarSelected && wardrobe->userAvatarSelected->userItemId() == hat;
        }));
        settle();
        tap(*wardrobe->btnIsUsing);
        ASSERT_TRUE(pump([&] { return wornOnTheStandin(kDemo).count(kHat) == 1; }));
        ASSERT_TRUE(pump([&] { return wardrobe->layers().count() == 4; }));
        settle();
        backToTheMenu();
    }

    // A Bai Cao deal as a punter at An's table: ready, every card shown, the deal's end; then the leave.
    void playADeal() {
        demo.robots->setNextInvitation(StandinBanker::kBaiCao);
        auto table = std::dynamic_pointer_cast<BaiCaoView>(acceptTheInvitation(StandinBanker::kBaiCao));
        ASSERT_TRUE(table);
        ASSERT_TRUE(pump([&] { return table->seatOf(StandinRobotTables::kRobotId) >= 0; }));
        settle();
        ASSERT_EQ(title(table->btnStart), text("ZUNO_ready"));
        tap(*table->btnStart);
        ASSERT_TRUE(pump([&] { return table->playerAt(0) && table->playerAt(0)->cards().size() == 3; }));
        settle();
        ASSERT_EQ(title(table->btnStart), text("ZUNO_showAllCards"));
        tap(*table->btnStart);
        ASSERT_TRUE(pump([&] { return table->isGameEnd(); }));
        settle();
        ASSERT_NO_FATAL_FAILURE(leave(table));
        menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
    }

    void logOut() {
        auto logout = zuno::testing::controlSending(*menu->view(), menu.get(), {"logout:"});
        ASSERT_TRUE(logout);
        // The link stands at the end of the menu's row.
        auto& row = *menu->scrollView;
        row.setContentOffset({row.contentSize().width - row.bounds().width(), 0});
        settle();
        tap(*logout);
        ASSERT_TRUE(waitForTop<LoginView>());
        // The session's traffic may be told over the login screen.
        if (!dialogText().empty()) answerAlert(true);
        settle();
    }
    // The registration form from the login screen, typed as a player types; its answer copied, then
    // back to the login screen, where the new account signs in.
    void registerAndSignIn(const std::string& name, const std::string& password) {
        auto login = waitForTop<LoginView>();
        ASSERT_TRUE(login);
        login->doRegister(nullptr);
        auto form = waitForTop<RegisterView>();
        ASSERT_TRUE(form);
        for (const auto& [field, typed] :
             {std::pair{form->txvUser, name}, {form->txvPass, password}, {form->txvRePass, password}}) {
            tap(*field);
            type(typed);
        }
        ui::Application::shared().sendReturn();
        ASSERT_TRUE(pump([] { return !dialogText().empty(); }));
        settle();
        answerAlert(true);
        settle();
        form->doLogin(nullptr);
        auto servers = logInAfresh(name, password);
        ASSERT_TRUE(servers);
        ASSERT_NO_FATAL_FAILURE(signInOnTheFirstServer(*servers));
        menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
    }

    // Whole texts of demo's (his name, his data, his present, his money) and his city.
    std::vector<std::string> demosMarks() const {
        const std::string money = Util::formatNumber(signIn->balance(kDemo).value_or(0));
        return {"|demo|", kDemosName, kDemosAddress, kDemosPhone, "|Hue|", kDemoPresent, money, "Demo Player",
                "12 Hang Bac", "0912345678"};
    }
};

}  // namespace

TEST_F(NextAccountRoadTest, ANewAccountFindsNothingOfDemoInItsProfileShopOrWardrobe) {
    ASSERT_NO_FATAL_FAILURE(fillInDemosData());
    ASSERT_NO_FATAL_FAILURE(buyTheHat());
    ASSERT_NO_FATAL_FAILURE(wearTheHat());
    demo.money->givePresent(kDemo, kDemoPresent);
    {
        auto profile = openProfile();
        ASSERT_TRUE(profile);
        ASSERT_TRUE(openPresents(*profile, 3));
        backToTheMenu();
    }
    ASSERT_NO_FATAL_FAILURE(playADeal());
    const std::vector<std::string> marks = demosMarks();
    ASSERT_NO_FATAL_FAILURE(logOut());
    ASSERT_NO_FATAL_FAILURE(registerAndSignIn("mai", "hoa mai"));
    const int32_t mai = UIController::myInfo()->IDDB();
    ASSERT_NE(mai, kDemo);
    expectNoneShown(marks, "main menu");

    // Her personal data: her name and nothing else given, her money, her figure.
    auto profile = openProfile();
    ASSERT_TRUE(profile);
    auto tab = profile->personalDataTab();
    EXPECT_EQ(title(tab->btnFullname), "mai");
    for (const auto& field : {tab->btnAddress, tab->btnPhone, tab->btnIDNumber, tab->btnBirthYear})
        EXPECT_EQ(title(field), "");
    EXPECT_EQ(title(tab->btnCity), text("ZUNO_unknow"));
    const std::string money = title(tab->btnMoney);
    EXPECT_EQ(money.find(Util::formatNumber(StandinSignIn::kNewAccountMoney)), 0u) << money;
    EXPECT_EQ(tab->avatarLayers().count(), 3u);
    EXPECT_EQ(wornItemsKnown(), wornOnTheStandin(mai));
    EXPECT_EQ(wornItemsKnown().count(kHat), 0u);
    expectNoneShown(marks, "personal data");

    auto presents = openPresents(*profile, 2);
    ASSERT_TRUE(presents);
    for (const auto& present : presents->myAssets) EXPECT_NE(present->name(), kDemoPresent);
    expectNoneShown(marks, "presents");
    EXPECT_EQ(figuresOn(*profile), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    expectNoneShown(marks, "achievements");
    tap(*profile->btnTabTransaction);
    auto purchases = std::dynamic_pointer_cast<TransactionView>(profile->purchasesTab());
    ASSERT_TRUE(purchases);
    EXPECT_TRUE(purchases->transactionList.empty());
    EXPECT_EQ(purchases->myTableView->numberOfRowsInSection(0), 0);
    expectNoneShown(marks, "purchases");

    // Her wardrobe: the starting figure, no hat.
    auto wardrobe = openWardrobe(*profile);
    ASSERT_TRUE(wardrobe);
    EXPECT_EQ(wardrobe->layers().count(), 3u);
    expectNoneShown(marks, "wardrobe");
    EXPECT_TRUE(hatsIn(*wardrobe).empty());
    expectNoneShown(marks, "wardrobe's hats");
    backToTheMenu();

    // The shop: demo's hat is for sale to her, not bought.
    auto avatars = openTheShop();
    ASSERT_TRUE(avatars);
    EXPECT_EQ(avatars->layers().count(), 3u);
    showCategory(*avatars, kHats);
    ASSERT_TRUE(pump([&] { return avatars->shownItems()->categoryId() == kHats; }));
    settle();
    bool listed = false;
    for (const auto& item : avatars->shownItems()->itemList()) {
        EXPECT_FALSE(item->is_bought()) << item->itemId();
        listed |= item->itemId() == kHat;
    }
    EXPECT_TRUE(listed);
    expectNoneShown(marks, "shop");
}
