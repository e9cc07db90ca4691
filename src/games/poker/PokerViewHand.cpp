// The Poker table's hand: the start with its markers, blinds and deal, the betting buttons and the
// slider, the streets with the pots, the own best hand, the showdown's winners, the stop, and the turn
// clock.
#include <algorithm>
#include <cmath>

#include "games/poker/PokerCommands.h"
#include "games/poker/PokerService.h"
#include "games/poker/PokerView.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Layer.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr unsigned kCardMotion = ui::AnimationOption::LayoutSubviews | ui::AnimationOption::AllowUserInteraction;
constexpr ui::Point kDeckCentre{240, 142};
constexpr double kDimmed = 0.6;
const ui::Color kOutline = ui::Color::green();

// Where the other players' half-size cards lie, by display seat (1 to 8). The two bottom seats' lie a
// little below the second row of pots, which would otherwise cover them; the two top seats' just below
// their avatars.
constexpr std::array<ui::Point, PokerView::kSeats> kMiniCards{
    {{0, 0}, {130, 222}, {80, 160}, {100, 110}, {170, 84}, {290, 84}, {360, 100}, {400, 160}, {328, 222}}};
// My cards lie at full size left of my avatar, not over it, so that my avatar, name and stack stay in
// sight and no marker lies on them.
constexpr ui::Point kMyCardsFromAvatar{-62.5, -12};
// The others' cards when shown (the showdown) are drawn at this share of a card and end their pop a
// fifth larger; mine keep their size.
constexpr double kOthersShownCards = 0.5;
// Where the first of the others' shown cards lies, by display seat (1 to 8; display seat 0 is another's
// only while I watch, and his cards lie where mine would): beside the avatar, clear of it and of the
// names, stacks and bets around, the second card far enough to the right for both corners to be read.
constexpr std::array<ui::Point, PokerView::kSeats> kShownCards{
    {{0, 0}, {133, 220}, {76, 154}, {98, 110}, {164, 88}, {290, 86}, {350, 100}, {390, 156}, {322, 222}}};
constexpr double kShownCardsPitch = 16;
// The dealer, blind and ante markers sit on the avatar's corners, off the face.
constexpr ui::Point kDealerFromAvatar{-12, 12}, kBlindFromAvatar{12, 12}, kAnteFromAvatar{12, -12};
// The community cards: their slots are a card's width apart, the cards themselves a little smaller, so
// that the pots below them keep clear of them.
constexpr double kBoardCards = 0.8;

const char* statusWord(int code) {
    static const char* const words[] = {"", "BET", "RAISE", "CALL", "CHECK", "FOLD", "ALL IN"};
    return code >= 1 && code <= 6 ? words[code] : "";
}

void setLook(const std::shared_ptr<ui::View>& card, PokerCardLook look) {
    if (!card) return;
    card->setAlpha(look == PokerCardLook::Dimmed ? kDimmed : 1.0);
    card->layer().setBorderWidth(look == PokerCardLook::Outlined ? 2 : 0);
    if (look == PokerCardLook::Outlined) card->layer().setBorderColor(kOutline);
}

std::array<int8_t, 2> holeIds(const PokerPlayer& p) { return p.playerCards(); }

// A hand name's plate: as wide as its text and a little, within the place its seat keeps for it, as
// near above or below the seat's avatar as that place allows.
ui::Rect handNamePlate(const ui::Label& label, const std::string& hand, const ui::Rect& place, double avatarX) {
    constexpr double kPadding = 3;
    const double width = std::min(place.width(), std::ceil(label.font().widthOfText(hand)) + 2 * kPadding);
    const double x = std::clamp(avatarX - width / 2, place.minX(), place.maxX() - width);
    return {x, place.y(), width, place.height()};
}
}  // namespace

// ---- places

ui::Point PokerView::getAvaPostOfPlayer(const PokerPlayer& p) const {
    const int seat = p.playerNewSeat();
    if (seat < 0 || seat >= kSeats || !ava[seat]) return kCentre;
    return ava[seat]->center();
}

ui::Point PokerView::cardPositionOfSeat(int seat) const {
    if (seat < 0 || seat >= kSeats || !ava[seat]) {
        sys::Log::line("Unknow seat");
        return {kCentre.x - 25, kCentre.y - 20};
    }
    const ui::Point c = ava[seat]->center();
    switch (seat) {
        case 0: return c + kMyCardsFromAvatar;
        case 2: return {c.x - 5, c.y - 20};
        case 4:
        case 5: return {c.x - 25, c.y + 10};
        case 7: return {c.x - 55, c.y - 20};
        default: return {c.x - 25, c.y - 20};
    }
}

ui::Point PokerView::getMiniCardPos(const PokerPlayer& p) const {
    const int seat = p.playerNewSeat();
    // Display seat 0 is someone else's only while I watch: his cards lie where mine would.
    if (seat <= 0 || seat >= kSeats) return cardPositionOfSeat(0);
    return kMiniCards[seat];
}

ui::Point PokerView::communitySlot(size_t index) const {
    auto screen = viewIfLoaded();
    const ui::Size size = screen ? screen->bounds().size : ui::Size{480, 320};
    const double width = CardView::kWidth * 0.75;
    return {std::trunc(size.width / 2 + (static_cast<double>(index) - 2) * width), std::trunc(size.height / 2 - 10)};
}

// ---- markers and status words

void PokerView::placeMarker(const std::shared_ptr<ui::ImageView>& marker, const PokerPlayer& p, ui::Point offset,
                            double seconds, double delay) {
    if (!marker) return;
    ++markerGeneration_;
    marker->setHidden(false);
    view()->bringSubviewToFront(marker.get());
    const ui::Point target = getAvaPostOfPlayer(p) + offset;
    ui::View::animate(seconds, delay, 0, [marker, target] { marker->setCenter(target); });
}

void PokerView::resetAllSmallName() {
    std::weak_ptr<PokerView> weak = weakSelf();
    const int generation = markerGeneration_;
    // A timer, not an animation that moves nothing: such a one ends at once.
    sys::RunLoop::main().postDelayed(kMarkerResetSeconds, [weak, generation] {
        auto self = weak.lock();
        // Markers placed for a new hand meanwhile stay.
        if (!self || self->markerGeneration_ != generation) return;
        self->poker_.markers = {};
        self->drawMarkers();
    });
}

void PokerView::drawMarkers() {
    const auto& held = poker_.markers;
    followMarker(imgDealer, held.dealer, kDealerFromAvatar);
    followMarker(imgSmallBind, held.smallBlind, kBlindFromAvatar);
    followMarker(imgBigBind, held.bigBlind, kBlindFromAvatar);
    for (int seat = 0; seat < kSeats; ++seat) {
        const auto ante = std::find_if(held.antes.begin(), held.antes.end(),
                                       [seat](const Record& holder) { return holder->playerNewSeat() == seat; });
        followMarker(imgAnte[seat], ante == held.antes.end() ? nullptr : *ante, kAnteFromAvatar);
    }
}

// At once, as the avatars move: a marker still on its way from the hand's start ends its flight there.
void PokerView::followMarker(const std::shared_ptr<ui::ImageView>& marker, const Record& holder, ui::Point offset) {
    if (!marker) return;
    if (!holder) {
        marker->setCenter(kCentre);
        marker->setHidden(true);
        return;
    }
    if (marker->isHidden()) {
        marker->setHidden(false);
        view()->bringSubviewToFront(marker.get());
    }
    marker->setCenter(getAvaPostOfPlayer(*holder) + offset);
}

void PokerView::setStatus(int code, int32_t userId) {
    auto record = poker_.seatOf(userId);
    if (!record) return;
    const int seat = record->playerNewSeat();
    if (seat < 0 || seat >= kSeats || !lblName[seat]) return;
    lblName[seat]->setText(code >= 1 && code <= 6 ? std::string(statusWord(code)) : record->player()->name());
}

// ---- buttons and the slider

void PokerView::hideAllMenu() {
    for (const auto& button : {btnFold, btnCheck, btnCall, btnRaise, btnBet, btnAllIn})
        if (button) button->setHidden(true);
}

void PokerView::showButtons() {
    hideAllMenu();
    for (int8_t code : poker_.buttons) {
        std::shared_ptr<ui::Button> button;
        switch (code) {
            case PokerAction::BET: button = btnBet; break;
            case PokerAction::RAISE: button = btnRaise; break;
            case PokerAction::CALL: button = btnCall; break;
            case PokerAction::CHECK: button = btnCheck; break;
            case PokerAction::FOLD: button = btnFold; break;
            case PokerAction::ALL_IN: button = btnAllIn; break;
            default: break;
        }
        if (button) button->setHidden(false);
    }
}

void PokerView::showSlider(int32_t maximum) {
    sys::Log::format("POKER MONEY: %d, maxMoney: %d", poker_.pokerMoney, maximum);
    slider_ = openPokerSlider(poker_.pokerMoney, maximum);
    if (sldBet) {
        sldBet->setMinimumValue(std::min(slider_.minimum, slider_.maximum));
        sldBet->setMaximumValue(slider_.maximum);
        sldBet->setValue(slider_.value);
    }
    if (lblSliderMoney) lblSliderMoney->setText(std::to_string(slider_.label));
    if (!viewSlider) return;
    ++sliderGeneration_;
    view()->bringSubviewToFront(viewSlider.get());
    viewSlider->setHidden(false);
    ui::View::animate(0.5, [slider = viewSlider] { slider->setAlpha(1); });
}

void PokerView::hideSlider() {
    if (!viewSlider) {
        sliderOpen_ = false;
        return;
    }
    std::weak_ptr<PokerView> weak = weakSelf();
    const int generation = sliderGeneration_;
    ui::View::animate(0.3, [slider = viewSlider] { slider->setAlpha(0); }, [weak, generation](bool) {
        auto self = weak.lock();
        // A slider opened again meanwhile stays open.
        if (!self || self->sliderGeneration_ != generation) return;
        self->viewSlider->setHidden(true);
        self->sliderOpen_ = false;
    });
}

void PokerView::sliderChange() {
    sys::Log::line("SLIDER CHANGE");
    const auto value = static_cast<int32_t>(std::trunc(sldBet ? sldBet->value() : slider_.value));
    slider_ = movePokerSlider(slider_, value);
    if (sldBet) sldBet->setValue(slider_.value);
    if (lblSliderMoney) lblSliderMoney->setText(std::to_string(slider_.label));
}

void PokerView::twoTapBetRaise() {
    if (!sliderOpen_) {
        showSlider(poker_.myStack());
        sliderOpen_ = true;
        return;
    }
    sendBetRaise(static_cast<int32_t>(std::trunc(sldBet ? sldBet->value() : slider_.value)));
    sliderOpen_ = false;
}

void PokerView::doBet() { twoTapBetRaise(); }
void PokerView::doRaise() { twoTapBetRaise(); }
void PokerView::doCall() { PokerService::getInstance().doCall(roomId(), boardId()); }
void PokerView::doCheck() { PokerService::getInstance().doCheck(roomId(), boardId()); }
void PokerView::doFold() { PokerService::getInstance().doFold(roomId(), boardId()); }
void PokerView::doAllIn() { PokerService::getInstance().doAllIn(roomId(), boardId()); }

void PokerView::sendBetRaise(int32_t amount) {
    sys::Log::format("RAISE BET MONEY: %d", amount);
    auto& service = PokerService::getInstance();
    switch (poker_.sendBetRaise(amount)) {
        case PokerTable::Send::AllIn: service.doAllIn(roomId(), boardId()); break;
        case PokerTable::Send::Raise: service.doRaise(roomId(), boardId(), amount); break;
        case PokerTable::Send::Bet: service.doBet(roomId(), boardId(), amount); break;
        case PokerTable::Send::Nothing: break;
    }
}

// ---- betting events

void PokerView::onBetting(int code, int32_t actor, int32_t next, const Ints& action,
                          std::optional<std::pair<int32_t, int32_t>> moneyAndStack) {
    PlaySound::playSoundWithSource(Resources::getInstance().com_dat_tien());
    hideTimer();
    hideSlider();
    if (moneyAndStack) {
        poker_.onPaid(actor, moneyAndStack->first, moneyAndStack->second, next, action);
        for (const auto& record : poker_.playingPlayers)
            if (record->playerId() == actor) drawMoneyOfPlayer(*record);
    } else {
        poker_.onPassed(actor, next, action);
    }
    if (auto n = poker_.seatOf(next)) drawTimeForPlayer(*n);
    showButtons();
    setStatus(code, actor);
    setStatus(0, next);
    if (code == PokerAction::FOLD) removePlayerCardsWithPlayer(actor);
}

void PokerView::onBet(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) {
    onBetting(PokerAction::BET, curUser, nextUserID, action, std::pair{money, stack});
}
void PokerView::onRaise(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) {
    onBetting(PokerAction::RAISE, curUser, nextUserID, action, std::pair{money, stack});
}
void PokerView::onCall(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) {
    onBetting(PokerAction::CALL, curUser, nextUserID, action, std::pair{money, stack});
}
void PokerView::onAllIn(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) {
    onBetting(PokerAction::ALL_IN, curUser, nextUserID, action, std::pair{money, stack});
}
void PokerView::onCheck(int32_t curUser, int32_t nextUserID, const Ints& action) {
    onBetting(PokerAction::CHECK, curUser, nextUserID, action, std::nullopt);
}
void PokerView::onFold(int32_t curUser, int32_t, int32_t nextUserID, const Ints& action) {
    onBetting(PokerAction::FOLD, curUser, nextUserID, action, std::nullopt);
}

// ---- the start and the deal

void PokerView::start(int8_t, const Cards& myCards, int32_t dealerID, int32_t smallID, int32_t bigID, int32_t money,
                      int32_t firstUserID, const Ints& userID, const Ints&) {
    view();
    // What is left of the last hand.
    cancelDeal();
    cancelWinnerStep();
    hideTimer();
    if (isZoom) zoomOut();
    removeCommunityCards();
    for (const auto& [id, cards] : seatCards_)
        for (const auto& card : cards->views()) card->removeFromSuperview();
    zoomIn();
    hideAllMenu();
    hideAllBot();
    hideAllInfo();
    if (pokerTime) pokerTime->removeFromSuperview();

    const PokerTable::StartMarks marks =
        poker_.start(myCards, dealerID, smallID, bigID, money, firstUserID, userID);
    drawSeatButtons();
    for (const auto& record : poker_.playingPlayers) {
        if (record->playerId() == -1) continue;
        if (!poker_.isMe(record->playerId())) record->setCard({-1, -1});
        cardsOf(record->playerId())->setCard(holeIds(*record));
    }
    if (marks.dealer) placeMarker(imgDealer, *marks.dealer, kDealerFromAvatar, 0.5, 0);
    if (marks.smallBlind) placeMarker(imgSmallBind, *marks.smallBlind, kBlindFromAvatar, 0.7, 0.2);
    if (marks.bigBlind) placeMarker(imgBigBind, *marks.bigBlind, kBlindFromAvatar, 0.9, 0.4);
    for (const auto& ante : marks.antes) {
        const int seat = ante->playerNewSeat();
        if (seat >= 0 && seat < kSeats) placeMarker(imgAnte[seat], *ante, kAnteFromAvatar, 0.9, 0.4);
    }
    for (int32_t id : marks.allIn) setStatus(PokerAction::ALL_IN, id);
    showButtons();

    for (const auto& record : poker_.playingPlayers) {
        drawMoneyOfPlayer(*record);
        if (record->playerId() == -1) continue;
        cardsOf(record->playerId())->hideCard();
        drawCardOfPlayer(*record);
    }
    minimizeOtherPlayerCard();
    if (auto first = poker_.seatOf(firstUserID)) drawTimeForPlayer(*first);
    PlaySound::playSoundWithSource(Resources::getInstance().bai_chia_bai());

    std::vector<std::shared_ptr<CardViewPhom>> deal;
    for (size_t k = 0; k < 2; ++k)
        for (const auto& record : poker_.playingPlayers)
            if (record->playerId() != -1) deal.push_back(cardsOf(record->playerId())->views()[k]);
    chiaBaiPokerWithCars(std::move(deal));
}

ui::Point PokerView::shownCardsPos(const PokerPlayer& p) const {
    const int seat = p.playerNewSeat();
    if (poker_.isMe(p.playerId()) || seat <= 0 || seat >= kSeats) return cardPositionOfSeat(seat);
    return kShownCards[seat];
}

void PokerView::drawCardOfPlayer(const PokerPlayer& p) {
    if (p.playerId() == -1) return;
    const bool mine = poker_.isMe(p.playerId());
    const ui::Point first = shownCardsPos(p);
    const double shownScale = mine ? 1.0 : kOthersShownCards;
    const double pitch = mine ? 20.0 : kShownCardsPitch;
    const auto& views = cardsOf(p.playerId())->views();
    for (size_t i = 0; i < views.size(); ++i) {
        const auto& card = views[i];
        card->removeFromSuperview();
        card->setTransform(ui::AffineTransform::scale(shownScale, shownScale));
        card->setCenter({first.x + pitch * static_cast<double>(i), first.y});
        // My cards lie over my seat, under the markers, bubbles and controls; the others' just over the
        // table, their seats' avatars and labels over them.
        if (!mine) view()->insertSubview(card, std::min(i + 2, view()->subviews().size()));
        else if (imgDealer && imgDealer->superviewPointer() == view().get()) view()->insertSubviewBelow(card, imgDealer.get());
        else view()->addSubview(card);
    }
}

void PokerView::minimizeOtherPlayerCard() {
    for (const auto& record : poker_.playingPlayers) {
        if (record->playerId() == -1 || poker_.isMe(record->playerId())) continue;
        const ui::Point spot = getMiniCardPos(*record);
        const auto& views = cardsOf(record->playerId())->views();
        for (size_t i = 0; i < views.size(); ++i) {
            views[i]->setTransform(ui::AffineTransform::scale(0.5, 0.5));
            views[i]->setCenter({spot.x + 10.0 * static_cast<double>(i), spot.y});
        }
    }
}

void PokerView::chiaBaiPokerWithCars(std::vector<std::shared_ptr<CardViewPhom>> cards) {
    dealTimer_ = 0;
    if (cards.empty()) return;
    const auto card = cards.front();
    auto back = pokerCard(-1);
    back->setCenter(kDeckCentre);
    back->setTransform(ui::AffineTransform::scale(0.5, 0.5));
    view()->addSubview(back);
    const ui::Point target = card->center();
    ui::View::animate(0.3, 0, kCardMotion, [back, target] { back->setCenter(target); }, [back, card](bool) {
        card->setHidden(false);
        back->removeFromSuperview();
    });
    cards.erase(cards.begin());
    if (cards.empty()) return;
    std::weak_ptr<PokerView> weak = weakSelf();
    dealTimer_ = sys::RunLoop::main().postDelayed(kDealSeconds, [weak, cards = std::move(cards)] {
        if (auto self = weak.lock()) self->chiaBaiPokerWithCars(cards);
    });
}

void PokerView::cancelDeal() {
    sys::RunLoop::main().cancel(dealTimer_);
    dealTimer_ = 0;
}

// ---- streets and pots

void PokerView::onFlop(int32_t curUser, const Cards& flopCard, int32_t, const Ints& pot) {
    onStreet(curUser, flopCard, pot);
}
void PokerView::onTurn(int32_t curUser, int8_t turnCard, int32_t, const Ints& pot) { onStreet(curUser, {turnCard}, pot); }
void PokerView::onRiver(int32_t curUser, int8_t riverCard, int32_t, const Ints& pot) {
    onStreet(curUser, {riverCard}, pot);
}

void PokerView::onStreet(int32_t firstUser, const Cards& cards, const Ints& pots) {
    PlaySound::playSoundWithSource(Resources::getInstance().bai_chia_bai());
    hideSlider();
    hideAllStatus();
    for (int8_t id : cards) {
        auto card = pokerCard(id);
        card->setTransform(ui::AffineTransform::scale(kBoardCards, kBoardCards));
        card->setCenter(communitySlot(showCardViews_.size()));
        showCardViews_.push_back(card);
    }
    drawShowCard();
    drawPot(pots);
    poker_.onStreet(cards, pots, firstUser);
    showButtons();
    if (auto first = poker_.seatOf(firstUser)) drawTimeForPlayer(*first);
}

void PokerView::drawShowCard() {
    const size_t count = showCardViews_.size();
    std::vector<std::pair<size_t, double>> reveals;  // card, delay
    if (count == 3) reveals = {{0, 0.0}, {1, 0.4}, {2, 0.6}};
    else if (count == 4 || count == 5) reveals = {{count - 1, 0.0}};
    std::weak_ptr<PokerView> weak = weakSelf();
    for (size_t r = 0; r < reveals.size(); ++r) {
        const auto card = showCardViews_[reveals[r].first];
        const bool last = r + 1 == reveals.size();
        auto back = pokerCard(-1);
        back->setAlpha(0.3);
        back->setTransform(ui::AffineTransform::scale(kBoardCards, kBoardCards));
        back->setCenter(kDeckCentre);
        view()->addSubview(back);
        card->setAlpha(0);
        card->removeFromSuperview();
        // Over the table, under the seats and the pots.
        view()->insertSubview(card, std::min<size_t>(4, view()->subviews().size()));
        const ui::Point target = card->center();
        ui::View::animate(0.5, reveals[r].second, kCardMotion, [back, target] { back->setCenter(target); },
                          [weak, back, card, last](bool) {
                              ui::View::animate(0.25, [back] { back->setAlpha(0.3); }, [weak, back, card, last](bool) {
                                  back->removeFromSuperview();
                                  card->setAlpha(1);
                                  if (auto self = weak.lock(); self && last) self->drawSelfResult();
                              });
                          });
    }
}

void PokerView::drawPot(const Ints& pots) {
    sys::Log::line("Begin drawing bot");
    std::vector<std::shared_ptr<ui::View>> sweeping;
    for (const auto& record : poker_.playingPlayers) {
        const int seat = record->playerNewSeat();
        if (record->playerId() == -1 || record->playerMoney() == 0 || seat < 0 || seat >= kSeats) continue;
        if (viePlayerMoney[seat]) sweeping.push_back(viePlayerMoney[seat]);
    }
    poker_.drawPot(pots);
    const size_t count = std::min<size_t>(pots.size(), kPots);
    std::weak_ptr<PokerView> weak = weakSelf();
    ui::View::animate(1.0, 0, 0, [sweeping] {
        for (const auto& chip : sweeping) chip->setCenter(kCentre);
    }, [weak, count](bool) {
        auto self = weak.lock();
        if (!self) return;
        for (int seat = 0; seat < kSeats; ++seat)
            if (self->viePlayerMoney[seat]) self->viePlayerMoney[seat]->setCenter(self->chipHomes_[seat]);
        for (const auto& record : self->poker_.playingPlayers)
            if (record->playerMoney() != -1) self->drawMoneyOfPlayer(*record);
        self->showPots(count);
    });
}

// The first pots of the latest list; a shorter list leaves the pots after it as they are (the winner
// may have taken them off the table already).
void PokerView::showPots(size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (!poker_.pots[i]) continue;
        if (vieBot[i]) vieBot[i]->setHidden(false);
        if (lblBot[i]) lblBot[i]->setText(formatPokerAmount(*poker_.pots[i]));
    }
}

void PokerView::hideAllBot() {
    for (int i = 0; i < kPots; ++i) {
        if (!vieBot[i]) continue;
        vieBot[i]->setHidden(true);
        vieBot[i]->setCenter(potHomes_[i]);
    }
}

void PokerView::onLastPot(const Ints& pot) {
    drawPot(pot);
    hideAllStatus();
    poker_.buttons.clear();
    hideAllMenu();
}

// ---- rejoining a running hand

void PokerView::onPlaying(int32_t userID, int32_t, const Cards& communityCards, const Ints& user, const Ints& stack,
                          const Ints& odd) {
    sys::Log::line("ON PLAYING");
    zoomIn();
    poker_.onPlaying(user, stack, odd, communityCards);
    drawAllPlayerInfo();
    drawSeatButtons();
    removeCommunityCards();
    for (int8_t id : communityCards) {
        auto card = pokerCard(id);
        card->setTransform(ui::AffineTransform::scale(kBoardCards, kBoardCards));
        card->setCenter(communitySlot(showCardViews_.size()));
        view()->insertSubview(card, std::min<size_t>(4, view()->subviews().size()));
        showCardViews_.push_back(card);
    }
    if (auto next = poker_.seatOf(userID)) drawTimeForPlayer(*next);
    for (const auto& record : poker_.playingPlayers) {
        drawMoneyOfPlayer(*record);
        drawCardOfPlayer(*record);
        if (poker_.isMe(record->playerId())) cardsOf(record->playerId())->hideCard();
    }
    minimizeOtherPlayerCard();
}

// ---- the own hand and the showdown

void PokerView::onSelfResult(const std::string& pokerHand, const Cards& cardID) { poker_.onSelfResult(pokerHand, cardID); }

void PokerView::resetCardBoder(const std::shared_ptr<PokerSeatCards>& hole) {
    if (hole)
        for (const auto& card : hole->views()) setLook(card, PokerCardLook::Plain);
    for (const auto& card : showCardViews_) setLook(card, PokerCardLook::Plain);
}

void PokerView::applyOutline(const std::shared_ptr<PokerSeatCards>& hole, const PokerOutline& outline) {
    for (size_t i = 0; i < 2; ++i) setLook(hole->views()[i], outline.hole[i]);
    for (size_t i = 0; i < outline.board.size() && i < showCardViews_.size(); ++i)
        setLook(showCardViews_[i], outline.board[i]);
}

void PokerView::drawSelfResult() {
    auto mine = poker_.seatOf(poker_.myId());
    if (!mine) return;
    auto hole = cardsOf(mine->playerId());
    resetCardBoder(hole);
    applyOutline(hole, outlinePokerHand(holeIds(*mine), poker_.showCards, poker_.selfPokerHand, poker_.selfResultList));
}

void PokerView::onShowdown(int32_t, const std::string& decs, int32_t winnerID, int32_t winMoney, int32_t,
                           const Cards& cardID) {
    resetAllSmallName();
    poker_.onShowdown(winnerID, winMoney, cardID, decs);
}

void PokerView::onResult(const Ints& userID, const Ints& stack) {
    poker_.onResult(userID, stack);
    settleMyMoney();
    // The hand is over: nobody is to act, so the bar goes and the name of the last one to act stops
    // blinking.
    hideTimer();
    if (pokerTime) pokerTime->removeFromSuperview();
    hideAllStatus();
    animatedWinner();
}

void PokerView::animatedWinner() {
    winnerTimer_ = 0;
    const std::optional<PokerTable::Winner> winner = poker_.nextWinner();
    if (!winner) return;
    Record found;
    for (const auto& record : poker_.playingPlayers) {
        if (record->playerId() == winner->id && winner->id != -1) {
            found = record;
            break;
        }
        if (poker_.isMe(record->playerId())) {
            auto mine = cardsOf(record->playerId());
            resetCardBoder(mine);
            for (const auto& card : mine->views()) card->setAlpha(kDimmed);
        }
    }
    std::weak_ptr<PokerView> weak = weakSelf();
    if (found) {
        const Record r = found;
        auto hole = cardsOf(r->playerId());
        const std::array<int8_t, 2> ids{winner->cards[5], winner->cards[6]};
        r->setCard(ids);
        hole->setCard(ids);
        drawCardOfPlayer(*r);
        // The pop ends a fifth larger than the cards are drawn; mine end at their own size.
        const double base = poker_.isMe(r->playerId()) ? 1.0 / 1.2 : kOthersShownCards;
        const auto grown = [base](double by) { return ui::AffineTransform::scale(by * base, by * base); };
        for (const auto& card : hole->views()) {
            ui::View::animate(0.25, [card, grown] { card->setTransform(grown(2.0)); }, [card, grown](bool) {
                ui::View::animate(0.25, [card, grown] { card->setTransform(grown(1.2)); },
                                  [card](bool) { card->setAlpha(1.0); });
            });
        }
        const PokerCardIds bestFive(winner->cards.begin(), winner->cards.begin() + 5);
        applyOutline(hole, outlinePokerWinner(ids, poker_.showCards, winner->hand, bestFive));

        const ui::Point avatar = getAvaPostOfPlayer(*r);
        const int32_t m = winner->money;
        std::vector<std::shared_ptr<ui::View>> flying;
        if (m == 100) flying.assign(vieBot.begin(), vieBot.end());
        else if (m >= 0 && m < kPots) flying.push_back(vieBot[m]);
        for (const auto& pot : flying)
            if (pot && m != 100) pot->setHidden(false);
        const std::string hand = winner->hand;
        ui::View::animate(1.0, [flying, avatar] {
            for (const auto& pot : flying)
                if (pot) pot->setCenter(avatar);
        }, [weak, r, m, hand](bool) {
            auto self = weak.lock();
            if (!self) return;
            PlaySound::playSoundWithSource(Resources::getInstance().com_trung_tien());
            if (m == 100) self->hideAllBot();
            else if (m >= 0 && m < kPots && self->vieBot[m]) {
                self->vieBot[m]->setCenter(self->potHomes_[m]);
                self->vieBot[m]->setHidden(true);
            }
            self->drawMoneyOfPlayer(*r);
            self->animatedPokerHand(hand, *r);
            if (auto mine = self->poker_.seatOf(self->poker_.myId()))
                for (const auto& card : self->cardsOf(mine->playerId())->views()) card->setAlpha(1.0);
        });
    }
    if (poker_.winners.empty()) return;
    winnerTimer_ = sys::RunLoop::main().postDelayed(kWinnerSeconds, [weak] {
        if (auto self = weak.lock()) self->animatedWinner();
    });
    if (found) resetCardBoder(cardsOf(found->playerId()));
}

void PokerView::animatedPokerHand(const std::string& hand, const PokerPlayer& p) {
    const int seat = p.playerNewSeat();
    if (seat < 0 || seat >= kSeats || !lblPokerHand[seat]) return;
    const auto label = lblPokerHand[seat];
    const ui::Rect place = label->frame();
    const double avatarX = ava[seat] ? ava[seat]->center().x : place.midX();
    label->setFrame(handNamePlate(*label, hand, place, avatarX));
    const ui::Point home = label->center();
    label->setHidden(false);
    label->setText(hand);
    view()->bringSubviewToFront(label.get());
    ui::View::animate(0.5, 0, ui::AnimationOption::LayoutSubviews,
                      [label, home] { label->setCenter({home.x, home.y - 10}); }, [label, place](bool) {
                          ui::View::animate(0.25, 0.25, 0, [label] { label->setAlpha(0.3); }, [label, place](bool) {
                              label->setHidden(true);
                              label->setAlpha(1.0);
                              label->setText(std::string());
                              label->setFrame(place);
                          });
                      });
}

void PokerView::cancelWinnerStep() {
    sys::RunLoop::main().cancel(winnerTimer_);
    winnerTimer_ = 0;
}

void PokerView::removePlayerCardsWithPlayer(int32_t userId) {
    if (auto record = poker_.seatOf(userId)) cardsOf(record->playerId())->flyAway(1.0);
}

void PokerView::removeCommunityCards() {
    const auto leaving = showCardViews_;
    showCardViews_.clear();
    if (leaving.empty()) return;
    ui::View::animate(0.5, [leaving] {
        for (const auto& card : leaving) {
            card->setCenter({240, card->center().y});
            card->setAlpha(0);
        }
    }, [leaving](bool) {
        for (const auto& card : leaving) card->removeFromSuperview();
    });
}

void PokerView::removeAllPlayerCard() {
    sys::Log::line("CARD REMOVEDDDDDDDD");
    for (const auto& record : poker_.allPlayers)
        if (record->playerId() != -1) cardsOf(record->playerId())->resetCard();
    removeCommunityCards();
    poker_.clearHand();
}

void PokerView::settleMyMoney() {
    const int64_t change = poker_.settleMyHand();
    PlayerPtr me = UIController::myInfo();
    if (change != 0 && me) me->addMoney(change);
}

void PokerView::onStopGame() {
    sys::Log::line("on Stop Game");
    hideTimer();
    // A winner step or deal still pending ends with the hand.
    cancelWinnerStep();
    cancelDeal();
    settleMyMoney();
    poker_.onStopGame();
    hideAllMenu();
    hideAllInfo();
    drawAllPlayerInfo();
    removeAllPlayerCard();
    zoomOut();
}

// ---- the turn clock

void PokerView::drawTimeForPlayer(const PokerPlayer& p) {
    const int seat = p.playerNewSeat();
    if (p.playerId() == -1 || seat < 0 || seat >= kSeats) return;
    nowTurn_ = lblName[seat];
    showTimer();
    twinkleTurn();
}

void PokerView::showTimer() {
    auto& loop = sys::RunLoop::main();
    loop.cancel(gameTimer_);
    loop.cancel(nameTimer_);
    std::weak_ptr<PokerView> weak = weakSelf();
    gameTimer_ = loop.scheduleRepeating(kTurnTickSeconds, [weak] {
        if (auto self = weak.lock()) self->countDown();
    });
    nameTimer_ = loop.scheduleRepeating(kNameBlinkSeconds, [weak] {
        if (auto self = weak.lock()) self->twinkleTurn();
    });
    timeCountDown_ = 0;
    if (pokerTime) {
        pokerTime->setHidden(false);
        pokerTime->setTintColor(ui::Color::rgb255(27, 175, 57));
        pokerTime->ui::ProgressView::setProgress(1.0);
        pokerTime->setFrame(ui::Rect(200, 100, 80, 10));
        view()->addSubview(pokerTime);
    }
    isCounting_ = true;
}

void PokerView::countDown() {
    const double progress = 1.0 - timeCountDown_;
    if (pokerTime) {
        pokerTime->setProgress(progress, true);
        if (progress < 0.25) pokerTime->setTintColor(ui::Color::red());
        else if (progress <= 0.75) pokerTime->setTintColor(ui::Color::orange());
    }
    timeCountDown_ += 1.0 / kTurnTicks;
}

void PokerView::twinkleTurn() {
    if (!nowTurn_) return;
    if (nowTurn_->tag() == 0) {
        nowTurn_->setTextColor(ui::Color::red());
        nowTurn_->setTag(1);
    } else if (nowTurn_->tag() == 1) {
        nowTurn_->setTextColor(ui::Color::yellow());
        nowTurn_->setTag(0);
    }
}

void PokerView::hideTimer() { stopTurnClock(); }

void PokerView::stopTurnClock() {
    if (!isCounting_) return;
    sys::Log::line("CLEAR TIMER");
    auto& loop = sys::RunLoop::main();
    loop.cancel(gameTimer_);
    loop.cancel(nameTimer_);
    gameTimer_ = nameTimer_ = 0;
    if (pokerTime) pokerTime->removeFromSuperview();
    if (nowTurn_) {
        nowTurn_->setTextColor(ui::Color::yellow());
        nowTurn_->setTag(0);
    }
    isCounting_ = false;
}

}  // namespace zuno
