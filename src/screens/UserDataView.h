#pragma once

#include <memory>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The personal-data tab of the own profile.
class UserDataView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;

    virtual void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) {}
    virtual void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {}
    virtual void updateLoadUsing() {}
};

}  // namespace zuno
