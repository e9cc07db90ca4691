#include <functional>
#include <string>
#include <vector>

#include "games/blocks/BlocksService.h"
#include "games/blocks/BlocksView.h"
#include "games/caro/CaroService.h"
#include "games/caro/CaroView.h"
#include "games/poker/PokerService.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenService.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalService.h"
#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/TransactionView.h"
#include "net/MobileClient.h"
#include "platform/core/UserDefaults.h"
#include "platform/services/Pasteboard.h"
#include "platform/services/UrlOpener.h"
#include "shell/Resources.h"
#include "platform/ui/AlertView.h"
#include "screens/LoginView.h"
#include "screens/MessageView.h"
#include "money/TransactionView.h"
#include "screens/ProfileView.h"
#include "screens/ServerView.h"
#include "src/shell/ShellFixture.h"
#include "support/AlertButtons.h"
#include "support/ServiceRecording.h"
#include "support/SnapshotCompare.h"
#include "table/GameController.h"

namespace zuno::testing {
namespace {

struct Mailbox : MessageView {
    int replies = 0;
    void showSendMailView() override { ++replies; }
};
struct TopUp : MoneyView {
    std::shared_ptr<ChargeMoneyInfo> option = std::make_shared<ChargeMoneyInfo>();
    int completed = 0;
    std::shared_ptr<ChargeMoneyInfo> selectedMoneyInfo() const override { return option; }
    void completeRechargeWithApp() override { ++completed; }
};
struct Avatars : AvatarView {
    std::shared_ptr<Avatar> avatar = std::make_shared<Avatar>();
    std::shared_ptr<Avatar> focusedAvatar() const override { return avatar; }
};
struct Purchases : TransactionView {
    std::shared_ptr<TransactionMoneyInfo> selected = std::make_shared<TransactionMoneyInfo>();
    int completed = 0;
    std::shared_ptr<TransactionMoneyInfo> selectedTransactionMoneyInfo() const override { return selected; }
    void completeRechargeWithApp() override { ++completed; }
};
struct Poker : PokerView {
    std::vector<std::string>* log = nullptr;
    void hideTimer() override { log->push_back("hideTimer"); }
};

class DialogActions : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        launch();
    }
    // A person presses OK (the last button) or Cancel (button 0) of the dialog of the code.
    void press(int code, bool ok, sys::Value object = {}) {
        UIController::setOkValue(code);
        UIController::setObject(std::move(object));
        UIController::startCancelOkDlg("?", "No", "Yes");
        run(1);
        tapAlertButton(ok ? 1 : 0);
        run(1);
    }
    // The bytes the builder sends for the call, to compare with what the action sent.
    template <class Service>
    sys::Data expected(Service& service, const std::function<void(Service&)>& call) {
        ServiceRecording r(service);
        call(service);
        return r.takeOne();
    }

    ServiceRecording lobby{GlobalService::getInstance()};
};

TEST_F(DialogActions, EveryCodeIsUsedUpAndCancelClearsTheKindOfDialog) {
    for (int code = -1; code <= 25; ++code) {
        for (bool ok : {true, false}) {
            SCOPED_TRACE(std::to_string(code) + (ok ? " OK" : " Cancel"));
            UIController::setKinkOfDialog(3);
            press(code, ok);
            EXPECT_EQ(UIController::okValue(), UIController::okNone);
            EXPECT_EQ(UIController::kindOfDialog(), ok && code != UIController::okAcceptInvite ? 3 : 0);
        }
    }
}

TEST_F(DialogActions, ActionsOfTheTopScreenRunOnlyWhenItIsOnTop) {
    auto mailbox = std::make_shared<Mailbox>();
    auto topUp = std::make_shared<TopUp>();
    topUp->option->setSmsTo("1900");
    topUp->option->setType(2);
    auto avatars = std::make_shared<Avatars>();
    avatars->avatar->setAvatarId(42);
    auto profile = std::make_shared<ProfileView>();
    auto purchases = std::make_shared<Purchases>();
    purchases->selected->setInfo("pack 5");
    purchases->selected->setReceiptContent("stored receipt");
    purchases->setReceiptStringFromServer("echoed receipt");
    profile->setTransactionView(purchases);
    auto& g = GlobalService::getInstance();

    // Not on top: nothing but the reset.
    for (int code : {0, 5, 6, 7, 20, 22, 23}) press(code, true);
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_EQ(mailbox->replies, 0);

    show(avatars);
    lobby.session->clear();  // the avatar list asked for on load
    press(UIController::okBuyAvatar, true);
    EXPECT_EQ(lobby.takeOne(), expected<GlobalService>(g, [](auto& s) { s.buyAvatarWithId(42); }));
    show(mailbox);
    press(UIController::okReplyMail, true);
    press(UIController::okReplyMail, false);
    EXPECT_EQ(mailbox->replies, 1);
    show(topUp);
    lobby.session->clear();  // the top-up list asked for on load
    press(UIController::okChargeMoney, true);
    EXPECT_EQ(lobby.takeOne(), expected<GlobalService>(g, [&](auto& s) {
        s.sendChargeMoney(*topUp->option, std::nullopt, std::nullopt);
    }));
    press(UIController::okCompleteRecharge, true);
    EXPECT_EQ(topUp->completed, 1);
    // A phone that dials: on the desktop the road would ask the server for the number instead.
    sys::UrlOpener::setOpener([](const std::string&) { return true; }, [](const std::string&) { return true; });
    press(UIController::okCallHotline, true);
    EXPECT_EQ(sys::UrlOpener::openedUrls().back(), "telprompt:1900");
    show(profile);
    run(2);  // the profile's opening asks for the personal data
    lobby.session->clear();
    press(UIController::okCompleteTransaction, true);
    EXPECT_EQ(purchases->completed, 1);
    press(UIController::okResendTransactionReceipt, true);
    auto record = ChargeMoneyInfo::initWithType(5);
    record->setInfo("pack 5");
    // The stored receipt goes again, not the server's echo of it.
    EXPECT_EQ(lobby.takeOne(), expected<GlobalService>(g, [&](auto& s) {
        s.sendReceiptString(*record, std::string("stored receipt"), std::nullopt);
    }));
    EXPECT_TRUE(purchases->hud && purchases->hud->superviewPointer() == purchases->view().get());

    press(UIController::okGoTopUp, true);
    EXPECT_TRUE(std::dynamic_pointer_cast<MoneyView>(nav().topViewController()));
    lobby.session->clear();
    // The password is asked for the name typed; without one the player is told to type it, and
    // nothing is asked that would end in an SMS without a name.
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(std::string()), "ZUNO_FORGET_PASSWORD_USERNAME");
    press(UIController::okGetPassword, true);
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_EQ(UIController::shownDialogMessage(), Resources::getInstance().textForKey("ZUNO_InputInfo"));
    defaults.setObject(sys::Value(std::string("demo")), "ZUNO_FORGET_PASSWORD_USERNAME");
    press(UIController::okGetPassword, true);
    EXPECT_EQ(lobby.takeOne(), expected<GlobalService>(g, [](auto& s) { s.getSMSInfoWithKey(1); }));
}

TEST_F(DialogActions, TableActionsUseTheCurrentGamesTable) {
    std::vector<std::string> log;
    auto poker = std::make_shared<Poker>();
    poker->log = &log;
    poker->setupPlayersWithRoom(3, 9, 1, 100, {});
    GameController::setPokerView(poker);
    auto caro = std::make_shared<CaroView>();
    caro->setPlayersWithRoomId(4, 5, 1, 100, {});
    caro->btnLose = std::make_shared<ui::Button>();  // the resign button of a game
    GameController::setCaroView(caro);
    auto blocks = std::make_shared<BlocksView>();
    blocks->setPlayersWithRoomId(6, 7, 1, 100, {});
    GameController::setBlocksView(blocks);
    auto tienLen = std::make_shared<TienLenView>();
    tienLen->setupPlayersWithRoom(1, 2, 1, 100, {});
    tienLen->setForceMove3Bich(true);
    GameController::setTienLenView(tienLen);
    ServiceRecording pokerSent(PokerService::getInstance()), caroSent(CaroService::getInstance()),
        blocksSent(BlocksService::getInstance()), tienLenSent(TienLenService::getInstance());
    auto& g = GlobalService::getInstance();

    UIController::setGameType(4);
    press(UIController::okPokerObserve, true);
    EXPECT_EQ(pokerSent.takeOne(), (sys::Data{82, 3, 9, 12, 1}));
    press(UIController::okPokerObserve, false);
    EXPECT_EQ(pokerSent.takeOne(), (sys::Data{82, 3, 9, 12, 0}));
    show(poker);
    poker->isZoom = true;
    press(UIController::okLeaveBoard, true);
    EXPECT_EQ(log, (std::vector<std::string>{"hideTimer"}));
    EXPECT_EQ(lobby.takeOne(), expected<GlobalService>(g, [](auto& s) { s.leaveBoardWithRoomId(3, 9); }));
    EXPECT_NE(nav().topViewController(), poker);

    UIController::setGameType(3);
    tienLen->setCurrentPlayer(UIController::myId());
    tienLen->doSkip();  // a pass asked on my turn
    press(UIController::okSkip, true);
    EXPECT_FALSE(tienLen->forceMove3Bich);
    EXPECT_EQ(tienLenSent.takeOne(), (sys::Data{49, 1, 2}));

    UIController::setGameType(1);
    press(UIController::okAnswerDraw, false);
    EXPECT_EQ(caroSent.takeOne(), (sys::Data{24, 4, 5, 0}));
    press(UIController::okResign, true);
    EXPECT_TRUE(caro->table().isLosing);
    EXPECT_EQ(caroSent.takeOne(), (sys::Data{27, 4, 5}));
    EXPECT_EQ(caro->btnLose->currentTitle(), "Please wait");

    UIController::setGameType(8);
    press(UIController::okAnswerDraw, true);
    EXPECT_EQ(blocksSent.takeOne(), (sys::Data{24, 6, 7, 1}));
    press(UIController::okResign, true);  // no resignation in Blocks
    EXPECT_TRUE(blocksSent.session->sent().empty());

    // A game whose table was never opened: the screen still goes, no request.
    UIController::setGameType(9);
    show(std::make_shared<ServerView>());
    press(UIController::okLeaveBoard, true);
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_TRUE(std::dynamic_pointer_cast<LoginView>(nav().topViewController()));
}

TEST_F(DialogActions, InvitationsJoinThroughTheFirstDecoderOfTheGameAndMalformedOnesDoNothing) {
    auto& g = GlobalService::getInstance();
    sys::Dictionary invitation{{"gameid", sys::Value(13)}, {"roomid", sys::Value(2)}, {"boardid", sys::Value(5)},
                               {"password", sys::Value("pw")}};
    press(UIController::okAcceptInvite, true, sys::Value(invitation));
    EXPECT_EQ(UIController::gameType(), 13);
    EXPECT_EQ(lobby.takeOne(), expected<GlobalService>(g, [](auto& s) {
        s.joinBoardWithroomId(2, 5, std::string("pw"));
    }));

    const std::vector<std::pair<const char*, sys::Value>> malformed{
        {"missing", sys::Value()},
        {"a text", sys::Value("gameid=3")},
        {"no table", sys::Value(sys::Dictionary{{"gameid", sys::Value(3)}, {"roomid", sys::Value(1)}})},
        {"password of another kind",
         sys::Value(sys::Dictionary{{"gameid", sys::Value(3)}, {"roomid", sys::Value(1)}, {"boardid", sys::Value(1)},
                                    {"password", sys::Value(7)}})},
    };
    for (const auto& [name, object] : malformed) {
        SCOPED_TRACE(name);
        press(UIController::okAcceptInvite, true, object);
        EXPECT_TRUE(lobby.session->sent().empty());
        EXPECT_TRUE(ui::AlertView::visibleAlerts().empty());
    }

    invitation = {{"gameid", sys::Value(99)}, {"roomid", sys::Value(2)}, {"boardid", sys::Value(5)}};
    press(UIController::okAcceptInvite, true, sys::Value(invitation));
    EXPECT_EQ(UIController::shownDialogMessage(), "You cannot accept this invitation.");
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    UIController::closeDialog();

    // Ignored on a Tien Len table.
    show(std::make_shared<TienLenView>());
    invitation = {{"gameid", sys::Value(13)}, {"roomid", sys::Value(2)}, {"boardid", sys::Value(5)}};
    press(UIController::okAcceptInvite, true, sys::Value(invitation));
    EXPECT_TRUE(lobby.session->sent().empty());
}

TEST_F(DialogActions, LinksAndTextsOfTheObjectAndTheSilentDisconnect) {
    const std::string cannotOpen = Resources::getInstance().textForKey("ZUNO_cannotOpenPage");
    press(UIController::okOpenInfoUrl, true, sys::Value("http://zuno.vn/news"));
    EXPECT_EQ(UIController::shownDialogMessage(), std::nullopt);
    // An address that cannot be opened (none configured, or no browser takes it) is said, not dropped.
    press(UIController::okOpenVersionUrl, true, sys::Value("not a url"));
    EXPECT_EQ(UIController::shownDialogMessage(), cannotOpen + "\nnot a url");
    press(UIController::okOpenVersionUrl, true, sys::Value(5));
    EXPECT_EQ(UIController::shownDialogMessage(), cannotOpen);
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    EXPECT_EQ(sys::UrlOpener::openedUrls(), (std::vector<std::string>{"http://zuno.vn/news"}));
    // No browser could be started: the address, to copy.
    sys::UrlOpener::setOpener([](const std::string&) { return false; }, [](const std::string&) { return false; });
    press(UIController::okOpenInfoUrl, true, sys::Value("http://zuno.vn/store"));
    EXPECT_EQ(UIController::shownDialogMessage(),
              Resources::getInstance().textForKey("ZUNO_noBrowser") + "\nhttp://zuno.vn/store");
    EXPECT_EQ(UIController::okValue(), UIController::okCopyText);
    UIController::closeDialog();
    press(UIController::okCopyText, true, sys::Value("code 123"));
    press(UIController::okCopyText, true);
    EXPECT_EQ(sys::Pasteboard::general().history(), (std::vector<std::string>{"code 123"}));
    MobileClient::getInstance()->setConnectStatus(MobileClient::kNeverConnected);
    press(UIController::okConnectLogin, true);
    EXPECT_NE(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedSilently);
    press(UIController::okConnectRegister, false);
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedSilently);
}

// More games: the question names the download page and the browser; where no browser can be started,
// the address is shown whole (unbroken) with a Copy button. In both languages.
TEST_F(DialogActions, MoreGamesAsksForTheBrowserAndOffersTheAddressWhereNoneStarts) {
    struct Case {
        const char* language;
        const char* question;
        std::vector<std::string> questionButtons;
        const char* noBrowser;
        std::vector<std::string> copyButtons;
    } cases[] = {
        {"en", "More games wait on the download page. Open it in your browser?", {"Cancel", "OK"},
         "No browser could be started. Copy the page's address to open it in a browser:", {"Cancel", "Copy"}},
        {"vi", "Có thêm trò chơi trên trang tải về. Mở trang này bằng trình duyệt?", {"Hủy", "Đồng ý"},
         "Không mở được trình duyệt. Hãy sao chép địa chỉ trang để mở bằng trình duyệt:", {"Hủy", "Sao chép"}},
    };
    auto titles = [](const ui::AlertView& alert) {
        std::vector<std::string> out;
        for (int i = 0; i < alert.numberOfButtons(); ++i) out.push_back(alert.buttonTitleAtIndex(i));
        return out;
    };
    const std::string address = Resources::getInstance().configValue("AppStoreUrl").asText();
    ASSERT_FALSE(address.empty());
    sys::UrlOpener::setOpener([](const std::string&) { return false; }, [](const std::string&) { return false; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        if (Resources::getInstance().currentLanguage() != c.language) {
            // The login screen under the dialogs switches, as its flag does.
            auto login = std::dynamic_pointer_cast<LoginView>(nav().topViewController());
            ASSERT_TRUE(login);
            login->doChangeLanguage(nullptr);
        }
        GlobalLogicHandler::showInfo();
        run(1);
        auto question = alertOnTop("asking to open the download page");
        ASSERT_TRUE(question);
        EXPECT_EQ(question->message(), c.question);
        EXPECT_EQ(titles(*question), c.questionButtons);
        ASSERT_TRUE(pressAlertButton(1));
        run(1);
        auto fallback = alertOnTop("offering to copy the address");
        ASSERT_TRUE(fallback);
        EXPECT_EQ(fallback->message(), std::string(c.noBrowser) + "\n" + address);
        EXPECT_EQ(titles(*fallback), c.copyButtons);
        ui::RasterScreen screen;
        screen.renderApplication();
        EXPECT_TRUE(matchesReference(screen, std::string("dialog_no_browser_") + c.language));
        ASSERT_TRUE(pressAlertButton(1));
        run(1);
        const auto copied = sys::Pasteboard::general().history();
        ASSERT_FALSE(copied.empty()) << "nothing was copied";
        EXPECT_EQ(copied.back(), address);
    }
}

TEST_F(DialogActions, ADialogClosedByTheProgramRunsNoAction) {
    UIController::setOkValue(UIController::okGoTopUp);
    UIController::startOKDlg("top up?");
    run(1);
    UIController::startNilDlg("connecting");
    UIController::closeDialog();
    run(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<LoginView>(nav().topViewController()));
}

}  // namespace
}  // namespace zuno::testing
