#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "money/StoreView.h"
#include "money/TransactionView.h"
#include "screens/ProvinceView.h"
#include "screens/UserDataView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The own profile with its tabs.
class ProfileView : public ZunoViewController {
public:
    ProfileView() : ProfileView("ProfileView") {}
    explicit ProfileView(std::string nibName);

    virtual void onMyUserDataWithUser(UserPtr user) {}
    // The game id, then the numbers of that game.
    virtual void onMyAchievementWithGameId(int gameId, std::vector<int32_t> achievement) {}
    virtual void onMyAssetsWithAssets(std::vector<std::shared_ptr<Asset>> assets) {}
    // Removes the row of the gift just opened.
    virtual void deleteAsset() {}

    // The tabs and sheets the session logic reaches.
    virtual std::shared_ptr<UserDataView> userDataView() const { return nullptr; }
    virtual std::shared_ptr<StoreView> storeView() const { return nullptr; }
    virtual std::shared_ptr<TransactionView> transactionView() const { return transactionView_; }
    void setTransactionView(std::shared_ptr<TransactionView> tab) { transactionView_ = std::move(tab); }
    virtual std::shared_ptr<ProvinceView> proView() const { return nullptr; }

private:
    // The stored-purchases tab.
    std::shared_ptr<TransactionView> transactionView_;
};

}  // namespace zuno
