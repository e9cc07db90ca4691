#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The Caro speed sheet: faster, normal or slower (0, 1, 2, the buttons' tags), the table's current
// choice checked. The choice travels only with the owner's next start request.
class menuSpeed : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    static constexpr int8_t kFaster = 0;
    static constexpr int8_t kNormal = 1;
    static constexpr int8_t kSlower = 2;

    menuSpeed();

    // The table's speed: read when the sheet appears, written by a choice.
    std::function<int8_t()> customInterval;
    std::function<void(int8_t)> setCustomInterval;

    void viewWillAppear(bool animated) override;
    void doSetupSpeed(ui::Object* sender);

    std::shared_ptr<ui::Button> btnFaster, btnNormal, btnSlower;
    std::shared_ptr<ui::ImageView> imgFaster, imgNormal, imgSlower;
};

}  // namespace zuno
