// The card-table screen's decorations (chat bubbles at the seats, money fly-texts and gifts) on the
// shared table decorations, with the card table's geometry.
#include <string>

#include "lobby/GlobalService.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/GameCardView.h"

namespace zuno {

ui::Point GameCardView::giftCentre(int seat, int index) { return TableDecorationGeometry::cardTable().giftCentre(seat, index); }

// ---- chat

void GameCardView::onChatFromMeWithText(const std::string& line) {
    const std::string trimmed = tabletext::trimmed(line);
    if (trimmed.empty()) return;
    GlobalService::getInstance().chatToBoardWithRoom(roomId(), boardId(), trimmed);
    PlayerPtr me = UIController::myInfo();
    onChatFromWithId(me ? me->IDDB() : -1, me ? std::optional<std::string>(me->name()) : std::nullopt, trimmed);
}

bool GameCardView::onChatFromWithId(int32_t userId, const std::optional<std::string>&, const std::string& line) {
    for (int seat = kSeats - 1; seat >= 0; --seat) {
        PlayerPtr player = table().playerAtSeat(seat);
        if (!player || player->IDDB() != userId) continue;
        showChatWithSeat(seat, line);
        if (userId >= 1 && chatDialog) {
            auto chat = std::make_shared<Chat>();
            chat->setName(getPlayerNameFromID(userId));
            chat->setContent(line);
            chatDialog->addChatLine(chat);
        }
        return true;
    }
    return false;
}

void GameCardView::showChatWithSeat(int seat, const std::string& line) { decorations_.showChatWithSeat(seat, line); }
void GameCardView::showChatAtSeat(int seat) { decorations_.showChatAtSeat(seat); }
void GameCardView::replaceChatWithSeat(int seat, const std::string& line) { decorations_.replaceChatWithSeat(seat, line); }
void GameCardView::hideChat(int seat) { decorations_.hideChat(seat); }

void GameCardView::bringBubblesToFront() {
    if (!isViewLoaded()) return;
    for (int seat = 0; seat <= kCentre; ++seat)
        if (auto frame = bubble(seat)) view()->bringSubviewToFront(frame.get());
    decorations_.raiseOverBubbles();
}

void GameCardView::showMarkWithSeat(int seat, const std::string& line) { decorations_.showMarkWithSeat(seat, line); }
void GameCardView::takeDownRoundMarks() { decorations_.takeDownMarks(); }

void GameCardView::showFlyTextWirhFromId(int32_t userId, int32_t amount) { decorations_.showFlyText(userId, amount); }

void GameCardView::addGiftOnBoardWithPlayer(const PlayerPtr& player) { decorations_.addGiftOnBoardWithPlayer(player); }

void GameCardView::onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    decorations_.onShowGift(itemId, fromUser, toUser);
}

void GameCardView::animationBoard() {
    if (!imgBoard) return;
    ui::View::beginAnimations(std::string("animationBoard"));
    ui::View::setAnimationDuration(1.0);
    imgBoard->setFrame(boardFrame(!isGameEnd()));
    ui::View::commitAnimations();
}

ui::Rect GameCardView::boardFrame(bool duringDeal) {
    return duringDeal ? ui::Rect(30, 20, 420, 240) : ui::Rect(66, 65, 350, 170);
}

}  // namespace zuno
