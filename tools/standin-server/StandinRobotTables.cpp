#include "standin-server/StandinRobotTables.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/core/Log.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_LOGIN = 1;
constexpr int8_t CS_CLIENT_INFORMATION_V2 = -35;
constexpr int8_t CS_JOIN_BOARD = 8;
constexpr int8_t CS_CHAT_BOARD = 9;
constexpr int8_t CS_KICK = 11;
constexpr int8_t CS_LEAVE_BOARD = 15;
constexpr int8_t CS_READY = 16;
constexpr int8_t CS_SET_MONEY = 19;
constexpr int8_t CS_START_GAME = 20;
constexpr int8_t CS_INVITE = 74;
constexpr int8_t SC_JOINBOARD_SUCCESS = 8;
constexpr int8_t SC_SET_MONEY_ERROR = 10;
constexpr int8_t SC_CHAT_FROM_BOARD = 9;
constexpr int8_t SC_KICK = 11;
constexpr int8_t SC_SOMEONE_JOINBOARD = 12;
constexpr int8_t SC_SOMEONE_READY = 16;
constexpr int8_t SC_SET_MONEY = 19;
constexpr int8_t SC_INVITED_JOIN_BOARD = 74;
// The robots who sit down after the player beyond Binh, in the order of the game's robot places.
constexpr int32_t kMoreRobotIds[] = {9008, 9009, 9011, 9013, 9015, 9017, 9018, 9020};

StandinRobotTables::Place seat(int32_t id, std::string name, int16_t avatar, int32_t exp, bool robot) {
    StandinRobotTables::Place p;
    p.id = id;
    p.name = std::move(name);
    p.avatar = avatar;
    p.exp = exp;
    p.robot = robot;
    return p;
}

// The game's name as a Vietnamese player reads it in the lobby; none for a game this list lacks.
const char* vietnameseGameName(int8_t gameType) {
    switch (gameType) {
        case 1: return "Cờ Caro";
        case 2: return "Xì Zách";
        case 3: return "Tiến Lên";
        case 4: return "Poker";
        case 5: return "Cờ Tướng";
        case 7: return "Phỏm";
        case 8: return "Xếp Gạch";
        case 9: return "Cờ Vua";
        case 11: return "Bài Cào";
        case 12: return "Tiến Lên Miền Bắc";
        case 13: return "Phỏm mới";
        default: return nullptr;
    }
}

// A robot's invitation in the player's language: the game's own English text, or its Vietnamese one.
std::string invitationFor(const StandinSession& guest, const StandinRobotGame& game) {
    const char* name = vietnameseGameName(game.gameType());
    if (!name) return game.invitationText();
    return guest.say(game.invitationText(), std::string("An mời bạn vào một bàn ") + name + ".");
}
}  // namespace

int StandinRobotGame::places() const { return StandinRobotTables::kCardPlaces; }

int StandinRobotGame::turnSeconds(const StandinRobotTables& table) const { return table.options().turnSeconds; }

Message StandinRobotGame::joinReply(const StandinRobotTables& table) const { return table.joinReply(table.stake()); }

Message StandinRobotGame::sitsDown(const StandinRobotTables& table, int place) const { return table.sitsDown(place); }

bool holdsAll(const std::vector<int8_t>& hand, const std::vector<int8_t>& cards) {
    std::vector<int8_t> rest = hand;
    for (int8_t id : cards) {
        auto it = std::find(rest.begin(), rest.end(), id);
        if (it == rest.end()) return false;
        rest.erase(it);
    }
    return true;
}

void removeCards(std::vector<int8_t>& from, const std::vector<int8_t>& cards) {
    for (int8_t id : cards) {
        auto it = std::find(from.begin(), from.end(), id);
        if (it != from.end()) from.erase(it);
    }
}

std::string cardsText(const std::vector<int8_t>& cards) {
    std::string out = "[";
    for (int8_t id : cards) {
        if (out.size() > 1) out += ' ';
        out += std::to_string(id);
    }
    return out + ']';
}

StandinRobotTables::StandinRobotTables(std::shared_ptr<StandinSignIn> signIn, std::shared_ptr<StandinLobbyLists> lists,
                                       Options options)
    : signIn_(std::move(signIn)),
      lists_(std::move(lists)),
      options_(options),
      random_(options.seed.value_or(std::random_device()())),
      tasks_(options.stepsRunByTests) {}

StandinRobotTables::~StandinRobotTables() = default;

std::shared_ptr<StandinRobotTables> StandinRobotTables::installOn(StandinServer& server,
                                                                  std::shared_ptr<StandinSignIn> signIn,
                                                                  std::shared_ptr<StandinLobbyLists> lists,
                                                                  Options options) {
    std::shared_ptr<StandinRobotTables> tables(new StandinRobotTables(std::move(signIn), std::move(lists), options));
    tables->install(server);
    return tables;
}

// Takes what `take` accepts (with the lock held) and hands everything else to the handler installed before.
// The server's handlers keep the loop (and its worker) alive as long as they are installed.
void StandinRobotTables::chain(int8_t commandId, std::function<bool(StandinSession&, Message&)> take) {
    chained_.insert(commandId);
    StandinServer::Handler before = server_->handlerFor(commandId);
    server_->on(commandId, [this, self = shared_from_this(), before, take = std::move(take)](StandinSession& session,
                                                                                              Message& message) {
        const int32_t start = message._idx();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (take(session, message)) return;
        }
        message.set_idx(start);
        if (before) before(session, message);
    });
}

void StandinRobotTables::install(StandinServer& server) {
    server_ = &server;
    // Who signs in; the sign-in road answers.
    chain(CS_LOGIN, [this](StandinSession& session, Message&) {
        auto latest = server_->latestClient();
        if (latest.get() == &session && session_ != latest) {
            endTable();
            session_ = latest;
            invited_.reset();
        }
        return false;
    });
    // The second client information follows a successful login: the player is in the lobby.
    chain(CS_CLIENT_INFORMATION_V2, [this](StandinSession& session, Message&) {
        if (session_.get() == &session && signIn_->accountOf(session)) inviteLater(options_.invitationDelay);
        return false;
    });
    chain(CS_JOIN_BOARD, [this](StandinSession& session, Message& m) { return join(session, m); });
    chain(CS_LEAVE_BOARD, [this](StandinSession& session, Message& m) {
        if (!atTable(session, m)) return false;
        leaveTable();
        return true;
    });
    chain(CS_READY, [this](StandinSession& session, Message& m) {
        if (!atTable(session, m)) return false;
        setReady(playerPlace_, m.readBool());
        return true;
    });
    chain(CS_START_GAME, [this](StandinSession& session, Message& m) {
        if (!atTable(session, m)) return false;
        // Only the owner starts, and only when everyone is ready.
        const Text* refused = ownerPlace_ != playerPlace_ ? &kNotTheOwnerToStart
                              : playing_                   ? &kAlreadyDealing
                              : !everyoneReady()           ? &kNotEveryoneReady
                                                           : nullptr;
        if (refused) {
            refuseStart(*refused);
            return true;
        }
        game_->startRequested(*this, m);
        startDeal();
        return true;
    });
    chain(CS_KICK, [this](StandinSession& session, Message& m) {
        if (!atTable(session, m)) return false;
        kick(m.readInt());
        return true;
    });
    chain(CS_SET_MONEY, [this](StandinSession& session, Message& m) {
        if (!atTable(session, m)) return false;
        setStake(m.readInt());
        return true;
    });
    chain(CS_CHAT_BOARD, [this](StandinSession& session, Message& m) {
        if (!atTable(session, m)) return false;
        answerChat();
        return true;
    });
    // The invitation names only whom: it is to the table the player sits at.
    chain(CS_INVITE, [this](StandinSession& session, Message& m) {
        if (!game_ || session_.get() != &session) return false;
        invite(m.readInt());
        return true;
    });
}

void StandinRobotTables::addGame(std::shared_ptr<StandinRobotGame> game) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int8_t command : game->commands()) {
        if (chained_.count(command)) continue;
        chain(command, [this, command](StandinSession& session, Message& m) {
            if (!game_ || !atTable(session, m) || !game_->take(*this, command, m)) return false;
            ++playerRequestsTaken_;
            return true;
        });
    }
    games_[game->gameType()] = std::move(game);
}

void StandinRobotTables::setNextInvitation(int8_t gameType, StandinTableKind kind) {
    std::lock_guard<std::mutex> lock(mutex_);
    invitation_.setNext(gameType, kind);
}

void StandinRobotTables::setInvitationRotation(std::vector<StandinInvitation::Choice> choices) {
    std::lock_guard<std::mutex> lock(mutex_);
    invitation_.setRotation(std::move(choices));
}

void StandinRobotTables::schedule(double delay, Task task) {
    longestStep_ = std::max(longestStep_, delay);
    later(delay, std::move(task));
}

void StandinRobotTables::later(double delay, Task task) {
    tasks_.after(delay, [this, task = std::move(task), table = tableSerial_] {
        std::lock_guard<std::mutex> lock(mutex_);
        if (table != tableSerial_) return;
        stepOf_ = table;
        task();
        stepOf_.reset();
    });
}

void StandinRobotTables::send(const Message& message) {
    if (watch_.sent) watch_.sent(message, !leaving_);
    if (stepOf_ && *stepOf_ != tableSerial_ && leftTableSpeaks_) leftTableSpeaks_(message);
    if (session_ && !leaving_) session_->send(message);
}

std::string StandinRobotTables::say(const std::string& english, const std::string& vietnamese) const {
    return session_ ? session_->say(english, vietnamese) : english;
}

Message StandinRobotTables::tableMessage(int8_t commandId) const {
    Message m(commandId);
    m.writeByte(room_);
    m.writeByte(board_);
    return m;
}

int32_t StandinRobotTables::playerAccountId() const {
    auto account = session_ ? signIn_->accountOf(*session_) : std::nullopt;
    return account ? account->id : -1;
}

std::shared_ptr<StandinRobotGame> StandinRobotTables::gameOf(int8_t gameType) const {
    auto it = games_.find(gameType);
    return it == games_.end() ? nullptr : it->second;
}

void StandinRobotTables::inviteLater(double delay) {
    if (invited_ || game_) return;
    auto choice = invitation_.current(playerAccountId());
    auto game = choice ? gameOf(choice->gameType) : nullptr;
    if (!game) return;
    invited_ = choice;
    schedule(delay, [this, game] {
        if (!game_ && session_ && invited_) sendInvitation(*game);
    });
}

void StandinRobotTables::inviteNow() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (game_ || !session_) return;
    auto choice = invitation_.current(playerAccountId());
    auto game = choice ? gameOf(choice->gameType) : nullptr;
    if (!game) return;
    invited_ = choice;
    sendInvitation(*game);
}

void StandinRobotTables::sendInvitation(const StandinRobotGame& game) {
    inviteTo(*session_, game.gameType(), game.room(), game.board(), invitationFor(*session_, game));
}

// The robots' tables have no password; the lobby admits the invited player's join with the empty one.
void StandinRobotTables::inviteTo(StandinSession& guest, int8_t gameType, int8_t room, int8_t board,
                                  const std::string& text) {
    const std::string password;
    if (lists_) lists_->invited(guest, gameType, room, board, password);
    Message invitation(SC_INVITED_JOIN_BOARD);
    invitation.writeByte(gameType);
    invitation.writeByte(room);
    invitation.writeByte(board);
    invitation.writeUTF(password);
    invitation.writeUTF(text);
    guest.send(invitation);
}

void StandinRobotTables::joinRefused(StandinSession& session, int8_t room, int8_t board) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (session_.get() != &session || game_ || !invited_) return;
    auto game = gameOf(invited_->gameType);
    if (game && game->room() == room && game->board() == board) inviteToTheNext(false);
}

void StandinRobotTables::inviteToTheNext(bool afterTheNotice) {
    invited_.reset();
    invitation_.advance(playerAccountId());
    // The invitation's dialog would dismiss the notice's, and the client says nothing when the notice
    // has been read: the player gets the time to read it first.
    inviteLater(afterTheNotice ? std::max(options_.invitationDelay, kNoticeReadingSeconds) : options_.invitationDelay);
}

// The player at the table invites someone: an online robot sits down after the robot pause and gets
// ready; an account with a connection is invited to this table. Anyone else is not answered.
void StandinRobotTables::invite(int32_t userId) {
    std::optional<StandinAccount> guest = signIn_->accountWithId(userId);
    if (!guest || !signIn_->isOnline(userId)) return;
    if (!guest->robot) {
        if (auto session = signIn_->sessionOf(userId))
            inviteTo(*session, game_->gameType(), room_, board_,
                     session->say(places_[playerPlace_].name + " invites you to a table.",
                                  places_[playerPlace_].name + " mời bạn vào bàn chơi."));
        return;
    }
    schedule(options_.robotDelay, [this, guest = *guest, serial = tableSerial_] {
        if (game_ && serial == tableSerial_ && !playing_ && placeOf(guest.id) < 0) seatGuest(guest);
    });
}

// In the first free place other than the later robots', so that they still come back after a kick.
void StandinRobotTables::seatGuest(const StandinAccount& guest) {
    const std::vector<int> kept = game_->robotPlaces();
    int free = 0;
    const int count = placeCount();
    while (free < count &&
           (std::find(kept.begin(), kept.end(), free) != kept.end() || !places_[free].empty()))
        ++free;
    if (free == count) return;
    places_[free] = seat(guest.id, guest.name, guest.avatar, guest.exp, true);
    robotSitsDown(free);
}

// A robot just seated in `place` is announced and gets ready.
void StandinRobotTables::robotSitsDown(int place) {
    game_->seatsChanged(*this, false);
    send(game_->sitsDown(*this, place));
    setReady(place, true);
}

Message StandinRobotTables::sitsDown(int place) const {
    const Place& p = places_[static_cast<size_t>(place)];
    Message sits(SC_SOMEONE_JOINBOARD);
    sits.writeByte(static_cast<int8_t>(place));
    sits.writeInt(p.id);
    sits.writeUTF(p.name);
    sits.writeLong(moneyOf(p));
    sits.writeShort(p.avatar);
    sits.writeInt(p.exp);
    return sits;
}

bool StandinRobotTables::join(StandinSession& session, Message& request) {
    const int8_t room = request.readByte();
    const int8_t board = request.readByte();
    if (session_.get() != &session) return false;
    std::optional<StandinAccount> player = signIn_->accountOf(session);
    if (!player) return false;
    std::shared_ptr<StandinRobotGame> game;
    StandinTableKind kind = StandinTableKind::Robots;
    if (invited_) {
        auto invitedGame = gameOf(invited_->gameType);
        if (invitedGame && room == invitedGame->room() && board == invitedGame->board()) {
            game = invitedGame;
            kind = invited_->kind;
        }
    }
    // A table of the list of the game the player plays: the robots of that game sit there too.
    if (!game && lists_) {
        const int8_t played = lists_->chosenGame(session);
        if (lists_->table(played, room, board)) game = gameOf(played);
    }
    if (!game) return false;
    // A player joins one table at a time: a join taken from a table (an invitation taken up there) ends
    // it as a leave does. One not taken leaves him where he sits.
    if (game_) endTable();
    seatPlayer(game, room, board, kind, *player);
    return true;
}

void StandinRobotTables::seatPlayer(const std::shared_ptr<StandinRobotGame>& game, int8_t room, int8_t board,
                                    StandinTableKind kind, const StandinAccount& player) {
    game_ = game;
    room_ = room;
    board_ = board;
    playing_ = false;
    turn_ = -1;
    ++tableSerial_;
    stake_ = kStake;
    longestStep_ = 0;
    places_ = {};
    watchers_.clear();
    const bool robots = kind == StandinTableKind::Robots;
    ownerPlace_ = 0;
    playerPlace_ = robots ? 1 : 0;
    if (robots) {
        places_[0] = seat(kOwnerId, "An", 3, 900, true);
        places_[0].money = kOwnerMoney;
        places_[0].ready = true;
    }
    places_[playerPlace_] = seat(player.id, player.name, player.avatar, player.exp, false);
    // The room and table lists the player asks for after leaving are this game's.
    if (lists_ && session_) lists_->choose(*session_, game_->gameType());
    game_->seatsChanged(*this, true);
    send(game_->joinReply(*this));
    seatRobotsLater();
}

Message StandinRobotTables::joinReply(int32_t stake) const {
    Message reply(SC_JOINBOARD_SUCCESS);
    reply.writeByte(room_);
    reply.writeByte(board_);
    reply.writeInt(places_[ownerPlace_].id);
    reply.writeInt(stake);
    auto write = [this, &reply](const Place& p) {
        reply.writeInt(p.id);
        if (p.empty()) return;
        reply.writeUTF(p.name);
        reply.writeLong(moneyOf(p));
        reply.writeShort(p.avatar);
        reply.writeInt(p.exp);
        reply.writeBool(p.ready);
    };
    for (int i = 0; i < placeCount(); ++i) write(places_[static_cast<size_t>(i)]);
    for (const Place& watcher : watchers_) write(watcher);
    return reply;
}

int StandinRobotTables::placeCount() const { return game_ ? std::min(game_->places(), kMaxPlaces) : 0; }

// Binh, then the robots of kMoreRobotIds.
std::optional<StandinRobotTables::Place> StandinRobotTables::laterRobot(int index) const {
    if (index == 0) {
        Place binh = seat(kRobotId, "Binh", 5, 420, true);
        binh.money = kRobotMoney;
        return binh;
    }
    if (index > static_cast<int>(std::size(kMoreRobotIds))) return std::nullopt;
    auto account = signIn_->accountWithId(kMoreRobotIds[index - 1]);
    if (!account) return std::nullopt;
    return seat(account->id, account->name, account->avatar, account->exp, true);
}

// The robots of the game's robot places that are free come a moment later and get ready.
void StandinRobotTables::seatRobotsLater() {
    schedule(options_.robotDelay, [this, serial = tableSerial_] {
        if (!game_ || serial != tableSerial_ || playing_) return;
        const std::vector<int> robotPlaces = game_->robotPlaces();
        for (size_t k = 0; k < robotPlaces.size(); ++k) {
            const int at = robotPlaces[k];
            if (at < 0 || at >= placeCount() || !places_[static_cast<size_t>(at)].empty()) continue;
            auto robot = laterRobot(static_cast<int>(k));
            if (!robot || placeOf(robot->id) >= 0) continue;
            places_[static_cast<size_t>(at)] = *robot;
            robotSitsDown(at);
        }
    });
}

bool StandinRobotTables::atTable(StandinSession& session, Message& request) {
    return game_ && session_.get() == &session && request.readByte() == room_ && request.readByte() == board_;
}

void StandinRobotTables::leaveTable() { inviteToTheNext(endTable()); }

bool StandinRobotTables::endTable() {
    if (game_ && session_ && tableEnds_) tableEnds_(*session_);
    bool told = false;
    if (game_ && playing_) {
        leaving_ = true;
        leaversHand_ = false;
        game_->playerLeaves(*this, playerPlace_);
        leaving_ = false;
        // Of a deal he had no part in (he only watched it) nothing of his was settled: nothing to tell.
        if (leaversHand_) told = tellTheLeaverHisMoney();
    }
    game_.reset();
    playing_ = false;
    places_ = {};
    watchers_.clear();
    turn_ = -1;
    ++turnSerial_;
    ++tableSerial_;
    return told;
}

// Nothing of the deal he left reaches him, so the server tells him where it left his balance.
bool StandinRobotTables::tellTheLeaverHisMoney() {
    const int32_t id = playerAccountId();
    const std::optional<int64_t> balance = id == -1 ? std::nullopt : signIn_->balance(id);
    if (!balance) return false;
    const std::string amount = xu(*balance);
    const std::string text = say("The game you left has been settled: you have " + amount + " now.",
                                 "Ván bạn vừa rời đã được tính tiền: bạn còn " + amount + ".");
    return session_->send(moneyMessage(*balance, text));
}

void StandinRobotTables::leaversHandSettled() {
    if (leaving_) leaversHand_ = true;
}

void StandinRobotTables::setReady(int place, bool ready) {
    if (playing_ || places_[place].empty()) return;
    places_[place].ready = ready;
    Message m(SC_SOMEONE_READY);
    m.writeInt(places_[place].id);
    m.writeBool(ready);
    send(m);
    startWhenReady();
}

bool StandinRobotTables::everyoneReady() const {
    int seated = 0;
    for (int i = 0; i < placeCount(); ++i) {
        if (places_[i].empty()) continue;
        ++seated;
        if (i != ownerPlace_ && !places_[i].ready) return false;
    }
    return seated >= 2;
}

// A robot owner starts once everyone is ready; the player as owner starts with the start request.
void StandinRobotTables::startWhenReady() {
    if (ownerPlace_ == playerPlace_ || !game_->dealsWhenReady() || !everyoneReady()) return;
    schedule(options_.robotDelay, [this, serial = tableSerial_] {
        if (game_ && serial == tableSerial_ && !playing_ && everyoneReady()) startDeal();
    });
}

void StandinRobotTables::startDeal() {
    playing_ = true;
    ++dealsStarted_;
    for (int i = 0; i < placeCount(); ++i) places_[i].ready = i == ownerPlace_;
    game_->deal(*this);
}

void StandinRobotTables::startTurn(int place) {
    turn_ = place;
    const uint64_t serial = ++turnSerial_;
    if (places_[place].robot) {
        schedule(options_.robotDelay, [this, place, serial] { playRobotTurn(place, serial); });
        return;
    }
    playerTurnSeconds_ = game_->turnSeconds(*this);
    ++playerTurnsStarted_;
    playerTurnBeganAt_ = now();
    if (options_.holdPlayerTurns) return;
    later(playerTurnSeconds_ + kPassGraceSeconds, [this, place, serial] {
        if (game_ && playing_ && turn_ == place && turnSerial_ == serial) runOutTurn(place);
    });
}

std::optional<int> StandinRobotTables::playerTurnSeconds() const {
    if (!game_ || !playing_ || turn_ != playerPlace_) return std::nullopt;
    return playerTurnSeconds_;
}

void StandinRobotTables::playRobotTurn(int place, uint64_t serial) {
    if (!game_ || !playing_ || turn_ != place || turnSerial_ != serial) return;
    if (robotTurnsHeld_) {
        heldRobotTurn_ = serial;
        return;
    }
    // A refused move was not made, and a robot's turn has no clock to end it.
    const auto refusedAndOpen = [&](int refusedBefore) {
        return robotMovesRefused_ != refusedBefore && game_ && playing_ && turn_ == place && turnSerial_ == serial;
    };
    int refused = robotMovesRefused_;
    game_->robotTurn(*this, place);
    if (!refusedAndOpen(refused)) return;
    refused = robotMovesRefused_;
    game_->robotFallback(*this, place);
    if (refusedAndOpen(refused)) game_->robotGivesUp(*this, place);
}

void StandinRobotTables::holdRobotTurns(bool hold) {
    std::lock_guard<std::mutex> lock(mutex_);
    robotTurnsHeld_ = hold;
    if (hold || !heldRobotTurn_) return;
    const uint64_t serial = *heldRobotTurn_;
    heldRobotTurn_.reset();
    schedule(0, [this, place = turn_, serial] { playRobotTurn(place, serial); });
}

bool StandinRobotTables::runOutPlayerTurn() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!game_ || !playing_ || turn_ != playerPlace_) return false;
    runOutTurn(turn_);
    return true;
}

void StandinRobotTables::whenATableEnds(std::function<void(StandinSession&)> work) {
    std::lock_guard<std::mutex> lock(mutex_);
    tableEnds_ = std::move(work);
}

void StandinRobotTables::whenALeftTableSpeaks(std::function<void(const Message&)> work) {
    std::lock_guard<std::mutex> lock(mutex_);
    leftTableSpeaks_ = std::move(work);
}

void StandinRobotTables::runOutTurn(int place) {
    ++playerTurnsRunOut_;
    lastPlayerTurnRunOut_ = RunOut{now(), playerRequestsTaken_};
    game_->turnTimeOver(*this, place);
}

void StandinRobotTables::seatForTests(int8_t gameType, StandinTableKind kind, const StandinAccount& player) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (auto game = gameOf(gameType)) seatPlayer(game, game->room(), game->board(), kind, player);
}

void StandinRobotTables::watchForTests(Watch watch) {
    std::lock_guard<std::mutex> lock(mutex_);
    watch_ = std::move(watch);
}

void StandinRobotTables::refuseRobotMovesForTests(int moves, bool fallbacksToo) {
    std::lock_guard<std::mutex> lock(mutex_);
    robotMovesToRefuse_ = moves;
    robotFallbacksRefused_ = fallbacksToo;
}

void StandinRobotTables::inviteAtTheTableForTests(int8_t gameType, StandinTableKind kind) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto game = gameOf(gameType);
    if (!game || !session_) return;
    invited_ = StandinInvitation::Choice{gameType, kind};
    sendInvitation(*game);
}

void StandinRobotTables::kickThePlayerForTests() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!game_) return;
    Message kicked = tableMessage(SC_KICK);
    kicked.writeInt(playerAccountId());
    send(kicked);
    leaveTable();
}

void StandinRobotTables::leaveForTests() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (game_) leaveTable();
}

void StandinRobotTables::dealOver() {
    playing_ = false;
    turn_ = -1;
    ++turnSerial_;
    schedule(options_.robotDelay, [this, serial = tableSerial_] {
        if (!game_ || serial != tableSerial_) return;
        for (int i = 0; i < placeCount(); ++i)
            if (places_[i].robot && i != ownerPlace_) setReady(i, true);
    });
}

int StandinRobotTables::placeOf(int32_t playerId) const {
    for (int i = 0; i < placeCount(); ++i)
        if (!places_[static_cast<size_t>(i)].empty() && places_[static_cast<size_t>(i)].id == playerId) return i;
    return -1;
}

int64_t StandinRobotTables::moneyOf(const Place& place) const {
    return signIn_->balance(place.id).value_or(place.money);
}

void StandinRobotTables::pay(int32_t playerId, int64_t amount) {
    if (watch_.paid) watch_.paid(playerId, amount);
    if (leaving_ && playerId == playerAccountId()) leaversHandSettled();
    if (signIn_->addToBalance(playerId, amount)) return;
    // A robot without an account, seated or watching.
    const int at = placeOf(playerId);
    if (at >= 0) {
        places_[static_cast<size_t>(at)].money += amount;
        return;
    }
    for (Place& watcher : watchers_)
        if (watcher.id == playerId) watcher.money += amount;
}

int StandinRobotTables::nextPlace(int after, const std::function<bool(int)>& takes) const {
    const int count = placeCount();
    for (int k = 1; k <= count; ++k) {
        const int i = (after + k) % count;
        if (i != after && !places_[i].empty() && takes(i)) return i;
    }
    return -1;
}

// The owner may kick a robot between deals; a robot of the game's robot places sits down again later.
void StandinRobotTables::kick(int32_t id) {
    if (playing_ || ownerPlace_ != playerPlace_) return;
    for (int i = 0; i < placeCount(); ++i) {
        if (i == playerPlace_ || places_[i].id != id) continue;
        Message kicked = tableMessage(SC_KICK);
        kicked.writeInt(id);
        send(kicked);
        places_[i] = {};
        game_->seatsChanged(*this, false);
        seatRobotsLater();
        return;
    }
}

// The owner sets it between deals, to more than nothing and no more than he holds.
void StandinRobotTables::setStake(int32_t money) {
    if (ownerPlace_ != playerPlace_) {
        refuseStake(kNotTheOwner);
    } else if (playing_) {
        refuseStake(kDealUnderWay);
    } else if (money <= 0 || money > moneyOf(places_[playerPlace_])) {
        refuseStake(kStakeOutOfReach);
    } else {
        stake_ = money;
        Message m = tableMessage(SC_SET_MONEY);
        m.writeInt(money);
        send(m);
    }
}

bool StandinRobotTables::refusesRobotMove(int place, const char* why, const std::string& move, RobotMove kind) {
    const Place& mover = places_[static_cast<size_t>(place)];
    if (!why && mover.robot && robotMovesToRefuse_ != 0 && (kind == RobotMove::Own || robotFallbacksRefused_)) {
        why = kRefusedForTests;
        if (robotMovesToRefuse_ > 0) --robotMovesToRefuse_;
    }
    if (!why) return false;
    const std::string who = (mover.robot ? "" : "the robots' play for ") + mover.name;
    std::string refused = who + " (" + std::to_string(mover.id) + ") ";
    if (kind == RobotMove::Fallback) refused += "falls back and ";
    refused += move + ": " + why;
    if (kind == RobotMove::Fallback) refused += " (gives the deal up)";
    ++robotMovesRefused_;
    sys::Log::warningFormat("StandinServer: game %d refuses a robot's move: %s", game_ ? game_->gameType() : 0,
                            refused.c_str());
    if (watch_.robotMoveRefused) watch_.robotMoveRefused(refused);
    return true;
}

void StandinRobotTables::refuseStake(const Text& why) {
    Message m(SC_SET_MONEY_ERROR);
    m.writeUTF(say(why));
    send(m);
}

void StandinRobotTables::refuseStart(const Text& why) { send(alertNotice(say(why))); }

void StandinRobotTables::answerChat() {
    const int robot = nextPlace(playerPlace_, [this](int i) { return places_[i].robot; });
    if (robot < 0) return;
    Message m = tableMessage(SC_CHAT_FROM_BOARD);
    m.writeInt(places_[robot].id);
    m.writeUTF(say(kChatAnswer, kChatAnswerVi));
    send(m);
}

}  // namespace zuno::standin
