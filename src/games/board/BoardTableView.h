#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/board/BoardMoveClock.h"
#include "games/board/BoardTableScreen.h"
#include "lobby/ScreenEvents.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "shell/TableSheetHost.h"
#include "shell/ZunoViewController.h"
#include "table/BoardChat.h"
#include "table/PlayerMenuSheets.h"
#include "table/TableBottomMenu.h"
#include "table/TableDecorations.h"
#include "table/TableSeating.h"
#include "table/TableSettingsSheets.h"

namespace zuno {

// What a board table draws its own way: the stake button between games and during one (none: it slides
// onto the start button's place), the pictures of the right-hand column and of the start button's blink,
// and whether a game offers resignation and a draw.
struct BoardTableLook {
    ui::Rect stakeFrame{180, 132, 130, 52};
    // Clear of the screen's edge, between the seats' clocks, with a row of gifts above and below it.
    std::optional<ui::Rect> stakeFrameInGame = ui::Rect(4, 139, 72, 30);
    // The stake keeps its game place over the final position until the player continues (it would lie
    // on the board's middle); else it goes back as the game ends.
    bool stakeStaysUntilContinue = true;
    double stakeSlideSeconds = 0.6;
    int stakeFontSize = 13;         // bold between games
    // Between games the title is centred right of this much of the stake's left end (its money icon).
    double stakeIconRoom = 0;
    int stakeFontSizeInGame = 10;   // plain during a game
    const char* topUpIcon = "button-dat-cuoc.png";
    const char* passwordIcon = "button-pass.png";
    const char* inviteIcon = "button-moi-choi.png";
    bool resignAndDraw = true;
    StartButtonBlink::Look blink;
    std::optional<TableDecorationGeometry> decorationGeometry;  // none: the landscape board table's
    // Where a bubble (0 mine, 2 the opponent's, 4 the table's notices) shows while the stake is away
    // from its place between games (a game, and a final position the stake stays over); none: where
    // the geometry puts it throughout.
    std::array<std::optional<ui::Rect>, 5> bubbleAreasInGame{};
    bool giftsBesidePictures = true;  // else where the geometry lays them

    static TableDecorationGeometry landscapeDecorations();
};

// One entry of the right-hand column: label, icon and a transparent button over both.
struct BoardRightEntry {
    const char* labelKey;
    double labelY;
    const char* icon;
    double y;
    const char* action;
};

// The two-seat board-table screen that Co Tuong, Co Vua, Caro (and Blocks) build on: the signed-in
// player in the bottom seat 0, the other in the top seat 2; the start button (its kinds, its blink and,
// during a game, the move clock); the stake button; the right-hand column by kind; ready, start,
// cancel, continue; quota labels; bubbles, gifts and sheets; seat taps; leaving; draw and resignation;
// the end of a game. The state worth testing is the table model (`table()`); a game's screen adds its
// board and implements the start and the moves.
class BoardTableView : public ZunoViewController,
                       public BoardTableSeating,
                       public BoardTableScreen,
                       public TableScreenEvents,
                       public TableSheetHost {
    ZUNO_BINDINGS
public:
    explicit BoardTableView(std::string nibName, BoardTableLook look = {});
    ~BoardTableView() override;

    BoardTableModel& table() override { return model_; }
    const BoardTableModel& table() const { return model_; }
    // Also read by the dialog actions (draw answer, resignation).
    void setIsLosing(bool on) { model_.isLosing = on; }

    // Seating (from GameController after the push).
    void setPlayersWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                              std::vector<PlayerPtr> players) override;

    // BoardTableScreen.
    void setAtSeat(int8_t seat, std::shared_ptr<ChessPlayer> player) override;
    void playerLeaveWithId(int32_t playerId) override;
    void setOwnerWithNewOwner(int32_t ownerId) override;
    void setReadyWithId(int32_t playerId, bool isReady) override;
    void resetReady() override;
    void redrawSeats() override;
    void setMoney(int32_t money) override;
    void setKindOfStart(int kind) override;
    void closeBoardWithInfo(const std::string& info) override;
    void onChatFromWithId(int32_t playerId, const std::string& text) override;
    void onBuzzWithContent(const std::string& content) override;
    void setDrawTitle(const std::string& title) override;
    void setLoseTitle(const std::string& title) override;

    // TableSheetHost.
    PlayerPtr currentControlPlayer() const override { return CurrentControlPlayer; }
    bool isTableIdle() const override { return !model_.isInBoard; }
    void showSetupPassword() override { clickSetPass(); }
    void showCuoc() override { clickSetMoney(); }
    void showGiftView() override;
    void onChatFromMeWithText(const std::string& text) override;

    // TableScreenEvents.
    void onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) override;
    void onShowListGift(std::vector<std::shared_ptr<CategoryShopInfo>> categories) override;
    void onShowItemsWithGift(std::shared_ptr<ItemsOfCategory> page) override;
    void onRequestDetail(const PlayerDetail& detail) override;
    void updateMoneyWithUserId(int32_t userId, int64_t money) override;

    // Taps.
    void clickStartGame(ui::Object* sender = nullptr);
    void doLeaveBoard(ui::Object* sender = nullptr);
    void pressLeave() override { doLeaveBoard(); }
    void clickDraw();
    void clickLose();
    void clickInvite();
    void clickSetPass();
    void clickSetMoney();
    void clickChatBoardOfMe(ui::Object* sender = nullptr);
    void clickViewPlayer(ui::Object* sender);
    void clickGiftDetail(ui::Object* sender);

    // Views that the game screens and tests read.
    void setSeatInfoWithSeat(int seat, const std::shared_ptr<ChessPlayer>& player);
    void unsetSeatInfoWithSeat(int seat);
    void createRightButtonsWithKindOf(int kind);
    void setQuotaForPlayers();
    void setInvatingOnChair();
    void unSetInvatingOnChair();
    const TableDecorations& decorations() const { return decorations_; }

    std::shared_ptr<ui::Label> lblName0, lblName2, lblMoney0, lblMoney2, lblQuotaTime0, lblQuotaTime2, lblExit,
        lblChat;
    std::shared_ptr<ui::ImageView> ava0, ava2, ok0, ok2, imgTimer0, imgTimer2, iconMoney, chat0, chat2, chat4;
    std::shared_ptr<ui::Button> btnSeat0, btnSeat2, btnStart, btnCuoc;
    std::shared_ptr<ui::View> viewRight;
    std::shared_ptr<ui::Button> btnLose, btnDraw;  // made with the right-hand column
    std::shared_ptr<menuCuoc> mnuCuoc;
    std::shared_ptr<menuPassword> mnuPassword;
    std::shared_ptr<menuMoiBan> mnuInviting;
    std::shared_ptr<boardChat> chatDialog;
    std::shared_ptr<menuPlayer> optionView;
    std::shared_ptr<ui::ViewController> playerDetail;  // a PlayerDetailSheet, when the file has one
    std::shared_ptr<ui::ViewController> viewGift;      // a GiftSheet, when the file has one
    PlayerPtr CurrentControlPlayer;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // The game's start: the model, the timers, the column, the quotas and the clock; the game then
    // sets up its board.
    void startGameWithMoveFirst(int32_t whoMoveFirst, int32_t intervalMs);
    // A move was announced: the count starts again and `next` is to move.
    void moveMadeWithNext(int32_t next);
    // Back to an empty board between games; `keepButtons` leaves the start button and the column.
    virtual void resetView(bool keepButtons);
    // The board cleared of the last game (the game screen's part of resetView).
    virtual void clearBoard() {}
    // The game's own start request (Caro adds its speed).
    virtual void sendStart();
    // The game's draw offer.
    virtual void requestDraw() {}
    // A player's game time in milliseconds for the quota labels (Co Tuong keeps milliseconds).
    virtual int32_t quotaMilliseconds(int32_t quotaTime) const { return quotaTime; }
    // A notice in the centre bubble.
    void showNotice(const std::string& notice);
    // The board's play has moved or is about to (a move, the board scrolled): no bubble stays over it.
    void playMoved() { decorations_.playMoved(); }
    // The entries of the right-hand column of a kind (see BoardTableModel::rightColumnKind).
    virtual std::vector<BoardRightEntry> rightEntries(int kind) const;

    void setTimerWithSeat(int seat);
    // Both seats' move timers hidden and still (a hidden one would run on, at the next table too).
    void hideMoveTimers();
    // A right-hand entry's caption: its button's title, under its icon.
    static void setCaption(ui::Button& button, const std::string& caption);
    void animationForButtonCuoc();
    // The bubbles where the look puts them for a game (or its final position) or between games.
    void placeBubbles(bool inGame);
    // Between games: the stake button back in its place (animated when it was away) with its money icon.
    void stakeBackToTheMiddle();
    void cancelStartBlink() { blink_.cancel(); }
    const BoardTableLook& look() const { return look_; }
    void presentSheet(const std::shared_ptr<ui::ViewController>& sheet);

private:
    void doReady();
    void doStartGame();
    // The seating the dialog actions and the registry read follows the model.
    void syncSeating();
    std::shared_ptr<ui::Button> seatButton(int seat) const;

    BoardTableLook look_;
    BoardTableModel model_;
    BoardMoveClock clock_;
    StartButtonBlink blink_;
    TableDecorations decorations_;
};

}  // namespace zuno
