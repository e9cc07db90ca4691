#pragma once

#include <array>
#include <string>

#include "games/banker/BankerTableView.h"

namespace zuno {

// The Xi Zach table: two cards each, then one player at a time, as the server names them, draws or
// stands; on his own turn the dealer (the owner) examines the others' hands; the server judges and pays.
class XiZachView : public BankerTableView {
    ZUNO_BINDINGS
public:
    XiZachView() : XiZachView("TienLenView") {}
    explicit XiZachView(std::string nibName);
    ~XiZachView() override;

    void startWithInterval(int8_t interval, std::optional<int32_t> whoMove, const CardIds& myCards) override;
    void getRemainTimeWithPlayerId(int32_t playerId, int8_t remainTime) override;
    void getCardWithPlayerId(int32_t playerId, int8_t cardId) override { rutBaiWithCardId(cardId, playerId); }
    void moveWithPlayerId(int32_t playerId, const CardIds& movedCards) override;
    void updateMoneyForPlayer(int32_t playerId, int32_t money) override;
    void doFireWithCardId(int8_t cardId) override;
    void xetBaiWithPlayer(int32_t playerId) override;

    void doRutBai();
    void doDangBai();
    void clickRutBai(ui::Button* sender);
    void clickViewPlayerInfo(ui::Button* button);
    void rutBaiWithCardId(int8_t cardId, int32_t playerId);
    // The acting player's name blinks in its seat.
    void noteCurrentPlayerWithPlayer(int32_t playerId);
    // One blink of the name; answers whether it blinks on (not once the deal has ended).
    bool showCurrentPlayerName();

    int32_t nextPlayer = -1;
    std::shared_ptr<ui::Button> btnBaiBot;
    std::shared_ptr<ui::Label> lblCurrentName;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    // A join: besides the card table's reset, no player to draw, no deck, no call.
    void resetView() override;

protected:
    const char* moveTitleKey() const override { return "ZUNO_botBai"; }
    const char* moveAutoTitleKey() const override { return "ZUNO_dangBai"; }
    ui::Rect stakeFrame(int seat) const override;
    ui::Point dealTarget(int seat, int position, int handSize) const override;
    void onMoveButton() override { doRutBai(); }
    void onMoveAutoButton() override { doDangBai(); }
    void onStop() override;

private:
    std::array<std::shared_ptr<ui::Label>, kSeats> nameLabels() const;
    void announce(int bubble, const std::string& call);
    void stopBlink();
    std::weak_ptr<XiZachView> weakXi();

    banker::SoundGate moneySound_;
    sys::RunLoop::TimerId blinkTimer_ = 0;
    int announcement_ = -1;  // the bubble that calls the player to act; -1 none
};

}  // namespace zuno
