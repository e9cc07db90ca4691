#include "screens/UserDataView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/ProfileEdits.h"
#include "screens/ProfileView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
constexpr ui::Size kContentSize{420, 400};
constexpr int kReturnDone = 9;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

const ui::BindingTable& UserDataView::bindings() {
    using B = ui::Bind<UserDataView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("btnName", &UserDataView::btnName),
                                            B::outlet("btnMoney", &UserDataView::btnMoney),
                                            B::outlet("btnFullname", &UserDataView::btnFullname),
                                            B::outlet("btnGender", &UserDataView::btnGender),
                                            B::outlet("btnBirthYear", &UserDataView::btnBirthYear),
                                            B::outlet("btnAddress", &UserDataView::btnAddress),
                                            B::outlet("btnIDNumber", &UserDataView::btnIDNumber),
                                            B::outlet("btnPhone", &UserDataView::btnPhone),
                                            B::outlet("btnCity", &UserDataView::btnCity),
                                            B::outlet("btnStatus", &UserDataView::btnStatus),
                                            B::outlet("lblName", &UserDataView::lblName),
                                            B::outlet("lblMoney", &UserDataView::lblMoney),
                                            B::outlet("lblFullname", &UserDataView::lblFullname),
                                            B::outlet("lblGender", &UserDataView::lblGender),
                                            B::outlet("lblBirthYear", &UserDataView::lblBirthYear),
                                            B::outlet("lblAddress", &UserDataView::lblAddress),
                                            B::outlet("lblIDNumber", &UserDataView::lblIDNumber),
                                            B::outlet("lblPhone", &UserDataView::lblPhone),
                                            B::outlet("lblCity", &UserDataView::lblCity),
                                            B::outlet("scrollView", &UserDataView::scrollView),
                                            B::action("onChangeUserData:", &UserDataView::onChangeUserData),
                                            B::action("onChangeGender:", &UserDataView::onChangeGender),
                                            B::action("updateGender:", &UserDataView::updateGender),
                                            B::action("updateStatus:", &UserDataView::updateStatus),
                                            B::action("onChangeProvince:", &UserDataView::onChangeProvince),
                                        });
    return table;
}

UserDataView::UserDataView(std::string nibName)
    : ZunoViewController(std::move(nibName)),
      loader_([](int32_t itemId) { return Resources::getInstance().getItemImageWithKey(itemId); },
              [](int32_t itemId) { GlobalService::getInstance().requestGetAvatarDetail(itemId); },
              [this] { hideLoadingScreen(); }) {}

void UserDataView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    scrollView->setScrollEnabled(true);
    scrollView->setContentSize(kContentSize);
    layers_.setHost(scrollView);
}

void UserDataView::viewWillAppear(bool animated) {
    sys::Log::debug("viewWillAppear User Data");
    ZunoViewController::viewWillAppear(animated);
    changeLabelWithLanguage();
}

void UserDataView::changeLabelWithLanguage() {
    lblAddress->setText(text("ZUNO_address"));
    lblBirthYear->setText(text("ZUNO_birthday"));
    lblCity->setText(text("ZUNO_City"));
    lblFullname->setText(text("ZUNO_fullName"));
    lblGender->setText(text("ZUNO_Gender"));
    lblIDNumber->setText(text("ZUNO_IDNumber"));
    lblMoney->setText(text("ZUNO_money"));
    lblName->setText(text("ZUNO_nick"));
    lblPhone->setText(text("ZUNO_phone"));
}

void UserDataView::askWornItems() {
    auto me = UIController::myInfo();
    GlobalService::getInstance().requestUsingAvatar(me ? me->IDDB() : 0, userData_ ? userData_->gender() : 0);
    showLoadingScreen();
}

void UserDataView::updateViewWithUserData(UserPtr user) {
    if (!user) return;
    userData_ = std::move(user);
    askWornItems();
    const std::string status = userData_->status().value_or(std::string());
    showStatus(status, false);
    btnName->setTitle(sys::UserDefaults::standard().stringForKey("ZUNO_LOGIN_USERNAME").value_or(std::string()));
    showMyMoney();
    btnFullname->setTitle(userData_->fullname().value_or(std::string()));
    btnGender->setTitle(text(profile_edits::genderKey(userData_->gender())));
    btnBirthYear->setTitle(profile_edits::birthYearText(userData_->birthYear()));
    btnAddress->setTitle(userData_->address().value_or(std::string()));
    btnIDNumber->setTitle(userData_->idnumber().value_or(std::string()));
    btnPhone->setTitle(userData_->phoneNum().value_or(std::string()));
    btnCity->setTitle(userData_->provinceId() == -1 ? text("ZUNO_unknow")
                                                     : Province::getProviceNameWithId(userData_->provinceId()));
}

void UserDataView::showMyMoney() {
    if (!btnMoney) return;
    auto me = UIController::myInfo();
    btnMoney->setTitle(sys::format("%@ %@", Util::formatNumber(me ? me->money() : 0), text("ZUNO_win")));
}

void UserDataView::showStatus(const std::string& status, bool orange) {
    if (statusLabel_) statusLabel_->removeFromSuperview();
    statusLabel_.reset();
    if (status.empty() && !orange) {
        btnStatus->setTitle(text("ZUNO_what_you_thinking"));
        return;
    }
    const ui::Size size = btnStatus->bounds().size;
    // Inside its row: a status longer than the row ends in "..."; the row's editor shows all of it.
    statusLabel_ = std::make_shared<CustomLabel>(ui::Rect(10, 0, size.width - 10, size.height));
    statusLabel_->setTruncatesOnPurpose(true);
    statusLabel_->setClipsToBounds(true);
    statusLabel_->setBackgroundColor(ui::Color::clear());
    if (orange) statusLabel_->setTextColor(ui::Color::orange());
    statusLabel_->setText(status.empty() ? text("ZUNO_what_you_thinking") : status);
    btnStatus->setTitle(std::string());
    btnStatus->addSubview(statusLabel_);
    btnStatus->sendSubviewToBack(statusLabel_.get());
}

void UserDataView::closeEditors() {
    if (editor_) {
        editor_->resignFirstResponder();
        editor_->removeFromSuperview();
        editor_.reset();
        // The status row shows the stored status again in place of its editor.
        if (btnSelected == btnStatus && userData_) showStatus(userData_->status().value_or(std::string()), false);
    }
    if (genderPicker_) {
        genderPicker_->removeFromSuperview();
        genderPicker_.reset();
    }
    if (btnSelected) btnSelected->setHidden(false);
}

void UserDataView::keepOpenEdit() {
    // A changed text is saved as Return saves it; an unchanged one has nothing to keep.
    if (editor_ && editor_->text() != editorOpenedWith_) textFieldShouldReturn(*editor_);
    closeEditors();
}

void UserDataView::cancelEditing() {
    closeEditors();
    btnSelected.reset();
    scrollView->setContentOffset(ui::Point{0, 0}, true);
}

void UserDataView::onChangeUserData(ui::Object* sender) {
    auto* tapped = dynamic_cast<ui::Button*>(sender);
    if (!tapped) return;
    keepOpenEdit();
    auto button = std::static_pointer_cast<ui::Button>(tapped->sharedFromThis());
    const ui::Rect frame = button->frame();
    // The rows stay where they are: no on-screen keyboard rises over them here, and scrolling the row
    // to the top would push the avatar drawn beside them under the tab bar.
    btnSelected = button;
    editor_ = std::make_shared<ui::TextField>(frame);
    editor_->setBorderStyle(ui::TextField::BorderStyle::None);
    editor_->setBackground(ui::Image::imageNamed("textbox300.png"));
    editor_->setTextAlignment(ui::TextAlignment::Center);
    // Typed in the row's own lettering, so that the text does not change as the editor opens.
    editor_->setFont(button->titleLabel()->font());
    editor_->setTextColor(button->titleColorForState(ui::ControlState::Normal).value_or(ui::Color::black()));
    editor_->setText(button->currentTitle().value_or(std::string()));
    editorOpenedWith_ = editor_->text();
    editor_->setReturnKeyType(kReturnDone);
    editor_->setDelegate(std::dynamic_pointer_cast<ui::TextFieldDelegate>(shared_from_this()));
    if (button == btnBirthYear || button == btnPhone || button == btnIDNumber)
        editor_->setKeyboardType(ui::TextField::KeyboardType::NumbersAndPunctuation);
    button->setHidden(true);
    scrollView->addSubview(editor_);
    editor_->becomeFirstResponder();
}

void UserDataView::updateStatus(ui::Object*) {
    keepOpenEdit();
    btnSelected = btnStatus;
    // Typed in the status row itself, as the other rows are: clipped to it, a long text keeps its
    // end in sight as it is typed.
    editor_ = std::make_shared<ui::TextField>(btnStatus->frame());
    const std::string placeholder = text("ZUNO_what_you_thinking");
    if (btnStatus->currentTitle().value_or(std::string()) == placeholder) editor_->setPlaceholder(placeholder);
    else editor_->setText(btnStatus->currentTitle().value_or(std::string()));
    if (statusLabel_) {
        editor_->setText(statusLabel_->text() == placeholder ? std::string() : statusLabel_->text());
        if (statusLabel_->text() == placeholder) editor_->setPlaceholder(placeholder);
        statusLabel_->removeFromSuperview();
        statusLabel_.reset();
    }
    editorOpenedWith_ = editor_->text();
    editor_->setTextColor(ui::Color::green());
    editor_->setBorderStyle(ui::TextField::BorderStyle::None);
    editor_->setReturnKeyType(kReturnDone);
    editor_->setDelegate(std::dynamic_pointer_cast<ui::TextFieldDelegate>(shared_from_this()));
    btnStatus->setHidden(true);
    scrollView->addSubview(editor_);
    editor_->becomeFirstResponder();
}

bool UserDataView::textFieldShouldReturn(ui::TextField& field) {
    if (!btnSelected || !userData_ || editor_.get() != &field) {
        finishEditor(field);
        return true;
    }
    const std::string typed = field.text();
    if (btnSelected == btnStatus) {
        const bool placeholder = typed == text("ZUNO_what_you_thinking");
        userData_->setStatus(placeholder ? std::string() : typed);
        showStatus(placeholder ? std::string() : typed, true);
    } else if (btnSelected == btnBirthYear) {
        if (auto year = profile_edits::parseBirthYear(typed)) userData_->setBirthYear(*year);
        btnSelected->setTitle(profile_edits::birthYearText(userData_->birthYear()));
    } else {
        if (btnSelected == btnFullname) userData_->setFullname(typed);
        else if (btnSelected == btnIDNumber) userData_->setIdnumber(typed);
        else if (btnSelected == btnAddress) userData_->setAddress(typed);
        else if (btnSelected == btnPhone) userData_->setPhoneNum(typed);
        btnSelected->setTitle(typed);
    }
    sendRecord();
    finishEditor(field);
    return true;
}

void UserDataView::finishEditor(ui::TextField& field) {
    field.resignFirstResponder();
    field.removeFromSuperview();
    if (editor_.get() == &field) editor_.reset();
    if (btnSelected) btnSelected->setHidden(false);
    btnSelected.reset();
    scrollView->setContentOffset(ui::Point{0, 0}, true);
}

void UserDataView::sendRecord() {
    // The record the tab keeps never carries a password change.
    User record = *userData_;
    record.setIsChangePass(false);
    GlobalService::getInstance().updateDateProfileWithUser(record);
}

void UserDataView::onChangeGender(ui::Object*) {
    keepOpenEdit();
    btnSelected = btnGender;
    genderPicker_ = std::make_shared<ui::SegmentedControl>(
        std::vector<std::string>{text("ZUNO_no"), text("ZUNO_Man"), text("ZUNO_Woman")});
    genderPicker_->setFrame(btnGender->frame());
    genderPicker_->addTarget(this, "updateGender:", ui::ControlEvent::ValueChanged);
    btnGender->setHidden(true);
    scrollView->addSubview(genderPicker_);
}

void UserDataView::updateGender(ui::Object*) {
    if (!genderPicker_) return;
    const int index = genderPicker_->selectedSegmentIndex();
    btnGender->setTitle(text(profile_edits::pickedGenderKey(index)));
    if (userData_) {
        const auto change = profile_edits::chooseGender(userData_->gender(), index);
        userData_->setGender(change.gender);
        if (change.send) sendRecord();
        if (change.send && !change.newLook) sys::Log::debug("khong lam gi ca");
        if (change.newLook) {
            askWornItems();
            if (auto parent = parentController.lock()) parent->updateChangeGender();
        }
    }
    genderPicker_->removeFromSuperview();
    genderPicker_.reset();
    btnGender->setHidden(false);
    btnSelected.reset();
}

void UserDataView::onChangeProvince(ui::Object*) {
    keepOpenEdit();
    btnSelected.reset();
    if (Province::list().size() < profile_edits::kLoadedProvinces) {
        GlobalService::getInstance().getListWithType(3);
        return;
    }
    if (auto parent = parentController.lock()) parent->showProvinces(Province::list());
}

void UserDataView::updateProvince(const Province& province) {
    if (!userData_) return;
    userData_->setProvinceId(province.pId());
    if (province.pId() == -1) {
        btnCity->setTitle(text("ZUNO_unknow"));
        return;
    }
    btnCity->setTitle(province.name());
    sendRecord();
}

void UserDataView::onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items) {
    Resources& resources = Resources::getInstance();
    std::vector<int32_t> worn;
    for (const auto& item : items) {
        if (!item) continue;
        worn.push_back(item->categoryId());
        if (!resources.getUsingAvatar(item->itemId())) resources.setUsingAvatar(item, item->itemId());
    }
    // A category no longer worn keeps no layer; the others are drawn over as their details come.
    layers_.keepOnly(worn);
    loadUsing = false;
    loader_.start(std::move(items));
}

void UserDataView::onMyUsingAvatarDetail(std::shared_ptr<AvatarDetail> detail) {
    if (!detail) return;
    Resources& resources = Resources::getInstance();
    if (!resources.getAvatarDetailWithItemId(detail->itemId())) resources.setAvatarDetail(detail, detail->itemId());
    usingAvatar = detail;
    if (auto picture = resources.getItemImageWithKey(detail->itemId())) {
        layers_.place({detail->category_id(), detail->avatar_x(), detail->avatar_y(), detail->z_index()}, picture);
    } else {
        sys::Log::debug("khong lay duoc image");
    }
    loader_.detailArrived(detail->itemId());
}

void UserDataView::wornItemChanged(const UserAvatarDetail& item, bool worn) {
    if (!worn) {
        layers_.remove(item.category_id());
        return;
    }
    if (auto picture = Resources::getInstance().getItemImageWithKey(item.itemId()))
        layers_.place({item.category_id(), item.avatar_x(), item.avatar_y(), item.z_index()}, picture);
}

void UserDataView::drawAvatar() {
    if (loadUsing) askWornItems();
    else layers_.restack();
}

ZUNO_REGISTER_SCREEN(UserDataView)

}  // namespace zuno
