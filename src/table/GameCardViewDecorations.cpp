// The card-table screen's decorations: chat bubbles at the seats, money fly-texts and gifts.
#include <string>

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/ui/Image.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/GameCardView.h"

namespace zuno {

namespace {
constexpr double kBubbleHeight = 40;
constexpr double kBubblePadding = 50;
constexpr double kFlySeconds = 1.0;

ui::Rect centredRect(ui::Point centre, double width, double height) {
    return ui::Rect(centre.x - width / 2, centre.y - height / 2, width, height);
}
}  // namespace

ui::Point GameCardView::bubbleCentre(int seat) {
    static const ui::Point centres[] = {{240, 180}, {360, 135}, {240, 70}, {110, 135}, {240, 140}};
    return seat >= 0 && seat <= kCentre ? centres[seat] : centres[kCentre];
}

std::optional<ui::Point> GameCardView::flyTextPoint(int seat) {
    static const ui::Point points[] = {{270, 260}, {440, 145}, {270, 50}, {40, 145}};
    if (seat < 0 || seat >= kSeats) return std::nullopt;
    return points[seat];
}

ui::Point GameCardView::giftCentre(int seat, int index) {
    const double p = 160 + 30.0 * index;
    switch (seat) {
        case 0: return {p, 200};
        case 1: return {390, p - 90};
        case 2: return {p, 80};
        default: return {80, p - 90};
    }
}

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
            chatDialog->historyChat().push_back(chat);
        }
        return true;
    }
    return false;
}

void GameCardView::showChatWithSeat(int seat, const std::string& line) {
    auto frame = bubble(seat);
    if (!frame) return;
    table().queueChat(seat, line);
    if (frame->isHidden()) showChatAtSeat(seat);
}

void GameCardView::showChatAtSeat(int seat) {
    auto frame = bubble(seat);
    if (!frame) return;
    sys::RunLoop::main().cancel(bubbleTimers_[seat]);
    bubbleTimers_[seat] = 0;
    const std::string line = table().takeChat(seat);
    if (line.empty()) {
        hideChat(seat);
        return;
    }
    if (bubbleLabels_[seat]) bubbleLabels_[seat]->removeFromSuperview();
    const ui::Font font = ui::Font::systemFontOfSize(14);
    const double textWidth = font.widthOfText(line);
    auto label = std::make_shared<CustomLabel>(line, ui::Rect(kBubblePadding / 2, 0, textWidth, kBubbleHeight));
    label->setFont(font);
    label->setTextAlignment(ui::TextAlignment::Center);
    bubbleLabels_[seat] = label;
    frame->addSubview(label);
    frame->setFrame(centredRect(bubbleCentre(seat), textWidth + kBubblePadding, kBubbleHeight));
    view()->bringSubviewToFront(frame.get());
    frame->setHidden(false);
    std::weak_ptr<GameCardView> weak = std::static_pointer_cast<GameCardView>(shared_from_this());
    bubbleTimers_[seat] = sys::RunLoop::main().postDelayed(seat == kCentre ? 4.0 : 3.0, [weak, seat] {
        if (auto self = weak.lock()) {
            self->bubbleTimers_[seat] = 0;
            self->showChatAtSeat(seat);
        }
    });
}

void GameCardView::hideChat(int seat) {
    if (auto frame = bubble(seat)) frame->setHidden(true);
    sys::RunLoop::main().cancel(bubbleTimers_[seat]);
    bubbleTimers_[seat] = 0;
}

// ---- money fly-text

void GameCardView::showFlyTextWirhFromId(int32_t userId, int32_t amount) {
    view();
    PlayerPtr me = UIController::myInfo();
    const int seat = me && me->IDDB() == userId ? 0 : getSeatFromID(userId);
    auto label = std::make_shared<ui::Label>(ui::Rect(0, 0, 160, 20));
    label->setText(sys::format(amount > 0 ? "+%d" : "%d", amount));
    label->setFont(ui::Font::boldSystemFontOfSize(15));
    label->setTextColor(ui::Color::yellow());
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setBackgroundColor(std::nullopt);
    view()->addSubview(label);
    // Someone not seated: the text shows in the table's middle and does not move.
    const std::optional<ui::Point> seatPoint = flyTextPoint(seat);
    const ui::Point from = seatPoint && amount < 0 ? *seatPoint : kTableCentre;
    const ui::Point to = !seatPoint ? kTableCentre : amount < 0 ? kTableCentre : *seatPoint;
    label->setCenter(from);
    ui::View::beginAnimations(std::string("flytext"));
    ui::View::setAnimationDuration(kFlySeconds);
    label->setCenter(to);
    ui::View::commitAnimations();
    std::weak_ptr<ui::View> weak = label;
    sys::RunLoop::main().postDelayed(kFlySeconds, [weak] {
        if (auto l = weak.lock()) l->removeFromSuperview();
    });
}

// ---- gifts

void GameCardView::addGiftOnBoardWithPlayer(const PlayerPtr& player) {
    if (!player) return;
    const int seat = getSeatFromID(player->IDDB());
    int index = 0;
    for (const auto& gift : player->gifts()) {
        if (!gift) continue;
        if (gift->superviewPointer() != view().get()) view()->addSubview(gift);
        if (seat >= 0) gift->setCenter(giftCentre(seat, index));
        ++index;
    }
}

void GameCardView::onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    view();
    const int receiverSeat = getSeatFromID(toUser);
    PlayerPtr receiver = table().playerAtSeat(receiverSeat);
    if (!receiver) return;  // nobody seated to hold it
    auto& gifts = receiver->gifts();
    if (gifts.size() >= 4) {
        for (const auto& gift : gifts) {
            if (gift) gift->removeFromSuperview();
        }
        gifts.erase(gifts.begin());
        addGiftOnBoardWithPlayer(receiver);
    }
    auto button = std::make_shared<ui::Button>(ui::Button::Type::Custom);
    button->setBackgroundImage(Resources::getInstance().getItemImageWithKey(itemId));
    button->setTag(fromUser);
    button->addTarget(this, "clickGiftDetail:", ui::ControlEvent::TouchUpInside);
    view()->addSubview(button);
    gifts.push_back(button);
    static const ui::Point starts[] = {{240, 250}, {440, 140}, {240, 40}, {40, 140}};
    const int giverSeat = getSeatFromID(fromUser);
    if (giverSeat >= 0) {
        button->setFrame(ui::Rect(starts[giverSeat].x, starts[giverSeat].y, 30, 30));
    } else {
        button->setFrame(centredRect(kTableCentre, 30, 30));
    }
    ui::View::beginAnimations(std::string("gift"));
    ui::View::setAnimationDuration(kFlySeconds);
    button->setCenter(giftCentre(receiverSeat, static_cast<int>(gifts.size()) - 1));
    ui::View::commitAnimations();
}

void GameCardView::animationBoard() {
    if (!imgBoard) return;
    ui::View::beginAnimations(std::string("animationBoard"));
    ui::View::setAnimationDuration(1.0);
    imgBoard->setFrame(isGameEnd() ? ui::Rect(66, 65, 350, 170) : ui::Rect(30, 20, 420, 240));
    ui::View::commitAnimations();
}

}  // namespace zuno
