#include "standin-server/StandinTienLen.h"

#include <algorithm>
#include <numeric>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "platform/core/Log.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_LOGIN = 1;
constexpr int8_t CS_CLIENT_INFORMATION_V2 = -35;
constexpr int8_t CS_JOIN_BOARD = 8;
constexpr int8_t CS_LEAVE_BOARD = 15;
constexpr int8_t CS_READY = 16;
constexpr int8_t CS_START_GAME = 20;
constexpr int8_t CS_MOVE = 21;
constexpr int8_t CS_SKIP = 49;
constexpr int8_t CS_FORCE_FINISH = 53;
constexpr int8_t CS_INVITE = 74;
constexpr int8_t SC_JOINBOARD_SUCCESS = 8;
constexpr int8_t SC_SOMEONE_JOINBOARD = 12;
constexpr int8_t SC_SOMEONE_READY = 16;
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_SKIP = 49;
constexpr int8_t SC_STOP_GAME = 50;
constexpr int8_t SC_FINISH = 51;
constexpr int8_t SC_BONUS_MONEY = 52;
constexpr int8_t SC_FORCE_FINISH = 53;
constexpr int8_t SC_MOVE_ERROR = 54;
constexpr int8_t SC_INVITED_JOIN_BOARD = 74;
constexpr size_t kHandSize = 13;

bool holdsAll(const std::vector<int8_t>& hand, const std::vector<int8_t>& cards) {
    std::vector<int8_t> rest = hand;
    for (int8_t id : cards) {
        auto it = std::find(rest.begin(), rest.end(), id);
        if (it == rest.end()) return false;
        rest.erase(it);
    }
    return true;
}

void writeCards(Message& m, const std::vector<int8_t>& cards) {
    m.writeByte(static_cast<int8_t>(cards.size()));
    for (int8_t id : cards) m.writeByte(id);
}
}  // namespace

StandinTienLen::StandinTienLen(std::shared_ptr<StandinSignIn> signIn, Options options)
    : signIn_(std::move(signIn)), options_(options), gameType_(options.gameType), random_(options.seed.value_or(std::random_device()())) {}

StandinTienLen::~StandinTienLen() = default;

std::shared_ptr<StandinTienLen> StandinTienLen::installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn,
                                                          Options options) {
    std::shared_ptr<StandinTienLen> table(new StandinTienLen(std::move(signIn), options));
    table->install(server);
    return table;
}

// Takes what `take` accepts and hands everything else to the handler installed before.
void StandinTienLen::chain(StandinServer& server, int8_t commandId,
                           std::function<bool(StandinSession&, Message&)> take) {
    StandinServer::Handler before = server.handlerFor(commandId);
    server.on(commandId, [before, take = std::move(take)](StandinSession& session, Message& message) {
        const int32_t start = message._idx();
        if (take(session, message)) return;
        message.set_idx(start);
        if (before) before(session, message);
    });
}

void StandinTienLen::install(StandinServer& server) {
    StandinServer* owner = &server;
    // The server's handlers keep the table (and its worker) alive as long as they are installed.
    auto locked = [this, self = shared_from_this()](auto work) {
        return [this, self, work](StandinSession& session, Message& message) {
            std::lock_guard<std::mutex> lock(mutex_);
            return work(session, message);
        };
    };
    chain(server, CS_LOGIN, locked([this, owner](StandinSession& session, Message& message) {
              // Who signs in; the sign-in road answers.
              account_ = signIn_->account(message.readUTF().value_or(std::string()));
              auto latest = owner->latestClient();
              if (latest.get() == &session && session_ != latest) {
                  session_ = latest;
                  invited_ = seated_ = playing_ = false;
              }
              return false;
          }));
    // The second client information follows a successful login: the player is in the lobby.
    chain(server, CS_CLIENT_INFORMATION_V2, locked([this](StandinSession& session, Message&) {
              if (session_.get() == &session && account_) inviteLater();
              return false;
          }));
    chain(server, CS_JOIN_BOARD, locked([this](StandinSession& session, Message& m) { return join(session, m); }));
    auto atTable = [this](StandinSession& session) { return seated_ && session_.get() == &session; };
    chain(server, CS_LEAVE_BOARD, locked([this, atTable](StandinSession& session, Message& m) {
              if (!atTable(session) || m.readByte() != kRoom || m.readByte() != kBoard) return false;
              leaveTable();
              return true;
          }));
    chain(server, CS_READY, locked([this, atTable](StandinSession& session, Message& m) {
              if (!atTable(session) || m.readByte() != kRoom || m.readByte() != kBoard) return false;
              setReady(kPlayerPlace, m.readBool());
              return true;
          }));
    // An owns the table and starts it.
    chain(server, CS_START_GAME, locked([atTable](StandinSession& session, Message&) { return atTable(session); }));
    chain(server, CS_MOVE, locked([this, atTable](StandinSession& session, Message& m) {
              return atTable(session) && playerMove(m);
          }));
    chain(server, CS_SKIP, locked([this, atTable](StandinSession& session, Message& m) {
              if (!atTable(session) || m.readByte() != kRoom || m.readByte() != kBoard) return false;
              return playerSkip();
          }));
    chain(server, CS_FORCE_FINISH, locked([this, atTable](StandinSession& session, Message& m) {
              if (!atTable(session) || m.readByte() != kRoom || m.readByte() != kBoard) return false;
              return playerClaim();
          }));
    chain(server, CS_INVITE, locked([this, atTable](StandinSession& session, Message& m) {
              return atTable(session) && invite(m.readInt());
          }));
}

// An online robot sits down in the free place and gets ready; an account with a connection is invited.
bool StandinTienLen::invite(int32_t userId) {
    std::optional<StandinAccount> guest = signIn_->accountWithId(userId);
    if (!guest || !signIn_->isOnline(userId)) return true;
    if (!guest->robot) {
        Message invitation(SC_INVITED_JOIN_BOARD);
        invitation.writeByte(gameType_);
        invitation.writeByte(kRoom);
        invitation.writeByte(kBoard);
        invitation.writeUTF(std::string());
        invitation.writeUTF((account_ ? account_->name : std::string("A player")) + " invites you to a Tien Len table.");
        signIn_->sendTo(userId, invitation);
        return true;
    }
    schedule(options_.robotDelay, [this, guest = *guest] {
        if (!seated_ || playing_ || places_[kGuestPlace].id != -1) return;
        for (const Place& p : places_)
            if (p.id == guest.id) return;
        places_[kGuestPlace] = seat(guest.id, guest.name, guest.money, guest.avatar, guest.exp, true);
        Message sits(SC_SOMEONE_JOINBOARD);
        sits.writeByte(kGuestPlace);
        sits.writeInt(guest.id);
        sits.writeUTF(guest.name);
        sits.writeLong(guest.money);
        sits.writeShort(guest.avatar);
        sits.writeInt(guest.exp);
        send(sits);
        setReady(kGuestPlace, true);
    });
    return true;
}

std::vector<int8_t> StandinTienLen::handOf(int32_t playerId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Place& p : places_)
        if (p.id == playerId) return p.hand;
    return {};
}

int StandinTienLen::dealCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return deals_;
}

void StandinTienLen::setNextHands(std::array<std::vector<int8_t>, 3> hands) {
    std::lock_guard<std::mutex> lock(mutex_);
    nextHands_ = std::move(hands);
}

void StandinTienLen::schedule(double delay, Task task) {
    tasks_.after(delay, [this, task = std::move(task)] {
        std::lock_guard<std::mutex> lock(mutex_);
        task();
    });
}

void StandinTienLen::send(const Message& message) {
    if (session_) session_->send(message);
}

void StandinTienLen::inviteLater() {
    if (invited_ || seated_) return;
    invited_ = true;
    schedule(options_.invitationDelay, [this] { sendInvitation(); });
}

void StandinTienLen::inviteNow() {
    std::lock_guard<std::mutex> lock(mutex_);
    invited_ = true;
    sendInvitation();
}

void StandinTienLen::sendInvitation() {
    if (seated_ || !session_) return;
    Message invitation(SC_INVITED_JOIN_BOARD);
    invitation.writeByte(gameType_);
    invitation.writeByte(kRoom);
    invitation.writeByte(kBoard);
    invitation.writeUTF(std::string());
    invitation.writeUTF(std::string(kInvitation));
    send(invitation);
}

StandinTienLen::Place StandinTienLen::seat(int32_t id, std::string name, int64_t money, int16_t avatar, int32_t exp,
                                           bool robot) {
    Place p;
    p.id = id;
    p.name = std::move(name);
    p.money = money;
    p.avatar = avatar;
    p.exp = exp;
    p.robot = robot;
    return p;
}

bool StandinTienLen::join(StandinSession& session, Message& request) {
    const int8_t room = request.readByte();
    const int8_t board = request.readByte();
    if (session_.get() != &session || !invited_ || seated_ || !account_ || room != kRoom || board != kBoard)
        return false;
    seated_ = true;
    firstMatch_ = true;
    winnerPlace_ = -1;
    places_ = {};
    places_[kOwnerPlace] = seat(kOwnerId, "An", 8000000, 3, 900, true);
    places_[kOwnerPlace].ready = true;
    places_[kPlayerPlace] = seat(account_->id, account_->name, account_->money, account_->avatar, account_->exp, false);

    Message reply(SC_JOINBOARD_SUCCESS);
    reply.writeByte(kRoom);
    reply.writeByte(kBoard);
    reply.writeInt(kOwnerId);
    reply.writeInt(kStake);
    for (const Place& p : places_) {
        reply.writeInt(p.id);
        if (p.id == -1) continue;
        reply.writeUTF(p.name);
        reply.writeLong(p.money);
        reply.writeShort(p.avatar);
        reply.writeInt(p.exp);
        reply.writeBool(p.ready);
    }
    send(reply);

    // Binh comes a moment later and gets ready.
    schedule(options_.robotDelay, [this] {
        if (!seated_) return;
        places_[kRobotPlace] = seat(kRobotId, "Binh", 3000000, 5, 420, true);
        firstMatch_ = true;
        Message sits(SC_SOMEONE_JOINBOARD);
        sits.writeByte(kRobotPlace);
        sits.writeInt(kRobotId);
        sits.writeUTF(std::string("Binh"));
        sits.writeLong(places_[kRobotPlace].money);
        sits.writeShort(places_[kRobotPlace].avatar);
        sits.writeInt(places_[kRobotPlace].exp);
        send(sits);
        setReady(kRobotPlace, true);
    });
    return true;
}

void StandinTienLen::leaveTable() {
    seated_ = playing_ = false;
    places_ = {};
    turn_ = -1;
    ++turnSerial_;
    invited_ = false;
    if (options_.alternateGames) gameType_ = gameType_ == 12 ? 3 : 12;
    inviteLater();
}

void StandinTienLen::setReady(int place, bool ready) {
    if (playing_ || places_[place].id == -1) return;
    places_[place].ready = ready;
    Message m(SC_SOMEONE_READY);
    m.writeInt(places_[place].id);
    m.writeBool(ready);
    send(m);
    startWhenReady();
}

void StandinTienLen::startWhenReady() {
    int seated = 0;
    for (int i = 0; i < kPlaces; ++i) {
        if (places_[i].id == -1) continue;
        ++seated;
        if (i != kOwnerPlace && !places_[i].ready) return;
    }
    if (seated < 2 || !places_[kPlayerPlace].ready) return;
    schedule(options_.robotDelay, [this] {
        if (!playing_ && seated_ && places_[kPlayerPlace].ready) deal();
    });
}

void StandinTienLen::deal() {
    std::vector<int8_t> deck(52);
    std::iota(deck.begin(), deck.end(), int8_t{0});
    std::shuffle(deck.begin(), deck.end(), random_);
    playing_ = true;
    dealFirstMatch_ = firstMatch_;
    firstMatch_ = false;
    movesInDeal_ = 0;
    nextPosition_ = 0;
    playersInDeal_ = 0;
    table_.clear();
    lastMover_ = -1;
    ++deals_;
    size_t dealt = 0, next = 0;
    for (int i = 0; i < kPlaces; ++i) {
        Place& p = places_[i];
        p.passed = false;
        p.finished = -1;
        p.ready = i == kOwnerPlace;
        if (p.id == -1) continue;
        ++playersInDeal_;
        if (nextHands_ && i < 3) {
            p.hand = (*nextHands_)[i];
        } else {
            p.hand.assign(deck.begin() + static_cast<long>(dealt), deck.begin() + static_cast<long>(dealt + kHandSize));
            dealt += kHandSize;
        }
        std::sort(p.hand.begin(), p.hand.end());
        ++next;
    }
    nextHands_.reset();

    // The first deal at a new table opens with the lowest card; later ones with the last winner.
    int first = winnerPlace_;
    if (dealFirstMatch_ || first < 0 || places_[first].id == -1) {
        first = -1;
        for (int i = 0; i < kPlaces; ++i)
            if (places_[i].id != -1 && (first < 0 || places_[i].hand.front() < places_[first].hand.front())) first = i;
    }

    Message start(SC_START);
    start.writeByte(kRoom);
    start.writeByte(kBoard);
    start.writeByte(static_cast<int8_t>(options_.turnSeconds));
    for (int8_t id : places_[kPlayerPlace].hand) start.writeByte(id);
    start.writeInt(places_[first].id);
    send(start);
    startTurn(first);
}

void StandinTienLen::startTurn(int place) {
    turn_ = place;
    const uint64_t serial = ++turnSerial_;
    if (places_[place].robot) {
        schedule(options_.robotDelay, [this, place, serial] {
            if (playing_ && turn_ == place && turnSerial_ == serial) robotTurn(place);
        });
    } else {
        schedule(options_.turnSeconds + 1.0, [this, place, serial] { turnTimeOver(place, serial); });
    }
}

void StandinTienLen::robotTurn(int place) {
    Cards cards = robotChoice(places_[place]);
    if (cards.empty()) pass(place);
    else play(place, std::move(cards));
}

void StandinTienLen::turnTimeOver(int place, uint64_t serial) {
    if (!playing_ || turn_ != place || turnSerial_ != serial) return;
    if (table_.empty()) play(place, {places_[place].hand.front()});
    else pass(place);
}

int8_t StandinTienLen::typeOf(const Cards& cards) const {
    return gameType_ == 12 ? CardMBUtils::getType(cards) : CardUtils::getType(cards);
}

bool StandinTienLen::beats(const Cards& cards) const {
    const int8_t type = typeOf(cards);
    const int8_t tableType = table_.empty() ? int8_t{-1} : typeOf(table_);
    return gameType_ == 12 ? CardMBUtils::available(cards, type, table_, tableType)
                                   : CardUtils::available(cards, type, table_, tableType);
}

// The lowest card when leading; otherwise what the automatic selection offers, if the rules let it go on
// the table.
StandinTienLen::Cards StandinTienLen::robotChoice(const Place& place) const {
    if (place.hand.empty()) return {};
    if (table_.empty()) return {place.hand.front()};
    TienLenHand hand(place.hand);
    if (gameType_ == 12) CardMBUtils::autoSelect(table_, hand);
    else CardUtils::autoSelect(table_, hand);
    Cards chosen = hand.getSelectedCardsValue();
    std::sort(chosen.begin(), chosen.end());
    if (chosen.empty() || !beats(chosen)) return {};
    return chosen;
}

void StandinTienLen::refuse(const char* text) {
    Message m(SC_MOVE_ERROR);
    m.writeByte(kBoard);
    m.writeByte(kRoom);
    m.writeUTF(std::string(text));
    send(m);
}

bool StandinTienLen::playerMove(Message& request) {
    if (request.readByte() != kRoom || request.readByte() != kBoard) return false;
    const int count = static_cast<uint8_t>(request.readByte());
    Cards cards;
    for (int i = 0; i < count && request.available(); ++i) cards.push_back(request.readByte());
    if (!playing_ || turn_ != kPlayerPlace) {
        refuse(kNotYourTurn);
        return true;
    }
    std::sort(cards.begin(), cards.end());
    if (cards.empty() || static_cast<int>(cards.size()) != count || !holdsAll(places_[kPlayerPlace].hand, cards)) {
        refuse(kNotInHand);
        return true;
    }
    if (!beats(cards)) {
        refuse(kCannotBeat);
        return true;
    }
    play(kPlayerPlace, std::move(cards));
    return true;
}

bool StandinTienLen::playerSkip() {
    if (!playing_ || turn_ != kPlayerPlace) refuse(kNotYourTurn);
    else if (table_.empty()) refuse(kMustLead);
    else pass(kPlayerPlace);
    return true;
}

bool StandinTienLen::playerClaim() {
    Place& me = places_[kPlayerPlace];
    const bool northern = gameType_ == 12;
    const bool wins = playing_ && movesInDeal_ == 0 &&
                      (northern ? CardMBUtils::checkForceFinishWithCards(me.hand, dealFirstMatch_) ||
                                      CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(me.hand)
                                : CardUtils::checkForceFinishWithCards(me.hand, dealFirstMatch_));
    if (!wins) {
        // A second claim for the same hand finds the deal over and is refused too.
        refuse(kNoInstantWin);
        return true;
    }
    Message m(SC_FORCE_FINISH);
    m.writeByte(kRoom);
    m.writeByte(kBoard);
    m.writeInt(me.id);
    for (int8_t id : me.hand) m.writeByte(id);
    send(m);
    playing_ = false;
    ++turnSerial_;
    winnerPlace_ = kPlayerPlace;
    for (int i = 0; i < kPlaces; ++i) {
        Place& p = places_[i];
        if (p.id == -1) continue;
        const int32_t change = i == kPlayerPlace ? 2 * kStake * (playersInDeal_ - 1) : -2 * kStake;
        p.money += change;
        Message bonus(SC_BONUS_MONEY);
        bonus.writeByte(kRoom);
        bonus.writeByte(kBoard);
        bonus.writeInt(p.id);
        bonus.writeInt(change);
        bonus.writeUTF(std::string(change > 0 ? "Instant win" : "Lost to an instant win"));
        send(bonus);
    }
    schedule(options_.robotDelay, [this] { setReady(kRobotPlace, true); });
    return true;
}

int StandinTienLen::activeCount() const {
    int n = 0;
    for (const Place& p : places_) n += p.id != -1 && p.finished < 0;
    return n;
}

// The next place after `after` that still holds cards (and, if asked, has not passed this round); -1 if
// there is none.
int StandinTienLen::nextActive(int after, bool skipPassed) const {
    for (int k = 1; k <= kPlaces; ++k) {
        const int i = (after + k) % kPlaces;
        const Place& p = places_[i];
        if (p.id != -1 && p.finished < 0 && !(skipPassed && p.passed) && i != after) return i;
    }
    return -1;
}

void StandinTienLen::play(int place, Cards cards) {
    Place& p = places_[place];
    for (int8_t id : cards) p.hand.erase(std::find(p.hand.begin(), p.hand.end(), id));
    table_ = cards;
    lastMover_ = place;
    ++movesInDeal_;
    const bool out = p.hand.empty();
    if (out) {
        p.finished = static_cast<int8_t>(nextPosition_++);
        // The set stays on the table and everyone left answers it afresh.
        for (Place& q : places_) q.passed = false;
    }
    const int next = activeCount() <= 1 ? -1 : nextActive(place, true);
    const bool dealOver = next < 0;

    Message m(SC_MOVE);
    m.writeByte(kRoom);
    m.writeByte(kBoard);
    m.writeInt(p.id);
    writeCards(m, cards);
    m.writeInt(next < 0 ? -1 : places_[next].id);
    send(m);

    if (out) finish(place, playersInDeal_);
    if (dealOver) {
        endDeal(nextActive(place, false));
        return;
    }
    startTurn(next);
}

void StandinTienLen::pass(int place) {
    places_[place].passed = true;
    // The round ends when everyone but the last to play has passed; that player (or, if out, the
    // next one) leads on a cleared table.
    bool roundOver = true;
    for (int i = 0; i < kPlaces; ++i) {
        const Place& q = places_[i];
        if (q.id != -1 && q.finished < 0 && i != lastMover_ && !q.passed) roundOver = false;
    }
    int next;
    if (roundOver) {
        next = places_[lastMover_].finished < 0 ? lastMover_ : nextActive(lastMover_, false);
        table_.clear();
        for (Place& q : places_) q.passed = false;
    } else {
        next = nextActive(place, true);
    }
    if (next < 0) {  // nobody left to answer: the deal is over
        endDeal(nextActive(place, false));
        return;
    }
    Message m(SC_SKIP);
    m.writeByte(kRoom);
    m.writeByte(kBoard);
    m.writeInt(places_[place].id);
    m.writeInt(places_[next].id);
    m.writeBool(roundOver);
    send(m);
    startTurn(next);
}

// Money for a place out of n players: the first takes most, the last pays most; it adds up to 0.
void StandinTienLen::finish(int place, int players) {
    Place& p = places_[place];
    const int32_t change = kStake * (players - 1 - 2 * p.finished);
    const int32_t exp = players - 1 - p.finished;
    p.money += change;
    p.exp += exp;
    if (p.finished == 0) winnerPlace_ = place;
    Message m(SC_FINISH);
    m.writeByte(kRoom);
    m.writeByte(kBoard);
    m.writeInt(p.id);
    m.writeByte(p.finished);
    m.writeInt(change);
    m.writeInt(exp);
    send(m);
    if (change == 0) return;
    Message bonus(SC_BONUS_MONEY);
    bonus.writeByte(kRoom);
    bonus.writeByte(kBoard);
    bonus.writeInt(p.id);
    bonus.writeInt(change);
    bonus.writeUTF(std::string(change > 0 ? "Won the stake" : "Lost the stake"));
    send(bonus);
}

void StandinTienLen::endDeal(int lastPlace) {
    playing_ = false;
    turn_ = -1;
    ++turnSerial_;
    Message stop(SC_STOP_GAME);
    stop.writeByte(kRoom);
    stop.writeByte(kBoard);
    if (lastPlace >= 0) {
        Place& last = places_[lastPlace];
        last.finished = static_cast<int8_t>(nextPosition_++);
        finish(lastPlace, playersInDeal_);
        stop.writeInt(last.id);
        writeCards(stop, last.hand);
    }
    send(stop);
    sys::Log::format("StandinServer: Tien Len deal %d over", deals_);
    schedule(options_.robotDelay, [this] { setReady(kRobotPlace, true); });
}

}  // namespace zuno::standin
