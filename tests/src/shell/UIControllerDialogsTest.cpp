#include <gtest/gtest.h>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/services/Pasteboard.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "shell/CustomAlertView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "support/AlertButtons.h"

using namespace zuno;

namespace {
using zuno::testing::alertOnTop;

// The titles of the buttons of the alert on top; none, failing the test, when no alert shows.
std::vector<std::string> shownTitles() {
    std::vector<std::string> out;
    if (auto alert = alertOnTop("reading the alert's buttons"))
        for (int i = 0; i < alert->numberOfButtons(); ++i) out.push_back(alert->buttonTitleAtIndex(i));
    return out;
}

void settle() { sys::RunLoop::main().runFor(1); }

// A person taps the button, once the alert has come up.
void press(int index) {
    settle();
    zuno::testing::tapAlertButton(index);
}
}  // namespace

TEST(UIControllerDialogs, ANewDialogReplacesTheShownOneWithoutItsAction) {
    UIController::setOkValue(UIController::okLeaveBoard);
    UIController::startOKDlg("first");
    UIController::startNilDlg("connecting");
    EXPECT_EQ(ui::AlertView::visibleAlerts().size(), 1u);
    EXPECT_EQ(UIController::shownDialogMessage(), "connecting");
    EXPECT_EQ(shownTitles(), std::vector<std::string>{});
    EXPECT_TRUE(sys::Log::contains("close dialog"));
    // Dismissing the first dialog pressed nothing: its action is still pending.
    EXPECT_EQ(UIController::okValue(), UIController::okLeaveBoard);
    EXPECT_FALSE(UIController::lastDialogAnswer());

    UIController::startOKDlg("second");
    settle();
    EXPECT_EQ(ui::AlertView::visibleAlerts().size(), 1u);
    EXPECT_EQ(ui::Application::shared().windows().size(), 1u);  // the replaced alerts' windows are gone
    EXPECT_EQ(UIController::shownDialogMessage(), "second");

    sys::Log::clearCaptured();
    UIController::startCancelOkDlg("third", "No", "Yes");
    EXPECT_FALSE(sys::Log::contains("close dialog"));
    EXPECT_EQ(UIController::shownDialogMessage(), "third");
    UIController::closeDialog();
    EXPECT_EQ(UIController::shownDialogMessage(), std::nullopt);
    EXPECT_EQ(UIController::okValue(), UIController::okLeaveBoard);
}

// Each dialog runs the action set for it: not one left by a dialog the program closed, nor one set
// while it was shown.
TEST(UIControllerDialogs, ADialogKeepsTheActionAndPayloadItOpenedWith) {
    // The connecting dialog (Cancel disconnects) is closed by the program at sign-in.
    UIController::setOkValue(UIController::okConnectLogin);
    UIController::startCancelDlg("connecting");
    UIController::closeDialog();
    // A refusal with only Cancel, opened with no action.
    UIController::startCancelDlg("refused");
    press(0);
    EXPECT_EQ(UIController::lastDialogAnswer()->okValue, UIController::okNone);

    // A notice opened while a confirmation is shown replaces it; the notice's press runs nothing.
    UIController::setOkValue(UIController::okBuyAvatar);
    UIController::startCancelOkDlg("buy?", "No", "Yes");
    UIController::startOKDlg("a present came");
    press(0);
    EXPECT_EQ(UIController::lastDialogAnswer()->okValue, UIController::okNone);

    // The code and payload changed while the dialog was up: the press uses the dialog's own.
    UIController::setOkValue(UIController::okCopyText);
    UIController::setObject(sys::Value("mine"));
    UIController::startCancelOkDlg("copy?", "No", "Copy");
    UIController::setOkValue(UIController::okLeaveBoard);
    UIController::setObject(sys::Value("other"));
    press(1);
    EXPECT_EQ(UIController::lastDialogAnswer()->okValue, UIController::okCopyText);
    EXPECT_EQ(sys::Pasteboard::general().string(), "mine");
}

TEST(UIControllerDialogs, PressingOkUsesUpThePendingAction) {
    UIController::setOkValue(UIController::okChargeMoney);
    UIController::startOKDlg("top up?");
    auto alert = alertOnTop("showing the dialog");
    ASSERT_TRUE(alert);
    EXPECT_EQ(shownTitles(), (std::vector<std::string>{"OK"}));
    EXPECT_EQ(alert->title(), "");
    EXPECT_EQ(alert->delegate(), UIController::sharedController());
    EXPECT_NE(std::dynamic_pointer_cast<CustomAlertView>(alert), nullptr);

    press(0);
    auto answer = UIController::lastDialogAnswer();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->okValue, UIController::okChargeMoney);
    EXPECT_EQ(answer->buttonIndex, 0);
    EXPECT_FALSE(answer->cancelled);  // an OK-only dialog has no cancel button
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    settle();
    EXPECT_EQ(UIController::shownDialogMessage(), std::nullopt);
}

TEST(UIControllerDialogs, CancelClearsTheActionAndTheKindOfDialog) {
    UIController::setKinkOfDialog(3);
    UIController::setOkValue(UIController::okAnswerDraw);
    UIController::startCancelOkDlg("draw?", "No", "Yes");
    EXPECT_EQ(shownTitles(), (std::vector<std::string>{"No", "Yes"}));
    press(0);
    EXPECT_TRUE(UIController::lastDialogAnswer()->cancelled);
    EXPECT_EQ(UIController::lastDialogAnswer()->okValue, UIController::okAnswerDraw);
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    EXPECT_EQ(UIController::kindOfDialog(), 0);

    UIController::setKinkOfDialog(3);
    UIController::setOkValue(UIController::okAnswerDraw);
    UIController::startCancelOkDlg("draw?", "No", "Yes");
    press(1);
    EXPECT_FALSE(UIController::lastDialogAnswer()->cancelled);
    EXPECT_EQ(UIController::kindOfDialog(), 3);
    EXPECT_EQ(UIController::okValue(), UIController::okNone);

    UIController::startCancelDlg("failed");
    EXPECT_EQ(shownTitles(), (std::vector<std::string>{"Cancel"}));
    press(0);
    EXPECT_TRUE(UIController::lastDialogAnswer()->cancelled);
}

TEST(UIControllerDialogs, TheOkTitleFollowsTheLanguage) {
    Resources::getInstance().setCurrentLanguage("vi");
    Resources::getInstance().loadLanguage();
    UIController::startOKDlg("xin chào");
    EXPECT_EQ(shownTitles(), (std::vector<std::string>{"Đồng ý"}));
    UIController::startCancelDlg("lỗi");
    EXPECT_EQ(shownTitles(), (std::vector<std::string>{"Hủy"}));
}
