// The steps of the roads that pass from one account to the next, in the desktop program against the
// stand-in as the demo runs it, from the main menu of a signed-in player: the profile and its tabs,
// the worn items the session and the stand-in know, every text shown, and a fresh login. Every step
// ends settled.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "money/AssetsView.h"
#include "platform/ui/Application.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/ProfileView.h"
#include "screens/UserAchievementView.h"
#include "screens/UserDataView.h"
#include "shell/Resources.h"
#include "support/DemoRoadTest.h"

namespace zuno::testing {

class AccountRoadSteps : public DemoRoadTest {
protected:
    // The profile, once its personal data and the figure of the worn items are shown.
    std::shared_ptr<ProfileView> openProfile() {
        if (!menu) {
            ADD_FAILURE() << "opening the profile: no main menu to open it from";
            return nullptr;
        }
        menu->doShowProfile(nullptr);
        auto profile = waitForTop<ProfileView>();
        if (profile) {
            auto tab = profile->personalDataTab();
            pump([&] { return profile->viewingTabIndex() == 1 && tab && tab->wornLoader().finished(); });
        }
        settle();
        return profile;
    }
    // The presents tab, once it lists that many.
    std::shared_ptr<AssetsView> openPresents(ProfileView& profile, size_t count) {
        tap(*profile.btnTabOwner);
        auto presents = std::dynamic_pointer_cast<AssetsView>(profile.ownedItemsTab());
        if (!presents || !pump([&] { return presents->myAssets.size() == count; })) {
            ADD_FAILURE() << "opening the presents tab: "
                          << (presents ? "it never listed " + std::to_string(count) : "no such tab");
            return nullptr;
        }
        settle();
        return presents;
    }
    // The achievements tab's figures of its first game.
    std::vector<int32_t> figuresOn(ProfileView& profile) {
        tap(*profile.btnTabHistory);
        auto tab = profile.achievementTab();
        if (!tab) {
            ADD_FAILURE() << "reading the achievements: the profile has no achievements tab";
            return {};
        }
        pump([&] { return !tab->records().figuresOfSection(0).empty(); });
        settle();
        return tab->records().figuresOfSection(0);
    }
    void backToTheMenu() {
        program->navigation().popToViewController(menu.get(), false);
        menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
    }

    // The worn items the session keeps (those of the figure last drawn on the profile), and those the
    // stand-in holds for the account, by item id.
    static std::set<int32_t> wornItemsKnown() {
        std::set<int32_t> ids;
        for (const auto& [itemId, item] : Resources::getInstance().getListUsingAvatar()) ids.insert(itemId);
        return ids;
    }
    std::set<int32_t> wornOnTheStandin(int32_t accountId) const {
        std::set<int32_t> ids;
        for (const auto& owned : demo.shop->owned(accountId))
            if (owned.worn) ids.insert(owned.itemId);
        return ids;
    }

    // Every text of every window: the screen, its sheets and any dialog.
    static std::string shownTexts() {
        std::string texts;
        for (const auto& window : ui::Application::shared().windows()) texts += textsIn(*window);
        return texts;
    }
    // None of the marks on the settled screen (a whole text is a mark between "|").
    void expectNoneShown(const std::vector<std::string>& marks, const std::string& where) {
        SCOPED_TRACE(where);
        settle();
        const std::string texts = shownTexts();
        for (const std::string& mark : marks)
            EXPECT_EQ(texts.find(mark), std::string::npos) << "'" << mark << "' shows in " << texts;
    }

    // The login screen on top, its fields emptied as a player empties them, logs in: the server list
    // that follows (none when it does not come).
    std::shared_ptr<ServerView> logInAfresh(const std::string& user, const std::string& password) {
        auto login = waitForTop<LoginView>();
        if (!login) return nullptr;
        login->txvUser->setText("");
        login->txvPass->setText("");
        return logInAs(user, password);
    }

    std::shared_ptr<MainView> menu;
};

}  // namespace zuno::testing
