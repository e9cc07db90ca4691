#include "table/CardView.h"

#include <string>

#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "platform/ui/Image.h"
#include "shell/UIController.h"
#include "table/CardIdMapping.h"
#include "table/GameController.h"

namespace zuno {

namespace {
constexpr int8_t kXiZach = 2, kTienLen = 3, kPoker = 4, kPhom = 7, kBaiCao = 11, kTienLenMB = 12, kPhomNew = 13;

ui::ImagePtr cardImage(int imageNumber) {
    return ui::Image::imageNamed(imageNumber < 0 ? std::string("baiti.png") : std::to_string(imageNumber) + ".png");
}

bool drawsAceLowCards(int8_t gameType) {
    return gameType == kPhom || gameType == kPhomNew || gameType == kBaiCao || gameType == kXiZach ||
           gameType == kPoker;
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

void CardView::setSelected() {
    ui::View::beginAnimations(std::string("selectedCard"));
    ui::View::setAnimationDuration(0.1);
    ui::Point c = center();
    // A raised card sits kRaise above its lowered place (y grows downwards).
    oldCenter = isSelected ? ui::Point{c.x, c.y + kRaise} : c;
    setCenter(ui::Point{c.x, isSelected ? c.y + kRaise : c.y - kRaise});
    isSelected = !isSelected;
    ui::View::commitAnimations();
    notifyTable();
}

void CardView::notifyTable() {
    switch (UIController::gameType()) {
        case kTienLen:
            if (auto screen = GameController::getTienLenView()) screen->checkValidSelectedCards();
            break;
        case kTienLenMB:
            if (auto screen = GameController::getTienLenMBView()) screen->checkValidSelectedCards();
            break;
        default: break;
    }
}

CardViewPhom::CardViewPhom(int8_t cardId)
    : CardView(Sized{}, UIController::gameType() == kPoker ? ui::Size{kWidth * 0.75, kHeight * 0.75}
                                                           : ui::Size{kWidth, kHeight}) {
    isDrap = false;
    setCard(cardId, drawsAceLowCards(UIController::gameType()) ? mapToRealCardIdWithId(cardId) : kNoImage);
}

CardViewPhom::CardViewPhom(int8_t cardId, bool isPhom) : CardViewPhom(cardId) {
    if (isPhom) cardMapping = kRankMapping;
}

CardViewPhom::CardViewPhom(int8_t cardId, bool isPhom, int32_t userId) : CardViewPhom(cardId, isPhom) {
    playerID = userId;
}

int CardViewPhom::mapToRealCardIdWithId(int8_t phomId) { return CardIdMapping::mapToRealCardIdWithId(phomId); }

int8_t CardViewPhom::mapToPhomValue(int8_t phomId) { return CardIdMapping::mapToPhomValue(phomId); }

void CardViewPhom::notifyTable() {
    std::shared_ptr<PhomCardSelection> screen;
    switch (UIController::gameType()) {
        case kPhom: screen = std::dynamic_pointer_cast<PhomCardSelection>(GameController::getPhomView()); break;
        case kPhomNew: screen = std::dynamic_pointer_cast<PhomCardSelection>(GameController::getPhomNewView()); break;
        default: break;
    }
    if (screen) screen->doSelect();
}

}  // namespace zuno
