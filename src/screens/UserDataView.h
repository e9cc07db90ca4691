#pragma once

#include <memory>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The personal-data tab of the own profile.
class UserDataView : public ZunoViewController, public ProfileDataTab {
public:
    using ZunoViewController::ZunoViewController;

    void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) override {}
    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) override {}
    void updateLoadUsing() override {}
};

}  // namespace zuno
