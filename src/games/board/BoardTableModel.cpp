#include "games/board/BoardTableModel.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/core/Format.h"
#include "shell/Util.h"
#include "table/TableBottomMenu.h"

namespace zuno {

using tabletext::text;
using tabletext::upperText;

void BoardTableModel::setPlayers(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money, ChessPlayers list,
                                 int32_t signedInId) {
    roomID = roomId;
    boardID = boardId;
    dmoney = money;
    players = std::move(list);
    myId = signedInId;
    indexOfMe = 0;
    for (size_t i = 0; i < players.size(); ++i)
        if (players[i] && players[i]->IDDB() == myId) indexOfMe = static_cast<int>(i);
    isInBoard = false;
    isDrawing = isLosing = false;
    turn = firstMover = -1;
    interval = 0;
    setOwnerWithNewOwner(ownerId);
}

void BoardTableModel::setAtSeat(int index, std::shared_ptr<ChessPlayer> player) {
    if (index < 0 || !player) return;
    if (static_cast<size_t>(index) >= players.size()) players.resize(index + 1);
    players[index] = std::move(player);
}

std::shared_ptr<ChessPlayer> BoardTableModel::me() const {
    if (indexOfMe < 0 || static_cast<size_t>(indexOfMe) >= players.size()) return nullptr;
    return players[indexOfMe];
}

std::shared_ptr<ChessPlayer> BoardTableModel::opponent() const {
    std::shared_ptr<ChessPlayer> found;
    for (const auto& p : players)
        if (p && p->IDDB() != myId) found = p;
    return found;
}

std::shared_ptr<ChessPlayer> BoardTableModel::getPlayerWithID(int32_t id) const {
    for (const auto& p : players)
        if (p && p->IDDB() == id) return p;
    return nullptr;
}

std::string BoardTableModel::getPlayerNameFromID(int32_t id) const {
    auto p = getPlayerWithID(id);
    return p ? shownName(*p) : std::string();
}

const std::string& BoardTableModel::shownName(const Player& player) {
    return player.showName().empty() ? player.name() : player.showName();
}

void BoardTableModel::setOwnerWithNewOwner(int32_t id) {
    ownerID = id;
    if (auto owner = getPlayerWithID(id)) owner->setIsReady(true);
}

void BoardTableModel::setMoney(int32_t stake) {
    dmoney = stake;
    for (const auto& p : players)
        if (p) p->setIsReady(false);
}

bool BoardTableModel::setReadyWithId(int32_t id, bool ready) {
    auto p = getPlayerWithID(id);
    if (!p) return false;
    p->setIsReady(ready);
    return true;
}

void BoardTableModel::resetReady() {
    for (const auto& p : players)
        if (p) p->setIsReady(false);
}

void BoardTableModel::playerLeaveWithId(int32_t id) {
    for (const auto& p : players) {
        if (!p || p->IDDB() != id) continue;
        p->setIDDB(-1);
        p->setIsReady(false);
        p->gifts().clear();
    }
}

BoardTableModel::ReadyAnswer BoardTableModel::readyAnswer(int64_t myBalance) const {
    if (isInBoard) return ReadyAnswer::InGame;
    auto mine = me();
    const bool ready = mine && mine->isReady();
    if (!ready && dmoney > myBalance) return ReadyAnswer::NotEnoughMoney;
    return ready ? ReadyAnswer::SendNotReady : ReadyAnswer::SendReady;
}

BoardTableModel::StartAnswer BoardTableModel::startAnswer(int64_t myBalance) const {
    if (!amOwner() || isInBoard) return StartAnswer::Nothing;
    bool anyOther = false;
    for (const auto& p : players) {
        if (!p || p->IDDB() == myId) continue;
        if (p->IDDB() == -1 || !p->isReady()) return StartAnswer::Nothing;
        anyOther = true;
    }
    if (!anyOther) return StartAnswer::Nothing;
    if (dmoney > myBalance) return StartAnswer::NotEnoughMoney;
    return StartAnswer::Send;
}

bool BoardTableModel::leaveNeedsConfirmation() const {
    if (isInBoard) return true;
    auto mine = me();
    return mine && mine->isReady() && !amOwner();
}

void BoardTableModel::startWithMoveFirst(int32_t firstId, int32_t intervalMs) {
    isInBoard = true;
    turn = firstMover = firstId;
    interval = intervalMs / 1000;
    isDrawing = isLosing = false;
}

void BoardTableModel::closeBoard() {
    isInBoard = isDrawing = isLosing = false;
    turn = -1;
    interval = 0;
    resetReady();
}

BoardTableModel::StartKind BoardTableModel::startKind(int kind, int32_t stake) {
    switch (kind) {
        case 0: return {upperText("ZUNO_start")};
        case 1: return {upperText("ZUNO_ready")};
        case 2: return {upperText("ZUNO_cancel")};
        case 3: return {upperText("ZUNO_continuee")};
        case 4: {
            const std::string grouped = Util::formatNumber(stake);
            const bool withUnit = sys::format("%d", stake).size() <= 6;
            return {withUnit ? grouped + " win" : grouped, false, true, 11};
        }
        default: return {text("ZUNO_pleaseWait"), false};
    }
}

int BoardTableModel::rightColumnKind() const {
    if (isInBoard) return iMoveFirst() ? 1 : 3;
    return amOwner() ? 0 : 2;
}

BoardTableModel::SeatTap BoardTableModel::tapSeat(int seat, bool showsInviteCaption, const PlayerPtr& myInfo) const {
    if (seat == kBottomSeat) return {SeatTap::Action::PlayerMenu, myInfo};
    auto other = opponent();
    if (other && other->IDDB() != -1) return {SeatTap::Action::PlayerMenu, other};
    if (showsInviteCaption) return {SeatTap::Action::InviteSheet, nullptr};
    return {};
}

int BoardTableModel::bubbleOfSender(int32_t fromId) const {
    if (fromId == myId) return kBottomSeat;
    for (const auto& p : players)
        if (p && p->IDDB() == fromId) return kTopSeat;
    return kCentreBubble;
}

namespace {
int32_t flooredExp(int32_t exp, int32_t change) {
    const int64_t sum = static_cast<int64_t>(exp) + change;
    return sum < 0 ? 0 : static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX));
}
}  // namespace

MatchResults BoardTableModel::applyMatchResults(const MatchResults& rows, Player* myInfo) const {
    MatchResults mine;
    for (const auto& row : rows) {
        if (!row) continue;
        for (const auto& p : players) {
            if (!p || p->IDDB() != row->ID()) continue;
            row->setName(shownName(*p));
            row->setAvatar(p->avatar());
            const int32_t require = p->level() ? p->level()->expRequire() : 0;
            row->setD_exp_percent(
                require == 0 ? 0 : static_cast<int32_t>(static_cast<int64_t>(row->d_exp()) * 100 / require));
            if (p.get() == myInfo) continue;  // changed once, below
            p->setExp(flooredExp(p->exp(), row->d_exp()));
            p->addMoney(row->d_money());
        }
        if (myInfo && row->ID() == myInfo->IDDB()) {
            myInfo->addMoney(row->d_money());
            myInfo->setExp(flooredExp(myInfo->exp(), row->d_exp()));
            mine.push_back(row);
        }
    }
    return mine;
}

std::string BoardTableModel::whoWinText(int32_t winnerId) const {
    return sys::format(text("ZUNO_whoWin"), getPlayerNameFromID(winnerId));
}

std::string moveClockTitle(int64_t secondsLeft) {
    return sys::format("%02d:%02d", secondsLeft / 60, secondsLeft % 60);
}

}  // namespace zuno
