#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "games/board/ChessPlayer.h"
#include "lobby/model/LobbyRecords.h"
#include "lobby/model/Player.h"

namespace zuno {

using MatchResults = std::vector<std::shared_ptr<MatchResultInfo>>;

// What a two-seat board table is (Co Tuong, Co Vua, Caro, Blocks), apart from any board and any view:
// the table's identity, owner and stake, the players in the server's order (the signed-in player
// drawn in the bottom seat 0, the other in the top seat 2), who is ready, whether a game runs and who
// is to move, the pending draw offer and resignation.
// The board screens draw it; their handlers change it on the main thread.
class BoardTableModel {
public:
    static constexpr int kBottomSeat = 0;
    static constexpr int kTopSeat = 2;
    static constexpr int kCentreBubble = 4;  // the bubble of notices and results

    int8_t roomID = 0;
    int8_t boardID = 0;
    int32_t ownerID = -1;
    int32_t dmoney = 0;  // the stake
    ChessPlayers players;  // an empty seat has IDDB -1
    int indexOfMe = 0;
    int32_t myId = -1;

    bool isInBoard = false;  // a game is being played
    int32_t turn = -1;  // the id of the player to move, -1 when nobody is
    int32_t firstMover = -1;
    int32_t interval = 0;  // seconds per move; 0 outside a game
    bool isDrawing = false;  // my draw offer waits for its answer
    bool isLosing = false;  // my resignation waits for its answer

    // The join reply: the table, its owner (ready from now on) and stake, and the players.
    void setPlayers(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money, ChessPlayers list,
                    int32_t signedInId);
    // A player takes the place of the entry at `index` (the server's seat, 0 or 1).
    void setAtSeat(int index, std::shared_ptr<ChessPlayer> player);

    std::shared_ptr<ChessPlayer> me() const;
    // The player of the top seat: the last entry that is not me (an empty seat has IDDB -1), or none.
    std::shared_ptr<ChessPlayer> opponent() const;
    // The first entry with the id, or none.
    std::shared_ptr<ChessPlayer> getPlayerWithID(int32_t id) const;
    // Its name as the table shows it, or "".
    std::string getPlayerNameFromID(int32_t id) const;
    // The name a player is shown by: as the server sent it (`showName`), else the kept name.
    static const std::string& shownName(const Player& player);
    bool amOwner() const { return myId == ownerID; }
    // The screen seat (0 or 2) that draws a player.
    int seatOf(int32_t id) const { return id == myId ? kBottomSeat : kTopSeat; }

    // The owner is always ready.
    void setOwnerWithNewOwner(int32_t id);
    // A new stake makes every player not ready.
    void setMoney(int32_t stake);
    // The flag of the first player with the id; false when nobody has it.
    bool setReadyWithId(int32_t id, bool ready);
    void resetReady();
    // The player's place becomes an empty seat.
    void playerLeaveWithId(int32_t id);

    // What the ready button does with my balance: refused during a game; refused for lack of money
    // when I am not ready yet (a ready state can always be cancelled); else the opposite of my flag is
    // sent.
    enum class ReadyAnswer { InGame, NotEnoughMoney, SendReady, SendNotReady };
    ReadyAnswer readyAnswer(int64_t myBalance) const;
    // What the owner's start does: nothing unless every other entry is seated and ready.
    enum class StartAnswer { Nothing, NotEnoughMoney, Send };
    StartAnswer startAnswer(int64_t myBalance) const;
    // Leaving asks first in a game or as a ready player who does not own the table.
    bool leaveNeedsConfirmation() const;

    // A game starts (`intervalMs` per move); `players`' quotas were set by the handler.
    void startWithMoveFirst(int32_t firstId, int32_t intervalMs);
    // A move was made; `next` is to move (-1: nobody, the game is won).
    void moveWithNext(int32_t next) { turn = next; }
    // The game ended: nobody is to move and nobody is ready.
    void closeBoard();
    bool iMoveFirst() const { return firstMover == myId; }

    // Start button kinds: 0 start, 1 ready, 2 cancel, 3 continue, 4 the stake, any other please wait.
    struct StartKind {
        std::string title;
        bool enabled = true;
        bool bold = false;
        int fontSize = 15;
    };
    static StartKind startKind(int kind, int32_t stake);
    // The start button's kind between games: start for the owner, ready for anyone else.
    int waitingStartKind() const { return amOwner() ? 0 : 1; }
    // The right-hand column: 0 the owner between games (password, invite), 2 anyone else (top-up only),
    // 1 or 3 during a game (resign and draw, as first or second mover).
    int rightColumnKind() const;

    // A tap on a seat button: an occupied seat opens the player menu (mine: about me), an empty seat
    // showing the invite caption opens the invite sheet, one without a caption does nothing.
    struct SeatTap {
        enum class Action { Nothing, PlayerMenu, InviteSheet } action = Action::Nothing;
        PlayerPtr player;
    };
    SeatTap tapSeat(int seat, bool showsInviteCaption, const PlayerPtr& myInfo) const;

    // The bubble of a chat line's sender (a screen seat): mine, a seated player's, else the centre
    // (notices).
    int bubbleOfSender(int32_t fromId) const;

    // A game result, read into the records on the main thread: my balance and experience (floored at
    // 0), and for each seated player the row's name, avatar and percentage of the level (0 where the
    // level needs no experience) and the player's experience and money. Returns my rows, in order,
    // one result dialog each.
    MatchResults applyMatchResults(const MatchResults& rows, Player* myInfo) const;

    // "ZUNO_whoWin" with the winner's name in its place ("" for a winner not seated).
    std::string whoWinText(int32_t winnerId) const;
};

// The move clock's title: minutes and seconds of the time left, "%02d:%02d".
std::string moveClockTitle(int64_t secondsLeft);

}  // namespace zuno
