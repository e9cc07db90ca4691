#pragma once

#include <memory>
#include <string>

#include "lobby/model/ShopRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The avatar shop.
class AvatarView : public ZunoViewController {
public:
    AvatarView() : AvatarView("AvatarView") {}
    explicit AvatarView(std::string nibName);
    // The avatar shown, whose id the buying confirmation sends.
    virtual std::shared_ptr<Avatar> focusedAvatar() const { return nullptr; }
};

}  // namespace zuno
