#include "table/CardView.h"

#include <string>

#include "lobby/GameRegistry.h"
#include "platform/ui/Image.h"
#include "table/CardIdMapping.h"

namespace zuno {

namespace {
ui::ImagePtr cardImage(int imageNumber) {
    return ui::Image::imageNamed(imageNumber < 0 ? std::string("baiti.png") : std::to_string(imageNumber) + ".png");
}

// The games that number their cards ace-low draw them; a Poker table draws them smaller.
bool drawsAceLowCards() {
    const auto family = GameRegistry::currentFamily();
    return family == TableFamily::Phom || family == TableFamily::Banker || family == TableFamily::Poker;
}

ui::Size aceLowCardSize() {
    if (GameRegistry::currentFamily() == TableFamily::Poker) return {CardView::kWidth * 0.75, CardView::kHeight * 0.75};
    return {CardView::kWidth, CardView::kHeight};
}
}  // namespace

int CardView::imageNumberOfTienLenId(int tienLenId) {
    if (tienLenId < 0 || tienLenId > 51) return -1;
    return tienLenId == 0 ? 100 : tienLenId;
}

CardView::CardView(Sized, ui::Size size) : ui::View(ui::Rect(0, 0, size.width, size.height)) {
    imageView_ = std::make_shared<ui::ImageView>(ui::Rect(0, 0, size.width, size.height));
    imageView_->setContentMode(ui::ContentMode::ScaleToFill);
    addSubview(imageView_);
}

CardView::CardView(int8_t cardId) : CardView(Sized{}, {kWidth, kHeight}) {
    setCard(cardId, imageNumberOfTienLenId(cardId));
}

CardView::CardView(int8_t cardId, bool isPhom) : CardView(cardId) {
    if (isPhom) cardMapping = kRankMapping;
}

void CardView::setCard(int8_t cardId, int imageNumber) {
    if (imageNumber != kNoImage) imageView_->setImage(cardImage(imageNumber));
    cardID = cardId;
    setTag(cardId);
    phom = 0;
    cardType = cardId % 4;
    cardValue = cardId / 4;
    cardColor = (cardType == 2 || cardType == 3) ? 1 : 0;
    setCenter(kStartCenter);
}

void CardView::resize(ui::Size size) {
    const ui::Point c = center();
    setFrame(ui::Rect(c.x - size.width / 2, c.y - size.height / 2, size.width, size.height));
    for (const auto& picture : subviews()) picture->setFrame(ui::Rect(0, 0, size.width, size.height));
}

void CardView::setSelected() {
    ui::View::beginAnimations(std::string("selectedCard"));
    ui::View::setAnimationDuration(0.1);
    ui::Point c = center();
    // A raised card sits kRaise above its lowered place (y grows downwards).
    oldCenter = isSelected ? ui::Point{c.x, c.y + kRaise} : c;
    setCenter(ui::Point{c.x, isSelected ? c.y + kRaise : c.y - kRaise});
    isSelected = !isSelected;
    ui::View::commitAnimations();
    if (auto table = delegate.lock()) table->cardSelectionChanged();
}

CardViewPhom::CardViewPhom(int8_t cardId) : CardView(Sized{}, aceLowCardSize()) {
    isDrap = false;
    setCard(cardId, drawsAceLowCards() ? mapToRealCardIdWithId(cardId) : kNoImage);
}

CardViewPhom::CardViewPhom(int8_t cardId, bool isPhom) : CardViewPhom(cardId) {
    if (isPhom) cardMapping = kRankMapping;
}

CardViewPhom::CardViewPhom(int8_t cardId, bool isPhom, int32_t userId) : CardViewPhom(cardId, isPhom) {
    playerID = userId;
}

int CardViewPhom::mapToRealCardIdWithId(int8_t phomId) { return CardIdMapping::mapToRealCardIdWithId(phomId); }

int8_t CardViewPhom::mapToPhomValue(int8_t phomId) { return CardIdMapping::mapToPhomValue(phomId); }

}  // namespace zuno
