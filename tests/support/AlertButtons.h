// The alert on top of the screen, answered as a person answers it. A step that cannot be done (no alert
// shows, or the alert has no such button) fails the test with a line naming the step and what the alert
// offers, and answers false: the test goes on to its next check, and the program to its next test.
#pragma once

#include <memory>
#include <string>

namespace zuno::ui {
class AlertView;
}

namespace zuno::testing {

// The alert shown last, which takes the keys; none, with a failure naming the step, when none shows.
std::shared_ptr<ui::AlertView> alertOnTop(const std::string& step);
// The message of the alert shown last, of any kind; empty when none shows.
std::string alertMessageOnTop();

// A tap on the top alert's button at the index, where it shows in the alert's window.
bool tapAlertButton(int index);
// The top alert's button at the index pressed, as its own tap handler presses it.
bool pressAlertButton(int index);
// The top alert's OK (the first button other than its cancel button) or its cancel button pressed.
bool answerAlert(bool ok);

}  // namespace zuno::testing
