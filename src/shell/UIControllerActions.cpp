// What OK and Cancel of the application's dialogs do: one table of actions keyed by the pending
// action code, each with its check of the top screen.
#include <functional>
#include <map>

#include "games/blocks/BlocksService.h"
#include "games/blocks/BlocksView.h"
#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "games/caro/CaroService.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongService.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaService.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerService.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenService.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalService.h"
#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/TransactionView.h"
#include "net/MobileClient.h"
#include "platform/core/Log.h"
#include "platform/net/UrlEncoding.h"
#include "platform/services/Pasteboard.h"
#include "platform/services/UrlOpener.h"
#include "screens/MessageView.h"
#include "screens/ProfileView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/GameController.h"

namespace zuno {

namespace {
// Game types.
constexpr int8_t kCaro = 1, kXiZach = 2, kTienLen = 3, kPoker = 4, kCoTuong = 5, kPhom = 7, kBlocks = 8,
                 kCoVua = 9, kBaiCao = 11, kTienLenMB = 12, kPhomNew = 13;

struct TableIds {
    int8_t room;
    int8_t board;
};

template <class View>
std::optional<TableIds> cardTable(const std::shared_ptr<View>& view) {
    if (!view) return std::nullopt;
    return TableIds{view->roomId(), view->boardId()};
}

template <class View>
std::optional<TableIds> boardTable(const std::shared_ptr<View>& view) {
    if (!view) return std::nullopt;
    return TableIds{view->roomID(), view->boardID()};
}

// The table shown by the current game's table screen; nothing for another game or before its first join.
std::optional<TableIds> currentTable(int8_t gameType) {
    switch (gameType) {
        case kTienLen: return cardTable(GameController::getTienLenView());
        case kTienLenMB: return cardTable(GameController::getTienLenMBView());
        case kPhom: return cardTable(GameController::getPhomView());
        case kPhomNew: return cardTable(GameController::getPhomNewView());
        case kBaiCao: return cardTable(GameController::getBaiCaoView());
        case kXiZach: return cardTable(GameController::getXiZachView());
        case kPoker: return cardTable(GameController::getPokerView());
        case kCoTuong: return boardTable(GameController::getCoTuongView());
        case kCoVua: return boardTable(GameController::getCoVuaView());
        case kCaro: return boardTable(GameController::getCaroView());
        case kBlocks: return boardTable(GameController::getBlocksView());
        default: return std::nullopt;
    }
}

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
    if (std::dynamic_pointer_cast<TienLenView>(top) || std::dynamic_pointer_cast<PhomView>(top)) return;
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
    const int8_t type = UIController::gameType();
    if (type == kPoker) {
        auto poker = GameController::getPokerView();
        if (poker && poker->isZoom) poker->hideTimer();
    }
    if (auto table = currentTable(type)) GlobalService::getInstance().leaveBoardWithRoomId(table->room, table->board);
    auto delegate = ZunoOnlineAppDelegate::current();
    if (!delegate) return;
    if (delegate->navigationController) delegate->navigationController->popViewControllerAnimated(true);
    if (delegate->lblServerInfo && delegate->lblServerInfo->isHidden() && delegate->lblWindowTitle)
        delegate->lblWindowTitle->setHidden(false);
}

void skipTurn() {
    const int8_t type = UIController::gameType();
    std::shared_ptr<TienLenView> view;
    TienLenService* service = nullptr;
    if (type == kTienLen) {
        view = GameController::getTienLenView();
        service = &TienLenService::getInstance();
    } else if (type == kTienLenMB) {
        view = GameController::getTienLenMBView();
        service = &TienLenMBService::getInstance();
    }
    if (!view) return;
    view->setForceMove3Bich(false);
    service->skipWithRoomId(view->roomId(), view->boardId());
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

// Only an address that parses is opened.
void openUrl() {
    const sys::Value object = UIController::object();
    if (!object.isText() || !sys::parseUrl(*object.text())) return;
    sys::UrlOpener::openURL(*object.text());
}

void answerDraw(bool accept) {
    const int8_t type = UIController::gameType();
    sys::Log::line("game id " + std::to_string(type));
    auto table = currentTable(type);
    if (!table) return;
    switch (type) {
        case kCoTuong: CoTuongService::getInstance().answerDrawWithRoomId(table->room, table->board, accept); break;
        case kCoVua: CoVuaService::getInstance().answerDrawWithRoomId(table->room, table->board, accept); break;
        case kCaro: CaroService::getInstance().answerDrawWithRoomId(table->room, table->board, accept); break;
        case kBlocks: BlocksService::getInstance().answerDrawWithRoomId(table->room, table->board, accept); break;
        default: break;
    }
}

template <class View, class Service>
void resignOn(const std::shared_ptr<View>& view, Service& service) {
    if (!view) return;
    view->setIsLosing(true);
    service.requestLoseWithRoomId(view->roomID(), view->boardID());
    if (view->btnLose) view->btnLose->setTitle(Resources::getInstance().textForKey("ZUNO_pleaseWait"));
}

void resign() {
    switch (UIController::gameType()) {
        case kCoTuong: resignOn(GameController::getCoTuongView(), CoTuongService::getInstance()); break;
        case kCoVua: resignOn(GameController::getCoVuaView(), CoVuaService::getInstance()); break;
        case kCaro: resignOn(GameController::getCaroView(), CaroService::getInstance()); break;
        default: break;
    }
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

void observePoker(bool watch) {
    if (auto table = cardTable(GameController::getPokerView()))
        PokerService::getInstance().doSendObserver(table->room, table->board, watch ? 1 : 0);
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
        {C::okGetPassword, {"okGetPassword", [] { GlobalService::getInstance().getSMSInfoWithKey(1); }, nullptr}},
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
        {C::okPokerObserve, {"okPokerObserve", [] { observePoker(true); }, [] { observePoker(false); }}},
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
