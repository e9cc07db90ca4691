#pragma once

#include "platform/ui/Switch.h"

namespace zuno {

// An on/off switch whose captions show the current language's "on" and "off".
class CustomUISwitch : public ui::Switch {
public:
    using ui::Switch::Switch;
    // Relabels the captions on every layout pass.
    void layoutSubviews() override;
};

}  // namespace zuno
