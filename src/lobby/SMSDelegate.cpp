#include "lobby/SMSDelegate.h"

#include "platform/core/UserDefaults.h"
#include "lobby/ILobbyShell.h"

namespace zuno {

const char* SMSDelegate::resultTextKey(int32_t mode, sys::MessageComposeResult result) {
    switch (result) {
        case sys::MessageComposeResult::Cancelled:
            return "ZUNO_cancelSendMessage";
        case sys::MessageComposeResult::Failed:
            return "ZUNO_cantSendMessage";
        case sys::MessageComposeResult::Sent:
            break;
    }
    if (mode == kTopUp) return "ZUNO_requestSendMessageSuccess";
    if (mode == kRegistration) return "ZUNO_sendMessageRegistrySuccess";
    return "ZUNO_sendMessageSuccess";
}

void SMSDelegate::messageComposeViewController(sys::MessageComposer& controller, sys::MessageComposeResult result) {
    if (result != sys::MessageComposeResult::Sent) {
        if (mode_ == kRegistration) {
            // The account was never created: the draft was its only road.
            auto& defaults = sys::UserDefaults::standard();
            defaults.setObject(sys::Value(std::string()), "uname");
            defaults.setObject(sys::Value(std::string()), "password");
        }
    }
    controller.dismiss();
    auto shell = ILobbyShell::shared();
    shell->showNotice(shell->textForKey(resultTextKey(mode_, result)));
}

}  // namespace zuno
