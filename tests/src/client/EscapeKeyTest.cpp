// The desktop's Escape key: what lies on top takes it first (a dialog, a sheet, the side menu), then a
// table's Leave button, then the back button.
#include <gtest/gtest.h>

#include "Program.h"
#include "games/covua/PhongCapView.h"
#include "platform/ui/AlertView.h"
#include "screens/MessageView.h"
#include "screens/ServerView.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"

namespace zuno::testing {
namespace {

using EscapeKey = TableTest;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

TEST_F(EscapeKey, ADialogTakesTheKeyAndTheScreenBehindStays) {
    auto server = std::make_shared<ServerView>();
    show(server);

    // Cancel and OK: the cancel button's answer, nothing else.
    UIController::setOkValue(UIController::okAnswerDraw);
    UIController::startCancelOkDlg("draw?", text("ZUNO_no"), text("ZUNO_OK"));
    app::goBack();
    run(1);
    EXPECT_TRUE(ui::AlertView::visibleAlerts().empty());
    ASSERT_TRUE(UIController::lastDialogAnswer());
    EXPECT_TRUE(UIController::lastDialogAnswer()->cancelled);
    EXPECT_EQ(UIController::lastDialogAnswer()->okValue, UIController::okAnswerDraw);
    EXPECT_EQ(nav().topViewController(), server);

    // OK alone: closed without its action (no answer, no top-up screen).
    UIController::setOkValue(UIController::okGoTopUp);
    UIController::startOKDlg("no money");
    app::goBack();
    run(1);
    EXPECT_TRUE(ui::AlertView::visibleAlerts().empty());
    EXPECT_EQ(UIController::lastDialogAnswer()->okValue, UIController::okAnswerDraw);
    EXPECT_EQ(nav().topViewController(), server);

    // A progress note without buttons waits for its work, and the screen stays too.
    UIController::startNilDlg("please wait");
    app::goBack();
    run(1);
    EXPECT_EQ(UIController::shownDialogMessage(), "please wait");
    EXPECT_EQ(nav().topViewController(), server);
    UIController::closeDialog();
    run(1);

    // With nothing on top, the back button.
    app::goBack();
    run(1);
    EXPECT_NE(nav().topViewController(), server);
}

TEST_F(EscapeKey, EnterAnswersTheDialogOnTopWithItsMainButton) {
    auto server = std::make_shared<ServerView>();
    show(server);

    // Cancel and OK: the OK's answer.
    UIController::setOkValue(UIController::okAnswerDraw);
    UIController::startCancelOkDlg("draw?", text("ZUNO_no"), text("ZUNO_OK"));
    app::confirmDialog();
    run(1);
    EXPECT_TRUE(ui::AlertView::visibleAlerts().empty());
    ASSERT_TRUE(UIController::lastDialogAnswer());
    EXPECT_FALSE(UIController::lastDialogAnswer()->cancelled);
    EXPECT_EQ(UIController::lastDialogAnswer()->okValue, UIController::okAnswerDraw);

    // A progress note stays; with no dialog the screen ignores the key.
    UIController::startNilDlg("please wait");
    app::confirmDialog();
    run(1);
    EXPECT_EQ(UIController::shownDialogMessage(), "please wait");
    UIController::closeDialog();
    run(1);
    app::confirmDialog();
    run(1);
    EXPECT_EQ(nav().topViewController(), server);
}

TEST_F(EscapeKey, AnOpenSideMenuClosesAndTheScreenStays) {
    auto mailbox = std::make_shared<MessageView>();
    show(mailbox);
    mailbox->showMenu();
    run(1);
    app::goBack();
    run(1);
    EXPECT_EQ(app->btnMenu->tag(), 0);
    EXPECT_EQ(mailbox->viewMenu->center(), ZunoViewController::kMenuClosedCenter);
    EXPECT_EQ(nav().topViewController(), mailbox);
}

TEST_F(EscapeKey, AtATableBetweenDealsItLeavesAtOnce) {
    auto table = open(3, fourPlayers(), 20);
    ServiceRecording lobby(GlobalService::getInstance());
    app::goBack();
    run(1);
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.leaveBoardWithRoomId(1, 2); }));
    EXPECT_NE(nav().topViewController(), table);
}

TEST_F(EscapeKey, AtATableMidDealItAsksAndASecondEscapeStays) {
    auto table = std::dynamic_pointer_cast<TienLenView>(open(3, fourPlayers(), 20));
    ASSERT_TRUE(table);
    table->startWithWhoMoveFirst(20, 20, {0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 44, 48});
    run(0.5);
    ServiceRecording lobby(GlobalService::getInstance());
    app::goBack();
    run(1);
    EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_doYouWantExit"));
    EXPECT_TRUE(lobby.session->sent().empty());
    // The second press is the confirmation's cancel: the deal goes on.
    app::goBack();
    run(1);
    EXPECT_FALSE(UIController::shownDialogMessage());
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_EQ(nav().topViewController(), table);
}

TEST_F(EscapeKey, ASheetSlidesOutAndTheTableStays) {
    auto table = open(3, fourPlayers(), 20);
    table->clickConfig();
    run(1);
    ServiceRecording lobby(GlobalService::getInstance());
    app::goBack();
    run(1);
    EXPECT_EQ(table->mnuSetup->view()->superview(), nullptr);
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_EQ(nav().topViewController(), table);

    // The promotion chooser must be answered: it stays, and the table too.
    auto chooser = std::make_shared<PhongCapView>();
    table->view()->addSubview(chooser->view());
    chooser->viewWillAppear(false);
    run(1);
    app::goBack();
    run(1);
    EXPECT_EQ(chooser->view()->superview(), table->view());
    EXPECT_EQ(nav().topViewController(), table);
}

}  // namespace
}  // namespace zuno::testing
