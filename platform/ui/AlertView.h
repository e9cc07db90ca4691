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
//
// While it shows, the alert on top takes the keys (the application hands them over): the return key
// presses its main button, typing goes to a field of its own if it has one and is dropped otherwise.
// It takes the keyboard from the field that had it (or whose return key opened it); once the last
// alert shown has closed, that field has the keyboard again.
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
    // The button the return key presses: the first that is not the cancel button, else the cancel
    // button; -1 without buttons.
    int defaultButtonIndex() const;

    void show();
    bool isVisible() const { return visible_; }
    // Closes the alert as if that button had been chosen, without telling the delegate of a click.
    void dismissWithClickedButtonIndex(int index, bool animated);
    // A tap on a button (what a person does): tells the delegate, then closes.
    void tapButtonAtIndex(int index);
    std::shared_ptr<Button> buttonAtIndex(int index) const;
    const std::shared_ptr<View>& panel() const { return panel_; }

    // Keys, as the player presses them: the return key taps the main button; the escape key taps the
    // cancel button, or closes an alert without one and without its action (one with no button at all,
    // a progress note, stays); typed text and deletes go to the alert's own field, if any.
    void pressReturnKey();
    void pressEscapeKey();
    void typeText(const std::string& text);
    void deleteBackward();

    bool canBecomeFirstResponder() const override { return visible_ && !dismissing_; }

    // Shown alerts, oldest first.
    static std::vector<std::shared_ptr<AlertView>> visibleAlerts();
    // The alert shown last, which takes the keys; none when no alert shows.
    static std::shared_ptr<AlertView> topAlert();

private:
    void build();
    void place();
    // Places the texts and buttons inside the panel, the message that high; answers the panel's height.
    double placeContents(double messageHeight);
    // The first field inside the alert that takes typing (a subclass may add one).
    Responder* ownField() const;
    // The alert's own field, given the keyboard: where its typing goes. None without a field.
    KeyInput* typingField();
    void takeKeyboard();

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
