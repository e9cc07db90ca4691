// My hand at the Tien Len table: the deal, the layout, the flights of played and shown sets, and one
// finger that taps, sweeps, drags to reorder and drags up to fire.
#include "games/tienlen/TienLenHandLayout.h"
#include "games/tienlen/TienLenView.h"
#include "platform/ui/Touch.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"

namespace zuno {

using namespace tienlenhand;

namespace {
constexpr ui::Point kSeatStart[] = {{240, 234}, {430, 142}, {240, 50}, {50, 142}};

void animateNamed(const char* name, double seconds, const std::function<void()>& changes) {
    ui::View::beginAnimations(std::string(name));
    ui::View::setAnimationCurve(ui::AnimationCurve::EaseIn);
    ui::View::setAnimationDuration(seconds);
    changes();
    ui::View::commitAnimations();
}

// The card of the hand under the point, the top-most (last) first; -1 when none.
int cardUnder(const TienLenView::Cards& cards, ui::Point point, double reachBelow = 0) {
    for (int i = static_cast<int>(cards.size()) - 1; i >= 0; --i) {
        ui::Rect frame = cards[static_cast<size_t>(i)]->frame();
        frame.size.height += reachBelow;
        if (frame.contains(point)) return i;
    }
    return -1;
}
}  // namespace

void TienLenView::sortWithCards(Cards& cards) {
    for (size_t i = 0; i + 1 < cards.size(); ++i)
        for (size_t j = i + 1; j < cards.size(); ++j)
            if (cards[i]->cardID > cards[j]->cardID) std::swap(cards[i], cards[j]);
}

void TienLenView::paintMyCards(const Cards& cards, bool isChiaBai, bool isSapBai) {
    if (!isSapBai) removeCardSprites([](const CardView&) { return true; });
    for (const auto& card : cards) {
        if (isChiaBai) {
            card->isSelected = false;
            card->setHidden(true);
        }
        if (card->superview() != view()) view()->addSubview(card);
    }
    auto weak = weakSelf();
    if (isChiaBai) {
        sys::RunLoop::main().cancel(dealTimer_);
        dealTimer_ = sys::RunLoop::main().postDelayed(0, [weak] {
            if (auto self = weak.lock()) self->chiaBaiWithCards();
        });
    } else {
        sys::RunLoop::main().post([weak, cards] {
            if (auto self = weak.lock()) self->animateMyCards(cards);
        });
    }
}

void TienLenView::chiaBaiWithCards() {
    dealTimer_ = 0;
    PlaySound::playSoundWithSource(Resources::getInstance().bai_chia_bai());
    const Layout layout = layoutFor(static_cast<int>(myCardsInGame.size()), availableScreenWidth, offsetLeft);
    if (indexCard == 0) posXCard = layout.startX;  // a hand that fits is centred once
    if (indexCard >= static_cast<int>(myCardsInGame.size())) return;
    auto card = myCardsInGame[static_cast<size_t>(indexCard)];
    card->setHidden(false);
    const ui::Point target{static_cast<double>(posXCard + kHalfCard), kRestY};
    animateNamed("chiabai", 0.09, [&] { card->setCenter(target); });
    posXCard += layout.step;
    ++indexCard;
    auto weak = weakSelf();
    dealTimer_ = sys::RunLoop::main().postDelayed(0.1, [weak] {
        if (auto self = weak.lock()) self->chiaBaiWithCards();
    });
}

void TienLenView::animateMyCards(const Cards& cards) {
    const Layout layout = layoutFor(static_cast<int>(cards.size()), availableScreenWidth, offsetLeft);
    for (size_t i = 0; i < cards.size(); ++i) {
        const auto& card = cards[i];
        card->setHidden(false);
        animateNamed("goal", 0.083, [&] {
            card->setTransform(ui::AffineTransform::identity());
            card->setAlpha(1.0);
            card->setCenter(cardCentre(layout, static_cast<int>(i), card->isSelected));
        });
    }
}

void TienLenView::animateFiredCards(const Cards& cards, int seat) {
    PlaySound::playSoundWithSource(Resources::getInstance().bai_lat_bai());
    flyCardsToRow(cards, seat == 0 ? endPoint : kSeatStart[std::clamp(seat, 0, 3)], kTableRowY);
}

// A hand shown at the end lies over the last set, below my bubble's place.
void TienLenView::animateEndedCards(const Cards& cards, int seat) {
    flyCardsToRow(cards, kSeatStart[std::clamp(seat, 0, 3)], kTableRowY);
}

void TienLenView::flyCardsToRow(const Cards& cards, ui::Point start, double y) {
    const int n = static_cast<int>(cards.size());
    for (int i = 0; i < n; ++i) {
        const auto& card = cards[static_cast<size_t>(i)];
        card->resize({CardView::kWidth * kTableCardScale, CardView::kHeight * kTableCardScale});
        card->setCenter(start);
        const auto& subviews = view()->subviews();
        if (subviews.empty()) view()->addSubview(card);
        else view()->insertSubviewBelow(card, subviews.back().get());
        card->setUserInteractionEnabled(false);
        animateNamed("animate", 0.2, [&] { card->setCenter({240.0 - kTableRowStep * (n / 2 - i), y}); });
    }
    bringBubblesToFront();
}

// ---- one finger

void TienLenView::touchBeganAt(ui::Point point) {
    if (isGameEnd()) return;
    indexFromMove = -1;
    indexToMove = -1;
    isDownTouch = false;
    isUpTouch = false;
    isSelecting = true;
    beginPoint = point;
    const Cards cards = myCards();
    const int hit = cardUnder(cards, point);
    movedCard = hit < 0 ? nullptr : cards[static_cast<size_t>(hit)];
    indexFromMove = hit;
    if (movedCard) isSelect = movedCard->isSelected;
}

void TienLenView::touchMovedTo(ui::Point point) {
    if (isGameEnd()) return;
    isSelecting = false;
    if (!movedCard) return;
    const Cards cards = myCards();
    const bool myTurn = currentPlayer() == myId();
    const Gesture gesture = isUpTouch ? Gesture::Mark : classifyMove(point, beginPoint, isDownTouch, myTurn);
    if (gesture == Gesture::Drag) {
        if (!isDownTouch) {
            isDownTouch = true;
            auto card = movedCard;
            ui::View::animate(0.1, [card] {
                card->setTransform(ui::AffineTransform::scale(1.2, 1.2));
                card->setAlpha(0.5);
            });
            view()->bringSubviewToFront(card.get());
        }
        movedCard->setCenter(point);
        for (size_t i = 0; i < cards.size(); ++i) {
            if (cards[i] == movedCard) continue;
            ui::Rect frame = cards[i]->frame();
            frame.size.height += kDropReach;
            if (frame.contains(point)) {
                indexToMove = static_cast<int>(i);
                break;
            }
        }
    } else if (gesture == Gesture::Mark) {
        isUpTouch = true;
        if (!movedCard->isSelected) movedCard->setSelected();
        int k = 0;
        for (const auto& card : myCards()) {
            if (!card->isSelected) continue;
            card->setCenter({point.x + 20 * k, point.y});
            view()->bringSubviewToFront(card.get());
            ++k;
        }
    } else if (gesture == Gesture::Sweep) {
        const int hit = cardUnder(cards, point);
        if (hit >= 0 && cards[static_cast<size_t>(hit)]->isSelected == isSelect) cards[static_cast<size_t>(hit)]->setSelected();
    }
}

void TienLenView::touchEndedAt(ui::Point point) {
    if (isGameEnd() || !movedCard) return;
    auto card = movedCard;
    ui::View::animate(0.1, [card] {
        card->setTransform(ui::AffineTransform::identity());
        card->setAlpha(1.0);
    });
    auto me = myPlayer();
    if (isDownTouch && me) {
        Cards& cards = me->cards();
        if (indexToMove != -1 && indexToMove != indexFromMove) {
            cards.erase(std::remove(cards.begin(), cards.end(), card), cards.end());
            if (static_cast<size_t>(indexToMove) >= cards.size()) cards.push_back(card);
            else cards.insert(cards.begin() + indexToMove, card);
        }
        if (card->isSelected) card->setSelected();
        paintMyCards(cards, false, true);
    } else if (isUpTouch && me) {
        if (releaseFires(point) && checkValidSelectedCards() && fireMyCards()) {
            endPoint = point;
        } else {
            paintMyCards(me->cards(), false, true);
        }
    } else if (isSelecting) {
        card->setSelected();
    }
    movedCard = nullptr;
}

void TienLenView::touchesBegan(const ui::TouchSet& touches, const ui::Event&) {
    if (!touches.empty()) touchBeganAt(touches.front()->locationInView(view().get()));
}
void TienLenView::touchesMoved(const ui::TouchSet& touches, const ui::Event&) {
    if (!touches.empty()) touchMovedTo(touches.front()->locationInView(view().get()));
}
void TienLenView::touchesEnded(const ui::TouchSet& touches, const ui::Event&) {
    if (!touches.empty()) touchEndedAt(touches.front()->locationInView(view().get()));
}

}  // namespace zuno
