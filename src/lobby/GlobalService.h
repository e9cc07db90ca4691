#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "lobby/RequestService.h"
#include "platform/services/MessageComposer.h"

namespace zuno {

class ChargeMoneyInfo;
class User;

// Told when the server has accepted the client information of a connection that a screen opened
// (and, on the registration screen, when that connection failed).
class ConnectOKListener {
public:
    virtual ~ConnectOKListener() = default;
    virtual void onConnectOK() = 0;
    virtual void onConnectFail() {}
};

// The one object through which every part of the client sends lobby requests and the requests all
// table screens share. It also owns the address of the next connection and the identity the client
// announces. Builders write a message, queue it on the connection and return at once.
//
// Byte parameters are written as signed bytes; an integer that goes into a byte field is cut to its
// low 8 bits. A missing text at the end of a request writes nothing; one that other fields follow
// goes out as an empty text.
class GlobalService : public RequestService {
public:
    static GlobalService& getInstance();

    // Whether the shared connection is open.
    static bool isConnected();

    // The host of the next connection; the configured "Server" while none was chosen.
    static std::string IP();
    static void setIP(std::string ip);
    // The port of the next connection; the configured "Port" while it is 0.
    static int32_t PORT();
    static void setPORT(int32_t port);
    // Forgets the chosen host and port: the next connection reads the configured ones again.
    static void useConfiguredAddress();
    // The distributor id announced in the client information (the bundle's "Provider", low 8 bits).
    static int8_t PROVIDER();
    static void setPROVIDER(int8_t provider);
    static int8_t CLIENT_TYPE() { return 0; }
    static std::string VERSION() { return "2.3.0"; }

    // Opens the shared connection to IP and PORT with the lobby dispatcher as its listener.
    void connect();

    // The screen waiting for the next connection to be accepted; held weakly.
    void setConnectOKListener(std::weak_ptr<ConnectOKListener> listener);
    std::shared_ptr<ConnectOKListener> getConnectOKListener() const;

    // An action run when the server accepts the client information; none in this client.
    static std::function<void()> connectOKAction();
    static void setConnectOKAction(std::function<void()> action);
    static void performConnectOKAction();

    // --- Connection and sign-in ---

    // The first request of every connection.
    void sendClientInformation();
    // Sent once the login has succeeded.
    void sendClientInformationV2();
    // Stores the user name and password in the user defaults, then sends the login.
    void loginWithUsername(const std::optional<std::string>& username, const std::optional<std::string>& pwd,
                           const std::optional<std::string>& version);

    // --- SMS drafts ---

    // Opens the system's SMS composer on the main thread with the body and the one recipient, when
    // the device can send text. Without a recipient there is nothing to send and no composer opens.
    // The delegate hears how the draft ended; without one, this service does (a sent draft is then
    // reported to the server).
    void sendSMSWithData(const std::optional<std::string>& data, const std::optional<std::string>& to,
                         std::shared_ptr<sys::MessageComposeDelegate> delegate);
    void sendSMSWithData(const std::optional<std::string>& data, const std::optional<std::string>& to);
    // The end of a draft this service is the delegate of (main thread).
    void messageComposeViewController(sys::MessageComposer& controller, sys::MessageComposeResult result);

    // --- Lobby road ---

    void setGameType(int32_t gameType);
    void requestRoomList();
    void joinAnyBoard();
    void requestBoardListWithRoomId(int8_t roomId);
    // A table without password passes an empty text.
    void joinBoardWithroomId(int8_t roomId, int8_t boardId, const std::optional<std::string>& passOfBoard);

    // --- Requests every table shares ---

    void chatToBoardWithRoom(int8_t roomId, int8_t boardId, const std::optional<std::string>& text);
    void kickWithRoomId(int8_t roomId, int8_t boardId, int32_t kickId);
    void leaveBoardWithRoomId(int8_t roomId, int8_t boardId);
    void readyWithRoomId(int8_t roomId, int8_t boardId, bool isReady);
    void setPasswordWithRoomId(int8_t roomId, int8_t boardId, const std::optional<std::string>& passOfBoard);
    // The banker games (Xi Zach 2, Bai Cao 11) take the stake under command 24, the others under 19.
    void setMoneyWithRoomId(int8_t roomId, int8_t boardId, int32_t money);
    void startGameWithRoomId(int8_t roomId, int8_t boardId);
    // Caro and Blocks start with their chosen speed.
    void startGameWithRoomId(int8_t roomId, int8_t boardId, int8_t timeLimit);
    void requestBuzzWithId(int32_t playerId);

    // --- Players and invitations ---

    void requestInfoOfWithIDDB(int32_t userId);
    void requestInviteWithUserId(int32_t userId);
    void requestWaitingList();

    // --- Account ---

    // Keeps the new name and password in the user defaults (not yet written to disk), then sends.
    void requestRegisterWithUsername(const std::optional<std::string>& username,
                                     const std::optional<std::string>& password);
    // The personal data; the old and new passwords follow only for a password change, which alone
    // keeps the new password aside until the server confirms it.
    void updateDateProfileWithUser(const User& user);
    // The server confirms profile updates in the order they were sent: whether the oldest update not
    // yet confirmed carried a password change (false when none is waiting). Taking it forgets it.
    bool takeConfirmedUpdateChangedPassword();
    // A new connection confirms nothing sent over an earlier one.
    void forgetUnconfirmedUpdates();
    void requestUserData();
    void requestUserAchievementWithGameId(int8_t gameId);

    // --- Information, settings and lists ---

    void getInfoWithKey(int32_t key);
    void getSMSInfoWithKey(int32_t key);
    void setLanguageForAppWithSubId(int32_t subId, const std::optional<std::string>& info);
    void getListWithType(int32_t type);

    // --- Friends, chat and mail ---

    void requestFriendList();
    // The same bare request; the argument is not sent.
    void requestFriendList(int8_t ignored);
    void addFriendWithId(int32_t userId);
    void deleteFriend(int32_t userId);
    void searchFriend(const std::optional<std::string>& nick);
    void chatToWithIDDB(int32_t userId, const std::optional<std::string>& content);

    // --- Rankings ---

    // The game id goes first on the wire, then the page.
    void requestStrongestWithPage(int32_t page, int8_t gameId);
    void requestRichestWithPage(int32_t page);

    // --- Money ---

    void requestChargeMoneyInfo();
    void transferMoneyWithNick(const std::optional<std::string>& nick, int32_t quantity);
    // A scratch card: the option's type and sub id, the serial and, when given, the PIN.
    void sendChargeMoney(const ChargeMoneyInfo& info, const std::optional<std::string>& serial,
                         const std::optional<std::string>& pin);
    // A store receipt: the option's type (no sub id), the receipt and, when given, the PIN.
    void sendReceiptString(const ChargeMoneyInfo& info, const std::optional<std::string>& receipt,
                           const std::optional<std::string>& pin);

    // --- Older avatar list ---

    void requestAvatarShop();
    void buyAvatarWithId(int16_t avatarId);
    void requestAvatar(int16_t avatarId);

    // --- Item images ---

    void getItemImageWithItemId(int32_t itemId);
    void getFullItemImageWithId(int32_t itemId);
    void getItemImageWithItemId(int32_t itemId, int32_t type);

    // --- Shop, wardrobe and gifts ---

    void requestGetCategory(int32_t categoryId, int8_t gender, int8_t screen);
    void requestGetItemsByCategory(int32_t categoryId, int8_t page, int8_t gender);
    // A page of the player's own items (the wardrobe).
    void requestGetUserItemsByCategory(int32_t categoryId, int8_t page, int8_t gender);
    void requestGetAvatarDetail(int32_t itemId);
    // The count sent is the list's own length, whatever count the caller gives: a count out of step
    // with the list would make the server read the wrong number of ids.
    void requestBuyItems(int32_t count, std::span<const int32_t> itemIdList);
    void requestBuyItems(std::span<const int32_t> itemIdList);
    // The room and table go before the gift id on the wire.
    void requestBuyGift(int32_t giftId, int8_t roomId, int8_t boardId, int32_t userId);
    // The same, with the price the player pays, kept until the server's notice of the gift (which
    // carries no money) takes it; a new connection forgets it.
    void requestBuyGift(int32_t giftId, int8_t roomId, int8_t boardId, int32_t userId, int32_t price);
    std::optional<int32_t> takePaidGiftPrice(int32_t giftId);
    void requestGetUserAvatarDetail(int32_t userItemId);
    void requestRemoveItem(int32_t userItemId);
    // Wears (or takes off) the owned items; the count sent is the list's own length, as above.
    void requestSetUsing(int32_t count, std::span<const int32_t> userItemIdArray, bool isUsing);
    void requestSetUsing(std::span<const int32_t> userItemIdArray, bool isUsing);
    void requestUsingAvatar(int32_t userId, int8_t gender);
    // The first argument is not sent.
    void requestListItemsByGift(int8_t ignored, int32_t giftCategoryId, int8_t page);
    void requestUserItemsEvent();
    void requestOpenGift(int32_t assetId);

protected:
    GlobalService();

private:
    void sendShopCommand(int8_t sub, const std::function<void(Message&)>& write = {});
    void doSendSMSWithData(std::optional<std::string> data, std::optional<std::string> to,
                           std::shared_ptr<sys::MessageComposeDelegate> delegate);

    mutable std::mutex mutex_;
    std::weak_ptr<ConnectOKListener> connectOKListener_;
    std::deque<bool> unconfirmedUpdates_;  // per profile update sent: it changed the password
    std::map<int32_t, std::deque<int32_t>> giftPrices_;  // per gift id, the prices of the purchases asked for
    // Stands for this service as a composer's delegate.
    std::shared_ptr<sys::MessageComposeDelegate> ownSMSDelegate_;
};

}  // namespace zuno
