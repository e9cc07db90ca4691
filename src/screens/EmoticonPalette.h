#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/Responder.h"
#include "platform/ui/View.h"

namespace zuno::emoticons {

constexpr int kFirstTag = 1000;

// One button per emoticon of the bundle's table, in the table's order: button i has tag 1000 + i, the
// emoticon's picture, the frame `place` gives it and the action (with the button as sender) on the
// target.
void addPalette(ui::View& into, ui::Responder* target, const char* action, const std::function<ui::Rect(int)>& place);
// The emoticon's token of a palette button's tag; none for a tag outside the palette.
std::optional<std::string> tokenForTag(int tag);

}  // namespace zuno::emoticons
