#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/banker/BCCardView.h"
#include "games/banker/BankerCardTaps.h"
#include "games/banker/BankerTableRules.h"
#include "games/banker/BankerTableScreen.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Label.h"
#include "table/GameCardView.h"

namespace zuno {

// What the Bai Cao and Xi Zach tables do alike, on the card table's seats, turn bar, bubbles, fly-texts,
// gifts and sheets: the seats with each player's stake (the owner, the banker, has none), the bottom
// buttons, ready and start, owner changes and departures, money changes, the end of a deal and the
// reveal of cards. Each game adds its deal and its moves. Everything runs on the main thread.
class BankerTableView : public GameCardView, public BankerTableScreen, public BankerCardTaps {
    ZUNO_BINDINGS
public:
    using Cards = TienLenPlayer::Cards;
    // The start button's roles; 3 is the game's own move.
    enum Kind { kStart = 0, kReady = 1, kNotReady = 2, kMove = 3, kContinue = 5 };

    explicit BankerTableView(std::string nibName);
    ~BankerTableView() override;

    // What the table events do.
    int8_t roomId() const override { return CardTableSeating::roomId(); }
    int8_t boardId() const override { return CardTableSeating::boardId(); }
    Players players() const override { return CardTableSeating::players(); }
    void setIsFirstMatch(bool) override {}
    void setDisableReady(bool disable) override { GameCardView::setDisableReady(disable); }
    void setModeWithHas(bool has) override { setIsStartGame(has); }
    void resetSeat() override { GameCardView::resetSeat(); }
    void resetReady() override { GameCardView::resetReady(); }
    void setAtSeat(int8_t seat, PlayerPtr joinPersonInfo) override { GameCardView::setAtSeat(seat, joinPersonInfo); }
    void playerLeaveWithId(int32_t playerId) override;
    void setOwnerWithNewOwner(int32_t ownerId) override { GameCardView::setOwnerWithNewOwner(ownerId); }
    void setReadyWithPlayerId(int32_t playerId, bool isReady) override {
        GameCardView::setReadyWithPlayerId(playerId, isReady);
    }
    void setMoneyOnBoardWithWho(int32_t money, int32_t who) override;
    void setMoneyOnBoard(int32_t money) override { BankerTableScreen::setMoneyOnBoard(money); }
    void stopGame() override;
    void showCardsWithPlayers(const std::vector<BankerHand>& hands) override;
    void playingWithInterval(int8_t interval, const std::vector<BankerHand>& hands) override;
    void onChatFromWithId(int32_t playerId, const std::optional<std::string>& name, const std::string& text) override {
        GameCardView::onChatFromWithId(playerId, name, text);
    }
    void showFlyTextWirhFromId(int32_t playerId, int32_t money) override;
    void onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) override;
    void updateMoneyForPlayer(int32_t playerId, int32_t money) override {
        GameCardView::updateMoneyForPlayer(playerId, money);
    }
    void onBuzzWithContent(const std::string& content) override { GameCardView::onBuzzWithContent(content); }

    // Buttons.
    void setKindOfStart(int kind) override;
    void createBottomMenu(int menu) override;
    void clickStartGame();
    void clickAutomaticSelectedCards() override;
    void doStartGame() override;
    void resetCard(int mode) override;

    // Seats.
    void setSeatInfoWithSeat(int seat, const PlayerPtr& player) override;
    void unsetSeatInfoWithSeat(int seat) override;
    std::shared_ptr<ui::Label> stakeLabel(int seat) const;

    // The hand of the player at a display seat (none for an empty seat).
    std::shared_ptr<TienLenPlayer> playerAt(int seat) const;
    int seatOf(int32_t playerId) const;  // display seat 0..3, else -1
    // Lays open the given positions of the hand at that seat.
    void setCurrentCardsWithCardIDs(const CardIds& ids, int seat);
    // My sprites as the show requests read them.
    std::vector<banker::MyCard> myCardStates() const;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void resetView() override;

    bool hasDealRunning() const { return dealTimer_ != 0; }

    // My turn bar lies over my name, off the band between the deck and my cards where my bubble and
    // the table's notices show.
    ui::Point turnBarCentre(int seat) const override;

protected:
    PlayerPtr asSeatPlayer(const PlayerPtr& player) const override;
    bool mirrorsMyReady() const override { return true; }
    int kindAfterReadyReset() const override;
    bool playsCoinSound() const override { return false; }

    // What the games differ in.
    virtual const char* moveTitleKey() const = 0;      // btnStart in menu 3
    virtual const char* moveAutoTitleKey() const = 0;  // btnAutoSelected in menu 3
    virtual ui::Rect stakeFrame(int seat) const = 0;
    // Where position `position` of a hand of `handSize` cards lies at a display seat.
    virtual ui::Point dealTarget(int seat, int position, int handSize) const = 0;
    virtual void onMoveButton() = 0;      // btnStart with the move title
    virtual void onMoveAutoButton() = 0;  // btnAutoSelected with the move title
    virtual void onStop() {}

    // A new deal's hands: mine from the dealt ids, the others' backs; seats placed.
    void dealHands(const CardIds& myCards, int otherCards, bool isBaiCao);
    // Runs the deal steps, one card every 0.15 s, from the first step; a new deal cancels the last.
    void runDeal(std::vector<banker::DealStep> steps);
    void removeCardSprites();
    int myId() const;
    std::weak_ptr<BankerTableView> weakSelf();
    std::string titleOf(const std::shared_ptr<ui::Button>& button) const;

    std::array<std::shared_ptr<ui::Label>, kSeats> stakeLabels_;

private:
    void dealStep(std::vector<banker::DealStep> steps, size_t next);

    sys::RunLoop::TimerId dealTimer_ = 0;
};

}  // namespace zuno
