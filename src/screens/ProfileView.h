#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "screens/ChangePassView.h"
#include "screens/ProfileTabs.h"
#include "screens/ProvinceView.h"
#include "screens/UserAchievementView.h"
#include "screens/UserDataView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The own profile: five tabs over a 480 x 260 content area (personal data, owned items and presents,
// achievements, stored purchases, wardrobe), the transfer and password sheets. Each tab asks the
// server for its data the first time it is shown; the session logic hands the answers to this screen,
// which passes them to the tab's view. The money tabs and sheets are made by name.
class ProfileView : public ZunoViewController, public ProfileScreen {
    ZUNO_BINDINGS
public:
    enum Tab { kTabProfile = 1, kTabOwner = 2, kTabHistory = 3, kTabTransaction = 4, kTabStore = 5 };
    static constexpr double kMenuGrowSeconds = 0.5;
    static constexpr double kTabFadeSeconds = 1;
    static constexpr double kTabFadeStep = 0.2;

    ProfileView() : ProfileView("ProfileView") {}
    explicit ProfileView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    void doChangeTab(ui::Object* sender);
    void resetTab();
    void showFirstTab();
    void doShowChangePasswordView();
    void doTransferMoney(ui::Object* sender);
    void doExit(ui::Object* sender);
    void showMenu(ui::Object* sender);
    using ZunoViewController::showMenu;
    void updateChangeGender() { changeGender = true; }
    // The province sheet over the screen with the list.
    void showProvinces(Province::List provinces);

    void onMyUserDataWithUser(UserPtr user) override;
    void onMyAchievementWithGameId(int gameId, std::vector<int32_t> achievement) override;
    void onMyAssetsWithAssets(std::vector<std::shared_ptr<Asset>> assets) override;
    void deleteAsset() override;
    void showMyMoney() override;

    // A tab never shown does not exist for the session logic yet.
    std::shared_ptr<ProfileDataTab> userDataView() const override;
    std::shared_ptr<WardrobeTab> storeView() const override;
    std::shared_ptr<PurchasesTab> transactionView() const override;
    std::shared_ptr<ProvincePicker> proView() const override { return proView_; }
    std::optional<int8_t> profileUserGender() const override;
    void setTransactionView(std::shared_ptr<ui::ViewController> tab) { transactionView_ = std::move(tab); }

    std::shared_ptr<UserDataView> personalDataTab() const { return userDataView_; }
    std::shared_ptr<UserAchievementView> achievementTab() const { return userAchievementView_; }
    std::shared_ptr<ui::ViewController> wardrobeTab() const { return storeView_; }
    std::shared_ptr<ui::ViewController> ownedItemsTab() const { return assetsView_; }
    std::shared_ptr<ui::ViewController> purchasesTab() const { return transactionView_; }
    std::shared_ptr<ui::ViewController> transferSheet() const { return transferMoneyView_; }
    std::shared_ptr<ChangePassView> passwordSheet() const { return changePassView_; }
    std::shared_ptr<ProvinceView> provinceSheet() const { return proView_; }
    int viewingTabIndex() const { return viewingTabIndex_; }

    std::shared_ptr<ui::Button> btnTabProfile, btnTabOwner, btnTabHistory, btnTabTransaction, btnTabStore;
    std::shared_ptr<ui::Label> lblTransferMoney, lblChangePass, lblDangXuat;
    std::shared_ptr<ui::ImageView> profile_menu;
    UserPtr userProfile;
    bool changeGender = false;

private:
    struct TabSlot {
        std::shared_ptr<ui::Button> button;
        const char* selectedImage;
        std::shared_ptr<ui::ViewController> content;
    };
    TabSlot slot(int tag) const;
    std::vector<std::shared_ptr<ui::Button>> tabButtons() const;
    void showTab(int tag);
    void firstVisit(int tag);
    void repeatVisit(int tag);
    void insertContent(ui::ViewController& content, const ui::Rect& frame);
    void fadeInTabs(bool grown);
    void presentSheet(ui::ViewController& sheet);
    static bool isShown(const std::shared_ptr<ui::ViewController>& tab);

    int viewingTabIndex_ = 0;
    std::shared_ptr<UserDataView> userDataView_;
    std::shared_ptr<ui::ViewController> assetsView_;
    std::shared_ptr<UserAchievementView> userAchievementView_;
    std::shared_ptr<ui::ViewController> transactionView_;
    std::shared_ptr<ui::ViewController> storeView_;
    std::shared_ptr<ChangePassView> changePassView_;
    std::shared_ptr<ui::ViewController> transferMoneyView_;
    std::shared_ptr<ProvinceView> proView_;
};

}  // namespace zuno
