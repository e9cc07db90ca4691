#pragma once

#include <string>
#include <string_view>

namespace zuno {

// A dialog with a text that the player takes elsewhere, by hand (an SMS to send from a phone, an
// address for a browser): Cancel and Copy, whose press puts `textToCopy` on the pasteboard. Main
// thread.
void showTextToCopy(const std::string& message, const std::string& textToCopy);

// Where this device sends no SMS: "ZUNO_syntaxSMS1" (the text to send and its number), the localised
// note under it, and Copy for the text.
void showSmsToSendByHand(const std::string& body, const std::string& to, std::string_view noteKey);

}  // namespace zuno
