#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/ui/Responder.h"

namespace zuno::ui {

// Key input whose whole text can be read and pasted into (for the clipboard keys of the window).
class TextInput : public KeyInput {
public:
    virtual std::string currentText() const = 0;
};

// The clipboard as the controls see it; the SDL window or the pasteboard service provides it. Without a
// provider the text lives in memory.
class Clipboard {
public:
    static std::optional<std::string> text();
    static void setText(const std::string& text);
    static void setProvider(std::function<std::optional<std::string>()> get,
                            std::function<void(const std::string&)> set);
};

}  // namespace zuno::ui
