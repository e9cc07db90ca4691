#pragma once

#include <string>

#include "lobby/ILobbyUi.h"

namespace zuno {

// What the lobby dispatcher asks of the shell, answered by the application delegate and its
// navigation stack: the event marquee, the screens of the stack and whether the top screen is a table
// that drops invitations.
class ShellLobbyUi : public ILobbyUi {
public:
    void startEventWithiOS4(const std::string& text) override;
    void startEventWithiOS3(const std::string& text) override;
    bool topScreenRefusesInvitations() const override;
    void pushRoomView(const std::string& title) override;
    std::shared_ptr<ui::ViewController> topScreen() const override;
    void popToRootScreen(bool animated) override;
    void pushScreen(const std::shared_ptr<ui::ViewController>& screen, bool animated) override;
    // The unread-mail button of the session logic opens the mailbox as the top bar's does.
    void onOpenMessage() override;
    std::optional<int8_t> shopScreenUserGender() const override;
    std::optional<int8_t> profileScreenUserGender() const override;
};

}  // namespace zuno
