// The own profile: its tabs, the personal data and their editors, the province sheet, the password
// sheet and the achievements.
#include <gtest/gtest.h>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/model/Province.h"
#include "money/TransferMoneyView.h"
#include "net/Message.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Application.h"
#include "screens/ProfileEdits.h"
#include "screens/ProfileView.h"
#include "shell/UIController.h"
#include "src/screens/LobbyScreensFixture.h"
#include "standin-server/StandinProfileShop.h"
#include "support/AvatarPictures.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

// A request as "command.sub" (the shop, the user data and the lists carry a sub byte) or "command".
std::string nameOf(const sys::Data& bytes) {
    const int command = int8_t(bytes.at(0));
    if ((command == 40 || command == 78 || command == 101) && bytes.size() > 1)
        return std::to_string(command) + "." + std::to_string(int8_t(bytes[1]));
    return std::to_string(command);
}

// The fields of a profile update (command 41) that the tests look at.
struct Update {
    std::string fullname;
    int gender = 0;
    int32_t birthYear = 0;
    std::string address;
    int provinceId = 0;
    std::optional<std::string> newPass;
};
Update readUpdate(const sys::Data& bytes) {
    Message m(int8_t(bytes.at(0)));
    m.set_data(sys::Data(bytes.begin() + 1, bytes.end()));
    Update u;
    u.fullname = m.readUTF().value_or("");
    u.gender = m.readByte();
    u.birthYear = m.readInt();
    u.address = m.readUTF().value_or("");
    m.readUTF();
    m.readUTF();
    m.readUTF();
    u.provinceId = m.readByte();
    if (m.available()) {
        m.readUTF();
        u.newPass = m.readUTF();
    }
    return u;
}

UserPtr userWith(int8_t gender, int16_t year = 1990) {
    auto user = std::make_shared<User>();
    user->setFullname("Lan Anh");
    user->setGender(gender);
    user->setBirthYear(year);
    user->setAddress("12 Hang Bac");
    user->setProvinceId(-1);
    return user;
}

class ProfileScreensTest : public LobbyScreensTest {
protected:
    void SetUp() override {
        LobbyScreensTest::SetUp();
        auto me = std::make_shared<Player>();
        me->setIDDB(1001);
        me->setMoney(5000000);
        UIController::setMyInfo(me);
        sys::UserDefaults::standard().setObject(sys::Value(std::string("demo")), "ZUNO_LOGIN_USERNAME");
        Province::setList({});
    }
    // Pushes the profile and lets its opening run; the personal data arrive.
    std::shared_ptr<ProfileView> openProfile(UserPtr user) {
        auto profile = std::make_shared<ProfileView>();
        show(profile);
        run(1);
        profile->onMyUserDataWithUser(user);
        return profile;
    }
    std::vector<std::string> sentNames() {
        std::vector<std::string> names;
        for (const auto& bytes : sent()) names.push_back(nameOf(bytes));
        return names;
    }
    // The last profile update sent since the last look.
    std::optional<Update> lastUpdate() {
        std::optional<Update> found;
        for (const auto& bytes : sent())
            if (bytes.at(0) == 41) found = readUpdate(bytes);
        return found;
    }
    static void typeAndReturn(UserDataView& tab, const std::string& text) {
        ASSERT_TRUE(tab.editor());
        tab.editor()->setText(text);
        tab.textFieldShouldReturn(*tab.editor());
    }
};

}  // namespace

TEST(ProfileEdits, BirthYearsAndGenderPicks) {
    struct Year {
        const char* typed;
        std::optional<int16_t> stored;
    } years[] = {{"1990", 1990}, {"abc", std::nullopt}, {"0", std::nullopt}, {"-5", std::nullopt},
                 {"99999", std::nullopt}, {"32767", 32767}, {"1", 1}, {"19x", std::nullopt}, {"", std::nullopt}};
    for (const Year& y : years) EXPECT_EQ(profile_edits::parseBirthYear(y.typed), y.stored) << y.typed;

    struct Pick {
        int8_t stored;
        int index;
        int8_t gender;
        bool send, newLook;
    } picks[] = {
        {1, 1, 1, false, false},  // the same: nothing
        {1, 0, 1, true, false},   // "none" for a man is saved as man
        {0, 1, 1, true, false},
        {1, 2, 2, true, true},    {2, 0, 1, true, true}, {2, 1, 1, true, true},
        {0, 2, 2, true, true},    {7, 0, 1, true, true},
    };
    for (const Pick& p : picks) {
        const auto change = profile_edits::chooseGender(p.stored, p.index);
        EXPECT_EQ(change.gender, p.gender) << int(p.stored) << " -> " << p.index;
        EXPECT_EQ(change.send, p.send) << int(p.stored) << " -> " << p.index;
        EXPECT_EQ(change.newLook, p.newLook) << int(p.stored) << " -> " << p.index;
    }
    EXPECT_STREQ(profile_edits::genderKey(5), "ZUNO_unknow");
}

TEST(Achievements, RecordsGoByGameType) {
    AchievementRecords records({4});
    EXPECT_TRUE(records.figuresOfSection(0).empty());
    EXPECT_FALSE(records.add({13, 1, 2, 3, 4, 5}));  // a game not listed
    EXPECT_TRUE(records.add({4, 350, 10, 5, 1, 0}));
    EXPECT_TRUE(records.add({4, 360, 11, 5, 1, 0, 99, 98}));  // replaces; figures past five dropped
    EXPECT_EQ(records.figuresOfSection(0), (std::vector<int32_t>{360, 11, 5, 1, 0}));
    EXPECT_TRUE(records.add({4, 7, 8}));
    EXPECT_EQ(records.figuresOfSection(0), (std::vector<int32_t>{7, 8}));
    EXPECT_EQ(AchievementRecords::titleKey(13), "ZUNO_phom_moi");
    // Poker, the one game the tab lists, is headed by its own name; an unknown game by "more games".
    EXPECT_EQ(AchievementRecords::titleKey(4), "ZUNO_poker");
    EXPECT_EQ(AchievementRecords::titleKey(99), "ZUNO_moreGames");
}

TEST_F(ProfileScreensTest, TheOpeningGrowsTheMenuFadesTheTabsThenShowsThePersonalData) {
    auto profile = std::make_shared<ProfileView>();
    show(profile);  // 1.5 s: the menu has grown, the tabs are fading in
    EXPECT_EQ(profile->profile_menu->frame(), ui::Rect(10, 36, 420, 24));
    EXPECT_EQ(profile->viewingTabIndex(), 0);
    EXPECT_TRUE(sentNames().empty());
    run(1);
    EXPECT_EQ(profile->btnTabStore->alpha(), 1);
    EXPECT_EQ(profile->viewingTabIndex(), 1);
    EXPECT_EQ(sentNames(), (std::vector<std::string>{"40.1"}));
    EXPECT_EQ(profile->personalDataTab()->view()->frame(), ui::Rect(0, 60, 480, 260));
    EXPECT_EQ(title(), "PROFILE");
}

TEST_F(ProfileScreensTest, EachTabAsksForItsDataOnceAndTheShownTabAgainDoesNothing) {
    auto profile = openProfile(userWith(1));
    sent();
    struct Step {
        const char* name;
        ui::Button* tab;
        std::vector<std::string> requests;
        int shown;
    } steps[] = {
        {"achievements: game 4", profile->btnTabHistory.get(), {"40.3"}, 3},
        {"the same tab again", profile->btnTabHistory.get(), {}, 3},
        {"owned items and presents", profile->btnTabOwner.get(), {"101.16"}, 2},
        {"purchases ask nothing", profile->btnTabTransaction.get(), {}, 4},
        {"personal data again: no request", profile->btnTabProfile.get(), {}, 1},
        {"wardrobe: its own loading asks the user data", profile->btnTabStore.get(), {"40.1"}, 5},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        tap(*s.tab);
        EXPECT_EQ(sentNames(), s.requests);
        EXPECT_EQ(profile->viewingTabIndex(), s.shown);
        EXPECT_EQ(profile->personalDataTab()->view()->isHidden(), s.shown != 1);
        EXPECT_EQ(profile->achievementTab()->view()->isHidden(), s.shown != 3);
    }
    // The user data reach the wardrobe while it is shown: the tree is asked on the wardrobe's screen.
    profile->onMyUserDataWithUser(userWith(2));
    auto requests = sent();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], bytes({{101, 1}, int32Bytes(0), {2, 1}}));
}

// The balance the personal data show is the one the last event set: a present opened on the
// presents tab, a transfer from the profile's own sheet, over the personal data.
TEST_F(ProfileScreensTest, ThePersonalDataShowTheBalanceTheLastEventSet) {
    auto profile = openProfile(userWith(1));
    auto money = [&] { return profile->personalDataTab()->btnMoney->currentTitle().value_or(""); };
    EXPECT_EQ(money(), "5,000,000 Xu");

    tap(*profile->btnTabOwner);
    GlobalLogicHandler::openGift(0, "A present of 20,000 Xu", 20000);
    UIController::closeDialog();
    tap(*profile->btnTabProfile);
    EXPECT_EQ(money(), "5,020,000 Xu");

    profile->doTransferMoney(nullptr);
    GlobalLogicHandler::getInstance()->onTransferMoneyWithNewMoney(4020000, std::string("Sent"));
    run(1);
    EXPECT_EQ(money(), "4,020,000 Xu");
}

TEST_F(ProfileScreensTest, EveryEditSendsTheWholeRecordAndOneEditorIsOpenAtATime) {
    auto profile = openProfile(userWith(1));
    auto tab = profile->personalDataTab();
    EXPECT_EQ(tab->btnFullname->currentTitle(), "Lan Anh");
    EXPECT_EQ(tab->btnGender->currentTitle(), "Man");
    EXPECT_EQ(tab->btnCity->currentTitle(), "Unknown");
    EXPECT_EQ(tab->btnName->currentTitle(), "demo");
    EXPECT_EQ(sentNames(), (std::vector<std::string>{"40.1", "101.12"}));

    // Return without a change still sends.
    tap(*tab->btnFullname);
    EXPECT_TRUE(tab->btnFullname->isHidden());
    typeAndReturn(*tab, "Lan Anh");
    EXPECT_FALSE(tab->btnFullname->isHidden());
    EXPECT_EQ(lastUpdate()->fullname, "Lan Anh");

    // Opening a second editor keeps what the first was given, as Return would, and closes it; one
    // opened and left unchanged closes without sending. Escape closes the last unsaved.
    tap(*tab->btnFullname);
    tab->editor()->setText("Lan Anh Nguyen");
    tap(*tab->btnAddress);
    EXPECT_FALSE(tab->btnFullname->isHidden());
    EXPECT_EQ(tab->btnFullname->currentTitle(), "Lan Anh Nguyen");
    const auto kept = lastUpdate();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->fullname, "Lan Anh Nguyen");
    EXPECT_TRUE(tab->btnAddress->isHidden());
    EXPECT_EQ(tab->editor()->text(), "12 Hang Bac");
    tap(*tab->btnStatus);
    tab->editor()->setText("typed, not saved");
    tab->cancelEditing();
    EXPECT_FALSE(tab->isEditing());
    EXPECT_FALSE(tab->btnStatus->isHidden());
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(tab->userData()->status(), std::nullopt);

    struct Year {
        const char* typed;
        int32_t sent;
        const char* shown;
    } years[] = {{"abc", 1990, "1990"}, {"0", 1990, "1990"}, {"-5", 1990, "1990"}, {"99999", 1990, "1990"}, {"2001", 2001, "2001"}};
    for (const Year& y : years) {
        tap(*tab->btnBirthYear);
        EXPECT_EQ(tab->editor()->keyboardType(), ui::TextField::KeyboardType::NumbersAndPunctuation);
        typeAndReturn(*tab, y.typed);
        EXPECT_EQ(lastUpdate()->birthYear, y.sent) << y.typed;
        EXPECT_EQ(tab->btnBirthYear->currentTitle(), y.shown) << y.typed;
    }
}

// The status is typed in its own row, clipped to it with the end of a long text in sight; saved, a
// status too long for the row ends in "..." inside it.
TEST_F(ProfileScreensTest, TheStatusIsTypedInItsOwnRowAndALongOneShowsWhereItIsCut) {
    auto user = userWith(1);
    const std::string status = "Playing Tien Len every evening after work, come and join me in room three :D";
    user->setStatus(status);
    auto profile = openProfile(user);
    auto tab = profile->personalDataTab();
    tap(*tab->btnStatus);
    ASSERT_TRUE(tab->editor());
    EXPECT_EQ(tab->editor()->frame(), tab->btnStatus->frame());
    EXPECT_EQ(tab->editor()->text(), status);
    EXPECT_TRUE(matchesScreen("profile_status_editor"));
    // Left unchanged for another row: the row shows the status again.
    tap(*tab->btnAddress);
    auto shownStatus = [&] {
        for (const auto& v : tab->btnStatus->subviews())
            if (auto label = std::dynamic_pointer_cast<CustomLabel>(v)) return label->text();
        return std::string();
    };
    EXPECT_EQ(shownStatus(), status);
    EXPECT_FALSE(lastUpdate());

    tap(*tab->btnStatus);
    tab->textFieldShouldReturn(*tab->editor());
    EXPECT_EQ(tab->userData()->status(), status);
    EXPECT_TRUE(matchesScreen("profile_long_status"));
}

TEST_F(ProfileScreensTest, GenderPicksSendAndAskTheWornItemsOnlyForANewLook) {
    auto profile = openProfile(userWith(1));
    auto tab = profile->personalDataTab();
    sent();
    auto pick = [&](int index) {
        tap(*tab->btnGender);
        EXPECT_TRUE(tab->btnGender->isHidden());
        auto picker = std::dynamic_pointer_cast<ui::SegmentedControl>(tab->scrollView->subviews().back());
        ASSERT_TRUE(picker);
        picker->setSelectedSegmentIndex(index);
        picker->sendActionsForControlEvents(ui::ControlEvent::ValueChanged);
        EXPECT_FALSE(tab->btnGender->isHidden());
    };
    pick(0);  // "none" for a man: sent as man, nothing else
    EXPECT_EQ(sentNames(), (std::vector<std::string>{"41"}));
    EXPECT_EQ(tab->btnGender->currentTitle(), "No");
    EXPECT_FALSE(profile->changeGender);
    pick(2);
    auto requests = sent();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(readUpdate(requests[0]).gender, 2);
    EXPECT_EQ(requests[1], bytes({{101, 12}, int32Bytes(1001), {2}}));
    EXPECT_TRUE(profile->changeGender);
}

TEST_F(ProfileScreensTest, TheCityComesFromTheProvinceSheet) {
    auto profile = openProfile(userWith(1));
    auto tab = profile->personalDataTab();
    sent();
    Province::setList({std::make_shared<Province>(1, "Ha Noi"), std::make_shared<Province>(2, "Hue")});
    tap(*tab->btnCity);  // under three provinces count as none: the list is asked
    EXPECT_EQ(sentNames(), (std::vector<std::string>{"78.3"}));
    Province::setList({std::make_shared<Province>(-1, "None"), std::make_shared<Province>(1, "Ha Noi"),
                       std::make_shared<Province>(2, "Hue"), std::make_shared<Province>(3, "Da Nang")});
    tap(*tab->btnCity);
    auto sheet = profile->provinceSheet();
    ASSERT_TRUE(sheet->view()->superview());
    EXPECT_EQ(sheet->tableView()->numberOfRowsInSection(0), 4);
    // The list says what it picks: the field's caption stands above it.
    int captions = 0;
    for (const auto& v : sheet->actionSheetView()->subviews()) {
        auto* label = dynamic_cast<ui::Label*>(v.get());
        if (label && label->text() == "City" && label->frame().maxY() <= sheet->tableView()->frame().y()) ++captions;
    }
    EXPECT_EQ(captions, 1);
    run(1);
    EXPECT_TRUE(matchesScreen("profile_province_sheet"));
    sheet->didSelectRowAtIndexPath(*sheet->tableView(), {0, 3});
    EXPECT_EQ(tab->btnCity->currentTitle(), "Da Nang");
    EXPECT_EQ(lastUpdate()->provinceId, 3);
    run(1);
    tab->updateProvince(Province(-1, "None"));  // not given: shown, nothing sent
    EXPECT_EQ(tab->btnCity->currentTitle(), "Unknown");
    EXPECT_TRUE(sent().empty());
}

TEST_F(ProfileScreensTest, APasswordChangeGoesOutOnceAndLaterEditsLeaveThePasswordAlone) {
    auto profile = openProfile(userWith(1));
    auto tab = profile->personalDataTab();
    sys::UserDefaults::standard().setObject(sys::Value(std::string("demo")), "ZUNO_LOGIN_OLDPASS");
    sent();
    profile->doShowChangePasswordView();
    auto sheet = profile->passwordSheet();
    sheet->txtOldPass->setText("demo");
    sheet->txtNewPass->setText("secret");
    sheet->txtConfirmNewPass->setText("secret");
    sheet->doChangePass();
    EXPECT_EQ(lastUpdate()->newPass, "secret");
    run(1);
    tap(*tab->btnAddress);
    typeAndReturn(*tab, "5 Trang Tien");
    auto update = lastUpdate();
    EXPECT_EQ(update->address, "5 Trang Tien");
    EXPECT_EQ(update->newPass, std::nullopt);
}

// The profile keeps its password and transfer sheets, and they keep what was typed, whether the last
// showing was cancelled or sent; the field given the keyboard holds it selected, so that typing it
// again replaces it instead of running on into it (no "AnAn", no wrong old password twice over).
TEST_F(ProfileScreensTest, ASheetOpenedAgainOffersItsTextForReplacing) {
    auto profile = openProfile(userWith(1));
    auto password = profile->passwordSheet();
    auto transfer = std::dynamic_pointer_cast<TransferMoneyView>(profile->transferSheet());
    ASSERT_TRUE(password && transfer);
    const auto type = [](const std::string& text) { ui::Application::shared().sendText(text); };
    for (const bool sending : {false, true}) {
        SCOPED_TRACE(sending ? "sent" : "cancelled");
        profile->doShowChangePasswordView();
        password->txtOldPass->setText("wrongpass123");
        if (sending) password->doChangePass();
        else password->onCancel(nullptr);
        run(1);
        UIController::closeDialog();

        profile->doShowChangePasswordView();
        EXPECT_EQ(password->txtOldPass->text(), "wrongpass123");
        ASSERT_TRUE(password->txtOldPass->isFirstResponder());
        type("secret");
        EXPECT_EQ(password->txtOldPass->text(), "secret");
        password->onCancel(nullptr);
        run(1);

        profile->doTransferMoney(nullptr);
        type("An");
        transfer->txtMoney->setText("10000");
        if (sending) transfer->doTransferMoney();
        else transfer->onCancel(nullptr);
        run(1);
        UIController::closeDialog();

        profile->doTransferMoney(nullptr);
        EXPECT_EQ(transfer->txtName->text(), "An");
        type("An");
        EXPECT_EQ(transfer->txtName->text(), "An");
        transfer->onCancel(nullptr);
        run(1);
    }
}

// The transfer, password and log-out buttons are a finger high, each caption with room on both sides
// inside the button's rim, in either language; the last keeps off the window's edge.
TEST_F(ProfileScreensTest, TheBottomButtonsAreTallEnoughForTheirCaptions) {
    auto profile = openProfile(userWith(1));
    for (const char* language : {"en", "vi"}) {
        Resources::getInstance().setCurrentLanguage(language);
        Resources::getInstance().loadLanguage();
        profile->viewWillAppear(false);
        for (const auto& caption : {profile->lblTransferMoney, profile->lblChangePass, profile->lblDangXuat}) {
            EXPECT_GE(caption->bounds().height(), 24) << language;
            EXPECT_LE(caption->font().widthOfText(caption->textOrEmpty()) + 2 * 7, caption->bounds().width())
                << language << ": " << caption->textOrEmpty();
        }
    }
    EXPECT_LE(profile->lblDangXuat->frame().maxX(), profile->view()->bounds().maxX() - 4);
}

// Every tab's content reaches under the transfer, password and log-out buttons: they stay over it and
// take their own taps. The wardrobe fills its whole place: its own tabs share the bottom row with the
// buttons, its item buttons lie just above them.
TEST_F(ProfileScreensTest, TheBottomButtonsTakeTheirTapsOnEveryTab) {
    auto profile = openProfile(userWith(1));
    for (const auto& tab : {profile->btnTabOwner, profile->btnTabHistory, profile->btnTabTransaction, profile->btnTabStore,
                            profile->btnTabProfile}) {
        tap(*tab);
        run(0.5);
        for (const auto& caption : {profile->lblTransferMoney, profile->lblChangePass, profile->lblDangXuat}) {
            const ui::Point centre = caption->convertPointToView(caption->bounds().center(), nullptr);
            auto hit = std::dynamic_pointer_cast<ui::Button>(profile->view()->window()->hitTest(centre, nullptr));
            EXPECT_TRUE(hit && hit->frame() == caption->frame())
                << tab->currentTitle().value_or("") << ": " << caption->textOrEmpty();
        }
    }
    tap(*profile->btnTabStore);
    profile->onMyUserDataWithUser(userWith(2));
    EXPECT_TRUE(matchesScreen("profile_wardrobe_tab"));
}

TEST_F(ProfileScreensTest, AchievementsShowTheFiguresOfPoker) {
    auto profile = openProfile(userWith(1));
    tap(*profile->btnTabHistory);
    profile->onMyAchievementWithGameId(4, {4, 350, 12, 7, 2, 1});
    profile->onMyAchievementWithGameId(13, {13, 1, 1, 1, 1, 1});
    EXPECT_EQ(profile->achievementTab()->records().figuresOfSection(0), (std::vector<int32_t>{350, 12, 7, 2, 1}));
    EXPECT_TRUE(matchesScreen("profile_achievements"));
}

TEST_F(ProfileScreensTest, TheWornFigureIsDrawnOneItemAtATimeFromTheEndOfTheList) {
    auto profile = openProfile(userWith(1));
    auto tab = profile->personalDataTab();
    using S = standin::StandinProfileShop;
    struct Part {
        int32_t itemId, category;
        int16_t z;
        const char* picture;
        S::Part part;
    } parts[] = {{801, 8, 1, "figure-body.png", S::kBody},          {501, 5, 2, "figure-trousers-1.png", S::kTrousers},
                 {601, 6, 3, "figure-shoes-2.png", S::kShoes},      {901, 9, 4, "figure-shirt-1.png", S::kShirt},
                 {301, 3, 5, "figure-hair-3.png", S::kHair},        {701, 7, 6, "figure-hat-0.png", S::kHat}};
    std::vector<std::shared_ptr<UsingAvatar>> worn;
    // The server lists the hat first: the list is loaded from its end.
    for (int i = 5; i >= 0; --i) {
        auto item = std::make_shared<UsingAvatar>();
        item->setItemId(parts[i].itemId);
        item->setCategoryId(parts[i].category);
        worn.push_back(item);
        storeItemPicture(parts[i].itemId, parts[i].picture);
    }
    run(0.1);
    sent();
    tab->onMyListUsingAvatar(worn);
    for (const Part& part : parts) {
        ASSERT_EQ(sent(), (std::vector<sys::Data>{bytes({{101, 5}, int32Bytes(part.itemId)})}));
        auto detail = std::make_shared<AvatarDetail>();
        detail->setItemId(part.itemId);
        detail->setCategory_id(part.category);
        detail->setAvatar_x(S::placementOf(part.part).x);
        detail->setAvatar_y(S::placementOf(part.part).y);
        detail->setZ_index(part.z);
        tab->onMyUsingAvatarDetail(detail);
    }
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(tab->wornLoader().finished());
    EXPECT_EQ(tab->avatarLayers().stackOrder(), (std::vector<int32_t>{8, 5, 6, 9, 3, 7}));
    EXPECT_EQ(tab->avatarLayers().layer(8)->frame().origin, (ui::Point{39, 54}));
    // The resources keep the layers for the wardrobe.
    EXPECT_EQ(Resources::getInstance().getListKeysUsingAvatar().size(), 6u);
    EXPECT_TRUE(matchesScreen("profile_six_layer_figure"));

    // The editor opens over its row in the row's lettering and leaves the rows and the figure in place.
    const ui::Rect figure = tab->avatarLayers().layer(8)->frame();
    tap(*tab->btnFullname);
    run(1);
    EXPECT_EQ(tab->scrollView->contentOffset(), (ui::Point{0, 0}));
    EXPECT_EQ(tab->avatarLayers().layer(8)->frame(), figure);
    ASSERT_TRUE(tab->editor());
    EXPECT_EQ(tab->editor()->frame(), tab->btnFullname->frame());
    EXPECT_EQ(tab->editor()->font(), tab->btnFullname->titleLabel()->font());
    EXPECT_EQ(tab->editor()->textColor(), tab->btnFullname->titleColorForState(ui::ControlState::Normal));
    EXPECT_TRUE(matchesScreen("profile_name_editor"));
}

// The worn figure shows what is worn now, and the resources keep only that for the wardrobe: a worn
// list without a category takes its layer off, one an earlier profile screen left too.
TEST_F(ProfileScreensTest, TheWornFigureKeepsOnlyWhatIsWornNow) {
    auto wear = [](UserDataView& tab, std::vector<std::pair<int32_t, int32_t>> itemsAndCategories) {
        std::vector<std::shared_ptr<UsingAvatar>> items;
        for (auto [itemId, category] : itemsAndCategories) {
            items.push_back(std::make_shared<UsingAvatar>());
            items.back()->setItemId(itemId);
            items.back()->setCategoryId(category);
        }
        tab.onMyListUsingAvatar(items);
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            auto detail = std::make_shared<AvatarDetail>();
            detail->setItemId((*it)->itemId());
            detail->setCategory_id((*it)->categoryId());
            tab.onMyUsingAvatarDetail(detail);
        }
    };
    storeItemPicture(801, "figure-body.png");
    storeItemPicture(301, "figure-hair-3.png");
    auto first = openProfile(userWith(1))->personalDataTab();
    wear(*first, {{801, 8}, {301, 3}});
    ASSERT_TRUE(first->avatarLayers().layer(3));
    wear(*first, {{801, 8}});
    EXPECT_FALSE(first->avatarLayers().layer(3));
    EXPECT_EQ(Resources::getInstance().getListKeysUsingAvatar(), (std::vector<int32_t>{8}));

    wear(*first, {{801, 8}, {301, 3}});
    auto second = openProfile(userWith(1))->personalDataTab();
    wear(*second, {{801, 8}});
    EXPECT_EQ(Resources::getInstance().getListKeysUsingAvatar(), (std::vector<int32_t>{8}));
}
