#include "screens/TellFriendView.h"

#include "platform/core/Utf8.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/InfoDialog.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

const ui::BindingTable& TellFriendView::bindings() {
    using B = ui::Bind<TellFriendView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("txtInfo", &TellFriendView::txtInfo),
                                            B::outlet("txtPhone", &TellFriendView::txtPhone),
                                            B::optionalOutlet("txtSelected", &TellFriendView::txtSelected),
                                            B::outlet("lblTo", &TellFriendView::lblTo),
                                            B::outlet("lblNoiDung", &TellFriendView::lblNoiDung),
                                            B::outlet("btnGetList", &TellFriendView::btnGetList),
                                            B::outlet("btnSend", &TellFriendView::btnSend),
                                            B::action("chooseContacts", &TellFriendView::chooseContacts),
                                            B::action("onClick:", &TellFriendView::onClick),
                                            B::action("onSend:", &TellFriendView::onSend),
                                            B::action("beginEditing:", &TellFriendView::beginEditing),
                                            B::action("endEditing:", &TellFriendView::endEditing),
                                        });
    return table;
}

TellFriendView::TellFriendView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void TellFriendView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    setUpperCasedWindowTitle("ZUNO_tellFriend");
    lblTo->setText(text("ZUNO_to"));
    lblNoiDung->setText(text("ZUNO_contentSend"));
    btnGetList->setTitle(text("ZUNO_getList"));
    btnSend->setTitle(text("ZUNO_send"));
}

void TellFriendView::viewDidAppear(bool animated) {
    ZunoViewController::viewDidAppear(animated);
    if (GlobalService::isConnected()) {
        onConnectOK();
        return;
    }
    GlobalService::getInstance().setConnectOKListener(std::dynamic_pointer_cast<ConnectOKListener>(shared_from_this()));
    GlobalService::getInstance().connect();
}

// Runs where the session logic calls it (the connection's thread): it only sends.
void TellFriendView::onConnectOK() {
    GlobalService::getInstance().setConnectOKListener({});
    GlobalService::getInstance().getInfoWithKey(kInfoKey);
}

void TellFriendView::updateWithInfo(const std::optional<std::string>& text) {
    info = text;
    txtInfo->setText(text.value_or(std::string()));
}

void TellFriendView::chooseContacts() {
    if (!picker) {
        picker = sys::ContactPicker::create();
        picker->setPeoplePickerDelegate(std::dynamic_pointer_cast<sys::PeoplePickerDelegate>(shared_from_this()));
    }
    sys::ContactPicker::present(picker);
}

void TellFriendView::peoplePickerNavigationControllerDidCancel(sys::ContactPicker& chosen) { chosen.dismiss(); }

bool TellFriendView::peoplePickerNavigationController(sys::ContactPicker& chosen, const sys::Person& person) {
    if (!person.phoneNumbers.empty()) txtPhone->setText(person.phoneNumbers.front());
    chosen.dismiss();
    return false;
}

void TellFriendView::onClick(ui::Object*) {
    txtInfo->resignFirstResponder();
    txtPhone->resignFirstResponder();
}

void TellFriendView::onSend(ui::Object*) {
    if (UIController::checkApStore()) return;
    if (sys::characterCount(txtPhone->text()) < kShortestNumber) {
        showInfoDialog("ZUNO_invalidPhoneNumber");
        return;
    }
    if (!UIController::checkVersionToSendSMS()) {
        showInfoDialog("ZUNO_device_not_allow");
        return;
    }
    smsDelegate_ = std::make_shared<SMSDelegate>(SMSDelegate::kTellFriend);
    GlobalService::getInstance().sendSMSWithData(txtInfo->text(), txtPhone->text(), smsDelegate_);
}

ZUNO_REGISTER_SCREEN(TellFriendView)

}  // namespace zuno
