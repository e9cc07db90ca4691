#pragma once

#include <memory>
#include <optional>
#include <string>

#include "lobby/GlobalService.h"
#include "lobby/LobbyScreenEvents.h"
#include "lobby/SMSDelegate.h"
#include "platform/services/ContactPicker.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// Tell a friend: an SMS with the server's invitation text to a number typed or picked from the
// address book. Without a connection the screen opens one itself; a failed connect leaves it in
// place. On a desktop the device cannot send SMS and the address book is empty: the picker cancels.
class TellFriendView : public ZunoViewController,
                       public TellFriendScreen,
                       public ConnectOKListener,
                       public sys::PeoplePickerDelegate {
    ZUNO_BINDINGS
public:
    static constexpr size_t kShortestNumber = 5;  // characters
    static constexpr int32_t kInfoKey = 1;

    TellFriendView() : TellFriendView("TellFriendView") {}
    explicit TellFriendView(std::string nibName);

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void onConnectOK() override;
    // The server's text for the SMS to a friend.
    void updateWithInfo(const std::optional<std::string>& info) override;

    void chooseContacts();
    void onClick(ui::Object* sender);
    void onSend(ui::Object* sender);
    void beginEditing(ui::Object*) {}
    void endEditing(ui::Object*) {}

    void peoplePickerNavigationControllerDidCancel(sys::ContactPicker& picker) override;
    bool peoplePickerNavigationController(sys::ContactPicker& picker, const sys::Person& person) override;

    // The SMS body holds several lines of the server's text, edited in place.
    std::shared_ptr<ui::TextView> txtInfo;
    std::shared_ptr<ui::TextField> txtPhone, txtSelected;
    std::shared_ptr<ui::Label> lblTo, lblNoiDung;
    std::shared_ptr<ui::Button> btnGetList, btnSend;
    std::shared_ptr<sys::ContactPicker> picker;
    std::optional<std::string> info;

private:
    std::shared_ptr<SMSDelegate> smsDelegate_;
};

}  // namespace zuno
