#pragma once

#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "shell/CustomLabel.h"

namespace zuno::testing {

// Every text of the labels inside a view (bubble lines included), each followed by "|".
inline void collectTexts(const ui::View& view, std::string& out) {
    if (auto line = dynamic_cast<const CustomLabel*>(&view)) out += line->text() + "|";
    else if (auto label = dynamic_cast<const ui::Label*>(&view)) out += label->text().value_or("") + "|";
    for (const auto& sub : view.subviews()) collectTexts(*sub, out);
}

}  // namespace zuno::testing
