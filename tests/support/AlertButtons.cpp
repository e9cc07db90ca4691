#include "support/AlertButtons.h"

#include <gtest/gtest.h>

#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Window.h"

namespace zuno::testing {

namespace {
std::string described(const ui::AlertView& alert) {
    std::string out = "the alert \"" + alert.message().value_or(alert.title().value_or("")) + "\" with buttons";
    if (alert.numberOfButtons() == 0) return out + " none";
    for (int i = 0; i < alert.numberOfButtons(); ++i) {
        out += i == 0 ? " " : ", ";
        out += std::to_string(i) + " \"" + alert.buttonTitleAtIndex(i) + "\"";
    }
    return out;
}

bool hasButton(const ui::AlertView& alert, int index, const std::string& step) {
    if (index >= 0 && index < alert.numberOfButtons()) return true;
    ADD_FAILURE() << step << ": no such button on " << described(alert);
    return false;
}

bool tapOnScreen(const ui::AlertView& alert, int index, const std::string& step) {
    if (!hasButton(alert, index, step)) return false;
    const auto button = alert.buttonAtIndex(index);
    ui::Window* window = button ? button->window() : nullptr;
    if (!window) {
        ADD_FAILURE() << step << ": the button is not on the screen, on " << described(alert);
        return false;
    }
    window->tapView(*button);
    return true;
}

bool press(ui::AlertView& alert, int index, const std::string& step) {
    if (!hasButton(alert, index, step)) return false;
    alert.tapButtonAtIndex(index);
    return true;
}
}  // namespace

std::shared_ptr<ui::AlertView> alertOnTop(const std::string& step) {
    auto alert = ui::AlertView::topAlert();
    if (!alert) ADD_FAILURE() << step << ": no alert shows";
    return alert;
}

std::string alertMessageOnTop() {
    const auto alert = ui::AlertView::topAlert();
    return alert ? alert->message().value_or("") : "";
}

bool tapAlertButton(int index) {
    const std::string step = "tapping button " + std::to_string(index) + " of the alert";
    const auto alert = alertOnTop(step);
    return alert && tapOnScreen(*alert, index, step);
}

bool pressAlertButton(int index) {
    const std::string step = "pressing button " + std::to_string(index) + " of the alert";
    const auto alert = alertOnTop(step);
    return alert && press(*alert, index, step);
}

bool answerAlert(bool ok) {
    const std::string step = ok ? "answering the alert with OK" : "cancelling the alert";
    const auto alert = alertOnTop(step);
    return alert && press(*alert, ok ? alert->firstOtherButtonIndex() : alert->cancelButtonIndex(), step);
}

}  // namespace zuno::testing
