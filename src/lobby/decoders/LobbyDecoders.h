#pragma once

// The decoders of the lobby's server messages, one per command id, by theme. Each reads exactly its
// layout on the reader thread and hands the result on; a short or malformed message raises and the
// dispatcher's guard drops it, so nothing is handed on from a message that was not read in full.

#include <cstdint>
#include <functional>
#include <memory>

#include "net/Message.h"

namespace zuno {

class GlobalLogicHandler;
class GlobalMessageHandler;
class ILobbyUi;

// What a decoder works with: the dispatcher, and the session logic and screens current when the
// message arrived.
class DecoderContext {
public:
    DecoderContext(GlobalMessageHandler& dispatcher, std::shared_ptr<GlobalLogicHandler> logic,
                   std::shared_ptr<ILobbyUi> ui)
        : dispatcher_(dispatcher), logic_(std::move(logic)), ui_(std::move(ui)) {}

    GlobalMessageHandler& dispatcher() const { return dispatcher_; }
    // On the reader thread, for what must happen before the next message is read.
    GlobalLogicHandler& logic() const { return *logic_; }
    ILobbyUi& ui() const { return *ui_; }

    // Calls the session logic on the main thread, without waiting; calls keep the order of messages.
    void handOver(std::function<void(GlobalLogicHandler&)> call) const;
    // The same, for work that also looks at the screens.
    void handOverWithUi(std::function<void(GlobalLogicHandler&, ILobbyUi&)> work) const;

private:
    GlobalMessageHandler& dispatcher_;
    std::shared_ptr<GlobalLogicHandler> logic_;
    std::shared_ptr<ILobbyUi> ui_;
};

using LobbyDecoder = void (*)(Message& message, const DecoderContext& context);

// The lobby's command ids.
struct LobbyCommand {
    static constexpr int8_t SC_CLIENT_INFORMATION = -36;
    static constexpr int8_t SC_LOGIN_SUCCESS = 3;
    static constexpr int8_t SC_LOGIN_FAIL = 4;
    static constexpr int8_t SC_CHAT_FROM = 5;
    static constexpr int8_t SC_ROOM_LIST = 6;
    static constexpr int8_t SC_BOARD_LIST = 7;
    static constexpr int8_t SC_SET_MONEY_ERROR = 10;
    static constexpr int8_t SC_TRANSFER_MONEY = 17;
    static constexpr int8_t SC_FRIEND_LIST = 29;
    static constexpr int8_t SC_STRONGEST_LIST = 30;
    static constexpr int8_t SC_RICHEST_LIST = 31;
    static constexpr int8_t SC_ADD_FRIEND = 32;
    static constexpr int8_t SC_DELETE_FRIEND = 33;
    static constexpr int8_t SC_PLAYER_DETAIL = 34;
    static constexpr int8_t SC_REGISTER_INFO = 35;
    static constexpr int8_t SC_SEARCH_RESULT = 36;
    static constexpr int8_t SC_AVATAR = 38;
    static constexpr int8_t SC_AVATAR_LIST = 39;
    static constexpr int8_t SC_USER_DATA = 40;
    static constexpr int8_t SC_SET_MY_USER_DATA = 41;
    static constexpr int8_t SC_BUY_AVATAR_SUCCESS = 43;
    static constexpr int8_t SC_MONEY_INFO = 44;
    static constexpr int8_t SC_NOTICE = 45;
    static constexpr int8_t SC_SHOW_EVENT = 46;
    static constexpr int8_t SC_ADMIN_COMMAND_RESPONSE = 47;
    static constexpr int8_t SC_VERSION = 48;
    static constexpr int8_t SC_STRING_LIST = 55;
    static constexpr int8_t SC_SET_GAME_TYPE_SUCCESS = 61;
    static constexpr int8_t SC_PURCHASE_INFO = 71;
    static constexpr int8_t SC_GET_INFO = 72;
    static constexpr int8_t SC_GET_SMS_SYNTAX = 73;
    static constexpr int8_t SC_INVITED_JOIN_BOARD = 74;
    static constexpr int8_t SC_IGNORED = 76;
    static constexpr int8_t SC_GET_LIST = 78;
    static constexpr int8_t SC_GET_IMAGE = 79;
    static constexpr int8_t SC_SHOP_COMMAND = 101;
};

// The decoder of a lobby command id; null for SC_IGNORED and for ids that are not the lobby's.
LobbyDecoder lobbyDecoderFor(int8_t commandId);

// Sign-in, session and notices.
void decodeClientInformation(Message& message, const DecoderContext& context);
void decodeLoginSuccess(Message& message, const DecoderContext& context);
void decodeLoginFail(Message& message, const DecoderContext& context);
void decodeRegisterInfo(Message& message, const DecoderContext& context);
void decodeGetInfo(Message& message, const DecoderContext& context);
void decodeGetSmsSyntax(Message& message, const DecoderContext& context);
void decodeSetMoneyError(Message& message, const DecoderContext& context);
void decodeNotice(Message& message, const DecoderContext& context);
void decodeShowEvent(Message& message, const DecoderContext& context);
void decodeAdminCommandResponse(Message& message, const DecoderContext& context);
void decodeVersion(Message& message, const DecoderContext& context);
void decodeStringList(Message& message, const DecoderContext& context);

// Rooms, tables, game choice and invitations.
void decodeRoomList(Message& message, const DecoderContext& context);
void decodeBoardList(Message& message, const DecoderContext& context);
void decodeSetGameTypeSuccess(Message& message, const DecoderContext& context);
void decodeInvitedJoinBoard(Message& message, const DecoderContext& context);

// Social, players and rankings.
void decodeChatFrom(Message& message, const DecoderContext& context);
void decodeFriendList(Message& message, const DecoderContext& context);
void decodeStrongestList(Message& message, const DecoderContext& context);
void decodeRichestList(Message& message, const DecoderContext& context);
void decodeAddFriend(Message& message, const DecoderContext& context);
void decodeDeleteFriend(Message& message, const DecoderContext& context);
void decodePlayerDetail(Message& message, const DecoderContext& context);
void decodeSearchResult(Message& message, const DecoderContext& context);
void decodeGetList(Message& message, const DecoderContext& context);

// Account, avatars and money.
void decodeTransferMoney(Message& message, const DecoderContext& context);
void decodeAvatar(Message& message, const DecoderContext& context);
void decodeAvatarList(Message& message, const DecoderContext& context);
void decodeUserData(Message& message, const DecoderContext& context);
void decodeSetMyUserData(Message& message, const DecoderContext& context);
void decodeBuyAvatarSuccess(Message& message, const DecoderContext& context);
void decodeMoneyInfo(Message& message, const DecoderContext& context);
void decodePurchaseInfo(Message& message, const DecoderContext& context);
void decodeGetImage(Message& message, const DecoderContext& context);

// The item shop, the wardrobe and gifts.
void decodeShopCommand(Message& message, const DecoderContext& context);

}  // namespace zuno
