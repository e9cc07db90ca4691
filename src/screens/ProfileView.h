#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The own profile with its tabs.
class ProfileView : public ZunoViewController, public ProfileScreen {
public:
    ProfileView() : ProfileView("ProfileView") {}
    explicit ProfileView(std::string nibName);

    void onMyUserDataWithUser(UserPtr user) override {}
    // The game id, then the numbers of that game.
    void onMyAchievementWithGameId(int gameId, std::vector<int32_t> achievement) override {}
    void onMyAssetsWithAssets(std::vector<std::shared_ptr<Asset>> assets) override {}
    // Removes the row of the gift just opened.
    void deleteAsset() override {}

    // The tabs and sheets the session logic reaches.
    std::shared_ptr<ProfileDataTab> userDataView() const override { return nullptr; }
    std::shared_ptr<WardrobeTab> storeView() const override { return nullptr; }
    std::shared_ptr<PurchasesTab> transactionView() const override { return transactionView_; }
    void setTransactionView(std::shared_ptr<PurchasesTab> tab) { transactionView_ = std::move(tab); }
    std::shared_ptr<ProvincePicker> proView() const override { return nullptr; }

private:
    // The stored-purchases tab.
    std::shared_ptr<PurchasesTab> transactionView_;
};

}  // namespace zuno
