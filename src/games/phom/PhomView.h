#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/phom/PhomCard.h"
#include "games/phom/PhomTable.h"
#include "games/phom/PhomTableLayout.h"
#include "games/phom/PhomTableScreen.h"
#include "platform/core/RunLoop.h"
#include "table/CardView.h"
#include "table/GameCardView.h"
#include "table/TableBottomMenu.h"

namespace zuno {

// The Phom table: my hand along the bottom, each seat's fired, eaten and laid rows, and two bottom
// buttons whose titles are the moves the state offers (start, ready, draw, eat, fire, lay down,
// continue). The state is the table model (`phom()`); this screen draws it, sends my moves, runs the
// deal animation, the zoomed table and the turn clock's automatic lay-down and skip. New Phom's screen
// is built on it and changes only the steps its game plays otherwise. Everything runs on the main thread.
class PhomView : public GameCardView, public PhomTableScreen {
    ZUNO_BINDINGS
public:
    using Sprite = std::shared_ptr<CardViewPhom>;
    using Sprites = std::vector<Sprite>;

    static constexpr double kFireLine = PhomTableLayout::kFireLine;  // a card dropped above this line is fired
    static constexpr double kHandY = PhomTableLayout::kHandY;

    PhomView() : PhomView("PhomView") {}
    explicit PhomView(std::string nibName);
    // A Phom game whose bottom buttons have other titles or menus.
    PhomView(std::string nibName, TableBottomMenu::Rules rules);
    ~PhomView() override;

    PhomTable& phom() { return phom_; }
    const PhomTable& phom() const { return phom_; }

    // What the table events do.
    int8_t roomId() const override { return CardTableSeating::roomId(); }
    int8_t boardId() const override { return CardTableSeating::boardId(); }
    Players players() const override { return CardTableSeating::players(); }
    void setIsFirstMatch(bool on) override { phom_.isFirstMatch = on; }
    void setDisableReady(bool disable) override { GameCardView::setDisableReady(disable); }
    void setModeWithHas(bool has) override { setIsStartGame(has); }
    void resetSeat() override { GameCardView::resetSeat(); }
    // An empty seat shows no picture, name or money (its button invites between deals).
    void unsetSeatInfoWithSeat(int seat) override { clearSeatPlayer(seat); }
    void resetReady() override { GameCardView::resetReady(); }
    void setAtSeat(int8_t seat, PlayerPtr joinPersonInfo) override { GameCardView::setAtSeat(seat, joinPersonInfo); }
    void playerLeaveWithId(int32_t playerId) override;
    void setOwnerWithNewOwner(int32_t ownerId) override { GameCardView::setOwnerWithNewOwner(ownerId); }
    void setReadyWithPlayerId(int32_t playerId, bool isReady) override {
        GameCardView::setReadyWithPlayerId(playerId, isReady);
    }
    void setMoneyOnBoard(int32_t money) override;
    // A sender without a seat talks in the table's middle bubble.
    void onChatFromWithId(int32_t playerId, const std::optional<std::string>& name, const std::string& text) override;
    void showFlyTextWirhFromId(int32_t playerId, int32_t money) override {
        GameCardView::showFlyTextWirhFromId(playerId, money);
    }
    void updateMoneyForPlayer(int32_t playerId, int32_t money) override {
        GameCardView::updateMoneyForPlayer(playerId, money);
    }
    void onBuzzWithContent(const std::string& content) override { GameCardView::onBuzzWithContent(content); }

    void start(int8_t interval, const CardIds& myCards, int32_t firstMove, int32_t firstHa) override;
    void onGetCard(uint8_t card) override;
    void onFire(int32_t next, int32_t firer, int8_t card, int8_t numC) override;
    void onSkipPlayer(int32_t player, int32_t firHa) override;
    void onEatCard(bool isEat, int32_t numEat, int32_t firHa, int8_t nCard) override;
    void onHaPhom(bool isHa, const PhomLaidCards& cards, bool isU, const PhomSeatInts& orderMoney,
                  int32_t curID) override;
    void onOnceWin(int32_t money) override;
    void setScore(const PhomSeatInts& score) override;
    void onFinish(const PhomSeatInts& score, const PhomLeftoverCards& cardR, const PhomSeatInts& money) override;
    void onDenBai(int32_t winId, const PhomSeatInts& orderMoney) override;
    void onResetPhomEat(bool reset) override {}
    void onPlaying(int32_t interval, int32_t curPlayer, int32_t firPlayer, const PhomFiredCards& cardShow,
                   const PhomEatenCards& cardEat, int32_t firHa) override;
    void moveErrorWithInfo(const std::string& info) override;

    // The bottom buttons.
    void setKindOfStart(int kind) override;
    void createBottomMenu(int menu) override;
    void clickStartGame();
    void clickConfig();
    void doStartGame() override;
    void doNhan();
    void clickNhan(ui::Object*) { doNhan(); }
    virtual void doEat();
    virtual void doFire();
    void doHaPhom();
    virtual void doAddCard() {}
    // The stop-sending button (new Phom's).
    virtual void doSkipToDownPhom(ui::Object* sender) {}
    // The bar's setup icon: the owner's setup sheet.
    void showSetupMenu() { GameCardView::clickConfig(); }
    void doContinue();
    void resetCard(int mode) override;
    void stopGame();

    // My hand and the rows on the table.
    const Sprites& handSprites() const { return hand_; }
    const Sprites& firedSprites(int seat) const { return fired_[static_cast<size_t>(seat)]; }
    const Sprites& laidSprites(int seat) const { return laid_[static_cast<size_t>(seat)]; }
    const Sprites& eatenSprites(int seat) const { return eaten_[static_cast<size_t>(seat)]; }
    // Draws the hand from the model: the deal animation after a deal, else the layout.
    void paintMyCards();
    void chiaBai();
    void animateMyCards();
    bool isDealing() const { return dealTimer_ != 0 || waitingChiaBai; }
    void paintFiredCards(int seat, std::optional<ui::Point> newestFrom = std::nullopt);
    void paintPhomCards(int seat);
    void paintLaidIds(int seat, const std::vector<int>& ids, std::optional<ui::Point> from = std::nullopt);
    void paintXXXCards(int seat);
    void paintLeftovers(int seat, const std::vector<int>& ids);
    void zoomIn();
    void zoomOut();
    bool isZoom = false;

    // One finger over the table, in the screen's points.
    void touchBeganAt(ui::Point point);
    void touchMovedTo(ui::Point point);
    void touchEndedAt(ui::Point point);
    void touchesBegan(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesMoved(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void resetView() override;
    void setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                              std::vector<PlayerPtr> players) override;
    void setShowImageEnd(int seat, PhomEndMark mark);
    // Leaving asks first while a deal runs, or when I am both ready and the owner.
    bool leaveNeedsConfirmation() const override;
    // Whether any of the screen's own timers (deal, layout) is pending.
    bool hasPendingTimers() const { return dealTimer_ != 0 || layoutTimer_ != 0; }

    // Outlets of the Phom layout.
    std::shared_ptr<ui::Button> btnSkip;
    std::shared_ptr<ui::ImageView> imgBaiTi;
    std::shared_ptr<ui::View> viewStake;
    std::shared_ptr<ui::ImageView> imgEnd0, imgEnd1, imgEnd2, imgEnd3;

protected:
    // The hand as the game's rules keep it.
    virtual std::vector<PhomCard>& handCards() { return phom_.hand.myCards; }
    // The border of a meld card in my hand: none for a free card.
    virtual std::optional<ui::Color> meldColour(size_t position);
    virtual bool fadesEatenCards() const { return false; }
    // The game's draw and lay-down requests (the hand's cards after a draw are the game's).
    virtual void sendDraw();
    virtual void sendLayDown();
    // Right after the model took a deal.
    virtual void dealt(const CardIds& myCards) {}
    // Whether a card of my hand may be dragged at all.
    virtual bool mayPickUp(const PhomCard& card) const;
    // A drag released in the hand: the card moves from one place to another.
    virtual void dropCard(int from, int to);
    // A drag released above the fire line.
    virtual void dropToFire(int position);
    // The turn clock: the current player's name blinks; my lay-down goes by itself 2 s before the end.
    bool turnClockStep(int64_t now) override;
    // The name of the player who must act blinks in green; the others show in white.
    void blinkCurrentName();

    bool isMe(int32_t userId) const { return phom_.isMe(userId); }
    void showPhomMenu(PhomMenu menu) { createBottomMenu(static_cast<int>(menu)); }
    // The model's menu, drawn.
    void showModelMenu() { showPhomMenu(phom_.menu); }
    void showMyBubble(const std::string& key);
    void applyShown(const PhomTable::Shown& shown);
    // Sprite selection copied into the model's hand, and back.
    void readSelection();
    void clearSelection();
    void removeAllCardSprites();
    Sprite makeSprite(int id, int32_t playerId, int tag) const;
    void startTurnAt(int64_t now);
    std::weak_ptr<PhomView> weakSelf();
    ui::Point startOfSeat(int seat) const;
    void replaceRow(Sprites& row, Sprites fresh);
    // A seat's row of cards: fired (or leftover) cards on the seat's fired line, eaten and laid cards on
    // its laid line; none, the newest or all of them fly in from `from`.
    enum class RowKind { Fired, Eaten, Laid };
    enum class Flight { None, Newest, All };
    void paintRow(int seat, RowKind kind, const std::vector<int>& ids, Flight flight, ui::Point from);
    Sprites& rowSprites(int seat, RowKind kind);
    std::vector<int> eatenNotLaid(int seat) const;
    void cancelOwnTimers();
    StartButtonBlink& startBlink() override { return bottom_.blink(); }

    PhomTable phom_{table()};
    TableBottomMenu bottom_{TableBottomMenu::phomRules()};
    Sprites hand_;
    std::array<Sprites, 4> fired_, laid_, eaten_;
    bool waitingChiaBai = false, isGameBegin = false;
    int indexCard = 0, posXCard = 0;
    int offsetLeft = 30, offsetRight = 60;
    ui::Point baiPost{240, 284};
    // Drag state.
    Sprite toMove;
    int indexOfCard = -1, indexOfCard2 = -1;
    bool isCardMove = false, isEatTouch = false;
    sys::RunLoop::TimerId dealTimer_ = 0;
    sys::RunLoop::TimerId layoutTimer_ = 0;
    int announcedSeat_ = -1;  // the seat whose name the turn clock shows as the player to act
};

}  // namespace zuno
