#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lobby/model/Player.h"

namespace zuno {

// What a four-seat card table is, apart from any game and any view: the table's identity, owner and
// stake, the players in the server's order and the screen seat each is drawn at (0 bottom, always the
// signed-in player; 1 right, 2 top, 3 left), who is ready, and whose turn it is and until when. The
// card-table screen draws it; the game screens change it.
class CardTableModel {
public:
    static constexpr int kSeats = 4;
    static constexpr int kCentre = 4;  // the chat bubble in the table's middle

    int8_t roomId = 0;
    int8_t boardId = 0;
    int32_t money = 0;  // the stake
    int32_t ownerID = -1;
    std::vector<PlayerPtr> players;  // an empty seat has id -1
    std::array<int, kSeats> seats{0, 0, 0, 0};  // screen seat -> index into players
    int indexOfMe = 0;
    bool isStartGame = false;
    bool isGameEnd = true;  // no deal runs
    bool disableReady = false;
    PlayerPtr CurrentControlPlayer;  // whose seat was tapped last

    // Fills `seats` from my index in `players` onwards, wrapping at the end (my index is 0 when I
    // am not listed).
    void seatPlayersFrom(int32_t myId);
    // The player drawn at a screen seat, or none.
    PlayerPtr playerAtSeat(int seat) const;
    bool isSeatEmpty(int seat) const;
    // The first screen seat whose player has the id, else -1.
    int getSeatFromID(int32_t userId) const;
    std::string getPlayerNameFromID(int32_t userId) const;
    PlayerPtr me() const;

    // The ready mark of a seat: hidden, the owner's, or ready.
    enum class Mark { Hidden, Owner, Ready };
    Mark readyMarkAtSeat(int seat) const;

    // What pressing ready does with my balance.
    enum class ReadyAnswer { Refused, SendNotReady, SendReady, NotEnoughMoney };
    ReadyAnswer readyAnswer(int64_t myBalance) const;
    // Leaving asks first while a deal runs or I am ready.
    bool leaveNeedsConfirmation(bool meReady) const { return !isGameEnd || meReady; }

    // The turn clock: `currentPlayer` plays until `dieTime` (whole seconds of the table's clock).
    int32_t currentPlayer = -1;
    int interval = 0;  // seconds per turn
    int64_t dieTime = 0;  // 0: no turn runs
    int64_t currentTime = 0;
    struct ClockTick {
        bool beep = false;      // 5 seconds or less remain
        bool turnOver = false;  // the turn has just run out
        bool sendSkip = false;  // ... and it was mine, in a game that passes for me
    };
    // One tick of the clock a second; `passesForMe` for the game that passes a turn I let run out.
    ClockTick tickClock(int64_t now, bool passesForMe, int32_t myId);
    // No turn runs any more.
    void stopTurn();

    // Each turn started or stopped is a new one. A pass asked on my turn is answered on that turn only:
    // once it has left me, or I have passed, a late yes passes nothing.
    void newTurn() { ++turnNumber_; }
    void askPass() { passAskedOnTurn_ = turnNumber_; }
    bool isPassAsked() const { return passAskedOnTurn_.has_value(); }
    bool passStands(int32_t myId) const { return passAskedOnTurn_ == turnNumber_ && currentPlayer == myId; }
    void forgetPass() { passAskedOnTurn_.reset(); }

    // Back to an empty table between two joins (identity and stake stay until the next seating).
    void clear();

private:
    uint64_t turnNumber_ = 0;
    std::optional<uint64_t> passAskedOnTurn_;
};

// The turn bar: full at the start of a turn, emptied by a 0.1 s tick in `interval` seconds; green
// above 0.6, orange above 0.3, red below. The fraction comes from the count of ticks in whole tenths,
// so the colours change on the very tick where 40 % and 70 % of the turn have passed.
class TurnBar {
public:
    static constexpr int kTicksPerSecond = 10;
    static constexpr double kTickSeconds = 1.0 / kTicksPerSecond;
    enum class Colour { Green, Orange, Red };

    // A turn of no length (0 or fewer seconds) is an empty bar that never ticks.
    explicit TurnBar(int interval = 0);
    // One tick; false once the bar is empty (the timer stops).
    bool tick();
    bool isEmpty() const { return ticksLeft_ <= 0; }
    double progress() const { return ticksTotal_ > 0 ? static_cast<double>(ticksLeft_) / ticksTotal_ : 0.0; }
    Colour colour() const;

private:
    int64_t ticksTotal_ = 0;
    int64_t ticksLeft_ = 0;
};

namespace tabletext {
// The amount typed into the stake field: leading spaces, a sign and the digits that follow; anything
// else reads as 0. Beyond the 64-bit range it stays at the limit.
int64_t readAmount(std::string_view text);
// The first `limit` characters (code points) of a UTF-8 text.
std::string firstCharacters(std::string_view text, size_t limit);
// The text without white space at either end, Unicode's spaces and line breaks included.
std::string trimmed(std::string_view text);
}  // namespace tabletext

}  // namespace zuno
