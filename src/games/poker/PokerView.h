#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/poker/PokerAmounts.h"
#include "games/poker/PokerSeatCards.h"
#include "games/poker/PokerShowdown.h"
#include "games/poker/PokerTable.h"
#include "games/poker/PokerTableScreen.h"
#include "lobby/ScreenEvents.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Slider.h"
#include "shell/ColoredProgressView.h"
#include "shell/TableSheetHost.h"
#include "shell/ZunoViewController.h"
#include "table/BoardChat.h"
#include "table/PlayerMenuSheets.h"
#include "table/TableBottomMenu.h"
#include "table/TableDecorations.h"
#include "table/TableSeating.h"
#include "table/TableSettingsSheets.h"

namespace zuno {

// The Poker table, built from the interface file "PokerView": nine seats turned so that mine is at the
// bottom (display seat 0), the watchers, the markers and blinds, the hole cards, the betting buttons
// the server allows (on my turn only), the bet slider, the streets with the pots, the showdown's
// winners one by one, the chat panel and the bubbles, gifts, and the zoom between the waiting and the
// playing layout. Not a GameCardView, but seated and sent events like one. The state worth testing is
// the table model (`poker()`); this class draws it and runs the table's timers on the main run loop,
// all of them stopped when the screen disappears.
class PokerView : public ZunoViewController,
                  public CardTableSeating,
                  public TableScreenEvents,
                  public TableSheetHost,
                  public PokerTableEvents,
                  public PokerTableScreen {
    ZUNO_BINDINGS
public:
    static constexpr int kSeats = PokerTable::kSeats;
    static constexpr int kPots = PokerTable::kPots;
    static constexpr ui::Point kCentre{240, 160};
    static constexpr double kTurnTickSeconds = 0.15;
    // The turn bar empties in this many ticks, whatever turn time the hand's start announces.
    static constexpr int kTurnTicks = 200;
    static constexpr double kTurnSeconds = kTurnTicks * kTurnTickSeconds;
    static constexpr double kNameBlinkSeconds = 0.3;
    static constexpr double kDealSeconds = 0.3;
    static constexpr double kWinnerSeconds = 2.0;
    // The markers leave the table this long after the hand's end.
    static constexpr double kMarkerResetSeconds = 2.0;

    PokerView() : PokerView("PokerView") {}
    explicit PokerView(std::string nibName);
    ~PokerView() override;

    const PokerTable& poker() const { return poker_; }
    PokerTable& poker() { return poker_; }
    bool isGameEnd() const { return poker_.isGameEnd; }
    bool isCounting() const { return isCounting_; }
    bool hasWinnerStepPending() const { return winnerTimer_ != 0; }
    bool hasDealRunning() const { return dealTimer_ != 0; }
    double timeCountDown() const { return timeCountDown_; }
    PlayerPtr CurrentControlPlayer() const { return currentControlPlayer_; }
    // The slider's bounds and value as last set.
    const PokerSlider& slider() const { return slider_; }
    // The card views of a seated player (none for an empty seat).
    std::shared_ptr<PokerSeatCards> cardsOf(int32_t userId);
    const std::vector<std::shared_ptr<CardViewPhom>>& showCards() const { return showCardViews_; }

    // The zoomed view of the table is open.
    bool isZoom = false;

    // The table events.
    int8_t roomId() const override { return CardTableSeating::roomId(); }
    int8_t boardId() const override { return CardTableSeating::boardId(); }
    void resetSeat() override { resetSeatPoker(); }
    void setIsFirstMatch(bool) override {}
    void setAtSeat(int8_t seat, TienLenPlayerPtr joinPersonInfo) override;
    void onLeaveBoard(int32_t userId) override;
    void setOwnerWithNewOwner(int32_t ownerId) override;
    void playerLeaveWithId(int32_t userId) override;
    void removeAllPlayerCard() override;
    void onChatFromWithId(int32_t userId, const std::optional<std::string>& name, const std::string& text) override;
    void onBuzzWithContent(const std::string& content) override;
    void moveErrorWithInfo(const std::string& info) override;
    void start(int8_t interval, const Cards& myCards, int32_t dealerID, int32_t smallID, int32_t bigID, int32_t money,
               int32_t firstUserID, const Ints& userID, const Ints& userStack) override;
    void onBet(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) override;
    void onRaise(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) override;
    void onCall(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) override;
    void onAllIn(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) override;
    void onCheck(int32_t curUser, int32_t nextUserID, const Ints& action) override;
    void onFold(int32_t curUser, int32_t stack, int32_t nextUserID, const Ints& action) override;
    void onFlop(int32_t curUser, const Cards& flopCard, int32_t lengthPot, const Ints& pot) override;
    void onTurn(int32_t curUser, int8_t turnCard, int32_t lengthPot, const Ints& pot) override;
    void onRiver(int32_t curUser, int8_t riverCard, int32_t lengthPot, const Ints& pot) override;
    void onStack(int32_t userID, int32_t stack) override;
    void onPlaying(int32_t userID, int32_t cardLength, const Cards& communityCards, const Ints& user,
                   const Ints& stack, const Ints& odd) override;
    void onShowdown(int32_t exp, const std::string& decs, int32_t winnerID, int32_t winMoney, int32_t stack,
                    const Cards& cardID) override;
    void onJoinBoard(const Ints& userID, const Ints& stack) override;
    void onSelfResult(const std::string& pokerHand, const Cards& cardID) override;
    void onLastPot(const Ints& pot) override;
    void onObserver(int32_t userID) override;
    void onFullBoard() override;
    void onSit(int32_t userID, int8_t seat) override;
    void onStandUp(int32_t userID, int32_t nextID, int8_t seat, const Ints& action) override;
    void onOverMoney(int32_t userID) override;
    void onResult(const Ints& userID, const Ints& stack) override;
    void onStopGame() override;

    // What the table sheets ask.
    PlayerPtr currentControlPlayer() const override { return currentControlPlayer_; }
    bool isTableIdle() const override { return poker_.isGameEnd; }
    void showSetupPassword() override;
    void showSetupSoNguoi() override;
    void showCuoc() override;
    void showGiftView() override;
    void onChatFromMeWithText(const std::string& text) override;
    void sendBetRaise(int32_t amount) override;
    void doStandUp() override;

    // Session events.
    void onRequestDetail(const PlayerDetail& detail) override;
    void onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) override;
    void onShowListGift(std::vector<std::shared_ptr<CategoryShopInfo>> categories) override;
    void onShowItemsWithGift(std::shared_ptr<ItemsOfCategory> page) override;

    // Buttons of the table.
    void doFold();
    void doCheck();
    void doCall();
    void doBet();
    void doRaise();
    void doAllIn();
    void sliderChange();
    void doSit(int8_t seat);
    void doObserver(int8_t choice);
    // A seat button: a free seat is sat on (watching) or offered to a friend (seated); a taken one
    // opens the player menu.
    void clickSeat(ui::Button* button);
    void clickLeaveBoard();
    void pressLeave() override { clickLeaveBoard(); }
    void clickConfig();
    void clickInviting();
    void clickChatBoardOfMe();
    void clickShowChatBoard(ui::Object* sender);
    void showSetupCuoc(ui::Object* sender);
    void clickGiftDetail(ui::Button* button);
    // Stops the turn timer when it runs.
    virtual void hideTimer();
    // My account gains or loses what the hand moved of my chips, once it is settled for me.
    void settleMyMoney();
    void zoomIn();
    void zoomOut();
    void showChatWithSeat(int seat, const std::string& text);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void resetView() override;
    void setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                              std::vector<PlayerPtr> players) override;

    // Where things lie: the centre of a display seat's avatar, its first hole card at full size, its
    // half-size cards, a community card slot.
    ui::Point getAvaPostOfPlayer(const PokerPlayer& p) const;
    ui::Point cardPositionOfSeat(int seat) const;
    ui::Point getMiniCardPos(const PokerPlayer& p) const;
    // The first of a player's cards drawn face up (mine in my hand, another's shown at the showdown).
    ui::Point shownCardsPos(const PokerPlayer& p) const;
    ui::Point communitySlot(size_t index) const;

    // Outlets: one per display seat, pot, or bubble.
    template <class V>
    using PerSeat = std::array<std::shared_ptr<V>, kSeats>;
    PerSeat<ui::ImageView> ava, imgAnte;
    PerSeat<ui::Label> lblName, lblPlayerStack, lblStatus, lblPokerHand, lblPlayerMoney;
    PerSeat<ui::View> viePlayerMoney;
    PerSeat<ui::Button> btnSeat;
    std::array<std::shared_ptr<ui::View>, kPots> vieBot;
    std::array<std::shared_ptr<ui::Label>, kPots> lblBot;
    std::array<std::shared_ptr<ui::ImageView>, 5> chat;
    std::shared_ptr<ui::ImageView> imgBoard, imgBaiTi, imgDealer, imgSmallBind, imgBigBind;
    std::shared_ptr<ui::View> viewCuoc, viewSlider, bottomMenuView, viewChat, viewChatLines;
    std::shared_ptr<ui::Button> btnCuoc, btnFold, btnCheck, btnCall, btnRaise, btnBet, btnAllIn, btnExit, btnConfig,
        btnChat;
    std::shared_ptr<ui::Slider> sldBet;
    std::shared_ptr<ui::Label> lblSliderMoney;
    std::shared_ptr<menuSetup> mnuSetup;
    std::shared_ptr<menuCuoc> mnuCuoc;
    std::shared_ptr<menuSoNguoi> mnuSoNguoi;
    std::shared_ptr<menuPassword> mnuPassword;
    std::shared_ptr<ui::ViewController> playerDetail;  // a PlayerDetailSheet, when the file has one
    std::shared_ptr<menuMoiBan> mnuInviting;
    std::shared_ptr<boardChat> chatDialog;
    std::shared_ptr<menuPlayer> optionView;
    std::shared_ptr<ui::ViewController> viewGift;  // a GiftSheet, when the file has one
    std::shared_ptr<ColoredProgressView> pokerTime;

private:
    using Record = PokerTable::Record;

    // Seats.
    void resetSeatPoker();
    void resetLocalSeat();
    void drawAllPlayerInfo();
    void drawSeatButtons();
    void drawMoneyOfPlayer(const PokerPlayer& p);
    void setSeatForPlayer(const PokerPlayer& p);
    void hideAllInfo();
    void hideAllAvatar();
    void hideAllStatus();
    void hideAllBot();
    void clearPokerView();
    // After the seats changed (taken, left, turned to put mine first): the sheets' list of players,
    // every seat drawn, the markers beside the players they mark.
    void seatsChanged();
    // A player moved off his seat (the model makes him a watcher): his cards fly away.
    void cardsLeaveTable(int32_t userId);
    void removeGifts(const Record& record);

    // Markers and status words.
    void placeMarker(const std::shared_ptr<ui::ImageView>& marker, const PokerPlayer& p, ui::Point offset,
                     double seconds, double delay);
    void resetAllSmallName();
    // Every marker of the hand beside its player as he sits now; one whose player left the seats is
    // hidden.
    void drawMarkers();
    void followMarker(const std::shared_ptr<ui::ImageView>& marker, const Record& holder, ui::Point offset);
    void setStatus(int code, int32_t userId);

    // Betting.
    void onBetting(int code, int32_t actor, int32_t next, const Ints& action,
                   std::optional<std::pair<int32_t, int32_t>> moneyAndStack);
    void showButtons();
    void hideAllMenu();
    void showSlider(int32_t maximum);
    void hideSlider();
    void twoTapBetRaise();

    // The hand.
    void drawCardOfPlayer(const PokerPlayer& p);
    void minimizeOtherPlayerCard();
    void chiaBaiPokerWithCars(std::vector<std::shared_ptr<CardViewPhom>> cards);
    void cancelDeal();
    void onStreet(int32_t firstUser, const Cards& cards, const Ints& pots);
    void drawShowCard();
    void drawPot(const Ints& pots);
    void showPots(size_t count);
    void drawSelfResult();
    void applyOutline(const std::shared_ptr<PokerSeatCards>& hole, const PokerOutline& outline);
    void resetCardBoder(const std::shared_ptr<PokerSeatCards>& hole);
    void removePlayerCardsWithPlayer(int32_t userId);
    void removeCommunityCards();
    void animatedWinner();
    void animatedPokerHand(const std::string& hand, const PokerPlayer& p);
    void cancelWinnerStep();

    // The turn clock.
    void stopTurnClock();
    void drawTimeForPlayer(const PokerPlayer& p);
    void showTimer();
    void countDown();
    void twinkleTurn();

    void presentSheet(const std::shared_ptr<ui::ViewController>& sheet);
    void redrawChatLines();
    std::weak_ptr<PokerView> weakSelf();

    PokerTable poker_{-1};
    std::map<int32_t, std::shared_ptr<PokerSeatCards>> seatCards_;
    std::vector<std::shared_ptr<CardViewPhom>> showCardViews_;
    PlayerPtr currentControlPlayer_;
    PokerSlider slider_;
    bool sliderOpen_ = false;  // the shared open flag of BET and RAISE
    bool isCounting_ = false;
    double timeCountDown_ = 0;
    std::shared_ptr<ui::Label> nowTurn_;
    int nowTurnBlink_ = 0;
    sys::RunLoop::TimerId gameTimer_ = 0, nameTimer_ = 0, winnerTimer_ = 0, dealTimer_ = 0;
    // Counted up by every opening of the slider and placing of a marker, so that a fade or a markers'
    // reset begun before does not close or hide them when it ends.
    int sliderGeneration_ = 0, markerGeneration_ = 0;
    std::array<ui::Point, kSeats> chipHomes_{};  // where the bet chips rest, from the interface file
    std::array<ui::Point, kPots> potHomes_{};
    TableDecorations decorations_;
    TableBottomMenu bottomMenu_{TableBottomMenu::phomRules()};
};

}  // namespace zuno
