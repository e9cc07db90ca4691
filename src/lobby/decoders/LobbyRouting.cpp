#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/ILobbyUi.h"
#include "lobby/decoders/LobbyDecoders.h"

namespace zuno {

void DecoderContext::handOver(std::function<void(GlobalLogicHandler&)> call) const {
    GlobalMessageHandler::onMainThread([logic = logic_, call = std::move(call)] { call(*logic); });
}

void DecoderContext::handOverWithUi(std::function<void(GlobalLogicHandler&, ILobbyUi&)> work) const {
    GlobalMessageHandler::onMainThread([logic = logic_, ui = ui_, work = std::move(work)] { work(*logic, *ui); });
}

LobbyDecoder lobbyDecoderFor(int8_t commandId) {
    using C = LobbyCommand;
    switch (commandId) {
        case C::SC_CLIENT_INFORMATION: return decodeClientInformation;
        case C::SC_LOGIN_SUCCESS: return decodeLoginSuccess;
        case C::SC_LOGIN_FAIL: return decodeLoginFail;
        case C::SC_CHAT_FROM: return decodeChatFrom;
        case C::SC_ROOM_LIST: return decodeRoomList;
        case C::SC_BOARD_LIST: return decodeBoardList;
        case C::SC_SET_MONEY_ERROR: return decodeSetMoneyError;
        case C::SC_TRANSFER_MONEY: return decodeTransferMoney;
        case C::SC_FRIEND_LIST: return decodeFriendList;
        case C::SC_STRONGEST_LIST: return decodeStrongestList;
        case C::SC_RICHEST_LIST: return decodeRichestList;
        case C::SC_ADD_FRIEND: return decodeAddFriend;
        case C::SC_DELETE_FRIEND: return decodeDeleteFriend;
        case C::SC_PLAYER_DETAIL: return decodePlayerDetail;
        case C::SC_REGISTER_INFO: return decodeRegisterInfo;
        case C::SC_SEARCH_RESULT: return decodeSearchResult;
        case C::SC_AVATAR: return decodeAvatar;
        case C::SC_AVATAR_LIST: return decodeAvatarList;
        case C::SC_USER_DATA: return decodeUserData;
        case C::SC_SET_MY_USER_DATA: return decodeSetMyUserData;
        case C::SC_BUY_AVATAR_SUCCESS: return decodeBuyAvatarSuccess;
        case C::SC_MONEY_INFO: return decodeMoneyInfo;
        case C::SC_NOTICE: return decodeNotice;
        case C::SC_SHOW_EVENT: return decodeShowEvent;
        case C::SC_ADMIN_COMMAND_RESPONSE: return decodeAdminCommandResponse;
        case C::SC_VERSION: return decodeVersion;
        case C::SC_STRING_LIST: return decodeStringList;
        case C::SC_SET_GAME_TYPE_SUCCESS: return decodeSetGameTypeSuccess;
        case C::SC_PURCHASE_INFO: return decodePurchaseInfo;
        case C::SC_GET_INFO: return decodeGetInfo;
        case C::SC_GET_SMS_SYNTAX: return decodeGetSmsSyntax;
        case C::SC_INVITED_JOIN_BOARD: return decodeInvitedJoinBoard;
        case C::SC_GET_LIST: return decodeGetList;
        case C::SC_GET_IMAGE: return decodeGetImage;
        case C::SC_SHOP_COMMAND: return decodeShopCommand;
        default: return nullptr;
    }
}

}  // namespace zuno
