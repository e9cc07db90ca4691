// Provisional dialogs: they remember the message shown until the alert view takes over.
#include <mutex>

#include "platform/core/Log.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
std::mutex dialogMutex;
std::optional<std::string>& shown() {
    static std::optional<std::string> message;
    return message;
}
void show(const std::string& message) {
    UIController::closeDialog();
    std::lock_guard<std::mutex> lock(dialogMutex);
    shown() = message;
}
}  // namespace

void UIController::startOKDlg(const std::string& message) { show(message); }
void UIController::startCancelDlg(const std::string& message) { show(message); }
void UIController::startCancelOkDlg(const std::string& message, const std::string&, const std::string&) {
    show(message);
}
void UIController::startNilDlg(const std::string& message) { show(message); }
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
        level = r.textForKey("ZUNO_level") + (percent < 0 ? "" : "+") + std::to_string(percent) + "%";
        money = r.textForKey("ZUNO_money") + (result.d_money() < 0 ? "" : "+") + Util::formatNumber(result.d_money()) +
                r.textForKey("ZUNO_win") + ".";
    }
    startOKDlg(result.name() + ": " + outcome + "\n" + level + "\n" + money);
}

void UIController::closeDialog() {
    std::lock_guard<std::mutex> lock(dialogMutex);
    if (shown()) sys::Log::line("close dialog");
    shown().reset();
}

std::optional<std::string> UIController::shownDialogMessage() {
    std::lock_guard<std::mutex> lock(dialogMutex);
    return shown();
}

}  // namespace zuno
