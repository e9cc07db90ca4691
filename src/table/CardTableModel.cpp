#include "table/CardTableModel.h"

#include <limits>

#include "platform/core/Text.h"
#include "platform/core/Utf8.h"

namespace zuno {

void CardTableModel::seatPlayersFrom(int32_t myId) {
    indexOfMe = 0;
    for (size_t i = 0; i < players.size(); ++i) {
        if (players[i] && players[i]->IDDB() == myId) {
            indexOfMe = static_cast<int>(i);
            break;
        }
    }
    const int count = static_cast<int>(players.size());
    for (int k = 0; k < kSeats; ++k) seats[k] = count == 0 ? 0 : (indexOfMe + k) % count;
}

PlayerPtr CardTableModel::playerAtSeat(int seat) const {
    if (seat < 0 || seat >= kSeats) return nullptr;
    const int index = seats[seat];
    if (index < 0 || index >= static_cast<int>(players.size())) return nullptr;
    return players[index];
}

bool CardTableModel::isSeatEmpty(int seat) const {
    PlayerPtr player = playerAtSeat(seat);
    return !player || player->IDDB() == -1;
}

int CardTableModel::getSeatFromID(int32_t userId) const {
    for (int seat = 0; seat < kSeats; ++seat) {
        PlayerPtr player = playerAtSeat(seat);
        if (player && player->IDDB() == userId) return seat;
    }
    return -1;
}

std::string CardTableModel::getPlayerNameFromID(int32_t userId) const {
    for (const auto& player : players) {
        if (player && player->IDDB() == userId) return player->name();
    }
    return "";
}

PlayerPtr CardTableModel::me() const {
    if (indexOfMe < 0 || indexOfMe >= static_cast<int>(players.size())) return nullptr;
    return players[indexOfMe];
}

CardTableModel::Mark CardTableModel::readyMarkAtSeat(int seat) const {
    PlayerPtr player = playerAtSeat(seat);
    if (!player || player->IDDB() == -1) return Mark::Hidden;
    if (player->IDDB() == ownerID) return Mark::Owner;
    return player->isReady() ? Mark::Ready : Mark::Hidden;
}

CardTableModel::ReadyAnswer CardTableModel::readyAnswer(int64_t myBalance) const {
    if (disableReady) return ReadyAnswer::Refused;
    PlayerPtr mine = me();
    if (mine && mine->isReady()) return ReadyAnswer::SendNotReady;
    return myBalance >= money ? ReadyAnswer::SendReady : ReadyAnswer::NotEnoughMoney;
}

CardTableModel::ClockTick CardTableModel::tickClock(int64_t now, bool passesForMe, int32_t myId) {
    ClockTick tick;
    currentTime = now;
    if (dieTime == 0) return tick;
    const int64_t left = dieTime - now;
    tick.beep = left >= 0 && left <= 5;
    if (dieTime > now) return tick;
    tick.turnOver = true;
    if (passesForMe && currentPlayer == myId) {
        tick.sendSkip = true;
        currentPlayer = -1;
        newTurn();
    }
    dieTime = 0;
    return tick;
}

void CardTableModel::stopTurn() {
    dieTime = 0;
    currentPlayer = -1;
    newTurn();
}

void CardTableModel::clear() {
    isStartGame = false;
    isGameEnd = true;
    players.clear();
    stopTurn();
}

TurnBar::TurnBar(int interval)
    : ticksTotal_(interval > 0 ? int64_t{interval} * kTicksPerSecond : 0), ticksLeft_(ticksTotal_) {}

bool TurnBar::tick() {
    if (ticksLeft_ > 0) --ticksLeft_;
    return ticksLeft_ > 0;
}

TurnBar::Colour TurnBar::colour() const {
    // left / total above 6/10 and 3/10, in whole numbers
    if (ticksLeft_ * 10 > ticksTotal_ * 6) return Colour::Green;
    if (ticksLeft_ * 10 > ticksTotal_ * 3) return Colour::Orange;
    return Colour::Red;
}

namespace tabletext {

int64_t readAmount(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (kMax - digit) / 10) return negative ? std::numeric_limits<int64_t>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string firstCharacters(std::string_view text, size_t limit) { return sys::firstCharacters(text, limit); }

std::string trimmed(std::string_view text) { return std::string(sys::trimUnicodeWhitespace(text)); }

}  // namespace tabletext
}  // namespace zuno
