// The cards of the Phom table: my hand (deal, layout, meld outlines), each seat's fired, eaten and laid
// rows, the zoomed table during a deal, and one finger that selects, reorders, fires and eats.
#include <algorithm>

#include "games/phom/PhomTableLayout.h"
#include "games/phom/PhomView.h"
#include "platform/ui/Layer.h"
#include "platform/ui/Touch.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
using Layout = PhomTableLayout;

// The hand's places are counted in whole cards of 60 pt, whatever size they are drawn at.
constexpr double kHalfCard = 30;
constexpr int kAvailableWidth = 390;  // 480 less the hand's margins (30 left, 60 right)
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

// A card drawn at another size: its picture fills it.
void sizeCard(CardView& card, ui::Size size) {
    card.setBounds(ui::Rect(0, 0, size.width, size.height));
    card.imageView()->setFrame(ui::Rect(0, 0, size.width, size.height));
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
    sizeCard(*sprite, tag == kHandTag ? Layout::kHandCard : Layout::kTableCard);
    sprite->setTag(tag);
    return sprite;
}

ui::Point PhomView::startOfSeat(int seat) const {
    if (seat == 0) return baiPost;
    return Layout::origin(seat);
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
        // A card that comes while the deal is still being dealt (the opener's draw) waits to be dealt,
        // or for the layout after the deal, rather than showing where it was made.
        if (found == hand_.end() && waitingChiaBai) sprite->setHidden(true);
        sprite->delegate = self;
        sprite->isFix = card.isFix;
        sprite->phom = static_cast<int8_t>(std::clamp(card.phom, -128, 127));
        sprite->isSelected = false;
        sprite->setTransform(ui::AffineTransform::identity());
        sprite->setAlpha(1.0);
        fresh.push_back(sprite);
    }
    // The hand goes in again in its order, each card over its left neighbour, the kept ones too.
    for (const auto& old : hand_) old->removeFromSuperview();
    hand_ = std::move(fresh);
    for (size_t k = 0; k < hand_.size(); ++k) {
        const auto& sprite = hand_[k];
        if (isGameBegin) sprite->setHidden(true);
        view()->insertSubview(sprite, std::min(kHandIndex + k, view()->subviews().size()));
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

PhomView::Sprites& PhomView::rowSprites(int seat, RowKind kind) {
    auto& rows = kind == RowKind::Laid ? laid_ : kind == RowKind::Eaten ? eaten_ : fired_;
    return rows[static_cast<size_t>(seat)];
}

void PhomView::paintRow(int seat, RowKind kind, const std::vector<int>& ids, Flight flight, ui::Point from) {
    if (seat < 0 || seat >= kSeats) return;
    PlayerPtr owner = table().playerAtSeat(seat);
    Sprites row;
    for (int id : ids)
        if (id != -1) row.push_back(makeSprite(id, owner ? owner->IDDB() : -1, kind == RowKind::Laid ? kLaidTag
                                                                              : kind == RowKind::Eaten ? kEatenTag
                                                                                                        : kFiredTag));
    replaceRow(rowSprites(seat, kind), row);
    // The seat's other rows share its lines: they make room for this one.
    const Layout::Counts counts{static_cast<int>(fired_[static_cast<size_t>(seat)].size()),
                                static_cast<int>(eaten_[static_cast<size_t>(seat)].size()),
                                static_cast<int>(laid_[static_cast<size_t>(seat)].size())};
    const auto places = Layout::place(seat, counts, isGameEnd() ? Layout::Stage::Ended : Layout::Stage::Deal);
    for (RowKind other : {RowKind::Fired, RowKind::Eaten, RowKind::Laid}) {
        if (other == kind) continue;
        const auto& sprites = rowSprites(seat, other);
        const auto& centres = places[static_cast<size_t>(other)];
        for (size_t k = 0; k < sprites.size() && k < centres.size(); ++k) {
            if (sprites[k]->center() == centres[k]) continue;
            const auto& sprite = sprites[k];
            animateNamed("animate", 0.2, [&] { sprite->setCenter(centres[k]); });
        }
    }
    const auto& centres = places[static_cast<size_t>(kind)];
    const int n = static_cast<int>(row.size());
    for (int k = 0; k < n; ++k) {
        const auto& sprite = row[static_cast<size_t>(k)];
        sprite->setUserInteractionEnabled(false);
        sprite->isPhom = kind == RowKind::Laid;
        size_t at = view()->subviews().size();
        if (kind == RowKind::Fired) at = kFiredRowIndex + static_cast<size_t>(k);
        if (kind == RowKind::Laid && seat == 0) at = kLaidRowIndex + static_cast<size_t>(k);
        view()->insertSubview(sprite, std::min(at, view()->subviews().size()));
        const ui::Point place = centres[static_cast<size_t>(k)];
        const bool flies = flight == Flight::All || (flight == Flight::Newest && k + 1 == n);
        if (!flies) {
            sprite->setCenter(place);
            continue;
        }
        sprite->setCenter(from);
        animateNamed("animate", 0.2, [&] { sprite->setCenter(place); });
    }
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
    const auto& eaten = eaten_[static_cast<size_t>(seat)];
    const bool laidAnEatenCard = std::any_of(eaten.begin(), eaten.end(), [&](const Sprite& card) {
        return std::find(ids.begin(), ids.end(), card->cardID) != ids.end();
    });
    if (laidAnEatenCard) paintRow(seat, RowKind::Eaten, eatenNotLaid(seat), Flight::None, {});
}

// An eaten card goes down with its meld: the eaten row shows only those still in the hand.
std::vector<int> PhomView::eatenNotLaid(int seat) const {
    const auto& eaten = phom_.showCardEat[static_cast<size_t>(seat)];
    std::vector<int> laid;
    for (const auto& card : laid_[static_cast<size_t>(seat)]) laid.push_back(card->cardID);
    std::vector<int> ids;
    for (int id : eaten)
        if (id != -1 && std::find(laid.begin(), laid.end(), id) == laid.end()) ids.push_back(id);
    return ids;
}

void PhomView::paintXXXCards(int seat) {
    if (seat < 0 || seat >= kSeats) return;
    paintRow(seat, RowKind::Eaten, eatenNotLaid(seat), Flight::Newest, startOfSeat(seat));
}

// ---- zoom

// The seats keep their pictures, names and money where they are; the table grows under the rows of
// cards, the stake moves to the corner and the card-back pile shows.
void PhomView::zoomIn() {
    view();
    isZoom = true;
    refreshInviteMarks();
    setDecorationGeometry(PhomTableLayout::decorations(PhomTableLayout::Stage::Deal));
    for (int seat = 0; seat < kSeats; ++seat)
        if (auto mark = readyMark(seat)) mark->setHidden(true);
    animateNamed("animate", 0.6, [&] {
        if (imgBoard) imgBoard->setFrame({30, 20, 420, 240});
        if (viewStake) viewStake->setCenter({100, 20});
    });
    if (imgBaiTi) imgBaiTi->setHidden(false);
}

void PhomView::zoomOut() {
    view();
    isZoom = false;
    refreshInviteMarks();
    setDecorationGeometry(PhomTableLayout::decorations(PhomTableLayout::Stage::Idle));
    for (int seat = 0; seat < kSeats; ++seat) {
        if (auto button = seatButton(seat)) button->setHidden(false);
    }
    showOKImageWithMode(true);
    animateNamed("animate", 0.6, [&] {
        if (imgBoard) imgBoard->setFrame({66, 65, 350, 170});
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
