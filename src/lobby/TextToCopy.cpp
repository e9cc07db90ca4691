#include "lobby/TextToCopy.h"

#include "lobby/DialogActions.h"
#include "lobby/ILobbyShell.h"
#include "platform/core/Format.h"

namespace zuno {

void showTextToCopy(const std::string& message, const std::string& textToCopy) {
    auto shell = ILobbyShell::shared();
    shell->setObject(sys::Value(textToCopy));
    shell->setOkValue(okCopyText);
    shell->startCancelOkDlg(message, shell->textForKey("ZUNO_cancel"), shell->textForKey("ZUNO_copy"));
}

void showSmsToSendByHand(const std::string& body, const std::string& to, std::string_view noteKey) {
    auto shell = ILobbyShell::shared();
    showTextToCopy(sys::format(shell->textForKey("ZUNO_syntaxSMS1"), body, to) + "\n" + shell->textForKey(noteKey),
                   body);
}

}  // namespace zuno
