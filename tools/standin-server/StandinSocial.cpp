#include "standin-server/StandinSocial.h"

#include <algorithm>

#include "platform/core/Log.h"
#include "platform/core/Text.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_CLIENT_INFORMATION_V2 = -35;
constexpr int8_t CS_CHAT_TO = 5;
constexpr int8_t CS_FRIEND_LIST = 29;
constexpr int8_t CS_STRONGEST = 30;
constexpr int8_t CS_RICHEST = 31;
constexpr int8_t CS_ADD_FRIEND = 32;
constexpr int8_t CS_DELETE_FRIEND = 33;
constexpr int8_t CS_PLAYER_INFO = 34;
constexpr int8_t CS_SEARCH_FRIEND = 36;
constexpr int8_t CS_GET_LIST = 78;
constexpr int8_t SC_CHAT_FROM = 5;
constexpr int8_t SC_FRIEND_LIST = 29;
constexpr int8_t SC_STRONGEST_LIST = 30;
constexpr int8_t SC_RICHEST_LIST = 31;
constexpr int8_t SC_ADD_FRIEND = 32;
constexpr int8_t SC_DELETE_FRIEND = 33;
constexpr int8_t SC_PLAYER_DETAIL = 34;
constexpr int8_t SC_SEARCH_RESULT = 36;
constexpr int8_t SC_GET_LIST = 78;
constexpr int8_t kTopList = 1, kWaitingList = 2;
constexpr int8_t kAdded = 0, kAlreadyFriend = 1, kTooManyFriends = 2;
constexpr int8_t kDeleted = 0, kNotAFriend = 1;
constexpr int32_t kUnknownPlayer = -1;
constexpr int8_t kTellFriendKey = 1;
// The robots that own the Tien Len table are never on the waiting list.
constexpr int32_t kTableRobots[] = {9001, 9002};

struct RankingTable {
    int8_t gameId;
    const char* info;
    const char* vietnamese;
};
constexpr RankingTable kRankingTables[] = {
    {0, StandinSocial::kRichestTable, StandinSocial::kRichestTableVi},
    {3, "The strongest at Tien Len", "Cao thủ Tiến Lên"},
    {12, "The strongest at Tien Len Mien Bac", "Cao thủ Tiến Lên Miền Bắc"},
    {7, "The strongest at Phom", "Cao thủ Phỏm"},
    {4, "The strongest at Poker", "Cao thủ Poker"},
};

void writeRanked(Message& m, const StandinAccount& a) {
    m.writeInt(a.id);
    m.writeUTF(a.name);
    m.writeLong(a.money);
    m.writeShort(a.avatar);
    m.writeInt(a.exp);
    m.writeUTF(a.status.value_or(std::string()));
}

// The accounts of one page, in the order given.
std::vector<StandinAccount> pageOf(const std::vector<StandinAccount>& ordered, int page) {
    std::vector<StandinAccount> shown;
    if (page < 0) return shown;
    const size_t first = static_cast<size_t>(page) * StandinSocial::kPageSize;
    for (size_t i = first; i < ordered.size() && i < first + StandinSocial::kPageSize; ++i) shown.push_back(ordered[i]);
    return shown;
}
}  // namespace

StandinSocial::StandinSocial(std::shared_ptr<StandinSignIn> signIn, Options options)
    : signIn_(std::move(signIn)), options_(options) {}

std::shared_ptr<StandinSocial> StandinSocial::installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn,
                                                        Options options) {
    std::shared_ptr<StandinSocial> social(new StandinSocial(std::move(signIn), options));
    social->install(server);
    return social;
}

void StandinSocial::install(StandinServer& server) {
    auto self = shared_from_this();
    signIn_->setInfo(kTellFriendKey, kTellFriendText, kTellFriendTextVi);
    server.on(CS_FRIEND_LIST, [self](StandinSession& s, Message&) { self->answerFriendList(s); });
    server.on(CS_SEARCH_FRIEND, [self](StandinSession& s, Message& m) { self->answerSearch(s, m); });
    server.on(CS_ADD_FRIEND, [self](StandinSession& s, Message& m) { self->answerAdd(s, m); });
    server.on(CS_DELETE_FRIEND, [self](StandinSession& s, Message& m) { self->answerDelete(s, m); });
    server.on(CS_CHAT_TO, [self](StandinSession& s, Message& m) { self->takeChat(s, m); });
    server.on(CS_PLAYER_INFO, [self](StandinSession& s, Message& m) { self->answerDetail(s, m); });
    server.on(CS_RICHEST, [self](StandinSession& s, Message& m) { self->answerRichest(s, m); });
    server.on(CS_STRONGEST, [self](StandinSession& s, Message& m) { self->answerStrongest(s, m); });
    // Other lists (the provinces) belong to the handler installed before.
    StandinServer::Handler lists = server.handlerFor(CS_GET_LIST);
    server.on(CS_GET_LIST, [self, lists](StandinSession& s, Message& m) {
        const int32_t start = m._idx();
        if (self->answerList(s, m)) return;
        m.set_idx(start);
        if (lists) lists(s, m);
    });
    StandinServer::Handler signedIn = server.handlerFor(CS_CLIENT_INFORMATION_V2);
    server.on(CS_CLIENT_INFORMATION_V2, [self, signedIn](StandinSession& s, Message& m) {
        self->greetLater(s);
        if (signedIn) signedIn(s, m);
    });
}

void StandinSocial::answerFriendList(StandinSession& session) {
    auto me = signIn_->accountOf(session);
    if (!me) return;
    Message answer(SC_FRIEND_LIST);
    for (int32_t id : me->friendIds) {
        auto mate = signIn_->accountWithId(id);
        if (!mate) continue;
        answer.writeInt(mate->id);
        answer.writeUTF(mate->name);
        answer.writeLong(mate->money);
        answer.writeShort(mate->avatar);
        answer.writeByte(signIn_->isOnline(mate->id) ? 1 : 0);
        answer.writeUTF(mate->status.value_or(std::string()));
    }
    session.send(answer);
}

// The account named exactly (but for case) comes first, then the names that hold the nick.
void StandinSocial::answerSearch(StandinSession& session, Message& request) {
    const std::string nick = sys::lowercase(request.readUTF().value_or(std::string()));
    std::vector<StandinAccount> exact, holding;
    if (!nick.empty()) {
        for (const StandinAccount& a : signIn_->accounts()) {
            const std::string name = sys::lowercase(a.name);
            if (name == nick) exact.push_back(a);
            else if (name.find(nick) != std::string::npos) holding.push_back(a);
        }
    }
    exact.insert(exact.end(), holding.begin(), holding.end());
    Message answer(SC_SEARCH_RESULT);
    for (const StandinAccount& a : exact) {
        answer.writeInt(a.id);
        answer.writeUTF(a.name);
    }
    session.send(answer);
}

void StandinSocial::answerAdd(StandinSession& session, Message& request) {
    const int32_t id = request.readInt();
    auto me = signIn_->accountOf(session);
    if (!me) return;
    int8_t result = kAdded;
    auto& friends = me->friendIds;
    if (id == me->id || !signIn_->accountWithId(id) || std::count(friends.begin(), friends.end(), id)) {
        result = kAlreadyFriend;
    } else if (friends.size() >= kMostFriends) {
        result = kTooManyFriends;
    } else {
        friends.push_back(id);
        signIn_->updateAccount(*me);
    }
    Message answer(SC_ADD_FRIEND);
    answer.writeByte(result);
    session.send(answer);
}

void StandinSocial::answerDelete(StandinSession& session, Message& request) {
    const int32_t id = request.readInt();
    auto me = signIn_->accountOf(session);
    if (!me) return;
    auto& friends = me->friendIds;
    auto it = std::find(friends.begin(), friends.end(), id);
    const bool found = it != friends.end();
    if (found) {
        friends.erase(it);
        signIn_->updateAccount(*me);
    }
    Message answer(SC_DELETE_FRIEND);
    answer.writeByte(found ? kDeleted : kNotAFriend);
    session.send(answer);
}

void StandinSocial::takeChat(StandinSession& session, Message& request) {
    const int32_t toId = request.readInt();
    const std::string text = request.readUTF().value_or(std::string());
    auto me = signIn_->accountOf(session);
    if (!me) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.push_back({toId, Line{me->id, text}});
    }
    if (toId == kAdminId) return;
    auto to = signIn_->accountWithId(toId);
    if (!to) {
        sys::Log::format("StandinServer: a line to the unknown id %d is dropped", toId);
        return;
    }
    if (!to->robot) {
        Message line(SC_CHAT_FROM);
        line.writeInt(me->id);
        line.writeUTF(me->name);
        line.writeUTF(text);
        signIn_->sendTo(toId, line);
        return;
    }
    const int32_t fromId = me->id;
    tasks_.after(options_.answerDelay, [this, robotId = to->id, name = to->name, fromId] {
        if (auto reader = signIn_->sessionOf(fromId)) robotWrites(robotId, fromId, answerOf(name, *reader));
    });
}

bool StandinSocial::robotWrites(int32_t robotId, int32_t toId, const std::string& text) {
    auto robot = signIn_->accountWithId(robotId);
    if (!robot) return false;
    Message line(SC_CHAT_FROM);
    line.writeInt(robot->id);
    line.writeUTF(robot->name);
    line.writeUTF(text);
    return signIn_->sendTo(toId, line);
}

std::string StandinSocial::answerOf(const std::string& robotName, const StandinSession& reader) {
    return reader.say(robotName + " here: good to hear from you :)", robotName + " đây: vui vì bạn nhắn tin :)");
}

std::string StandinSocial::greetingOf(const std::string& robotName, const StandinSession& reader) {
    return reader.say("Hello from " + robotName + "! Fancy a game of Tien Len? :D",
                      robotName + " chào bạn! Làm một ván Tiến Lên không? :D");
}

std::vector<StandinSocial::Line> StandinSocial::adminLines() const { return linesTo(kAdminId); }

std::vector<StandinSocial::Line> StandinSocial::linesTo(int32_t id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Line> lines;
    for (const auto& [to, line] : received_)
        if (to == id) lines.push_back(line);
    return lines;
}

void StandinSocial::greetLater(StandinSession& session) {
    if (!options_.greetingDelay) return;
    auto me = signIn_->accountOf(session);
    if (!me || me->friendIds.empty()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (std::count(greeted_.begin(), greeted_.end(), me->id)) return;
        greeted_.push_back(me->id);
    }
    const int32_t robotId = me->friendIds.front();
    const int32_t toId = me->id;
    tasks_.after(*options_.greetingDelay, [this, robotId, toId] {
        auto robot = signIn_->accountWithId(robotId);
        auto reader = signIn_->sessionOf(toId);
        if (robot && reader) robotWrites(robotId, toId, greetingOf(robot->name, *reader));
    });
}

void StandinSocial::answerDetail(StandinSession& session, Message& request) {
    auto player = signIn_->accountWithId(request.readInt());
    Message answer(SC_PLAYER_DETAIL);
    if (!player) {
        answer.writeInt(kUnknownPlayer);
    } else {
        answer.writeInt(player->id);
        answer.writeUTF(player->name);
        answer.writeLong(player->money);
        answer.writeShort(player->avatar);
        for (int32_t n : {player->exp, player->won, player->lost, player->drawn, player->givenUp}) answer.writeInt(n);
    }
    session.send(answer);
}

bool StandinSocial::answerList(StandinSession& session, Message& request) {
    const int8_t type = request.readByte();
    Message answer(SC_GET_LIST);
    answer.writeByte(type);
    if (type == kTopList) {
        for (const RankingTable& t : kRankingTables) {
            answer.writeByte(t.gameId);
            answer.writeUTF(session.say(t.info, t.vietnamese));
        }
    } else if (type == kWaitingList) {
        for (const StandinAccount& a : signIn_->accounts()) {
            if (!a.robot || !signIn_->isOnline(a.id)) continue;
            if (std::count(std::begin(kTableRobots), std::end(kTableRobots), a.id)) continue;
            writeRanked(answer, a);
        }
    } else {
        return false;
    }
    session.send(answer);
    return true;
}

void StandinSocial::answerRichest(StandinSession& session, Message& request) {
    const int8_t page = request.readByte();
    std::vector<StandinAccount> all = signIn_->accounts();
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.money > b.money; });
    Message answer(SC_RICHEST_LIST);
    answer.writeByte(page);
    for (const StandinAccount& a : pageOf(all, page)) writeRanked(answer, a);
    session.send(answer);
}

void StandinSocial::answerStrongest(StandinSession& session, Message& request) {
    const int8_t gameId = request.readByte();
    const int32_t page = request.readInt();
    std::vector<StandinAccount> all = signIn_->accounts();
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.exp > b.exp; });
    Message answer(SC_STRONGEST_LIST);
    answer.writeByte(gameId);
    answer.writeByte(static_cast<int8_t>(page));
    for (const StandinAccount& a : pageOf(all, page)) writeRanked(answer, a);
    session.send(answer);
}

}  // namespace zuno::standin
