#pragma once

#include <memory>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/Province.h"
#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TextField.h"
#include "screens/AvatarLayers.h"
#include "screens/WornAvatarLoader.h"
#include "shell/CustomLabel.h"
#include "shell/ZunoViewController.h"

namespace zuno {

class ProfileView;

// The personal-data tab of the own profile: nick, money and personal data, each field edited in place
// (Enter saves and sends the whole record, and so does choosing another row after changing the text;
// Escape closes the editor unsaved; one editor at a time), and the player's layered avatar drawn from
// the items worn, whose layers the resources keep for the wardrobe.
class UserDataView : public ZunoViewController, public ProfileDataTab, public ui::TextFieldDelegate {
    ZUNO_BINDINGS
public:
    UserDataView() : UserDataView("UserDataView") {}
    explicit UserDataView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void changeLabelWithLanguage();

    void updateViewWithUserData(UserPtr user);
    void onChangeUserData(ui::Object* sender);
    void onChangeGender(ui::Object* sender);
    void updateGender(ui::Object* sender);
    void updateStatus(ui::Object* sender);
    void onChangeProvince(ui::Object* sender);
    void updateProvince(const Province& province);
    bool textFieldShouldReturn(ui::TextField& field) override;
    // Escape: the open editor closes and nothing is stored or sent.
    void cancelEditing();
    bool isEditing() const { return editor_ || genderPicker_; }

    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) override;
    void onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) override;
    void updateLoadUsing() override { loadUsing = true; }
    void wornItemChanged(const UserAvatarDetail& item, bool worn) override;
    void drawAvatar();
    // The signed-in player's balance as it stands now.
    void showMyMoney();

    UserPtr userData() const { return userData_; }
    void setParentController(std::weak_ptr<ProfileView> parent) { parentController = std::move(parent); }
    const AvatarLayers& avatarLayers() const { return layers_; }
    const WornAvatarLoader& wornLoader() const { return loader_; }
    std::shared_ptr<ui::TextField> editor() const { return editor_; }

    std::shared_ptr<ui::Button> btnName, btnMoney, btnFullname, btnGender, btnBirthYear, btnAddress, btnIDNumber,
        btnPhone, btnCity, btnStatus;
    std::shared_ptr<ui::Label> lblName, lblMoney, lblFullname, lblGender, lblBirthYear, lblAddress, lblIDNumber, lblPhone,
        lblCity;
    std::shared_ptr<ui::ScrollView> scrollView;
    std::weak_ptr<ProfileView> parentController;
    std::shared_ptr<ui::Button> btnSelected;
    std::shared_ptr<AvatarDetail> usingAvatar;
    bool loadUsing = false;

private:
    void sendRecord();
    void askWornItems();
    void closeEditors();
    // Another row was chosen: the open editor's text is kept, then every editor closes.
    void keepOpenEdit();
    void showStatus(const std::string& text, bool orange);
    void finishEditor(ui::TextField& field);

    UserPtr userData_;
    std::shared_ptr<ui::TextField> editor_;
    std::string editorOpenedWith_;
    std::shared_ptr<ui::SegmentedControl> genderPicker_;
    std::shared_ptr<CustomLabel> statusLabel_;
    AvatarLayers layers_{AvatarLayers::kProfileOffset, true};
    WornAvatarLoader loader_;
};

}  // namespace zuno
