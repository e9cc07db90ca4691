// The own profile, the avatar shop and the wardrobe in the desktop program, headless, over TCP against
// the stand-in: the personal data on the worn three-layer figure and their edits (name, gender, city,
// a password change then an address), the achievements, taking off, putting on and deleting in the
// wardrobe with the profile's figure following, a category of three pages paged in order, a cart of
// three categories paid once, a refusal that keeps the cart, and the wardrobe listing what was bought.
#include <gtest/gtest.h>

#include "money/AssetsView.h"
#include "money/ShopView.h"
#include "money/StoreView.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "screens/MainView.h"
#include "screens/ProfileView.h"
#include "screens/ServerView.h"
#include "shell/CustomUIActionSheetViewController.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinProfileShop.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kMe = 4711;

// The client's messages of a command (and sub byte) the stand-in received, each as its payload after
// that sub byte.
std::vector<Message> receivedOf(const StandinSession& session, int8_t command, int8_t sub) {
    std::vector<Message> found;
    for (Message m : session.received()) {
        if (m._commandId() != command || !m.available() || m.readByte() != sub) continue;
        found.push_back(m);
    }
    return found;
}

class ProfileShopRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        StandinAccount lan("lan", "hoa sen", kMe, 500000, 12, 350);
        lan.won = 12;
        lan.lost = 7;
        lan.drawn = 2;
        lan.givenUp = 1;
        signIn->addAccount(lan);
        StandinMoney::installOn(server, signIn, ZUNO_STANDIN_PICTURES);
        shop = StandinProfileShop::installOn(server, signIn);
        ASSERT_NO_FATAL_FAILURE(launchProgram("profile-shop-road"));
        settle();
    }

    std::shared_ptr<StandinSession> client() const { return server.latestClient(); }

    // The profile from the main menu, once its first tab shows.
    std::shared_ptr<ProfileView> openProfile() {
        menu->doShowProfile(nullptr);
        auto profile = waitForTop<ProfileView>();
        if (!profile || !pump([&] { return profile->viewingTabIndex() == 1; })) return nullptr;
        settle();
        return profile;
    }
    // The profile's wardrobe tab, once its first row of tabs and a category's items show.
    std::shared_ptr<AvatarStoreView> openWardrobe(ProfileView& profile) {
        tap(*profile.btnTabStore);
        auto store = std::dynamic_pointer_cast<StoreView>(profile.wardrobeTab());
        if (!store) return nullptr;
        auto wardrobe = store->avatarStoreView();
        if (!pump([&] { return wardrobe->firstRow().size() == 5 && wardrobe->shownItems(); })) return nullptr;
        return wardrobe;
    }

    std::shared_ptr<StandinProfileShop> shop;
    std::shared_ptr<MainView> menu;
};

}  // namespace

TEST_F(ProfileShopRoadTest, ProfileWardrobeAndShop) {
    ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("lan", "hoa sen"));
    menu = std::dynamic_pointer_cast<MainView>(program->navigation().topViewController());
    menu->doShowProfile(nullptr);
    auto profile = waitForTop<ProfileView>();
    ASSERT_TRUE(profile);
    auto tab = profile->personalDataTab();
    ASSERT_TRUE(pump([&] { return tab->avatarLayers().count() == 3 && tab->wornLoader().finished(); }));
    // An account that has given nothing but its name.
    EXPECT_EQ(tab->btnFullname->currentTitle(), "lan");
    EXPECT_EQ(tab->btnName->currentTitle(), "lan");

    // A name: the whole record goes out without password fields.
    editPersonalData(*tab, *tab->btnFullname, "Lan Anh");
    ASSERT_TRUE(pump([&] { return shop->profile(kMe)->fullname == "Lan Anh"; }));

    // Woman: the worn items are asked with gender 2.
    tap(*tab->btnGender);
    settle();
    auto picker = std::dynamic_pointer_cast<ui::SegmentedControl>(tab->scrollView->subviews().back());
    ASSERT_TRUE(picker);
    picker->setSelectedSegmentIndex(2);
    picker->sendActionsForControlEvents(ui::ControlEvent::ValueChanged);
    ASSERT_TRUE(pump([&] {
        auto worn = receivedOf(*client(), 101, 12);
        if (worn.empty()) return false;
        Message last = worn.back();
        return last.readInt() == kMe && last.readByte() == 2;
    }));
    ASSERT_TRUE(pump([&] { return shop->profile(kMe)->gender == 2; }));

    // A city from the province sheet.
    tap(*tab->btnCity);
    auto sheet = profile->provinceSheet();
    ASSERT_TRUE(pump([&] { return sheet->view()->superview() && sheet->listProvinces.size() > 3; }));
    settle();
    sheet->didSelectRowAtIndexPath(*sheet->tableView(), {0, 3});  // Hue
    ASSERT_TRUE(pump([&] { return shop->profile(kMe)->provinceId == 3; }));
    EXPECT_EQ(tab->btnCity->currentTitle(), "Hue");
    settle();

    // The password, then an address: the address goes out without the password.
    profile->doShowChangePasswordView();
    settle();
    auto password = profile->passwordSheet();
    password->txtOldPass->setText("hoa sen");
    password->txtNewPass->setText("sen trang");
    password->txtConfirmNewPass->setText("sen trang");
    password->doChangePass();
    ASSERT_TRUE(pump([&] { return signIn->account("lan")->password == "sen trang"; }));
    ASSERT_TRUE(pump([&] { return dialogText() == Resources::getInstance().textForKey("ZUNO_changePassSuccess"); }));
    UIController::closeDialog();
    settle();
    editPersonalData(*tab, *tab->btnAddress, "5 Trang Tien");
    ASSERT_TRUE(pump([&] { return shop->profile(kMe)->address == "5 Trang Tien"; }));
    EXPECT_EQ(signIn->account("lan")->password, "sen trang");
    Message lastUpdate;
    for (Message m : client()->received())
        if (m._commandId() == 41) lastUpdate = m;
    lastUpdate.readUTF();
    lastUpdate.readByte();
    lastUpdate.readInt();
    EXPECT_EQ(lastUpdate.readUTF(), "5 Trang Tien");
    lastUpdate.readUTF();
    lastUpdate.readUTF();
    lastUpdate.readUTF();
    lastUpdate.readByte();
    EXPECT_FALSE(lastUpdate.available());

    // Achievements of Poker.
    tap(*profile->btnTabHistory);
    ASSERT_TRUE(pump([&] { return !profile->achievementTab()->records().figuresOfSection(0).empty(); }));
    EXPECT_EQ(profile->achievementTab()->records().figuresOfSection(0), (std::vector<int32_t>{350, 12, 7, 2, 1}));

    // The presents, the purchases and the transfer sheet.
    tap(*profile->btnTabOwner);
    auto owned = std::dynamic_pointer_cast<AssetsView>(profile->ownedItemsTab());
    ASSERT_TRUE(owned);
    ASSERT_TRUE(pump([&] { return !owned->myAssets.empty(); }));
    EXPECT_FALSE(owned->view()->isHidden());
    // Every present shows a picture: the lucky envelope has its own, and one view waits for each picture.
    EXPECT_TRUE(pump([&] {
        for (int row = 0; row < int(owned->myAssets.size()); ++row) {
            auto cell = std::dynamic_pointer_cast<cellAssetsView>(owned->myTableView->cellForRowAtIndexPath({0, row}));
            if (!cell || !cell->imgIcon->image()) return false;
        }
        return true;
    }));
    tap(*profile->btnTabTransaction);
    ASSERT_TRUE(profile->purchasesTab());
    EXPECT_FALSE(profile->purchasesTab()->view()->isHidden());
    EXPECT_TRUE(owned->view()->isHidden());
    profile->doTransferMoney(nullptr);
    ASSERT_TRUE(profile->transferSheet());
    EXPECT_TRUE(profile->transferSheet()->view()->superview());
    settle();
    if (auto sheet = std::dynamic_pointer_cast<CustomUIActionSheetViewController>(profile->transferSheet())) sheet->slideOut();
    settle();

    // The wardrobe: the worn hair is taken off, then put on again.
    auto wardrobe = openWardrobe(*profile);
    ASSERT_TRUE(wardrobe);
    EXPECT_EQ(wardrobe->layers().count(), 3u);
    settle();
    const int32_t hair = wardrobe->shownItems()->userItemsList().at(0)->userItemId();
    wardrobe->itemPressed(hair);
    ASSERT_TRUE(pump([&] { return wardrobe->userAvatarSelected && wardrobe->userAvatarSelected->userItemId() == hair; }));
    settle();
    tap(*wardrobe->btnIsUsing);
    ASSERT_TRUE(pump([&] { return !wardrobe->shownItems()->userItemsList().at(0)->is_using(); }));
    EXPECT_FALSE(shop->owned(kMe).at(1).worn);
    // What is worn is one record: the profile's figure has no hair now, and the wardrobe opened again
    // (the profile's tab not shown meanwhile) copies it without hair.
    constexpr int32_t kHair = StandinProfileShop::kHairCategory;
    EXPECT_FALSE(tab->avatarLayers().layer(kHair));
    tap(*profile->btnTabOwner);
    settle();
    tap(*profile->btnTabStore);
    ASSERT_TRUE(pump([&] { return wardrobe->shownItems() && wardrobe->shownItems()->categoryId() == kHair; }));
    settle();
    EXPECT_EQ(wardrobe->layers().count(), 2u);
    EXPECT_FALSE(wardrobe->layers().layer(kHair));
    // The gender changed meanwhile: the details went with the opening; the hair is tapped again.
    wardrobe->itemPressed(hair);
    settle();
    tap(*wardrobe->btnIsUsing);
    ASSERT_TRUE(pump([&] { return wardrobe->shownItems()->userItemsList().at(0)->is_using(); }));
    ASSERT_TRUE(tab->avatarLayers().layer(kHair));
    EXPECT_EQ(tab->avatarLayers().layer(kHair)->image(),
              Resources::getInstance().getItemImageWithKey(wardrobe->shownItems()->userItemsList().at(0)->itemId()));
    // A worn item deleted is worn no more.
    tap(*wardrobe->btnDelete);
    answerAlert(true);
    settle();
    ASSERT_TRUE(pump([&] { return shop->owned(kMe).size() == 2; }));
    settle();
    EXPECT_FALSE(tab->avatarLayers().layer(kHair));

    // The shop: category 3 holds three pages, asked in order.
    profile->doExit(nullptr);
    ASSERT_TRUE(waitForTop<MainView>());
    menu->doShowShopping(nullptr);
    auto shopScreen = waitForTop<ShopView>();
    ASSERT_TRUE(shopScreen);
    auto avatars = shopScreen->avatarShopView();
    ASSERT_TRUE(pump([&] { return avatars->pageSlots().size() == 3 && avatars->pageSlots()[0]; }));
    settle();
    avatars->pageControl->setCurrentPage(2);
    avatars->pageChanged(avatars->pageControl.get());
    ASSERT_TRUE(pump([&] { return avatars->pageSlots()[2] && !avatars->pager().waiting(); }));
    sys::RunLoop::main().runFor(ui::ScrollView::kSettleSeconds);  // the pager's own scroll to the page
    settle();
    EXPECT_EQ(avatars->scrollView->contentOffset().x, 2 * avatars->scrollView->bounds().width());
    std::vector<int> pagesAsked;
    for (Message m : receivedOf(*client(), 101, 2)) {
        m.readInt();
        pagesAsked.push_back(m.readByte());
    }
    EXPECT_EQ(pagesAsked, (std::vector<int>{1, 2}));
    EXPECT_EQ(avatars->shownItems()->itemList().size(), 23u);

    // Three categories in the cart, one replaced after the prompt.
    auto pick = [&](int32_t itemId) {
        avatars->itemPressed(itemId);
        ASSERT_TRUE(pump([&] { return avatars->avatarSelected && avatars->avatarSelected->itemId() == itemId; }));
        settle();
        tap(*avatars->btnGioHang);
    };
    const int32_t woman = 20000;
    pick(woman + 321);
    pick(woman + 322);
    auto notice = zuno::testing::alertOnTop("putting a second item of a category in the cart");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->message(), Resources::getInstance().textForKey("ZUNO_ThongBaoTonTaiDuyNhat"));
    answerAlert(true);
    settle();
    EXPECT_EQ(avatars->cart().itemOf(3)->itemId(), woman + 322);
    for (int32_t category : {5, 7}) {
        for (const auto& b : avatars->firstRow())
            if (b->tag() == category + 6) tap(*b);
        ASSERT_TRUE(pump([&] { return avatars->shownItems() && avatars->shownItems()->categoryId() == category; }));
        settle();
        pick(woman + category * 100 + 2);
    }
    const int64_t total = avatars->cart().total();
    EXPECT_EQ(avatars->cart().entries().size(), 3u);
    const int64_t moneyBefore = UIController::myInfo()->money();
    tap(*avatars->btnThanhToan);
    answerAlert(true);
    settle();
    ASSERT_TRUE(pump([&] { return avatars->cart().empty(); }));
    EXPECT_EQ(UIController::myInfo()->money(), moneyBefore - total);
    EXPECT_EQ(signIn->balance(kMe), 500000 - total);
    EXPECT_EQ(receivedOf(*client(), 101, 6).size(), 1u);
    UIController::closeDialog();
    settle();

    // A refusal keeps the cart.
    signIn->setBalance(kMe, 10);
    pick(woman + 703);
    tap(*avatars->btnThanhToan);
    answerAlert(true);
    settle();
    ASSERT_TRUE(pump([&] { return dialogText() == "Not enough money for this cart."; }));
    EXPECT_EQ(avatars->cart().entries().size(), 1u);
    UIController::closeDialog();
    settle();

    // The wardrobe lists what was bought.
    shopScreen->navigationController()->popViewControllerAnimated(true);
    ASSERT_TRUE(waitForTop<MainView>());
    profile = openProfile();
    ASSERT_TRUE(profile);
    wardrobe = openWardrobe(*profile);
    ASSERT_TRUE(wardrobe);
    ASSERT_TRUE(pump([&] { return wardrobe->shownItems()->categoryId() == 3; }));
    bool bought = false;
    for (const auto& item : wardrobe->shownItems()->userItemsList()) bought |= item->itemId() == woman + 322;
    EXPECT_TRUE(bought);
}

// The shop's and the wardrobe's category tabs read in the language the client shows, as every text
// the server makes up; the wardrobe's narrower tabs show the three kinds of shirt whole.
TEST_F(ProfileShopRoadTest, TheShopsAndWardrobesTabsReadInTheClientsLanguage) {
    ASSERT_NO_FATAL_FAILURE(switchLanguageOnTheLoginScreen());
    ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("lan", "hoa sen"));
    menu = std::dynamic_pointer_cast<MainView>(program->navigation().topViewController());
    menu->doShowShopping(nullptr);
    auto shopScreen = waitForTop<ShopView>();
    ASSERT_TRUE(shopScreen);
    auto avatars = shopScreen->avatarShopView();
    ASSERT_TRUE(pump([&] { return avatars->firstRow().size() == 5; }));
    settle();
    std::vector<std::string> tabs;
    for (const auto& tab : avatars->firstRow()) tabs.push_back(tab->currentTitle().value_or(""));
    EXPECT_EQ(tabs, (std::vector<std::string>{"Tóc", "Áo", "Quần", "Giày", "Mũ"}));

    shopScreen->navigationController()->popViewControllerAnimated(true);
    ASSERT_TRUE(waitForTop<MainView>());
    auto profile = openProfile();
    ASSERT_TRUE(profile);
    auto wardrobe = openWardrobe(*profile);
    ASSERT_TRUE(wardrobe);
    settle();
    tap(*wardrobe->firstRow().at(1));
    ASSERT_TRUE(pump([&] { return wardrobe->secondRow().size() == 3; }));
    settle();  // the layout check: no title cut, none that reads as another
    tabs.clear();
    for (const auto& tab : wardrobe->secondRow()) tabs.push_back(tab->currentTitle().value_or(""));
    EXPECT_EQ(tabs, (std::vector<std::string>{"Áo phông", "Áo khoác", "Áo choàng"}));
}
