// Provisional dialogs: they remember the message shown until the alert view takes over.
#include <mutex>

#include "platform/core/Log.h"
#include "shell/UIController.h"

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
void UIController::startReportDlg(const MatchResultInfo& result) { show(result.name()); }

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
