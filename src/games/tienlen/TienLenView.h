#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "games/tienlen/TienLenTableScreen.h"
#include "platform/core/RunLoop.h"
#include "table/GameCardView.h"
#include "table/TienLenPlayer.h"

namespace zuno {

class SelectableHand;
class TienLenService;

// The Tien Len table: my hand along the bottom, the set to beat in the middle, the other players'
// seats, and the start button's roles while a deal runs (start, ready, not ready, fire, skip,
// continue). The server deals, orders the turns and judges; this screen mirrors its messages and checks
// my own sets before sending them. Everything runs on the main thread.
class TienLenView : public GameCardView, public TienLenTableScreen {
    ZUNO_BINDINGS
public:
    using Cards = TienLenPlayer::Cards;

    // The start button's roles.
    enum Kind { kStart = 0, kReady = 1, kNotReady = 2, kFire = 3, kSkip = 4, kContinue = 5 };
    static constexpr ui::Point kDefaultEndPoint{240, 234};

    TienLenView() : TienLenView("TienLenView") {}
    explicit TienLenView(std::string nibName);
    ~TienLenView() override;

    // What the table events do (on the main thread).
    int8_t roomId() const override { return CardTableSeating::roomId(); }
    int8_t boardId() const override { return CardTableSeating::boardId(); }
    Players players() const override { return CardTableSeating::players(); }
    bool isFirstMatch() const override { return isFirstMatch_; }
    void setIsFirstMatch(bool on) override { isFirstMatch_ = on; }
    void setDisableReady(bool disable) override { GameCardView::setDisableReady(disable); }
    void setModeWithHas(bool has) override { setIsStartGame(has); }
    void resetSeat() override { GameCardView::resetSeat(); }
    void resetReady() override { GameCardView::resetReady(); }
    void setAtSeat(int8_t seat, PlayerPtr joinPersonInfo) override { GameCardView::setAtSeat(seat, joinPersonInfo); }
    void playerLeaveWithId(int32_t playerId) override { GameCardView::playerLeaveWithId(playerId); }
    void setOwnerWithNewOwner(int32_t ownerId) override { GameCardView::setOwnerWithNewOwner(ownerId); }
    void setReadyWithPlayerId(int32_t playerId, bool isReady) override {
        GameCardView::setReadyWithPlayerId(playerId, isReady);
    }
    void setMoneyOnBoard(int32_t money) override { GameCardView::setMoneyOnBoard(money); }
    void startWithWhoMoveFirst(int32_t whoMoveFirst, uint8_t interval, const CardIds& myCards) override;
    void moveWithPlayerId(int32_t playerId, const CardIds& movedCards, int32_t nextMove) override;
    void skipWithWho(int32_t who, int32_t nextMove, bool isClearCurrentCards) override;
    void moveErrorWithInfo(const std::string& info) override;
    void stopGame() override;
    void showCardsWithWho(int32_t who, const CardIds& cards, int cardCount) override;
    void finishWithWho(int32_t who, int8_t finishPosition, int32_t money, int32_t exp) override;
    void onChatFromWithId(int32_t playerId, const std::optional<std::string>& name, const std::string& text) override {
        GameCardView::onChatFromWithId(playerId, name, text);
    }
    void showFlyTextWirhFromId(int32_t playerId, int32_t money) override {
        GameCardView::showFlyTextWirhFromId(playerId, money);
    }
    void updateMoneyForPlayer(int32_t playerId, int32_t money) override {
        GameCardView::updateMoneyForPlayer(playerId, money);
    }
    void onBuzzWithContent(const std::string& content) override { GameCardView::onBuzzWithContent(content); }

    // Turn flow.
    bool checkValidSelectedCards() override;
    bool isAvailableFiredCards();
    bool fireMyCards();
    void setKindOfStart(int kind) override;
    void createBottomMenu(int menu) override;
    void resetCard(int mode) override;
    void setCurrentCardsWithCardIDs(const CardIds& ids, int seat);
    void doStartGame() override;
    void clickAutomaticSelectedCards() override;
    void clickStartGame();
    // My turn with nothing on the table to beat.
    bool leads() const;
    // The action button usable or dimmed as its role and the turn allow.
    void refreshTurnActions();

    // Seats.
    void setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                              std::vector<PlayerPtr> players) override;
    void setSeatInfoWithSeat(int seat, const PlayerPtr& player) override;
    void unsetSeatInfoWithSeat(int seat) override;

    // My hand.
    static void sortWithCards(Cards& cards);
    void paintMyCards(const Cards& cards, bool isChiaBai, bool isSapBai);
    void chiaBaiWithCards();
    void animateMyCards(const Cards& cards);
    void animateFiredCards(const Cards& cards, int seat);
    void animateEndedCards(const Cards& cards, int seat);
    // The cards fly from `start` to a centred row at height y, laid just under the topmost view.
    void flyCardsToRow(const Cards& cards, ui::Point start, double y);
    // One finger over the table, in the screen's points.
    void touchBeganAt(ui::Point point);
    void touchMovedTo(ui::Point point);
    void touchEndedAt(ui::Point point);
    void touchesBegan(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesMoved(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;

    void viewDidLoad() override;
    // The screen is kept for the next table: a table left deals, sounds and readies no more.
    void viewWillDisappear(bool animated) override;
    void resetView() override;

    // My seat's player and hand (none before I am seated).
    TienLenPlayerPtr myPlayer() const;
    Cards myCards() const;
    CardIds myCardIds() const;

    // Set when the first move must hold the three of spades; cleared before a pass is sent.
    void setForceMove3Bich(bool on) { forceMove3Bich = on; }
    bool forceMove3Bich = false;

    int mode = 0;
    int focusedCardIndex = -1;
    CardIds currentCardsValue;
    int8_t currentCardsType = -1;
    Cards currentCards;
    Cards cardShows;
    CardIds selectedCards;
    int8_t selectedCardsType = -1;
    bool isFlying = false;
    Cards myCardsInGame;
    ui::Point endPoint = kDefaultEndPoint;

    // Touch state.
    bool isDownTouch = false, isUpTouch = false, isSelect = false, isSelecting = false;
    std::shared_ptr<CardView> movedCard;
    int indexFromMove = -1, indexToMove = -1;
    ui::Point beginPoint;
    int offsetLeft = 0, offsetRight = 0, availableScreenWidth = 480;  // set when the view loads
    int posXCard = 0, indexCard = 0;

protected:
    void placeSeats() override;
    bool clearsGiftsOfEmptySeats() const override { return !isNorthern(); }
    bool mirrorsMyReady() const override { return isNorthern(); }

    // What the northern game changes.
    virtual bool isNorthern() const { return false; }
    virtual void sortIds(std::span<int8_t> ids) const;
    virtual int8_t typeOf(std::span<const int8_t> ids) const;
    virtual bool beats(std::span<const int8_t> mine, int8_t myType, std::span<const int8_t> table,
                       int8_t tableType) const;
    virtual void autoSelect(std::span<const int8_t> table, SelectableHand& hand) const;
    virtual TienLenService& service() const;

private:
    // The set to beat in ascending order, as the rules read it (the wire does not promise the order).
    CardIds tableSetAscending() const;
    void startTurn(int32_t userId);
    void removeCardSprites(const std::function<bool(const CardView&)>& which);
    void removeTableCards();
    int seatOfPlayer(int32_t userId) const;  // first seat 0..3, else 4
    int myId() const;
    std::weak_ptr<TienLenView> weakSelf();
    void cancelTimers();

    bool isFirstMatch_ = false;
    sys::RunLoop::TimerId dealTimer_ = 0;
};

}  // namespace zuno
