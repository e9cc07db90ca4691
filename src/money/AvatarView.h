#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/ShopScreenEvents.h"
#include "lobby/model/ShopRecords.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// A row of the avatar shop as a cell class of its own; the shop draws its rows on plain cells.
class cellAvatar : public ui::TableViewCell {
public:
    using ui::TableViewCell::TableViewCell;
    std::shared_ptr<ui::ImageView> imgAvatar, imgOnline;
    std::shared_ptr<ui::Label> lblName, lblPrice;
};

// The shop of whole avatars, one picture each: a tap on an affordable one asks to buy it. No screen
// opens it; the session logic fills it while it is on top.
class AvatarView : public ZunoViewController,
                   public AvatarShopScreen,
                   public ui::TableViewDataSource,
                   public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kRowHeight = 50;
    static constexpr double kPictureRetrySeconds = 0.033;
    // The pictures are awaited this long at most.
    static constexpr int kPictureTries = 150;

    AvatarView() : AvatarView("AvatarView") {}
    explicit AvatarView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void doExit(ui::Object* sender);

    void setListAvatars(Avatars avatars) override { listAvatars_ = std::move(avatars); }
    Avatars listAvatars() const override { return listAvatars_; }
    std::shared_ptr<ui::TableView> tableView() const override { return tableView_; }
    // Fills in the pictures the image cache holds; tries again shortly while some are missing.
    void updateAvatarImage() override;
    void updateListAvatarImages();
    int32_t priceFromID(int16_t avatarId) const override;

    virtual std::shared_ptr<Avatar> focusedAvatar() const { return focusedAvatar_; }
    void doBuyAvatar();
    void buyAvatarSuccess();

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

private:
    Avatars listAvatars_;
    std::shared_ptr<Avatar> focusedAvatar_;
    std::shared_ptr<ui::TableView> tableView_;
    int triesLeft_ = kPictureTries;
};

}  // namespace zuno
