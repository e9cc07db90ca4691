#include "platform/ui/TextInput.h"

#include "platform/services/Pasteboard.h"

namespace zuno::ui {

std::optional<std::string> Clipboard::text() { return sys::Pasteboard::general().string(); }

void Clipboard::setText(const std::string& text) { sys::Pasteboard::general().setString(text); }

}  // namespace zuno::ui
