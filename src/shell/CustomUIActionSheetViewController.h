#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Animation.h"
#include "platform/ui/ViewController.h"

namespace zuno {

// The base of the sheets: small screens laid over the current screen. The opener adds the sheet's
// view over its own and sends viewWillAppear; the panel `actionSheetView` slides to the middle. The
// sheet is never pushed. `slideOut` slides the panel down and removes the view when that animation
// ends; the animation keeps the controller alive until then. While the upright Blocks table is the
// screen on top (the window is upright) the sheet lays out upright too. Each showing starts with empty
// text fields, however often the opener shows the same sheet, unless the sheet keeps what was typed.
class CustomUIActionSheetViewController : public ui::ViewController, public ui::AnimationDelegate {
    ZUNO_BINDINGS
public:
    explicit CustomUIActionSheetViewController(std::optional<std::string> nibName = std::nullopt);

    std::shared_ptr<ui::View> actionSheetView() const { return actionSheetView_; }
    void setActionSheetView(std::shared_ptr<ui::View> panel) { actionSheetView_ = std::move(panel); }

    void animationDidStop(const std::string& animationId, bool finished, void* context) override;
    void viewWillAppear(bool animated) override;
    void slideOut();
    void slideIn();
    bool isSlidingOut() const { return slidingOut_; }
    // Escape over the sheet: it slides out, as every sheet's cancel button does. A sheet that must be
    // answered stays.
    virtual void cancelSheet() { slideOut(); }

protected:
    // The password and transfer sheets show again what was typed last time; the field that takes the
    // keyboard then holds it selected, so what is typed next replaces it.
    virtual bool keepsTypedTextBetweenShowings() const { return false; }

private:
    std::shared_ptr<ui::View> actionSheetView_;
    bool slidingOut_ = false;
};

}  // namespace zuno
