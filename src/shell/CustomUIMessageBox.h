#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Animation.h"
#include "platform/ui/ViewController.h"

namespace zuno {

// The message box's delegate role; the program calls none of its operations.
class CustomUIMessageBoxDelegate {
public:
    virtual ~CustomUIMessageBoxDelegate() = default;
};

// A twin of the sheet base with a delegate, always laid out in landscape.
class CustomUIMessageBox : public ui::ViewController, public ui::AnimationDelegate {
    ZUNO_BINDINGS
public:
    explicit CustomUIMessageBox(std::optional<std::string> nibName = std::nullopt);

    std::shared_ptr<CustomUIMessageBoxDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<CustomUIMessageBoxDelegate> delegate) { delegate_ = std::move(delegate); }
    std::shared_ptr<ui::View> actionSheetView() const { return actionSheetView_; }
    void setActionSheetView(std::shared_ptr<ui::View> panel) { actionSheetView_ = std::move(panel); }

    void animationDidStop(const std::string& animationId, bool finished, void* context) override;
    void viewWillAppear(bool animated) override;
    void slideOut();
    void slideIn();

private:
    std::weak_ptr<CustomUIMessageBoxDelegate> delegate_;
    std::shared_ptr<ui::View> actionSheetView_;
    bool slidingOut_ = false;
};

}  // namespace zuno
