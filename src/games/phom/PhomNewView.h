#pragma once

#include <string>
#include <vector>

#include "games/phom/PhomNewHand.h"
#include "games/phom/PhomView.h"

namespace zuno {

// The new Phom table: the Phom table whose hand arranges itself and reports its melds, whose melds the
// server alone judges, where a player who laid down may send cards onto the melds on the table before
// firing, and whose turn clock never plays for me. It changes only those steps of the Phom table.
class PhomNewView : public PhomView {
public:
    PhomNewView() : PhomNewView("PhomView") {}
    explicit PhomNewView(std::string nibName);

    PhomNewHand& newHand() { return hand_; }

    // The fire event names the firer first.
    void onFire(int32_t firer, int32_t next, int8_t card, int8_t numC) override;
    void onGetCard(uint8_t card) override;
    void onEatCard(bool isEat, int32_t numEat, int32_t firHa, int8_t nCard) override;
    void onHaPhom(bool isHa, const PhomLaidCards& cards, bool isU, const PhomSeatInts& orderMoney,
                  int32_t curID) override;
    void onFinishNew(int32_t score, const std::vector<int32_t>& cardR, int32_t userId, int32_t numRac) override;
    void onDenBaiNew(int32_t winId, int32_t orderMoney) override;
    void onPlayingNew(int32_t interval, int32_t curPlayer, int32_t firPlayer, const PhomFiredCards& cardShow,
                      const PhomEatenCards& cardEat, const PhomSeatInts& users) override;
    void onUWithUserID(int32_t userId, int8_t uKind, const CardIds& cards, int32_t lenCard) override;
    void onAddCard(int32_t userAdd, int8_t cardId, const std::vector<int32_t>& cardAdd, int32_t len) override;

    void doEat() override;
    void doFire() override;
    void doAddCard() override;
    void doSkipToDownPhom(ui::Object* sender) override;

    void viewWillAppear(bool animated) override;
    void resetView() override;

    int8_t eatCardID = -1;

protected:
    std::vector<PhomCard>& handCards() override { return hand_.myCards; }
    void dealt(const CardIds& myCards) override;
    std::optional<ui::Color> meldColour(size_t position) override;
    bool fadesEatenCards() const override { return true; }
    bool mayPickUp(const PhomCard&) const override { return true; }
    void dropCard(int from, int to) override;
    void dropToFire(int position) override;
    bool turnClockStep(int64_t now) override;
    void sendDraw() override;
    void sendLayDown() override;

private:
    void sendResetPhom();
    // After my draw or eat: lay down when my fired row holds exactly three cards, else fire.
    void layDownOrFire();

    PhomNewHand hand_;
};

}  // namespace zuno
