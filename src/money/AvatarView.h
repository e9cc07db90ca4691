#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The avatar shop.
class AvatarView : public ZunoViewController {
public:
    using Avatars = std::vector<std::shared_ptr<Avatar>>;

    AvatarView() : AvatarView("AvatarView") {}
    explicit AvatarView(std::string nibName);
    // The avatar shown, whose id the buying confirmation sends.
    virtual std::shared_ptr<Avatar> focusedAvatar() const { return nullptr; }

    virtual void setListAvatars(Avatars avatars) {}
    virtual Avatars listAvatars() const { return {}; }
    virtual std::shared_ptr<ui::TableView> tableView() const { return nullptr; }
    // Redraws the avatar pictures from the image cache.
    virtual void updateAvatarImage() {}
    // The price of the avatar of that id in the list.
    virtual int32_t priceFromID(int16_t avatarId) const { return 0; }
};

}  // namespace zuno
