// What OK and Cancel of the application's dialogs do: one table of actions keyed by the pending
// action code, each with its check of the top screen.
#include <functional>
#include <map>

#include "lobby/GameRegistry.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalService.h"
#include "lobby/TextToCopy.h"
#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/TransactionView.h"
#include "net/MobileClient.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "platform/net/UrlEncoding.h"
#include "platform/services/Pasteboard.h"
#include "platform/services/UrlOpener.h"
#include "screens/MessageView.h"
#include "screens/ProfileView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/CurrentTable.h"

namespace zuno {

namespace {
std::shared_ptr<ui::ViewController> topScreen() {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate || !delegate->navigationController) return nullptr;
    return delegate->navigationController->topViewController();
}

template <class Screen>
std::shared_ptr<Screen> topScreenAs() {
    return std::dynamic_pointer_cast<Screen>(topScreen());
}

void buyAvatar() {
    auto screen = topScreenAs<AvatarView>();
    if (!screen) return;
    if (auto avatar = screen->focusedAvatar()) GlobalService::getInstance().buyAvatarWithId(avatar->avatarId());
}

struct Invitation {
    int8_t gameId, roomId, boardId;
    std::optional<std::string> password;
};

// "gameid", "roomid", "boardid" (numbers) and "password" (a text, or absent).
std::optional<Invitation> readInvitation(const sys::Value& object) {
    if (!object.isDictionary()) return std::nullopt;
    const sys::Value& game = object["gameid"];
    const sys::Value& room = object["roomid"];
    const sys::Value& board = object["boardid"];
    if (!game.isNumber() || !room.isNumber() || !board.isNumber()) return std::nullopt;
    Invitation invitation{static_cast<int8_t>(game.asInteger()), static_cast<int8_t>(room.asInteger()),
                          static_cast<int8_t>(board.asInteger()), std::nullopt};
    const sys::Value& password = object["password"];
    if (password.isText()) {
        invitation.password = *password.text();
    } else if (!password.isNull()) {
        return std::nullopt;
    }
    return invitation;
}

void acceptInvitation() {
    UIController::setKinkOfDialog(0);
    auto top = topScreen();
    // Invitations are not taken up while a Tien Len or Phom table is on screen.
    const GameDescriptor* shown = GameRegistry::ofScreen(top.get());
    if (shown && (shown->family == TableFamily::CardTable || shown->family == TableFamily::Phom)) return;
    auto invitation = readInvitation(UIController::object());
    if (!invitation) return;
    for (const auto& handler : GlobalLogicHandler::getGameMessageHandlers()) {
        if (!handler || !handler->isGameType(invitation->gameId)) continue;
        GlobalLogicHandler::getInstance()->onSetGameTypeSuccessWithGame(invitation->gameId, false);
        GlobalService::getInstance().joinBoardWithroomId(invitation->roomId, invitation->boardId,
                                                         invitation->password);
        return;
    }
    UIController::startOKDlg(Resources::getInstance().textForKey("ZUNO_notAllowAcceptInviting"));
}

void leaveBoard() {
    const CurrentTable table = CurrentTable::find();
    if (table.game && table.game->beforeLeave) table.game->beforeLeave();
    if (table.hasTable()) GlobalService::getInstance().leaveBoardWithRoomId(*table.roomId, *table.boardId);
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate) return;
    if (delegate->navigationController) delegate->navigationController->popViewControllerAnimated(true);
    if (delegate->lblServerInfo && delegate->lblServerInfo->isHidden() && delegate->lblWindowTitle)
        delegate->lblWindowTitle->setHidden(false);
}

}  // namespace

void UIController::leaveTableNow() { leaveBoard(); }

namespace {

void skipTurn() {
    const GameDescriptor* game = GameRegistry::current();
    if (game && game->skip) game->skip();
}

void replyMail() {
    if (auto screen = topScreenAs<MessageView>()) screen->showSendMailView();
}

void callHotline() {
    auto screen = topScreenAs<MoneyView>();
    if (!screen) return;
    if (auto option = screen->selectedMoneyInfo()) UIController::callHotline(option->smsTo());
}

void chargeMoney() {
    auto screen = topScreenAs<MoneyView>();
    if (!screen) return;
    if (auto option = screen->selectedMoneyInfo())
        GlobalService::getInstance().sendChargeMoney(*option, std::nullopt, std::nullopt);
}

void goTopUp() {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController)
        delegate->navigationController->pushViewController(std::make_shared<MoneyView>(), true);
}

// The recovery SMS carries the name the prompt stored: without one there is nothing to ask for.
void getPassword() {
    const auto name = sys::UserDefaults::standard().stringForKey("ZUNO_FORGET_PASSWORD_USERNAME");
    if (name.value_or(std::string()).empty()) {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(Resources::getInstance().textForKey("ZUNO_InputInfo"));
        return;
    }
    GlobalService::getInstance().getSMSInfoWithKey(1);
}

// Where no browser can be started, the address whole, to copy into one.
void offerAddressToCopy(const std::string& url) {
    showTextToCopy(Resources::getInstance().textForKey("ZUNO_noBrowser") + "\n" + url, url);
}

// Only an address that parses is opened.
void openUrl() {
    const sys::Value object = UIController::object();
    const std::string url = object.isText() ? *object.text() : std::string();
    if (sys::parseUrl(url)) {
        if (!sys::UrlOpener::openURL(url, [url] { offerAddressToCopy(url); })) offerAddressToCopy(url);
        return;
    }
    // No address was configured, or none that opens: say so rather than leave OK without effect.
    const std::string why = Resources::getInstance().textForKey("ZUNO_cannotOpenPage");
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(url.empty() ? why : why + "\n" + url);
}

void answerDraw(bool accept) {
    sys::Log::line("game id " + std::to_string(UIController::gameType()));
    const CurrentTable table = CurrentTable::find();
    if (table.hasTable() && table.game->answerDraw) table.game->answerDraw(*table.roomId, *table.boardId, accept);
}

void resign() {
    const GameDescriptor* game = GameRegistry::current();
    if (game && game->resign) game->resign();
}

void copyText() {
    const sys::Value object = UIController::object();
    if (object.isText()) sys::Pasteboard::general().setString(*object.text());
}

void completeRecharge() {
    if (auto screen = topScreenAs<MoneyView>()) screen->completeRechargeWithApp();
}

// The stored-purchases tab of the own profile on top, if any.
std::shared_ptr<TransactionView> transactionViewOnTop() {
    auto screen = topScreenAs<ProfileView>();
    return screen ? std::dynamic_pointer_cast<TransactionView>(screen->transactionView()) : nullptr;
}

void completeTransaction() {
    if (auto transactions = transactionViewOnTop()) transactions->completeRechargeWithApp();
}

void resendTransactionReceipt() {
    auto transactions = transactionViewOnTop();
    if (!transactions) return;
    transactions->resendSelected();
}

// Only a Poker table offers to watch it.
void observe(bool watch) {
    for (const GameDescriptor* game : GameRegistry::games())
        if (game->observe) game->observe(watch);
}

void disconnectSilently() { MobileClient::getInstance()->manualDisconnect(); }

struct DialogAction {
    const char* name;
    std::function<void()> ok;
    std::function<void()> cancel;  // none: Cancel only resets
};

const std::map<int, DialogAction>& dialogActions() {
    using C = UIController;
    static const std::map<int, DialogAction> actions{
        {C::okBuyAvatar, {"okBuyAvatar", buyAvatar, nullptr}},
        {C::okAcceptInvite, {"okAcceptInvite", acceptInvitation, nullptr}},
        {C::okLeaveBoard, {"okLeaveBoard", leaveBoard, nullptr}},
        {C::okSkip, {"okSkip", skipTurn, nullptr}},
        {C::okKicked, {"okKicked", nullptr, nullptr}},
        {C::okReplyMail, {"okReplyMail", replyMail, nullptr}},
        {C::okCallHotline, {"okCallHotline", callHotline, nullptr}},
        {C::okChargeMoney, {"okChargeMoney", chargeMoney, nullptr}},
        {C::okGetPassword, {"okGetPassword", getPassword, nullptr}},
        {C::okGoTopUp, {"okGoTopUp", goTopUp, nullptr}},
        {C::okOpenInfoUrl, {"okOpenInfoUrl", openUrl, nullptr}},
        {C::okOpenVersionUrl, {"okOpenVersionUrl", openUrl, nullptr}},
        {C::okAnswerDraw, {"okAnswerDraw", [] { answerDraw(true); }, [] { answerDraw(false); }}},
        {C::okResign, {"okResign", resign, nullptr}},
        {C::okConnectLogin, {"okConnectLogin", nullptr, disconnectSilently}},
        {C::okConnectRegister, {"okConnectRegister", nullptr, disconnectSilently}},
        {C::okCopyText, {"okCopyText", copyText, nullptr}},
        {C::okCompleteRecharge, {"okCompleteRecharge", completeRecharge, nullptr}},
        {C::okCompleteTransaction, {"okCompleteTransaction", completeTransaction, nullptr}},
        {C::okResendTransactionReceipt, {"okResendTransactionReceipt", resendTransactionReceipt, nullptr}},
        {C::okPokerObserve, {"okPokerObserve", [] { observe(true); }, [] { observe(false); }}},
    };
    return actions;
}
}  // namespace

void UIController::performDialogAction(int code, bool cancelled) {
    auto found = dialogActions().find(code);
    if (found == dialogActions().end()) return;
    const auto& action = cancelled ? found->second.cancel : found->second.ok;
    if (action) action();
}

}  // namespace zuno
