// Private messages, friends, user search, another player's details, rankings and the lists chosen by a
// type byte. In these player lists `isReady` carries the online state.
#include "lobby/GlobalLogicHandler.h"
#include "lobby/decoders/LobbyDecoders.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {
constexpr int32_t kPlayerNotShown = -1;

enum GetListType : int8_t {
    SC_SUB_TOP_LIST = 1,
    SC_SUB_WAITING_LIST = 2,
    SC_SUB_PROVINCE_LIST = 3,
};

// A ranking or waiting-list entry: id, name, money, avatar, experience and status line; listed players
// count as online.
PlayerPtr readRankedPlayer(Message& message) {
    auto player = std::make_shared<Player>();
    player->setIDDB(message.readInt());
    player->setName(message.readUTF().value_or(std::string()));
    player->setMoney(message.readLong());
    player->setAvatar(message.readShort());
    player->setExp(message.readInt());
    player->setIsReady(true);
    player->userProfile()->setStatus(message.readUTF());
    return player;
}

GlobalLogicHandler::Players readRankedPlayers(Message& message) {
    GlobalLogicHandler::Players players;
    while (message.available()) players.push_back(readRankedPlayer(message));
    return players;
}
}  // namespace

void decodeChatFrom(Message& message, const DecoderContext& context) {
    auto mail = std::make_shared<ZunoMessage>();
    mail->setFromID(message.readInt());
    mail->setFromName(message.readUTF().value_or(std::string()));
    mail->setMessage(message.readUTF().value_or(std::string()));
    context.handOver([mail](GlobalLogicHandler& logic) { logic.onChatFromWithMessage(mail); });
}

void decodeFriendList(Message& message, const DecoderContext& context) {
    GlobalLogicHandler::Players friends;
    while (message.available()) {
        auto player = std::make_shared<Player>();
        player->setIDDB(message.readInt());
        player->setName(message.readUTF().value_or(std::string()));
        player->setMoney(message.readLong());
        player->setAvatar(message.readShort());
        player->setIsReady(message.readByte() != 0);
        auto profile = std::make_shared<User>();
        profile->setStatus(message.readUTF());
        player->setUserProfile(std::move(profile));
        friends.push_back(std::move(player));
    }
    context.handOver([friends = std::move(friends)](GlobalLogicHandler& logic) { logic.onFriendList(friends); });
}

void decodeStrongestList(Message& message, const DecoderContext& context) {
    // The game comes before the page on the wire.
    const int8_t gameId = message.readByte();
    const int32_t page = message.readByte();
    auto players = readRankedPlayers(message);
    context.handOver([=](GlobalLogicHandler& logic) { logic.onStrongestListWithPage(page, gameId, players); });
}

void decodeRichestList(Message& message, const DecoderContext& context) {
    const int32_t page = message.readByte();
    auto players = readRankedPlayers(message);
    context.handOver([=](GlobalLogicHandler& logic) { logic.onRichestListWithPage(page, players); });
}

void decodeAddFriend(Message& message, const DecoderContext& context) {
    const int8_t result = message.readByte();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onAddFriendWithResult(result); });
}

void decodeDeleteFriend(Message& message, const DecoderContext& context) {
    const int8_t result = message.readByte();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onDelFriendResult(result); });
}

void decodePlayerDetail(Message& message, const DecoderContext& context) {
    if (message.readInt() == kPlayerNotShown) {
        sys::Log::line("Không thể xem thông tin");
        return;
    }
    PlayerDetail detail;
    detail.name = message.readUTF();
    detail.money = message.readLong();
    detail.avatar = message.readShort();
    detail.exp = message.readInt();
    detail.won = message.readInt();
    detail.lost = message.readInt();
    detail.drawn = message.readInt();
    detail.givenUp = message.readInt();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onPlayerDetail(detail); });
}

void decodeSearchResult(Message& message, const DecoderContext& context) {
    GlobalLogicHandler::Players found;
    while (message.available()) {
        auto player = std::make_shared<Player>();
        player->setIDDB(message.readInt());
        player->setName(message.readUTF().value_or(std::string()));
        found.push_back(std::move(player));
    }
    context.handOver([found = std::move(found)](GlobalLogicHandler& logic) { logic.onSearchResult(found); });
}

void decodeGetList(Message& message, const DecoderContext& context) {
    switch (message.readByte()) {
        case SC_SUB_TOP_LIST: {
            std::vector<std::shared_ptr<Ranking>> rankings;
            while (message.available()) {
                auto ranking = std::make_shared<Ranking>();
                ranking->setGameId(message.readByte());
                ranking->setInfo(message.readUTF());
                rankings.push_back(std::move(ranking));
            }
            context.handOver([rankings = std::move(rankings)](GlobalLogicHandler& logic) { logic.onGetTopLit(rankings); });
            break;
        }
        case SC_SUB_WAITING_LIST: {
            auto players = readRankedPlayers(message);
            context.handOver([players = std::move(players)](GlobalLogicHandler& logic) { logic.onWaitingList(players); });
            break;
        }
        case SC_SUB_PROVINCE_LIST: {
            Province::List provinces;
            while (message.available()) {
                const int8_t pId = message.readByte();
                provinces.push_back(std::make_shared<Province>(pId, message.readUTF().value_or(std::string())));
            }
            context.handOver([provinces = std::move(provinces)](GlobalLogicHandler& logic) { logic.onProvinceList(provinces); });
            break;
        }
        default:
            break;
    }
}

}  // namespace zuno
