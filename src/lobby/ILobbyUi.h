#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "lobby/model/ShopRecords.h"
#include "platform/core/Value.h"

namespace zuno {

namespace ui {
class ViewController;
}

// What the lobby dispatcher needs of the screens and the shell, which are built on top of it: the
// application delegate answers the marquee, the navigation stack the room-list push and the tests of
// the top screen. The start-up sets the real one; until then this base answers as a client without
// screens: nothing is shown and no screen is on top. Cached pages and the store switch come from the
// shell (ILobbyShell).
//
// Every operation is called on the main thread, except imageWithData.
class ILobbyUi {
public:
    virtual ~ILobbyUi() = default;

    // The top-bar marquee, by the system's generation.
    virtual void startEventWithiOS4(const std::string& text) {}
    virtual void startEventWithiOS3(const std::string& text) {}

    // Creates the room-list screen with that title and pushes it, animated.
    virtual void pushRoomView(const std::string& title) {}

    // The screen on top of the navigation stack; none without screens.
    virtual std::shared_ptr<ui::ViewController> topScreen() const { return nullptr; }
    // Pops the navigation stack to its root, the login screen.
    virtual void popToRootScreen(bool animated) {}
    virtual void pushScreen(const std::shared_ptr<ui::ViewController>& screen, bool animated) {}

    // The application delegate's SMS switch, as the server's permission list decides it.
    virtual void setSwitchOnSMS(bool on) {}
    // The unread-mail button was tapped: the application delegate opens the mailbox.
    virtual void onOpenMessage() {}

    // True when the top screen is a table on which invitations are not offered: every table screen
    // but Poker's.
    virtual bool topScreenRefusesInvitations() const { return false; }

    // The gender of the shown user when the item shop (resp. the own profile) is the top screen.
    virtual std::optional<int8_t> shopScreenUserGender() const { return std::nullopt; }
    virtual std::optional<int8_t> profileScreenUserGender() const { return std::nullopt; }

    // The cached page of a category for sale, and of owned items.
    virtual std::shared_ptr<ItemsOfCategory> getItemsOfCategory(int32_t categoryId);
    virtual std::shared_ptr<UserItemsOfCategory> getUserItemsOfCategory(int32_t categoryId);

    // The store build with SMS switched on: top-up channels of the server are then not offered.
    virtual bool checkApStore() const;
    // The device can open an SMS draft.
    virtual bool checkVersionToSendSMS() const;

    // Any thread. PNG or JPEG bytes as an image; none when they are not one.
    virtual ImagePtr imageWithData(const sys::Data& bytes);
};

}  // namespace zuno
