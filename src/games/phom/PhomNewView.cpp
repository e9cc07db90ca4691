#include "games/phom/PhomNewView.h"

#include <algorithm>

#include "games/phom/PhomMelds.h"
#include "games/phom/PhomNewService.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"
#include "shell/Util.h"

namespace zuno {

namespace {

// Fire reads "ZUNO_discard"; menu 8 is the send-cards stage with the stop-sending button.
TableBottomMenu::Rules phomNewRules() {
    TableBottomMenu::Rules rules = TableBottomMenu::phomRules();
    rules.kinds[3] = {"ZUNO_discard", true};
    rules.kinds[9] = {"ZUNO_guiPhom", true, true};
    rules.menus[8] = {9, std::nullopt};
    return rules;
}
}  // namespace

PhomNewView::PhomNewView(std::string nibName) : PhomView(std::move(nibName), phomNewRules()) {
    hand_.sendResetPhom = [this](std::span<const PhomCard> cards) {
        PhomNewService::getInstance().doResetPhom(roomId(), boardId(), cards);
    };
}

void PhomNewView::sendResetPhom() {
    if (hand_.sendResetPhom) hand_.sendResetPhom(hand_.myCards);
}

void PhomNewView::viewWillAppear(bool animated) {
    PhomView::viewWillAppear(animated);
    if (btnSkip) tablebar::showRole(*btnSkip, "ZUNO_thoiGui");
}

void PhomNewView::resetView() {
    PhomView::resetView();
    hand_.reset();
    eatCardID = -1;
    for (int bubble = 0; bubble <= kCentre; ++bubble) hideChat(bubble);
    if (btnSkip) btnSkip->setHidden(true);
}

// ---- the deal

void PhomNewView::dealt(const CardIds& myCards) {
    if (btnSkip) btnSkip->setHidden(true);
    hand_.reset();
    for (int8_t id : myCards) hand_.myCards.push_back(PhomCard{.cardID = id});
    // The first to lay down leads.
    phom_.currentPlayers = phom_.firstPlayer = phom_.firstHa;
    phom_.menu = PhomMenu::Wait;
    phom_.isDoFire = false;
    if (isMe(phom_.currentPlayers)) phom_.setMenu(PhomMenu::Fire);
    hand_.intelligentSort();
    sendResetPhom();
}

void PhomNewView::layDownOrFire() {
    const int fired = PhomMelds::getAssetArray(phom_.cardShow[0]);
    phom_.setMenu(fired == 3 ? PhomMenu::LayDown : PhomMenu::Fire);
}

void PhomNewView::onGetCard(uint8_t card) {
    if (!isMe(phom_.currentPlayers)) return;
    phom_.isEatCard = false;
    phom_.isGetCard = true;
    clearSelection();
    hand_.onGetCard(static_cast<int8_t>(card));
    layDownOrFire();
    paintMyCards();
    showModelMenu();
}

void PhomNewView::onFire(int32_t firer, int32_t next, int8_t card, int8_t numC) {
    if (btnSkip) btnSkip->setHidden(true);
    eatCardID = card;
    if (isMe(next) && getSeatFromID(firer) >= 0) Util::callRung();
    const bool mine = isMe(firer) && getSeatFromID(firer) >= 0;
    PhomView::onFire(next, firer, card, numC);
    if (!mine) return;
    hand_.onFire(card);
    paintMyCards();
    showPhomMenu(PhomMenu::Cleared);
}

void PhomNewView::onEatCard(bool isEat, int32_t numEat, int32_t firHa, int8_t nCard) {
    const bool mine = isMe(phom_.currentPlayers);
    const int8_t eaten = static_cast<int8_t>(phom_.cardCurrent);
    if (isEat && getSeatFromID(phom_.currentPlayers) >= 0) ++hand_.phomRandom;
    PhomView::onEatCard(isEat, numEat, firHa, nCard);
    if (!isEat || !mine || getSeatFromID(phom_.currentPlayers) < 0) return;
    phom_.isEatCard = false;
    hand_.onEatCard(eaten, numEat);
    layDownOrFire();
    paintMyCards();
    showModelMenu();
}

void PhomNewView::onHaPhom(bool, const PhomLaidCards& cards, bool isU, const PhomSeatInts&, int32_t) {
    const int32_t player = currentPlayer();
    clearSelection();
    // The cards fly from the last fired card at my seat.
    std::optional<ui::Point> from;
    if (!firedSprites(0).empty()) from = firedSprites(0).back()->center();
    const int s = phom_.onHaPhomNew(cards, isU, player);
    if (s < 0) return;
    const auto& row = phom_.ShowHaPhom[static_cast<size_t>(s)];
    paintLaidIds(s, {row.begin(), row.end()}, s == 0 ? from : std::nullopt);
    if (!isMe(player)) return;
    hand_.removeCards(std::vector<int>(row.begin(), row.end()));
    paintMyCards();
    if (!isU) phom_.setMenu(PhomMenu::Fire);
    showPhomMenu(PhomMenu::SendCards);
}

void PhomNewView::onAddCard(int32_t userAdd, int8_t cardId, const std::vector<int32_t>& cardAdd, int32_t len) {
    clearSelection();
    if (len > 0) {
        const int s = getSeatFromID(userAdd);
        if (s < 0) return;
        phom_.onAddCardNew(userAdd, cardAdd);
        paintPhomCards(s);
        hand_.removeCard(cardId);
    }
    paintMyCards();
}

void PhomNewView::onUWithUserID(int32_t userId, int8_t, const CardIds& cards, int32_t) {
    const int s = getSeatFromID(userId);
    if (s < 0) return;
    paintLaidIds(s, {cards.begin(), cards.end()});
}

void PhomNewView::onFinishNew(int32_t score, const std::vector<int32_t>& cardR, int32_t userId, int32_t numRac) {
    const PhomTable::Shown shown = phom_.onFinishNew(score, cardR, userId, numRac);
    if (!shown.stopped) return;
    applyShown(shown);
    for (int seat = 0; seat < kSeats; ++seat) {
        if (table().isSeatEmpty(seat)) continue;
        const auto& row = phom_.cardRac[static_cast<size_t>(table().seats[static_cast<size_t>(seat)])];
        paintLeftovers(seat, {row.begin(), row.end()});
    }
    showModelMenu();
}

void PhomNewView::onDenBaiNew(int32_t winId, int32_t) { onDenBai(winId, {}); }

void PhomNewView::onPlayingNew(int32_t seconds, int32_t curPlayer, int32_t firPlayer, const PhomFiredCards& cardShow,
                               const PhomEatenCards& cardEat, const PhomSeatInts& users) {
    view();
    removeAllCardSprites();
    hand_.reset();
    phom_.onPlayingNew(seconds, curPlayer, firPlayer, cardShow, cardEat, users);
    zoomIn();
    showMyBubble("ZUNO_PlayingNoReady");
    if (viewStart) viewStart->setHidden(true);
    for (int seat = 0; seat < kSeats; ++seat) {
        paintFiredCards(seat);
        paintXXXCards(seat);
    }
    showModelMenu();
}

// ---- my moves

void PhomNewView::doEat() {
    readSelection();
    const PhomNewHand::EatAnswer answer = hand_.doEat();
    if (!answer.send) {
        if (!answer.refusal.empty()) showMyBubble(answer.refusal);
        phom_.isEatCard = answer.eatOfferedAgain;
        paintMyCards();
        return;
    }
    paintMyCards();
    PhomNewService::getInstance().eatCard(roomId(), boardId(), answer.cards, eatCardID);
    sendResetPhom();
}

void PhomNewView::doFire() {
    readSelection();
    phom_.isDoFire = false;
    const PhomNewHand::FireAnswer answer = hand_.doFire();
    if (!answer.send) {
        phom_.isDoFire = true;
        if (!answer.refusal.empty()) showMyBubble(answer.refusal);
        if (answer.refusal != "ZUNO_yetSellectCard") paintMyCards();
        return;
    }
    showPhomMenu(PhomMenu::Cleared);
    PhomNewService::getInstance().fire(roomId(), boardId(), answer.cardId);
    hand_.intelligentSort();
}

void PhomNewView::doAddCard() {
    if (!isMe(phom_.currentPlayers)) {
        showMyBubble("ZUNO_waitToCurrent");
        return;
    }
    readSelection();
    std::vector<PhomCard> selected;
    for (const auto& card : hand_.myCards)
        if (card.isSelected) selected.push_back(card);
    PhomNewService::getInstance().addCard(roomId(), boardId(), selected.empty() ? hand_.myCards : selected);
}

void PhomNewView::doSkipToDownPhom(ui::Object*) {
    if (btnSkip) btnSkip->setHidden(true);
    phom_.setMenu(PhomMenu::Fire);
    showModelMenu();
}

void PhomNewView::sendDraw() {
    hand_.intelligentSort();
    paintMyCards();
    PhomNewService::getInstance().getCard(roomId(), boardId());
    sendResetPhom();
}

void PhomNewView::sendLayDown() { PhomNewService::getInstance().haPhom(roomId(), boardId(), hand_.myCards); }

// ---- painting and touch

// Melds are outlined by the order they first occur from the left: yellow, red, blue, then yellow.
std::optional<ui::Color> PhomNewView::meldColour(size_t position) {
    if (position >= hand_.myCards.size() || hand_.myCards[position].phom == 0) return std::nullopt;
    std::vector<int> order;
    for (size_t i = 0; i <= position; ++i) {
        const int meld = hand_.myCards[i].phom;
        if (meld != 0 && std::find(order.begin(), order.end(), meld) == order.end()) order.push_back(meld);
    }
    const auto rank = std::find(order.begin(), order.end(), hand_.myCards[position].phom) - order.begin();
    static const ui::Color colours[] = {ui::Color::yellow(), ui::Color::red(), ui::Color::blue()};
    return rank < 3 ? colours[rank] : ui::Color::yellow();
}

void PhomNewView::dropCard(int from, int to) {
    readSelection();
    hand_.dropCard(from, to);
    paintMyCards();
}

void PhomNewView::dropToFire(int position) {
    if (phom_.menu == PhomMenu::SendCards) {
        showMyBubble("ZUNO_CancelBeforeFire");
        paintMyCards();
        return;
    }
    PhomView::dropToFire(position);
}

// The clock never plays for me, and stops with the deal.
bool PhomNewView::turnClockStep(int64_t) {
    if (isGameEnd()) return true;
    blinkCurrentName();
    return false;
}

ZUNO_REGISTER_SCREEN(PhomNewView)

}  // namespace zuno
