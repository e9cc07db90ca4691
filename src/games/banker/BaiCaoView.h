#pragma once

#include <string>

#include "games/banker/BankerTableView.h"

namespace zuno {

// The Bai Cao table: three cards each, mine face down until I show them (one at a time, a tapped one,
// or all); the owner is the banker and the server judges and pays.
class BaiCaoView : public BankerTableView {
public:
    BaiCaoView() : BaiCaoView("TienLenView") {}
    explicit BaiCaoView(std::string nibName);

    void startWithInterval(int8_t interval, std::optional<int32_t> whoMove, const CardIds& myCards) override;
    void moveWithPlayerId(int32_t playerId, const CardIds& movedCards) override;
    // Asks to show that card of mine; -1 the next one not yet asked for.
    void doFireWithCardId(int8_t cardId) override;
    void xetBaiWithPlayer(int32_t) override {}
    void showAllCards();

protected:
    const char* moveTitleKey() const override { return "ZUNO_showAllCards"; }
    const char* moveAutoTitleKey() const override { return "ZUNO_showOnceCard"; }
    ui::Rect stakeFrame(int seat) const override;
    ui::Point dealTarget(int seat, int position, int handSize) const override;
    void onMoveButton() override { showAllCards(); }
    void onMoveAutoButton() override { doFireWithCardId(-1); }
    void onStop() override;
};

}  // namespace zuno
