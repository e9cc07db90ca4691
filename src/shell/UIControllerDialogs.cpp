// The application's dialogs: one alert at a time, with the controller as the delegate of each.
#include <mutex>

#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"
#include "shell/CustomAlertView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
std::mutex answerMutex;
std::optional<UIController::DialogAnswer>& answerSlot() {
    static std::optional<UIController::DialogAnswer> answer;
    return answer;
}

bool stillShown(const std::shared_ptr<ui::AlertView>& alert) {
    for (const auto& shown : ui::AlertView::visibleAlerts()) {
        if (shown == alert) return true;
    }
    return false;
}

// Dismisses, as if button 0 had been pressed, every dialog of ours still on screen. Its action does
// not run: a dismissal is not a press.
void dismissShownDialogs(bool log) {
    for (const auto& window : ui::Application::shared().windows()) {
        if (window->subviews().empty()) continue;
        auto alert = std::dynamic_pointer_cast<CustomAlertView>(window->subviews().front());
        if (!alert || !stillShown(alert)) continue;
        alert->dismissWithClickedButtonIndex(0, true);
        if (log) sys::Log::line("close dialog");
    }
}

void showDialog(const std::string& message, std::optional<std::string> cancelTitle,
                std::vector<std::string> otherTitles) {
    auto alert = std::make_shared<CustomAlertView>(std::string(), message, UIController::sharedController(),
                                                   std::move(cancelTitle), std::move(otherTitles));
    // The action set for this dialog is its own; one opened without an action runs nothing.
    alert->actionCode = UIController::takeOkValueForDialog();
    alert->payload = UIController::object();
    alert->show();
}

// A figure under its name, as the language tables write one: "Level: -3%". A name that brings its
// own colon or space keeps it.
std::string labelled(const std::string& name, const std::string& figure) {
    if (!name.empty() && name.back() == ' ') return name + figure;
    if (!name.empty() && name.back() == ':') return name + " " + figure;
    return name + ": " + figure;
}
}  // namespace

void UIController::closeDialog() { dismissShownDialogs(true); }

void UIController::closeDialogOf(int actionCode) {
    for (const auto& shown : ui::AlertView::visibleAlerts()) {
        auto alert = std::dynamic_pointer_cast<CustomAlertView>(shown);
        if (alert && alert->actionCode == actionCode) alert->dismissWithClickedButtonIndex(0, true);
    }
}

void UIController::startOKDlg(const std::string& message) {
    closeDialog();
    showDialog(message, std::nullopt, {Resources::getInstance().textForKey("ZUNO_OK")});
}

void UIController::startCancelDlg(const std::string& message) {
    closeDialog();
    showDialog(message, Resources::getInstance().textForKey("ZUNO_cancel"), {});
}

void UIController::startCancelOkDlg(const std::string& message, const std::string& cancelTitle,
                                    const std::string& okTitle) {
    dismissShownDialogs(false);
    showDialog(message, cancelTitle, {okTitle});
}

void UIController::startNilDlg(const std::string& message) {
    closeDialog();
    try {
        showDialog(message, std::nullopt, {});
    } catch (const std::exception& e) {
        sys::Log::warning("Exception " + sys::failureName(e));
    }
}

void UIController::startReportDlg(const MatchResultInfo& result) {
    const Resources& r = Resources::getInstance();
    const std::string outcome = r.textForKey(result.result() == 0    ? "ZUNO_draw"
                                              : result.result() == -1 ? "ZUNO_lose"
                                                                      : "ZUNO_won");
    const bool unchanged = result.d_exp() == 0 && result.d_money() == 0;
    std::string level, money;
    if (unchanged) {
        level = r.textForKey("ZUNO_noChangeMoney");
        money = r.textForKey("ZUNO_money");
    } else {
        const int32_t percent = result.d_exp_percent();
        std::string levelFigure = percent < 0 ? std::string() : std::string("+");
        levelFigure += std::to_string(percent);
        levelFigure += "%";
        std::string moneyFigure = result.d_money() < 0 ? std::string() : std::string("+");
        moneyFigure += Util::formatNumber(result.d_money());
        moneyFigure += " ";
        moneyFigure += r.textForKey("ZUNO_win");
        level = labelled(r.textForKey("ZUNO_level"), levelFigure);
        money = labelled(r.textForKey("ZUNO_money"), moneyFigure);
    }
    startOKDlg(result.name() + ": " + outcome + "\n" + level + "\n" + money);
}

std::optional<std::string> UIController::shownDialogMessage() {
    auto shown = ui::AlertView::visibleAlerts();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        if (std::dynamic_pointer_cast<CustomAlertView>(*it)) return (*it)->message();
    }
    return std::nullopt;
}

void UIController::clickedButtonAtIndex(ui::AlertView& alert, int buttonIndex) {
    const bool cancelled = buttonIndex == alert.cancelButtonIndex();
    auto* ours = dynamic_cast<CustomAlertView*>(&alert);
    const int code = ours ? ours->actionCode : okNone;
    {
        std::lock_guard<std::mutex> lock(answerMutex);
        answerSlot() = DialogAnswer{code, buttonIndex, cancelled};
    }
    if (ours) setObject(ours->payload);
    // Cleared before the action runs, so that an action opening a dialog of its own keeps that one's code.
    setOkValue(okNone);
    if (cancelled) setKinkOfDialog(0);
    performDialogAction(code, cancelled);
}

std::optional<UIController::DialogAnswer> UIController::lastDialogAnswer() {
    std::lock_guard<std::mutex> lock(answerMutex);
    return answerSlot();
}

void UIController::forgetDialogAnswer() {
    std::lock_guard<std::mutex> lock(answerMutex);
    answerSlot().reset();
}

}  // namespace zuno
