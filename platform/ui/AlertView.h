#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace zuno::ui {

class AlertView;

class AlertViewDelegate {
public:
    virtual ~AlertViewDelegate() = default;
    // Only a tap on a button calls this.
    virtual void clickedButtonAtIndex(AlertView& alert, int buttonIndex) {}
    virtual void willPresentAlertView(AlertView& alert) {}
    virtual void didPresentAlertView(AlertView& alert) {}
    virtual void willDismissWithButtonIndex(AlertView& alert, int buttonIndex) {}
    virtual void didDismissWithButtonIndex(AlertView& alert, int buttonIndex) {}
};

// A message with buttons over everything, in a window of its own (the alert is that window's first
// subview). The cancel button, when there is one, has index 0 and the other buttons follow; without
// one `cancelButtonIndex` is -1. Showing several alerts at once is allowed; keeping to one is the
// callers' rule. A shown alert stays alive until dismissed.
class AlertView : public View {
public:
    AlertView(std::optional<std::string> title, std::optional<std::string> message,
              std::weak_ptr<AlertViewDelegate> delegate, std::optional<std::string> cancelButtonTitle,
              std::vector<std::string> otherButtonTitles);
    ~AlertView() override;

    const std::optional<std::string>& title() const { return title_; }
    void setTitle(std::optional<std::string> t);
    const std::optional<std::string>& message() const { return message_; }
    void setMessage(std::optional<std::string> m);
    void setDelegate(std::weak_ptr<AlertViewDelegate> d) { delegate_ = std::move(d); }
    std::shared_ptr<AlertViewDelegate> delegate() const { return delegate_.lock(); }

    int addButtonWithTitle(const std::string& title);
    int numberOfButtons() const { return int(buttonTitles_.size()); }
    std::string buttonTitleAtIndex(int index) const;
    int cancelButtonIndex() const { return cancelIndex_; }
    void setCancelButtonIndex(int index) { cancelIndex_ = index; }
    int firstOtherButtonIndex() const;

    void show();
    bool isVisible() const { return visible_; }
    // Closes the alert as if that button had been chosen, without telling the delegate of a click.
    void dismissWithClickedButtonIndex(int index, bool animated);
    // A tap on a button (what a person does): tells the delegate, then closes.
    void tapButtonAtIndex(int index);
    std::shared_ptr<Button> buttonAtIndex(int index) const;
    const std::shared_ptr<View>& panel() const { return panel_; }

    // Shown alerts, oldest first.
    static std::vector<std::shared_ptr<AlertView>> visibleAlerts();

private:
    void build();
    void place();

    std::optional<std::string> title_, message_;
    std::weak_ptr<AlertViewDelegate> delegate_;
    std::vector<std::string> buttonTitles_;
    int cancelIndex_ = -1;
    bool visible_ = false;
    bool dismissing_ = false;
    std::weak_ptr<Window> window_;  // the application keeps it while the alert shows
    std::shared_ptr<View> panel_;
    std::shared_ptr<Label> titleLabel_, messageLabel_;
    std::vector<std::shared_ptr<Button>> buttons_;
};

using AlertViewPtr = std::shared_ptr<AlertView>;

}  // namespace zuno::ui
