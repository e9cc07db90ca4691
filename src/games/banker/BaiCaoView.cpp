#include "games/banker/BaiCaoView.h"

#include "games/banker/BaiCaoService.h"
#include "games/banker/BankerTableLayout.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

BaiCaoView::BaiCaoView(std::string nibName) : BankerTableView(std::move(nibName)) {}

// The punters' stakes between their seats and the middle, the top seat's under its bubble; mine by my
// seat.
ui::Rect BaiCaoView::stakeFrame(int seat) const {
    if (seat == 0) return bankerlayout::myStakeFrame();
    static constexpr ui::Point kOrigins[] = {{}, {290, 130}, {180, 96}, {70, 130}};
    return {kOrigins[seat].x, kOrigins[seat].y, 120, 20};
}

ui::Point BaiCaoView::dealTarget(int seat, int position, int handSize) const {
    switch (seat) {
        case 0: return {180.0 + 60 * position, bankerlayout::kMyHandY};
        case 2: return {180.0 + 60 * position, bankerlayout::kTopHandY};
        default: return bankerlayout::sideRowCentre(seat, position, handSize);
    }
}

void BaiCaoView::startWithInterval(int8_t interval, std::optional<int32_t>, const CardIds& myCards) {
    view();
    Util::callRung();
    setIsStartGame(true);
    setIsGameEnd(false);
    createBottomMenu(3);
    dealHands(myCards, banker::kBaiCaoCards, true);
    std::array<bool, kSeats> seated{};
    for (int seat = 0; seat < kSeats; ++seat) seated[static_cast<size_t>(seat)] = playerAt(seat) != nullptr;
    runDeal(banker::baiCaoDeal(seated));
    showOKImageWithMode(true);
    setInterval(static_cast<uint8_t>(interval));
    startTurnOfPlayer(-1);
    animationBoard();
    setHiddenButtonSeat(true);
    if (btnNapWin) btnNapWin->setHidden(true);
}

void BaiCaoView::doFireWithCardId(int8_t cardId) {
    auto me = std::dynamic_pointer_cast<TienLenPlayer>(table().me());
    if (!me) return;
    auto states = myCardStates();
    auto request = banker::showRequest(states, cardId);
    for (size_t i = 0; i < states.size() && i < me->cards().size(); ++i) me->cards()[i]->isSelected = states[i].asked;
    if (request) BaiCaoService::getInstance().moveWithRoomId(roomId(), boardId(), *request);
}

void BaiCaoView::showAllCards() {
    auto me = std::dynamic_pointer_cast<TienLenPlayer>(table().me());
    if (!me || me->cards().empty()) return;
    CardIds ids;
    for (const auto& card : me->cards()) ids.push_back(card->cardID);
    BaiCaoService::getInstance().moveWithRoomId(roomId(), boardId(), ids);
}

void BaiCaoView::moveWithPlayerId(int32_t playerId, const CardIds& movedCards) {
    const int seat = seatOf(playerId);
    if (seat < 0) return;
    setCurrentCardsWithCardIDs(movedCards, seat);
    if (playerId != UIController::myId()) return;
    int open = 0;
    for (const auto& card : playerAt(seat)->cards())
        if (auto banker = std::dynamic_pointer_cast<BCCardView>(card); banker && banker->isChecked) ++open;
    if (open < banker::kBaiCaoCards) return;
    // Nothing left to show: the bar keeps the second button's place, dimmed.
    if (btnStart) btnStart->setHidden(true);
    if (btnAutoSelected) tablebar::setUsable(*btnAutoSelected, false);
}

void BaiCaoView::onStop() { PlaySound::playSoundWithSource(Resources::getInstance().com_trung_tien()); }

ZUNO_REGISTER_SCREEN(BaiCaoView)

}  // namespace zuno
