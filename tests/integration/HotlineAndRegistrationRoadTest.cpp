// What a desktop player gets where a phone would dial or send an SMS: the desktop program, headless,
// against the stand-in. The hotline asks the server for its number and shows it in a dialog; a
// registration ends in the SMS text to send from a phone, says that the account may be open already,
// and with the stand-in the new account signs in at once; a forgotten password ends in the SMS text
// that asks for it, to send from a phone.
#include <gtest/gtest.h>

#include "Program.h"
#include "platform/core/Format.h"
#include "platform/core/UserDefaults.h"
#include "platform/services/Pasteboard.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "shell/InputDialog.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/RegisterView.h"
#include "screens/ServerView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

class HotlineAndRegistrationRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        ASSERT_NO_FATAL_FAILURE(launchProgram("hotline-registration-road"));
        settle();
    }
};

}  // namespace

TEST_F(HotlineAndRegistrationRoadTest, TheHotlineIsTheServersNumberInADialog) {
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    login->callHotline(nullptr);
    const std::string expected = sys::format(text("ZUNO_hotlineFromServer"), StandinSignIn::kHotline);
    ASSERT_TRUE(pump([&] { return dialogText() == expected; })) << dialogText();
    settle();
    answerAlert(true);
    settle();
    EXPECT_EQ(dialogText(), "");
    EXPECT_TRUE(waitForTop<LoginView>());
}

// The name is longer than a line of the dialog: the SMS text to type on a phone shows whole.
TEST_F(HotlineAndRegistrationRoadTest, ARegistrationSaysWhatToDoAndTheNewAccountSignsIn) {
    const std::string name = "averyveryverylongusernamethatgoesonandon";
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    login->doRegister(nullptr);
    auto form = waitForTop<RegisterView>();
    ASSERT_TRUE(form);
    // Typed as a player types: the name, Tab, the password, Tab, again, Enter.
    ASSERT_TRUE(form->txvUser->isFirstResponder());
    type(name);
    app::focusNextField();
    type("hoa mai");
    app::focusNextField();
    settle();
    type("hoa mai");
    ui::Application::shared().sendReturn();
    EXPECT_EQ(form->txvUser->text(), name);
    const std::string sms = std::string(StandinSignIn::kRegisterSmsPrefix) + " " + name;
    const std::string expected = sys::format(text("ZUNO_syntaxSMS1"), sms, StandinSignIn::kRegisterSmsNumber) + "\n" +
                                 text("ZUNO_registerWithoutSMS");
    ASSERT_TRUE(pump([&] { return dialogText() == expected; })) << dialogText();
    settle();
    // Copy: the SMS text for the phone.
    answerAlert(true);
    settle();
    EXPECT_TRUE(signIn->account(name));

    form->doLogin(nullptr);
    ASSERT_EQ(waitForTop<LoginView>(), login);
    ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen(name, "hoa mai"));
    EXPECT_EQ(UIController::myInfo()->money(), StandinSignIn::kNewAccountMoney);
}

TEST_F(HotlineAndRegistrationRoadTest, AForgottenPasswordEndsInTheSmsToSendFromAPhone) {
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    // The link under its caption connects, then asks for the name.
    tap(*login->lblForgetPass);
    ASSERT_TRUE(pump([&] { return login->inputDialog->view()->superview() != nullptr; }));
    settle();
    auto& app = ui::Application::shared();
    ASSERT_TRUE(login->inputDialog->txtInput()->isFirstResponder());
    type("demo");
    app.sendReturn();
    ASSERT_EQ(dialogText(), text("ZUNO_confirmGetPassword"));
    settle();
    app.sendReturn();  // Yes

    const std::string sms = "ZUNO MK demo";
    const std::string expected = sys::format(text("ZUNO_syntaxSMS1"), sms, StandinSignIn::kPasswordSmsNumber) + "\n" +
                                 text("ZUNO_passwordWithoutSMS");
    ASSERT_TRUE(pump([&] { return dialogText() == expected; })) << dialogText();
    settle();
    // Copy: the SMS text for the phone.
    app.sendReturn();
    settle();
    EXPECT_EQ(dialogText(), "");
    ASSERT_FALSE(sys::Pasteboard::general().history().empty());
    EXPECT_EQ(sys::Pasteboard::general().history().back(), sms);
    EXPECT_EQ(waitForTop<LoginView>(), login);
}
