#include "games/banker/BCCardView.h"

#include <string>

#include "games/banker/BaiCaoView.h"
#include "games/banker/BankerCardTaps.h"
#include "games/banker/XiZachView.h"
#include "platform/ui/Image.h"
#include "shell/UIController.h"
#include "table/GameController.h"

namespace zuno {

BCCardView::BCCardView(int8_t cardId, bool isPhom, int32_t playerId, bool isBaiCao)
    : CardViewPhom(cardId, isPhom, playerId) {
    isTouch = playerId == UIController::myId();
    if (!isTouch) return;
    // My own Bai Cao cards stay face down on my screen too, until the table reveals them.
    if (isBaiCao) layOver("baiti.png");
    else isChecked = true;
}

void BCCardView::layOver(const std::string& imageName) {
    cover_ = std::make_shared<ui::ImageView>(ui::Rect(0, 0, bounds().size.width, bounds().size.height));
    cover_->setContentMode(ui::ContentMode::ScaleToFill);
    cover_->setImage(ui::Image::imageNamed(imageName));
    addSubview(cover_);
}

void BCCardView::showFace() {
    isChecked = true;
    layOver(std::to_string(mapToRealCardIdWithId(cardID)) + ".png");
}

BCCardView::TapAction BCCardView::tapAction(int8_t gameType) const {
    if (gameType == kBaiCaoType) return isTouch ? TapAction::Fire : TapAction::None;
    if (gameType == kXiZachType) return isTouch ? TapAction::Fire : TapAction::Examine;
    return TapAction::None;
}

void BCCardView::tap(int8_t gameType, BankerCardTaps* table) {
    if (!table) return;
    switch (tapAction(gameType)) {
        case TapAction::Fire: table->doFireWithCardId(cardID); break;
        case TapAction::Examine: table->xetBaiWithPlayer(playerID); break;
        case TapAction::None: break;
    }
}

void BCCardView::touchesEnded(const ui::TouchSet&, const ui::Event&) {
    const int8_t gameType = UIController::gameType();
    std::shared_ptr<GameCardView> view;
    if (gameType == kBaiCaoType) view = GameController::getBaiCaoView();
    else if (gameType == kXiZachType) view = GameController::getXiZachView();
    tap(gameType, dynamic_cast<BankerCardTaps*>(view.get()));
}

}  // namespace zuno
