#include "screens/EmoticonPalette.h"

#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "shell/Resources.h"

namespace zuno::emoticons {

void addPalette(ui::View& into, ui::Responder* target, const char* action, const std::function<ui::Rect(int)>& place) {
    int index = 0;
    for (const auto& [token, picture] : Resources::getInstance().xDictEmotion()) {
        auto button = ui::Button::buttonWithType(ui::Button::Type::Custom);
        button->setFrame(place(index));
        if (const std::string* name = picture.text()) button->setBackgroundImage(ui::Image::imageNamed(*name));
        button->setTag(kFirstTag + index);
        button->addTarget(target, action, ui::ControlEvent::TouchUpInside);
        into.addSubview(button);
        ++index;
    }
}

std::optional<std::string> tokenForTag(int tag) {
    int index = kFirstTag;
    for (const auto& entry : Resources::getInstance().xDictEmotion()) {
        if (index++ == tag) return entry.first;
    }
    return std::nullopt;
}

}  // namespace zuno::emoticons
