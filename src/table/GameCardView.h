#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "lobby/ScreenEvents.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "shell/ColoredProgressView.h"
#include "shell/ZunoViewController.h"
#include "table/BoardChat.h"
#include "table/CardView.h"
#include "table/PlayerMenuSheets.h"
#include "table/TableBottomMenu.h"
#include "table/TableDecorations.h"
#include "table/TableSeating.h"
#include "table/TableSettingsSheets.h"
#include "shell/TableSheetHost.h"

namespace zuno {

// The common card-table screen of Tien Len, Tien Len Mien Bac, Bai Cao and Xi Zach, built from the
// interface file "TienLenView": four seats (0 bottom, always me; 1 right; 2 top; 3 left), the turn
// bar and the turn clock, ready marks, the start, ready, leave and skip actions, the table sheets,
// and the chat bubbles, money fly-texts and gifts over the table. The state worth testing is the
// table model (`table()`); this class draws it and runs its timers on the main run loop.
//
// A game subclass supplies the game: it overrides the hooks (doStartGame, resetCard,
// clickAutomaticSelectedCards, unsetSeatInfoWithSeat, checkValidSelectedCards, setOwnerWithNewOwner,
// setKindOfStart), lays out its cards, and starts each turn with startTurnOfPlayer.
class GameCardView : public ZunoViewController,
                     public CardTableSeating,
                     public TableScreenEvents,
                     public TableSheetHost,
                     public CardTableDelegate {
    ZUNO_BINDINGS
public:
    static constexpr int kSeats = CardTableModel::kSeats;
    static constexpr int kCentre = CardTableModel::kCentre;

    GameCardView() : GameCardView("TienLenView") {}
    explicit GameCardView(std::string nibName);
    // A screen whose decorations lie elsewhere.
    GameCardView(std::string nibName, TableDecorationGeometry geometry);
    ~GameCardView() override;

    // The table's state, under the names the rest of the client uses.
    bool isStartGame() const { return table().isStartGame; }
    void setIsStartGame(bool on) { table().isStartGame = on; }
    bool isGameEnd() const { return table().isGameEnd; }
    void setIsGameEnd(bool on) { table().isGameEnd = on; }
    PlayerPtr CurrentControlPlayer() const { return table().CurrentControlPlayer; }
    void setCurrentControlPlayer(PlayerPtr player) { table().CurrentControlPlayer = std::move(player); }
    int interval() const { return table().interval; }
    void setInterval(int seconds) { table().interval = seconds; }
    int32_t currentPlayer() const { return table().currentPlayer; }
    void setCurrentPlayer(int32_t userId) { table().currentPlayer = userId; }
    bool disableReady() const { return table().disableReady; }
    virtual void setDisableReady(bool disable) { table().disableReady = disable; }
    void setOwnerID(int32_t ownerId) { table().ownerID = ownerId; }
    std::array<std::string, 5> chatPlayers() const { return decorations_.chatPlayers(); }
    const std::array<int, kSeats>& seats() const { return table().seats; }
    int indexOfMe() const { return table().indexOfMe; }

    int getSeatFromID(int32_t userId) const { return table().getSeatFromID(userId); }
    std::string getPlayerNameFromID(int32_t userId) const { return table().getPlayerNameFromID(userId); }

    // The turn bar at a screen seat (4: not seated), emptying in `interval` seconds.
    void setTimerWithSeat(int seat);
    // Where the turn bar of a screen seat 0..3 lies.
    virtual ui::Point turnBarCentre(int seat) const;
    void repeatTimer();
    // With 1: runs a tick of the turn clock now, and every second after; anything else is ignored.
    void startTimer(int value);
    // One tick of the turn clock; answers whether the clock goes on.
    bool showPlayerTime();
    // A game's own step at each tick of the turn clock, before the common one; true stops the clock.
    virtual bool turnClockStep(int64_t now) { return false; }
    // A turn starts: that player's bar, and the clock until now + interval.
    void startTurnOfPlayer(int32_t userId);
    // No turn runs: the clock and the bar stop, and no name shows as the player to act.
    void stopTurnClock();
    // The clock the turns are timed by, in whole seconds.
    static int64_t clockSeconds();

    void showOKImageWithMode(bool on);
    void setHiddenButtonSeat(bool on);
    void setInvatingOnChair();
    void unSetInvatingOnChair();

    void updateMoneyWithUserId(int32_t userId, int64_t money) override;
    void onRequestDetail(const PlayerDetail& detail) override;
    virtual void onBuzzWithContent(const std::string& content);
    // The owner is ready by being the owner; between deals the bottom menu follows (1 mine, 2 another's).
    virtual void setOwnerWithNewOwner(int32_t ownerId);
    virtual void setKindOfStart(int kind);
    virtual void createBottomMenu(int menu) {}
    // The auto-select / options button's role: its title and picture (and a caption the file may add).
    void setAutoSelectedRole(const char* titleKey);

    // Seats (what every four-seat card table does alike; a game adds to them).
    virtual void resetSeat();
    virtual void setSeatInfoWithSeat(int seat, const PlayerPtr& player);
    virtual void setAtSeat(int8_t seat, PlayerPtr joinPersonInfo);
    virtual void playerLeaveWithId(int32_t playerId);
    // Every ready flag cleared; between deals the start button offers ready again after 0.1 s.
    virtual void resetReady();
    virtual void setReadyWithPlayerId(int32_t playerId, bool isReady);
    virtual void setMoneyOnBoard(int32_t money);
    // A bonus or a loss: the seat's money changes, with the coin sound at most every 1.5 s.
    virtual void updateMoneyForPlayer(int32_t playerId, int32_t money);
    // A kick button: its tag is the player to kick.
    void kickPlayer(ui::Button* sender);
    bool waitToPlayNextSound = false;

    // Whether leaving asks first (a deal runs, or I am ready).
    virtual bool leaveNeedsConfirmation() const;

    // Hooks of the game screens.
    virtual void doStartGame() {}
    virtual void clickAutomaticSelectedCards() {}
    virtual void unsetSeatInfoWithSeat(int seat) {}
    virtual void resetCard(int mode) {}
    virtual bool checkValidSelectedCards() { return false; }
    // A card this table dealt was raised or lowered.
    void cardSelectionChanged() override { checkValidSelectedCards(); }

    // Gifts.
    void showGiftView() override;
    void onShowListGift(std::vector<std::shared_ptr<CategoryShopInfo>> categories) override;
    void onShowItemsWithGift(std::shared_ptr<ItemsOfCategory> page) override;

    // Sheets.
    void clickConfig();
    void clickInviting();
    void clickChatBoardOfMe();
    void showSetupPassword() override;
    void showSetupSoNguoi() override;
    void showSetupCuoc(ui::Object* sender);
    void showCuoc() override;
    void showPlayerDetail(ui::Button* button);
    void clickViewPlayerInfo(ui::Button* button);
    void clickGiftDetail(ui::Button* button);
    void clickMailBox();

    // Player actions.
    void clickStartGame();
    void doReady();
    void clickLeaveBoard();
    void pressLeave() override { clickLeaveBoard(); }
    // Asks whether to pass this turn, while a turn of mine runs; the question closes when the turn
    // leaves me or the deal stops.
    void doSkip();
    // The pass was asked on the turn that still runs, and it is mine.
    bool passStillWanted() const;
    void changeBackgroundOfStart();

    // Chat bubbles, fly-texts, gifts, the table image.
    void onChatFromMeWithText(const std::string& text) override;
    bool onChatFromWithId(int32_t userId, const std::optional<std::string>& name, const std::string& text);
    void showChatWithSeat(int seat, const std::string& text);
    void showChatAtSeat(int seat);
    // Shows the text at once in place of what the bubble shows or waits to show.
    void replaceChatWithSeat(int seat, const std::string& text);
    void hideChat(int seat);
    // The bubbles stay over cards laid on the table after them; the running turn bar and the money
    // flying stay over the bubbles.
    void bringBubblesToFront();
    // A seat's mark for the round under way (a pass), in its bubble; the deal's end takes the marks
    // down, so that nothing of the last round lies over what the end shows.
    void showMarkWithSeat(int seat, const std::string& text);
    void takeDownRoundMarks();
    virtual void showFlyTextWirhFromId(int32_t userId, int32_t money);
    void addGiftOnBoardWithPlayer(const PlayerPtr& player);
    void onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) override;
    void animationBoard();
    // Where the table is drawn: larger during a deal, smaller between deals.
    static ui::Rect boardFrame(bool duringDeal);

    // What the table sheets ask.
    PlayerPtr currentControlPlayer() const override { return CurrentControlPlayer(); }
    bool isTableIdle() const override { return isGameEnd(); }

    void resetView() override;
    void setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                              std::vector<PlayerPtr> players) override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    std::shared_ptr<ColoredProgressView> progressTimer;
    double limitProgress() const { return bar_.progress(); }
    bool isTurnBarRunning() const { return limitTimer_ != 0; }
    bool isTurnClockRunning() const { return clockTimer_ != 0; }
    std::string startImageName;

    // Outlets.
    std::shared_ptr<ui::Label> lblPhong;
    std::shared_ptr<ui::Button> btnCuoc;
    std::shared_ptr<ui::ImageView> ava0, ava1, ava2, ava3;
    std::shared_ptr<ui::ImageView> ok0, ok1, ok2, ok3;
    std::shared_ptr<ui::Label> lblName0, lblName1, lblName2, lblName3;
    std::shared_ptr<ui::Label> lblMoney0, lblMoney1, lblMoney2, lblMoney3;
    std::shared_ptr<ui::Button> btnInfo0, btnInfo1, btnInfo2, btnInfo3;
    std::shared_ptr<ui::ImageView> chat0, chat1, chat2, chat3, chat4;
    std::shared_ptr<ui::Button> btnStart, btnConfig, btnInvite, btnKick, btnAutoSelected, btnExit, btnThinking,
        btnChat, btnMail, btnNapWin;
    std::shared_ptr<ui::Label> lblStart, lblConfig, lblInvite, lblKick, lblAutoSelected, lblChat;
    std::shared_ptr<ui::ImageView> imgChain0, imgChain1, imgChain2, imgChain3;
    std::shared_ptr<ui::Button> btnSeat0, btnSeat1, btnSeat2, btnSeat3;
    std::shared_ptr<ui::View> bottomMenuView;
    std::shared_ptr<menuSetup> mnuSetup;
    std::shared_ptr<menuCuoc> mnuCuoc;
    std::shared_ptr<menuSoNguoi> mnuSoNguoi;
    std::shared_ptr<menuPassword> mnuPassword;
    std::shared_ptr<menuAuto> mnuAuto;
    std::shared_ptr<PlayerInfo> playerInfoDialog;
    std::shared_ptr<ui::ViewController> playerDetail;  // a PlayerDetailSheet, when the file has one
    std::shared_ptr<menuMoiBan> mnuInviting;
    std::shared_ptr<boardChat> chatDialog;
    std::shared_ptr<menuPlayer> optionView;
    std::shared_ptr<ui::ViewController> viewGift;  // a GiftSheet, when the file has one
    std::shared_ptr<ui::ImageView> imgBoard;
    std::shared_ptr<ui::ImageView> imgPosition1, imgPosition2, imgPosition3, imgPosition4;
    std::shared_ptr<ui::View> viewStart, viewConfig, viewKick, viewInviting, viewThinking, viewChat, viewAutoSelect;
    std::shared_ptr<ui::ImageView> imgTimer, imgStart, imgMoney;
    std::shared_ptr<ui::View> viewMenuPlayer;
    std::shared_ptr<ui::Label> lblHelp;

    // The outlets of one screen seat (0..3); the bubble of seat 4 is the centre's.
    std::shared_ptr<ui::ImageView> readyMark(int seat) const;
    std::shared_ptr<ui::Button> seatButton(int seat) const;
    std::shared_ptr<ui::ImageView> bubble(int seat) const;

    // Where the card table draws a seat's gifts.
    static ui::Point giftCentre(int seat, int index);

protected:
    // The table keeps its own seat players, which hold their hands (an empty place has id -1).
    virtual PlayerPtr asSeatPlayer(const PlayerPtr& player) const;
    // Seats filled round the table from mine.
    virtual void placeSeats();
    // Whether an empty place's gift sprites are removed when the seats are placed again.
    virtual bool clearsGiftsOfEmptySeats() const { return true; }
    // Whether my own ready flag is also the signed-in player's.
    virtual bool mirrorsMyReady() const { return false; }
    // The start button's kind once the ready flags are cleared between deals.
    virtual int kindAfterReadyReset() const { return 1; }
    virtual bool playsCoinSound() const { return true; }
    // Pending seat timers (ready offer, coin sound) cancelled.
    void cancelSeatTimers();
    // The invite titles on empty seats between deals, none during one.
    void refreshInviteMarks();

    // A seated player at a screen seat: avatar, info button (titled with the id), name and money shown.
    void showSeatPlayer(int seat, const PlayerPtr& player);
    // The seat's info title, name, money and ready mark cleared; money, mark and avatar hidden.
    void clearSeatPlayer(int seat);
    // The seat's ready mark with that picture, shown.
    void showMark(int seat, const std::string& image);
    // A player's record becomes an empty seat; his gifts leave the screen.
    static void emptySeatRecord(Player& player);

    // Every seat's name shown, in the colour its interface file gives it: none lit or blinking as the
    // player to act.
    void showNamesOffTurn();

    // The start button's highlight (a screen with its own bottom menu has its own).
    virtual StartButtonBlink& startBlink() { return startBlink_; }

    // Bubbles, fly-texts and gifts shown from now on lie where the geometry says.
    void setDecorationGeometry(TableDecorationGeometry geometry) { decorations_.setGeometry(std::move(geometry)); }

    // Adds a sheet's view over the screen and lets it slide in.
    void presentSheet(const std::shared_ptr<ui::ViewController>& sheet);

private:
    void cancelStartBlink();
    void closePassQuestion();
    void stopTurnBar();
    void showSheetOrNothing(const std::shared_ptr<ui::ViewController>& sheet);

    sys::RunLoop::TimerId readyTimer_ = 0;
    sys::RunLoop::TimerId soundTimer_ = 0;
    TurnBar bar_;
    sys::RunLoop::TimerId limitTimer_ = 0;
    sys::RunLoop::TimerId clockTimer_ = 0;
    StartButtonBlink startBlink_;
    TableDecorations decorations_;
    std::array<ui::Color, kSeats> namesOffTurn_{ui::Color::white(), ui::Color::white(), ui::Color::white(),
                                               ui::Color::white()};
};

}  // namespace zuno
