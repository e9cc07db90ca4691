// The cards of the Phom table: my hand (deal, layout, meld outlines), each seat's fired, eaten and laid
// rows, the zoomed table during a deal, and one finger that selects, reorders, fires and eats.
#include <algorithm>

#include "games/phom/PhomView.h"
#include "platform/ui/Layer.h"
#include "platform/ui/Touch.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr double kHalfCard = 30;
constexpr double kRowStep = 20;
constexpr int kAvailableWidth = 390;  // 480 less the hand's margins (30 left, 60 right)
constexpr ui::Point kSeatOrigins[] = {{240, 284}, {480, 142}, {240, 0}, {0, 142}};
// Where each seat's laid melds and eaten cards lie (x for the side seats, y for the others).
constexpr double kLaidLines[] = {250, 450, -15, 30};
constexpr int kFiredRowIndex = 28;
constexpr int kLaidRowIndex = 48;
constexpr int kHandIndex = 58;

enum Tag { kHandTag = 1, kLaidTag = 2, kFiredTag = 3, kEatenTag = 4 };

void animateNamed(const char* name, double seconds, const std::function<void()>& changes) {
    ui::View::beginAnimations(std::string(name));
    ui::View::setAnimationCurve(ui::AnimationCurve::EaseIn);
    ui::View::setAnimationDuration(seconds);
    changes();
    ui::View::commitAnimations();
}

// The hand's step between card centres: 60 when the hand fits, else squeezed into the width.
int handStep(size_t count) {
    const int over = static_cast<int>(count) * 60 - kAvailableWidth;
    if (over < 0 || count == 0) return 60;
    return 60 - static_cast<int>(static_cast<unsigned>(over) / static_cast<unsigned>(count));
}

int handStartX(size_t count, int offsetLeft) {
    const int over = static_cast<int>(count) * 60 - kAvailableWidth;
    return over < 0 ? offsetLeft - over / 2 : offsetLeft;
}

// A row of n cards centred on a seat's line, 20 pt apart: the k-th card's centre.
ui::Point rowCentre(int seat, double line, int n, int k) {
    const double h = n / 2;
    switch (seat) {
        case 0: return {240 - kRowStep * h + kRowStep * k, line};
        case 1: return {line, 142 - kRowStep * h + kRowStep * k};
        case 2: return {240 + kRowStep * h - kRowStep * k, line};
        case 3: return {line, 142 - kRowStep * h + kRowStep * k};
        default: return {240, 142};
    }
}

constexpr int kOutlineTag = 9001;

// A meld's outline is a clear frame over the card's picture (a view's own border lies under its
// picture).
void outline(CardView& card, std::optional<ui::Color> colour, double width, double radius) {
    std::shared_ptr<ui::View> ring;
    for (const auto& subview : card.subviews())
        if (subview->tag() == kOutlineTag) ring = subview;
    if (!ring) {
        if (!colour) return;
        ring = std::make_shared<ui::View>(card.bounds());
        ring->setBackgroundColor(ui::Color::clear());
        ring->setUserInteractionEnabled(false);
        ring->setTag(kOutlineTag);
        card.addSubview(ring);
    }
    auto& layer = ring->layer();
    layer.setBorderWidth(colour ? width : 0);
    layer.setCornerRadius(radius);
    if (colour) layer.setBorderColor(*colour);
}

ui::Color colourOfMeld(int meld) {
    if (meld == 2) return ui::Color::red();
    if (meld == 3) return ui::Color::blue();
    return ui::Color::yellow();
}
}  // namespace

PhomView::Sprite PhomView::makeSprite(int id, int32_t playerId, int tag) const {
    auto sprite = std::make_shared<CardViewPhom>(static_cast<int8_t>(id), false, playerId);
    sprite->setTag(tag);
    return sprite;
}

ui::Point PhomView::startOfSeat(int seat) const {
    if (seat == 0) return baiPost;
    return kSeatOrigins[std::clamp(seat, 0, 3)];
}

void PhomView::removeAllCardSprites() {
    if (isViewLoaded()) {
        std::vector<std::shared_ptr<ui::View>> cards;
        for (const auto& subview : view()->subviews())
            if (std::dynamic_pointer_cast<CardView>(subview)) cards.push_back(subview);
        for (const auto& card : cards) card->removeFromSuperview();
    }
    hand_.clear();
    for (auto* rows : {&fired_, &laid_, &eaten_})
        for (auto& row : *rows) row.clear();
}

void PhomView::replaceRow(Sprites& row, Sprites fresh) {
    for (const auto& sprite : row) sprite->removeFromSuperview();
    row = std::move(fresh);
}

// ---- selection

void PhomView::readSelection() {
    auto& cards = handCards();
    for (size_t i = 0; i < cards.size() && i < hand_.size(); ++i) cards[i].isSelected = hand_[i]->isSelected;
}

void PhomView::clearSelection() {
    for (auto& card : handCards()) card.isSelected = false;
    for (const auto& sprite : hand_) {
        if (sprite->isSelected) sprite->setSelected();
    }
}

// ---- my hand

void PhomView::paintMyCards() {
    view();
    const auto& cards = handCards();
    Sprites fresh;
    const auto self = std::dynamic_pointer_cast<CardTableDelegate>(shared_from_this());
    for (const PhomCard& card : cards) {
        auto found = std::find_if(hand_.begin(), hand_.end(), [&](const Sprite& s) { return s->cardID == card.cardID; });
        Sprite sprite = found != hand_.end() ? *found : makeSprite(card.cardID, UIController::myId(), kHandTag);
        sprite->delegate = self;
        sprite->isFix = card.isFix;
        sprite->phom = static_cast<int8_t>(std::clamp(card.phom, -128, 127));
        sprite->isSelected = false;
        sprite->setTransform(ui::AffineTransform::identity());
        sprite->setAlpha(1.0);
        fresh.push_back(sprite);
    }
    for (const auto& old : hand_)
        if (std::find(fresh.begin(), fresh.end(), old) == fresh.end()) old->removeFromSuperview();
    hand_ = std::move(fresh);
    for (size_t k = 0; k < hand_.size(); ++k) {
        const auto& sprite = hand_[k];
        if (sprite->superview() != view()) {
            if (isGameBegin) sprite->setHidden(true);
            view()->insertSubview(sprite, std::min(kHandIndex + k, view()->subviews().size()));
        }
    }
    if (isGameBegin) {
        isGameBegin = false;
        for (size_t k = 0; k < hand_.size(); ++k) outline(*hand_[k], meldColour(k), 3, 0);
        sys::RunLoop::main().cancel(dealTimer_);
        auto weak = weakSelf();
        dealTimer_ = sys::RunLoop::main().postDelayed(0, [weak] {
            if (auto self = weak.lock()) self->chiaBai();
        });
    } else {
        animateMyCards();
    }
    if (bottomMenuView) view()->bringSubviewToFront(bottomMenuView.get());
}

std::optional<ui::Color> PhomView::meldColour(size_t position) {
    const auto& cards = handCards();
    if (position >= cards.size()) return std::nullopt;
    const PhomCard& card = cards[position];
    if (card.phom == 0) return std::nullopt;
    if (card.isFix) return ui::Color::blue();
    return colourOfMeld(card.phom);
}

void PhomView::chiaBai() {
    dealTimer_ = 0;
    PlaySound::playSoundWithSource(Resources::getInstance().bai_chia_bai());
    if (indexCard == 0) posXCard = offsetLeft;
    if (indexCard >= static_cast<int>(hand_.size())) {
        waitingChiaBai = false;
        return;
    }
    auto card = hand_[static_cast<size_t>(indexCard)];
    card->setHidden(false);
    const ui::Point target{posXCard + kHalfCard, kHandY};
    animateNamed("chiabai", 0.09, [&] { card->setCenter(target); });
    posXCard += handStep(hand_.size());
    ++indexCard;
    auto weak = weakSelf();
    dealTimer_ = sys::RunLoop::main().postDelayed(0.1, [weak] {
        if (auto self = weak.lock()) self->chiaBai();
    });
}

void PhomView::animateMyCards() {
    layoutTimer_ = 0;
    if (waitingChiaBai) {
        // The layout waits for the last dealt card.
        sys::RunLoop::main().cancel(layoutTimer_);
        auto weak = weakSelf();
        layoutTimer_ = sys::RunLoop::main().postDelayed(1.0, [weak] {
            if (auto self = weak.lock()) self->animateMyCards();
        });
        return;
    }
    PlaySound::playSoundWithSource(Resources::getInstance().bai_lat_bai());
    const int step = handStep(hand_.size());
    double x = handStartX(hand_.size(), offsetLeft);
    const auto& cards = handCards();
    for (size_t k = 0; k < hand_.size(); ++k) {
        const auto& sprite = hand_[k];
        sprite->setHidden(false);
        const double y = kHandY - (sprite->isSelected ? CardView::kRaise : 0);
        animateNamed("goal", 0.3, [&] { sprite->setCenter({x + kHalfCard, y}); });
        x += step;
        const auto colour = meldColour(k);
        outline(*sprite, colour, 2, colour ? 6 : 0);
        sprite->setAlpha(k < cards.size() && cards[k].isFix && fadesEatenCards() ? 0.5 : 1.0);
    }
}

// ---- the rows on the table

ui::Point PhomView::getPointCardRacOfPlayer(int seat, int count) {
    const int h = count / 2;
    switch (seat) {
        case 0: return {240.0 - kRowStep * h, 230};
        case 1: return {420, 142.0 - kRowStep * h};
        case 2: return {240.0 + kRowStep * h, 20};
        case 3: return {60, 142.0 - kRowStep * h};
        default: return {240, 142};
    }
}

namespace {
// The k-th card of a fired row that starts at `first`.
ui::Point firedCentre(int seat, ui::Point first, int k) {
    switch (seat) {
        case 0: return {first.x + kRowStep * k, first.y};
        case 1: case 3: return {first.x, first.y + kRowStep * k};
        case 2: return {first.x - kRowStep * k, first.y};
        default: return first;
    }
}
}  // namespace

void PhomView::paintRow(int seat, RowKind kind, const std::vector<int>& ids, Flight flight, ui::Point from) {
    if (seat < 0 || seat >= kSeats) return;
    PlayerPtr owner = table().playerAtSeat(seat);
    Sprites row;
    for (int id : ids)
        if (id != -1) row.push_back(makeSprite(id, owner ? owner->IDDB() : -1, kind == RowKind::Laid ? kLaidTag
                                                                              : kind == RowKind::Eaten ? kEatenTag
                                                                                                        : kFiredTag));
    const int n = static_cast<int>(row.size());
    const ui::Point first = getPointCardRacOfPlayer(seat, n);
    for (int k = 0; k < n; ++k) {
        const auto& sprite = row[static_cast<size_t>(k)];
        sprite->setUserInteractionEnabled(false);
        sprite->isPhom = kind == RowKind::Laid;
        size_t at = view()->subviews().size();
        if (kind == RowKind::Fired) at = kFiredRowIndex + static_cast<size_t>(k);
        if (kind == RowKind::Laid && seat == 0) at = kLaidRowIndex + static_cast<size_t>(k);
        view()->insertSubview(sprite, std::min(at, view()->subviews().size()));
        const ui::Point place = kind == RowKind::Fired ? firedCentre(seat, first, k) : rowCentre(seat, kLaidLines[seat], n, k);
        const bool flies = flight == Flight::All || (flight == Flight::Newest && k + 1 == n);
        if (!flies) {
            sprite->setCenter(place);
            continue;
        }
        sprite->setCenter(from);
        animateNamed("animate", 0.2, [&] { sprite->setCenter(place); });
    }
    auto& rows = kind == RowKind::Laid ? laid_ : kind == RowKind::Eaten ? eaten_ : fired_;
    replaceRow(rows[static_cast<size_t>(seat)], std::move(row));
}

void PhomView::paintFiredCards(int seat, std::optional<ui::Point> newestFrom) {
    if (seat < 0 || seat >= kSeats) return;
    const auto& ids = phom_.cardShow[static_cast<size_t>(seat)];
    paintRow(seat, RowKind::Fired, {ids.begin(), ids.end()}, newestFrom ? Flight::Newest : Flight::None,
             newestFrom.value_or(startOfSeat(seat)));
}

void PhomView::paintLeftovers(int seat, const std::vector<int>& ids) { paintRow(seat, RowKind::Fired, ids, Flight::None, {}); }

void PhomView::paintPhomCards(int seat) {
    if (seat < 0 || seat >= kSeats) return;
    const auto& row = phom_.ShowHaPhom[static_cast<size_t>(seat)];
    paintLaidIds(seat, {row.begin(), row.end()});
}

void PhomView::paintLaidIds(int seat, const std::vector<int>& ids, std::optional<ui::Point> from) {
    paintRow(seat, RowKind::Laid, ids, Flight::All, from.value_or(startOfSeat(seat)));
}

void PhomView::paintXXXCards(int seat) {
    if (seat < 0 || seat >= kSeats) return;
    const auto& ids = phom_.showCardEat[static_cast<size_t>(seat)];
    paintRow(seat, RowKind::Eaten, {ids.begin(), ids.end()}, Flight::Newest, startOfSeat(seat));
}

// ---- zoom

void PhomView::zoomIn() {
    view();
    isZoom = true;
    refreshInviteMarks();
    // The seats' pictures and money give the table their room; the names move onto it.
    const std::shared_ptr<ui::View> seatViews[] = {ava0, ava1, ava2, ava3, lblMoney0, lblMoney1, lblMoney2, lblMoney3,
                                                   btnSeat0, btnSeat1, btnSeat2, btnSeat3};
    for (const auto& seatView : seatViews)
        if (seatView) seatView->setHidden(true);
    for (int seat = 0; seat < kSeats; ++seat)
        if (auto mark = readyMark(seat)) mark->setHidden(true);
    static constexpr ui::Point kNames[] = {{240, 170}, {330, 134}, {240, 95}, {150, 134}};
    static constexpr ui::TextAlignment kAligns[] = {ui::TextAlignment::Center, ui::TextAlignment::Left,
                                                    ui::TextAlignment::Center, ui::TextAlignment::Right};
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    animateNamed("animate", 0.6, [&] {
        if (imgBoard) imgBoard->setFrame({30, 20, 420, 240});
        for (int seat = 0; seat < kSeats; ++seat) {
            if (!names[seat]) continue;
            names[seat]->setCenter(kNames[seat]);
            names[seat]->setTextAlignment(kAligns[seat]);
        }
        if (viewStake) viewStake->setCenter({100, 20});
    });
    if (imgBaiTi) imgBaiTi->setHidden(false);
}

void PhomView::zoomOut() {
    view();
    isZoom = false;
    refreshInviteMarks();
    for (int seat = 0; seat < kSeats; ++seat) {
        if (auto button = seatButton(seat)) button->setHidden(false);
    }
    resetSeat();
    showOKImageWithMode(true);
    const std::shared_ptr<ui::Label> names[] = {lblName0, lblName1, lblName2, lblName3};
    animateNamed("animate", 0.6, [&] {
        if (imgBoard) imgBoard->setFrame({66, 65, 350, 170});
        for (int seat = 0; seat < kSeats; ++seat) {
            if (!names[seat]) continue;
            names[seat]->setCenter(namePoint[static_cast<size_t>(seat)]);
            names[seat]->setTextAlignment(ui::TextAlignment::Center);
        }
        if (viewStake) viewStake->setCenter({240, 150});
    });
    if (imgBaiTi) imgBaiTi->setHidden(true);
}

// ---- one finger

bool PhomView::mayPickUp(const PhomCard& card) const { return !card.isFix; }

void PhomView::touchBeganAt(ui::Point point) {
    toMove = nullptr;
    const auto& cards = handCards();
    for (size_t k = 0; k < hand_.size(); ++k) {
        if (!hand_[k]->frame().contains(point)) continue;
        if (k < cards.size() && !mayPickUp(cards[k])) {
            showMyBubble("ZUNO_notAllowChangePhom");
            toMove = nullptr;
            continue;
        }
        toMove = hand_[k];
        indexOfCard = static_cast<int>(k);
        isCardMove = false;
    }
    indexOfCard2 = -1;
    if (phom_.isEatCard && !isEatTouch) {
        const int f = getSeatFromID(phom_.firstPlayer);
        if (f >= 0 && !fired_[static_cast<size_t>(f)].empty() &&
            fired_[static_cast<size_t>(f)].back()->frame().contains(point))
            isEatTouch = true;
    }
}

void PhomView::touchMovedTo(ui::Point point) {
    if (!toMove) return;
    toMove->setCenter(point);
    view()->bringSubviewToFront(toMove.get());
    toMove->setAlpha(0.5);
    if (!isCardMove) {
        auto card = toMove;
        ui::View::animate(0.1, [card] { card->setTransform(ui::AffineTransform::scale(1.2, 1.2)); });
        isCardMove = true;
    }
    for (size_t k = 0; k < hand_.size(); ++k) {
        if (hand_[k] != toMove && hand_[k]->frame().contains(point)) {
            indexOfCard2 = static_cast<int>(k);
            break;
        }
    }
}

void PhomView::touchEndedAt(ui::Point point) {
    if (isEatTouch) {
        isEatTouch = false;
        if (toMove) baiPost = toMove->center();
        toMove = nullptr;
        doEat();
        return;
    }
    if (!toMove) return;
    auto card = toMove;
    toMove = nullptr;
    ui::View::animate(1.0, [card] { card->setTransform(ui::AffineTransform::identity()); });
    card->setAlpha(1.0);
    if (!isCardMove) {
        card->setSelected();
        return;
    }
    if (point.y < kFireLine && phom_.isDoFire) {
        dropToFire(indexOfCard);
        return;
    }
    if (card->isSelected) card->setSelected();
    dropCard(indexOfCard, indexOfCard2);
    indexOfCard2 = -1;
}

void PhomView::dropToFire(int position) {
    clearSelection();
    if (position >= 0 && static_cast<size_t>(position) < hand_.size()) hand_[static_cast<size_t>(position)]->setSelected();
    doFire();
}

void PhomView::dropCard(int from, int to) {
    readSelection();
    if (phom_.hand.moveCard(from, to)) showPhomMenu(PhomMenu::LayDown);
    paintMyCards();
}

void PhomView::touchesBegan(const ui::TouchSet& touches, const ui::Event&) {
    if (!touches.empty()) touchBeganAt(touches.front()->locationInView(view().get()));
}
void PhomView::touchesMoved(const ui::TouchSet& touches, const ui::Event&) {
    if (!touches.empty()) touchMovedTo(touches.front()->locationInView(view().get()));
}
void PhomView::touchesEnded(const ui::TouchSet& touches, const ui::Event&) {
    if (!touches.empty()) touchEndedAt(touches.front()->locationInView(view().get()));
}

}  // namespace zuno
