// Nothing of one account shows to the next, in the desktop program, headless, against the stand-in as
// the demo runs it. Demo is greeted by mail, a robot friend writes a private line while the friends
// screen is open, a present waits on the profile, and the profile shows demo's figures and his figure
// in a hat he was given. Then demo signs
// out (by the logout button, or by signing in as someone else from the main menu's side menu, which
// closes demo's connection silently) and another account signs in: no screen shows any of demo's
// texts, no unread-mail button shows while nobody is signed in, and the session holds nothing of demo.
// The next account sees its own mail, friends, presents, figures and worn items only.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "screens/FriendListView.h"
#include "screens/MessageView.h"
#include "screens/ServerView.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobots.h"
#include "support/AccountRoadSteps.h"
#include "support/AlertButtons.h"
#include "support/ControlSending.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kDemo = StandinRobots::kDemoId;
constexpr int32_t kAn = StandinRobots::kFirstRobotId, kChi = 9003, kDung = 9004;
constexpr int32_t kThuy = 4801;
constexpr const char* kThuyPassword = "sen hong";
constexpr const char* kSecretLine = "Only for demo: the table is number 7";
constexpr const char* kDemoPresent = "Demo's golden present";
const std::vector<int32_t> kDemoFigures = {350, 120, 98, 7, 3};
const std::vector<int32_t> kThuyFigures = {140, 15, 11, 2, 1};
constexpr int32_t kDemosHat = 10702;

class SignOutRoadTest : public zuno::testing::AccountRoadSteps {
protected:
    void SetUp() override {
        StandinDemo::Options options;
        options.robots.invitationDelay = 3600;  // no table invitation comes in between
        ASSERT_NO_FATAL_FAILURE(startDemo(options, "sign-out-road", 0.1));
        StandinAccount thuy{"thuy", kThuyPassword, kThuy, 777000, 2, kThuyFigures[0]};
        thuy.won = kThuyFigures[1];
        thuy.lost = kThuyFigures[2];
        thuy.drawn = kThuyFigures[3];
        thuy.givenUp = kThuyFigures[4];
        thuy.friendIds = {kAn};
        signIn->addAccount(thuy);
        // Chi, demo's first friend, greets demo by mail over the main menu.
        ASSERT_TRUE(pump([] { return UIController::unreadMessageCount() == 1; }));
        ASSERT_EQ(UIController::listMessage().front()->fromID(), kChi);
        menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
    }

    // Demo's present, figures, friends and a private line in an open conversation: the friends
    // screen stays on top.
    std::shared_ptr<FriendListView> receiveDemosThings() {
        demo.money->givePresent(kDemo, kDemoPresent);
        EXPECT_TRUE(demo.shop->give(kDemo, kDemosHat, true));
        auto profile = openProfile();
        if (!profile) return nullptr;
        EXPECT_EQ(wornItemsKnown(), wornOnTheStandin(kDemo)) << "demo's worn items, his hat among them, are known";
        auto presents = openPresents(*profile, 3);
        if (!presents) return nullptr;
        EXPECT_EQ(presents->myAssets.back()->name(), kDemoPresent);
        EXPECT_EQ(figuresOn(*profile), kDemoFigures);
        backToTheMenu();

        menu->doShowFriends(nullptr);
        auto friends = waitForTop<FriendListView>();
        if (!friends || !pump([&] { return friends->friendList.size() == 5; })) return nullptr;
        demo.social->robotWrites(kDung, kDemo, kSecretLine);
        if (!pump([&] { return friends->chatView("Dung") && friends->chatView("Dung")->arrChat.size() == 1; }))
            return nullptr;
        settle();
        EXPECT_NE(shownTexts().find(kSecretLine), std::string::npos) << "the line is on the screen";
        return friends;
    }

    // The unread-mail button, wherever it shows.
    std::shared_ptr<ui::Control> mailButtonShown() const {
        for (const auto& window : ui::Application::shared().windows())
            if (auto button = zuno::testing::controlSending(*window, program->delegate().get(), {"onOpenMessage:"}))
                return button;
        return nullptr;
    }

    // None of demo's texts on the settled screen: the mail, the private line, the present, the
    // balance and the friends' names (whole texts: a friend row, a conversation's tab).
    void expectNothingOfDemoShown(const std::string& where) {
        expectNoneShown(
            {"Hello from Chi", kSecretLine, kDemoPresent, "5,000,000", "|Chi|", "|Dung|", "|Giang|", "|Ha|", "|Hung|"},
            where);
    }
    // Nobody is signed in: nothing of demo shows, no unread-mail button, and the session holds none of
    // demo's player, mail, worn items or the layers of his figure.
    void expectNobodySignedIn(const std::string& where) {
        expectNothingOfDemoShown(where);
        SCOPED_TRACE(where);
        EXPECT_FALSE(mailButtonShown());
        EXPECT_FALSE(UIController::btnAlertMessage());
        EXPECT_TRUE(UIController::listMessage().empty());
        EXPECT_EQ(UIController::myInfo()->IDDB(), 0);
        EXPECT_EQ(UIController::myInfo()->name(), "");
        EXPECT_TRUE(Resources::getInstance().getListUsingAvatar().empty());
        EXPECT_TRUE(Resources::getInstance().getListKeysUsingAvatar().empty());
    }

    // Thuy, signed in, greeted by An: the mail, the friends, the presents, the profile's figures and
    // worn items are thuy's alone, and nothing of demo shows on the way.
    void expectOnlyThuysOwn() {
        menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
        EXPECT_EQ(UIController::myInfo()->IDDB(), kThuy);
        ASSERT_TRUE(pump([] {
            auto inbox = UIController::listMessage();
            return std::any_of(inbox.begin(), inbox.end(), [](const auto& m) { return m->fromID() == kAn; });
        }));
        EXPECT_EQ(UIController::listMessage().size(), 1u);
        expectNothingOfDemoShown("main menu");
        auto button = std::dynamic_pointer_cast<ui::Button>(mailButtonShown());
        ASSERT_TRUE(button);
        EXPECT_EQ(button->currentTitle(), std::optional<std::string>("1"));

        menu->doShowMail(nullptr);
        auto mailbox = waitForTop<MessageView>();
        ASSERT_TRUE(mailbox);
        EXPECT_EQ(mailbox->model().listMessage().size(), 1u);
        for (const auto& mail : mailbox->model().listMessage()) EXPECT_EQ(mail->fromID(), kAn);
        expectNothingOfDemoShown("mailbox");
        backToTheMenu();

        menu->doShowFriends(nullptr);
        auto friends = waitForTop<FriendListView>();
        ASSERT_TRUE(friends);
        ASSERT_TRUE(pump([&] { return !friends->friendList.empty(); }));
        EXPECT_EQ(friends->friendList.size(), 1u);
        for (const auto& friendOfThuy : friends->friendList) EXPECT_EQ(friendOfThuy->IDDB(), kAn);
        EXPECT_TRUE(friends->listButtonChatView().empty());
        EXPECT_FALSE(friends->chatView("Dung"));
        expectNothingOfDemoShown("friends");
        backToTheMenu();

        auto profile = openProfile();
        ASSERT_TRUE(profile);
        ASSERT_TRUE(pump([&] { return profile->personalDataTab()->btnMoney->currentTitle().value_or("").find("777,000") == 0; }));
        expectNothingOfDemoShown("profile");
        // Her own figure, without demo's hat.
        EXPECT_EQ(wornItemsKnown(), wornOnTheStandin(kThuy));
        EXPECT_EQ(wornItemsKnown().count(kDemosHat), 0u);
        auto presents = openPresents(*profile, 2);
        ASSERT_TRUE(presents);
        for (const auto& present : presents->myAssets) EXPECT_NE(present->name(), kDemoPresent);
        expectNothingOfDemoShown("presents");
        EXPECT_EQ(figuresOn(*profile), kThuyFigures);
        expectNothingOfDemoShown("achievements");
    }
};

}  // namespace

TEST_F(SignOutRoadTest, AfterLogoutTheNextAccountSeesNothingOfTheLast) {
    auto friends = receiveDemosThings();
    ASSERT_TRUE(friends);

    // Logout from the friends screen, back on its friend table (the open conversation's bar lies over
    // the screen's buttons), Dung's conversation still open beside it.
    tap(*friends->btnTabFriend);
    settle();
    auto logout = zuno::testing::controlSending(*friends->view(), friends.get(), {"logout:"});
    ASSERT_TRUE(logout);
    tap(*logout);
    ASSERT_TRUE(waitForTop<LoginView>());
    // The traffic of the session is told over the login screen.
    const std::string traffic = Resources::getInstance().textForKey("ZUNO_used_size");
    ASSERT_TRUE(pump([&] { return dialogText().rfind(traffic, 0) == 0; })) << dialogText();
    expectNobodySignedIn("login screen after the logout");
    answerAlert(true);

    auto servers = logInAfresh("thuy", kThuyPassword);
    ASSERT_TRUE(servers);
    expectNobodySignedIn("server list");
    ASSERT_NO_FATAL_FAILURE(signInOnTheFirstServer(*servers));
    expectOnlyThuysOwn();
}

// The side menu's sign-in opens a login screen over demo's main menu; signing in there as thuy closes
// demo's connection without a logout.
TEST_F(SignOutRoadTest, SigningInAsAnotherAccountWithoutLogoutSignsTheFirstOut) {
    ASSERT_TRUE(receiveDemosThings());
    backToTheMenu();
    menu->showMenu();
    settle();
    auto signInEntry = zuno::testing::controlSending(*menu->viewMenu, menu.get(), {"showMenuMain"});
    ASSERT_TRUE(signInEntry);
    tap(*signInEntry);
    settle();
    auto accountSheet = menu->accountSheet;
    ASSERT_TRUE(accountSheet);
    auto loginEntry = zuno::testing::controlSending(*accountSheet->view(), accountSheet.get(), {"doRegister:"});
    ASSERT_TRUE(loginEntry);
    tap(*loginEntry);

    auto servers = logInAfresh("thuy", kThuyPassword);
    ASSERT_TRUE(servers);
    ASSERT_NO_FATAL_FAILURE(signInOnTheFirstServer(*servers));
    expectOnlyThuysOwn();
}
