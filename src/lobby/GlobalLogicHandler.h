#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/IGameMessageHandler.h"
#include "lobby/LobbyEventRecords.h"
#include "lobby/model/LobbyRecords.h"
#include "lobby/model/Player.h"
#include "lobby/model/Province.h"
#include "lobby/model/ShopRecords.h"
#include "platform/core/Value.h"
#include "lobby/model/ZunoMessage.h"

namespace zuno {

namespace ui {
class ViewController;
}

// The session logic: turns decoded lobby events into session state, dialogs and screen updates.
//
// The lobby dispatcher calls the event operations on the main thread, in the order the messages
// arrived, except onSetGameTypeSuccessWithGame, which runs on the reader thread so that the game's
// decoder is in place before the next message is read. The connection events (onConnectFail from a
// failed connect, onDisconnect) arrive on whatever thread the connection reports from and act on the
// main thread. Screens are reached as the top screen of the navigation stack and only when they take
// the event, through the interfaces the lobby owns (ScreenEvents.h and its siblings); any other top
// screen drops the event. Screens the session logic opens are made by name (ui::ScreenFactory).
//
// Lists are complete when they arrive and belong to the receiver. Missing texts are absent.
class GlobalLogicHandler {
public:
    using Players = std::vector<PlayerPtr>;
    using Assets = std::vector<std::shared_ptr<Asset>>;
    using Categories = std::vector<std::shared_ptr<CategoryShopInfo>>;
    using GameMessageHandlers = std::vector<std::shared_ptr<IGameMessageHandler>>;
    using Text = std::optional<std::string>;

    static std::shared_ptr<GlobalLogicHandler> getInstance();
    virtual ~GlobalLogicHandler() = default;

    // The decoders of every game, registered once at start-up, in registration order.
    static GameMessageHandlers getGameMessageHandlers();
    // Appends the decoder unless it is registered already.
    static void addGameMessageHandler(std::shared_ptr<IGameMessageHandler> handler);
    // Tests: forget every registered decoder.
    static void resetGameMessageHandlersForTests();

    // The server confirmed a game choice: records the game type, installs the last registered decoder
    // that serves it in the dispatcher and lets it set up its table list. An unknown type leaves the
    // decoder installed before. The room list is not this operation's business.
    virtual void onSetGameTypeSuccessWithGame(int8_t gameType, bool isShowRoomList);

    // Connection and sign-in.
    // The server accepted the client information: the connect-OK action, then onConnectOK.
    virtual void onSetClientInfoOK();
    // Calls the registered connect-OK listener, if one is still alive, and clears the slot.
    virtual void onConnectOK();
    // Any thread. Back to the login screen with the reason, except where the screen on top handles it.
    virtual void onConnectFail();
    // Any thread. Back to the login screen; the lost signal, or after a logout the traffic used. A
    // player signed in on that connection is signed out: nothing of the account stays.
    virtual void onDisconnect();
    virtual void onLoginSuccess();
    // Main thread: a new connection is about to take the place of the one a player signed in on, which
    // was closed silently (to sign in again, perhaps as someone else): that player is signed out.
    void onConnectionReplaced();
    // Reader thread, before the close that follows a refused login: that close shows no traffic text,
    // so the refusal stays on screen.
    void onLoginRefused();
    virtual void onLoginFailWithReason(Text reason) {}
    virtual void onRegisterInfoWithUsername(Text username, bool avail, Text prefix, Text to);
    virtual void onGetSMSSyntaxWithSubId(int8_t subId, Text data, Text address);
    virtual void onSetMyUserData();

    // Lobby lists and social events.
    virtual void onRoomList(std::vector<std::shared_ptr<RoomInfo>> rooms);
    virtual void onBoardListWithRoomId(int32_t roomId, std::vector<std::shared_ptr<Board>> boards);
    virtual void onFriendList(Players friends);
    virtual void onWaitingList(Players players);
    virtual void onStrongestListWithPage(int32_t page, int8_t gameId, Players players);
    virtual void onRichestListWithPage(int32_t page, Players players);
    virtual void onGetTopLit(std::vector<std::shared_ptr<Ranking>> rankings);
    virtual void onSearchResult(Players players);
    virtual void onAddFriendWithResult(int8_t result);
    virtual void onDelFriendResult(int8_t result);
    virtual void onPlayerDetail(PlayerDetail detail);
    virtual void onChatFromWithMessage(std::shared_ptr<ZunoMessage> message);
    virtual void onInvitedJoinBoardWithGameId(int8_t gameId, int8_t roomId, int8_t boardId, Text password,
                                              Text message);
    virtual void onProvinceList(Province::List provinces);
    virtual void onMyUserDataWithUser(UserPtr user);
    // Game id first, then the five numbers.
    virtual void onMyAchievement(std::vector<int32_t> achievement);
    virtual void onMyAssets(Assets assets);
    virtual void onGetListItemsEvent(Assets items);

    // Server information and notices.
    virtual void onGetInfoWithSubId(int8_t subId, Text info);
    virtual void onVersionWithInfo(Text info, Text url);
    virtual void onSetMoneyErrorWithError(Text error);
    virtual void onAdminCommandResponseWithText(Text text) {}
    virtual void onClearRMSRequest() {}
    virtual void onServerInfo(Text info) {}
    virtual void onServerMessage(Text message) {}
    virtual void onPresentReceived(Assets presents);

    // Money and top-up.
    virtual void onTransferMoneyWithNewMoney(int64_t newMoney, Text info);
    virtual void onMoneyInfo(std::vector<std::shared_ptr<ChargeMoneyInfo>> options);
    virtual void onPurchaseInfo(PurchaseInfo info);
    virtual void onBuyAvatarSuccessWithId(int16_t avatarId);

    // Images and avatars.
    virtual void onAvatar(std::shared_ptr<Avatar> avatar);
    virtual void onAvatarList(std::vector<std::shared_ptr<Avatar>> avatars);
    // A decoded item image (none when the bytes were no image).
    virtual void onItemImageWithItemId(int32_t itemId, ImagePtr image);
    // An asset image's bytes as they came.
    virtual void onItemImageWithId(int32_t assetId, sys::Data image);

    // Shop, wardrobe and gifts.
    virtual void onCategoryInfo(Categories categories);
    // A page of a category for sale; none when no shop page was open or cached.
    virtual void onItemsOfCategoryInfo(std::shared_ptr<ItemsOfCategory> page);
    // A page of owned items; none when no wardrobe page was open or cached.
    virtual void onUserItemsOfCategoryInfo(std::shared_ptr<UserItemsOfCategory> page);
    virtual void onAvatarDetail(std::shared_ptr<AvatarDetail> detail);
    virtual void onUserAvatarDetail(std::shared_ptr<UserAvatarDetail> detail);
    virtual void onBuyAvatarSuccess(int32_t totalPayment);
    virtual void onBuyAvatarFail(Text reason);
    virtual void onGiveGiftWithItem(int32_t itemId, int32_t fromUser, int32_t toUser);
    virtual void onUpdateDeleteItem(int32_t userItemId);
    virtual void onDeleteItemFail(Text reason);
    virtual void onUpdateSetUsing();
    virtual void onListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>> items);
    virtual void onListGift(Categories categories);
    virtual void onItemsOfGiftInfo(std::shared_ptr<ItemsOfCategory> page);
    // 0: opened, and money is what it brought.
    virtual void onOpenGift(int8_t status, Text message, int32_t money);

    // --- Main thread: what the events above hand over ---

    // Information dialog with no pending action.
    static void showAlertViewWithMessage(const std::string& text);
    static void onShowMessageBox(const std::string& text);
    static void closeDialog();
    static void loginSuccess();

    static void showListRoom(const std::vector<std::shared_ptr<RoomInfo>>& rooms);
    static void showListBoard(const std::vector<std::shared_ptr<Board>>& boards);
    // Redraws a list screen the session logic filled and hides its spinner.
    static void onReloadTableView(const std::shared_ptr<ui::ViewController>& screen);
    static void onGameControllerAddFriendResult(int8_t result);
    static void onGameControllerDelFriend(int8_t result);
    static void onViewPlayerDetail(const PlayerDetail& detail);
    static void onViewControllerChatFromWithMessage(const std::shared_ptr<ZunoMessage>& message);
    // Stores the message first in the inbox and shows the unread-mail button with the count on the
    // top screen (also for a line the friends screen cannot show).
    static void keepInMailbox(const std::shared_ptr<ZunoMessage>& message);
    static void onInvitedJoinBoard(const sys::Dictionary& invitation);
    static void loadProvinceList(const Province::List& provinces);

    static void showVersion(const std::string& info, const std::string& url);
    static void showInfo();
    static void showEvent(const std::string& text);
    // The server's SMS permission list: the last "1-<version>" entry switches SMS on when the version
    // is the application's own, off otherwise.
    static void applySMSPermissionList(const std::string& list);
    static void onTransferMoneyWithInfo(const std::string& info);
    static void showListMoney(const std::vector<std::shared_ptr<ChargeMoneyInfo>>& options);
    static void showAlertInAppPurchase(const PurchaseInfo& info);
    static void performShowPresend(const std::shared_ptr<Asset>& present);
    static void openGift(int8_t status, const std::string& text, int32_t money);
    static void giveGift(int32_t itemId, int32_t fromUser, int32_t toUser);
    static void loadListAvatars(const std::vector<std::shared_ptr<Avatar>>& avatars);

    // --- In-app purchase options (any thread but the main one: it waits for the network) ---

    // The address of the store's purchase options for the signed-in player; empty without one.
    static std::string paymentOptionsUrl();
    // The options of a reply: one entry per ";", each a query with "id" and "messenge".
    static std::vector<std::shared_ptr<ChargeMoneyInfo>> parseChargeMoneyForAppStore(const std::string& reply);
    // Fetches and parses the options, waiting at most kPaymentOptionsTimeout; none on failure.
    static std::vector<std::shared_ptr<ChargeMoneyInfo>> getChargeMoneyForAppStore();
    static constexpr double kPaymentOptionsTimeout = 10.0;
    // How long a gift waits for its item's picture before it is shown without it.
    static constexpr double kGiftImageRetrySeconds = 0.33;
    static constexpr int kGiftImageTries = 10;

protected:
    GlobalLogicHandler() = default;

private:
    // Set by a refused login, used up by the close that follows it (or by the next connection).
    std::atomic<bool> loginRefused_{false};
    // A player signed in on the connection now open, or on the last one while its end is on its way.
    std::atomic<bool> signedIn_{false};
};

}  // namespace zuno
