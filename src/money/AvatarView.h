#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The avatar shop.
class AvatarView : public ZunoViewController, public AvatarShopScreen {
public:
    using Avatars = std::vector<std::shared_ptr<Avatar>>;

    AvatarView() : AvatarView("AvatarView") {}
    explicit AvatarView(std::string nibName);
    // The avatar shown, whose id the buying confirmation sends.
    virtual std::shared_ptr<Avatar> focusedAvatar() const { return nullptr; }

    void setListAvatars(Avatars avatars) override {}
    Avatars listAvatars() const override { return {}; }
    std::shared_ptr<ui::TableView> tableView() const override { return nullptr; }
    // Redraws the avatar pictures from the image cache.
    void updateAvatarImage() override {}
    // The price of the avatar of that id in the list.
    int32_t priceFromID(int16_t avatarId) const override { return 0; }
};

}  // namespace zuno
