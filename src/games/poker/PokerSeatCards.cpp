#include "games/poker/PokerSeatCards.h"

#include "platform/core/Log.h"
#include "platform/ui/Animation.h"

namespace zuno {

namespace {
void fadeToCentre(const PokerSeatCards::Views& views, double seconds, std::function<void()> done) {
    ui::View::animate(
        seconds, 0, ui::AnimationOption::LayoutSubviews | ui::AnimationOption::AllowUserInteraction,
        [views] {
            for (const auto& card : views) {
                card->setAlpha(0);
                card->setCenter(PokerSeatCards::kTableCentre);
            }
        },
        [views, done = std::move(done)](bool) {
            for (const auto& card : views) card->removeFromSuperview();
            if (done) done();
        });
}
}  // namespace

std::shared_ptr<CardViewPhom> pokerCard(int8_t id) {
    auto card = std::make_shared<CardViewPhom>(id);
    card->setUserInteractionEnabled(false);
    return card;
}

PokerSeatCards::PokerSeatCards() : views_(faceDown()) {}

PokerSeatCards::Views PokerSeatCards::faceDown() {
    return {pokerCard(-1), pokerCard(-1)};
}

void PokerSeatCards::setCard(const std::array<int8_t, 2>& ids) {
    for (const auto& card : views_) card->removeFromSuperview();
    views_ = {pokerCard(ids[0]), pokerCard(ids[1])};
}

void PokerSeatCards::hideCard() {
    for (const auto& card : views_) card->setHidden(true);
}

void PokerSeatCards::resetCard() {
    sys::Log::line("========== card reset======");
    std::weak_ptr<PokerSeatCards> weak = weak_from_this();
    const Views leaving = views_;
    fadeToCentre(leaving, kResetSeconds, [weak, leaving] {
        auto self = weak.lock();
        // Cards set since the fade began stay.
        if (self && self->views_ == leaving) self->views_ = faceDown();
    });
}

void PokerSeatCards::flyAway(double seconds) { fadeToCentre(views_, seconds, nullptr); }

}  // namespace zuno
