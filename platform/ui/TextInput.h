#pragma once

#include <optional>
#include <string>

#include "platform/ui/Responder.h"

namespace zuno::ui {

// Key input whose whole text can be read and pasted into (for the clipboard keys of the window).
class TextInput : public KeyInput {
public:
    virtual std::string currentText() const = 0;
};

// The clipboard as the controls see it: the general pasteboard (which the SDL window connects to the
// system clipboard).
class Clipboard {
public:
    static std::optional<std::string> text();
    static void setText(const std::string& text);
};

}  // namespace zuno::ui
