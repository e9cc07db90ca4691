#include "platform/ui/TextInput.h"

namespace zuno::ui {

namespace {
struct ClipboardState {
    std::function<std::optional<std::string>()> get;
    std::function<void(const std::string&)> set;
    std::optional<std::string> memory;
};
ClipboardState& clipboard() {
    static ClipboardState* s = new ClipboardState;
    return *s;
}
}  // namespace

std::optional<std::string> Clipboard::text() {
    auto& c = clipboard();
    return c.get ? c.get() : c.memory;
}

void Clipboard::setText(const std::string& text) {
    auto& c = clipboard();
    if (c.set) {
        c.set(text);
    } else {
        c.memory = text;
    }
}

void Clipboard::setProvider(std::function<std::optional<std::string>()> get,
                            std::function<void(const std::string&)> set) {
    auto& c = clipboard();
    c.get = std::move(get);
    c.set = std::move(set);
}

}  // namespace zuno::ui
