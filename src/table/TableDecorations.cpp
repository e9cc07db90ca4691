#include "table/TableDecorations.h"

#include <algorithm>

#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ViewController.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/TableSheetHost.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr double kBubbleMargin = 2;       // kept from the screen's edges
constexpr double kLeastBubbleFont = 10;
constexpr double kFlySeconds = 1.0;
constexpr double kGiftSide = 30;
constexpr double kFlyIconSide = 20;
constexpr double kFlyIconOffset = -45;  // left of the text's centre

ui::Rect centredRect(ui::Point centre, double width, double height) {
    return ui::Rect(centre.x - width / 2, centre.y - height / 2, width, height);
}

// The rectangle moved (and, wider than the area, narrowed) until it lies inside the area.
ui::Rect keptInside(ui::Rect r, const ui::Rect& area) {
    const double width = std::min(r.width(), area.width());
    const double height = std::min(r.height(), area.height());
    const double x = std::clamp(r.x(), area.x(), area.maxX() - width);
    const double y = std::clamp(r.y(), area.y(), area.maxY() - height);
    return ui::Rect(x, y, width, height);
}

// The end of the text that fits the width, after an ellipsis: the latest of the lines joined in it.
std::string latestThatFits(const std::string& text, const ui::Font& font, double width) {
    const std::string ellipsis = "\u2026";
    const auto startOfLetter = [&](size_t at) {
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
        return at;
    };
    // The least start that fits: the shorter the end, the narrower it is.
    size_t fits = text.size(), low = 0;
    while (low < fits) {
        const size_t middle = startOfLetter(low + (fits - low) / 2);
        if (middle < fits && font.widthOfText(ellipsis + text.substr(middle)) <= width) fits = middle;
        else low = low + (fits - low) / 2 + 1;
    }
    return ellipsis + text.substr(startOfLetter(fits));
}

void removeLater(const std::shared_ptr<ui::View>& view) {
    std::weak_ptr<ui::View> weak = view;
    sys::RunLoop::main().postDelayed(kFlySeconds, [weak] {
        if (auto v = weak.lock()) v->removeFromSuperview();
    });
}
}  // namespace

TableDecorationGeometry TableDecorationGeometry::cardTable() {
    TableDecorationGeometry g;
    g.bubbleCentres = {ui::Point{240, 180}, {360, 135}, {240, 70}, {110, 135}, {240, 140}};
    g.flyTextPoints = {ui::Point{270, 260}, {440, 145}, {270, 50}, {40, 145}};
    g.tableCentre = {240, 155};
    g.giftFirst = {ui::Point{160, 200}, {390, 70}, {160, 80}, {80, 70}};
    g.giftStep = {ui::Point{30, 0}, {0, 30}, {30, 0}, {0, 30}};
    g.giftStarts = {ui::Point{240, 250}, {440, 140}, {240, 40}, {40, 140}};
    return g;
}

ui::Point TableDecorationGeometry::giftCentre(int seat, int index) const {
    if (giftFirst.empty() || giftStep.size() < giftFirst.size()) return {};
    const size_t s = seat >= 0 && static_cast<size_t>(seat) < giftFirst.size() ? static_cast<size_t>(seat)
                                                                                 : giftFirst.size() - 1;
    return {giftFirst[s].x + giftStep[s].x * index, giftFirst[s].y + giftStep[s].y * index};
}

void TableDecorations::setGeometry(TableDecorationGeometry geometry) {
    geometry_ = std::move(geometry);
    if (!screen_.bubble || !screen_.view) return;
    for (int seat = 0; seat <= kCentre; ++seat) {
        auto frame = screen_.bubble(seat);
        if (!frame || frame->isHidden()) continue;
        const ui::Size size = frame->frame().size;
        const ui::Point centre = geometry_.bubbleCentres[static_cast<size_t>(seat)];
        frame->setFrame(keptInside(centredRect(centre, size.width, size.height), screen_.view()->bounds()));
    }
}

std::optional<ui::Point> TableDecorations::seatPoint(const std::vector<ui::Point>& points, int seat) const {
    if (seat < 0 || static_cast<size_t>(seat) >= points.size()) return std::nullopt;
    return points[static_cast<size_t>(seat)];
}

// ---- chat bubbles

ui::Rect TableDecorations::bubbleArea(int seat) const {
    const ui::Rect screen = screen_.view()->bounds().insetBy(kBubbleMargin, 0);
    const auto& area = geometry_.bubbleAreas[static_cast<size_t>(seat)];
    return area ? area->intersection(screen) : screen;
}

void TableDecorations::showChatWithSeat(int seat, const std::string& text) {
    if (seat < 0 || seat > kCentre || !screen_.bubble) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    const auto s = static_cast<size_t>(seat);
    // The same line again adds nothing to what already waits.
    if (lastWaiting_[s] != text) {
        waiting_[s] = waiting_[s].empty() ? text : waiting_[s] + ", " + text;
        lastWaiting_[s] = text;
    }
    if (frame->isHidden()) showChatAtSeat(seat);
}

void TableDecorations::replaceChatWithSeat(int seat, const std::string& text) {
    if (seat < 0 || seat > kCentre) return;
    const auto s = static_cast<size_t>(seat);
    waiting_[s] = text;
    lastWaiting_[s] = text;
    showChatAtSeat(seat);
}

void TableDecorations::clearWaitingChat() {
    waiting_.fill(std::string());
    lastWaiting_.fill(std::string());
}

void TableDecorations::showChatAtSeat(int seat) {
    if (seat < 0 || seat > kCentre || !screen_.bubble || !screen_.view) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    const auto s = static_cast<size_t>(seat);
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
    const std::string line = std::move(waiting_[s]);
    waiting_[s].clear();
    lastWaiting_[s].clear();
    if (line.empty()) {
        hideChat(seat);
        return;
    }
    // Another bubble at the same place gives way to this one.
    for (int other = 0; other <= kCentre; ++other) {
        const auto o = static_cast<size_t>(other);
        if (other == seat || geometry_.bubbleCentres[o] != geometry_.bubbleCentres[s]) continue;
        waiting_[o].clear();
        lastWaiting_[o].clear();
        hideChat(other);
    }
    if (bubbleLabels_[s]) bubbleLabels_[s]->removeFromSuperview();
    auto view = screen_.view();
    const ui::Rect area = bubbleArea(seat);
    const double padding = geometry_.bubblePadding;
    double widest = area.width() - padding;
    if (geometry_.bubbleMaxTextWidth > 0) widest = std::min(widest, geometry_.bubbleMaxTextWidth);
    ui::Font font = ui::Font::systemFontOfSize(geometry_.bubbleFontSize);
    while (font.widthOfText(line) > widest && font.pointSize() > kLeastBubbleFont)
        font = font.withSize(font.pointSize() - 1);
    const std::string shown = font.widthOfText(line) > widest ? latestThatFits(line, font, widest) : line;
    const double textWidth = font.widthOfText(shown);
    const ui::Rect placed =
        keptInside(centredRect(geometry_.bubbleCentres[s], textWidth + padding, geometry_.bubbleHeight), area);
    auto label = std::make_shared<CustomLabel>(shown, ui::Rect(padding / 2, 0, textWidth, placed.height()));
    label->setFont(font);
    label->setTextAlignment(ui::TextAlignment::Center);
    bubbleLabels_[s] = label;
    frame->addSubview(label);
    frame->setFrame(placed);
    view->bringSubviewToFront(frame.get());
    frame->setHidden(false);
    // stop() and the destructor cancel the check, so it never outlives the screen's decorations.
    bubbleTimers_[s] = sys::RunLoop::main().postDelayed(geometry_.bubbleSeconds[s], [this, seat, s] {
        bubbleTimers_[s] = 0;
        showChatAtSeat(seat);
    });
}

void TableDecorations::hideChat(int seat) {
    if (seat < 0 || seat > kCentre) return;
    const auto s = static_cast<size_t>(seat);
    if (screen_.bubble) {
        if (auto frame = screen_.bubble(seat)) frame->setHidden(true);
    }
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
}

void TableDecorations::stop() {
    for (auto& timer : bubbleTimers_) {
        sys::RunLoop::main().cancel(timer);
        timer = 0;
    }
    clearWaitingChat();
}

// ---- money fly-text

void TableDecorations::showFlyText(int32_t userId, int32_t amount, const std::optional<std::string>& icon) {
    if (!screen_.view) return;
    PlayerPtr me = UIController::myInfo();
    const int seat = me && me->IDDB() == userId ? 0 : seatOf(userId);
    const std::optional<ui::Point> point = seatPoint(geometry_.flyTextPoints, seat);
    if (!point && !geometry_.unseatedPoint) return;
    // Someone not seated: the text shows at the unseated point and does not move.
    const auto s = static_cast<size_t>(seat);
    const ui::Point inner = s < geometry_.flyTextInner.size() ? geometry_.flyTextInner[s] : geometry_.tableCentre;
    const ui::Point centre = point ? inner : *geometry_.unseatedPoint;
    ui::Point from = point && amount < 0 ? *point : centre;
    ui::Point to = point && amount >= 0 ? *point : centre;
    if (point && geometry_.flyTextDrift) {
        from = *point;
        to = *point + *geometry_.flyTextDrift;
    }

    auto view = screen_.view();
    auto label = std::make_shared<ui::Label>(ui::Rect(0, 0, 160, 20));
    std::string text = amount > 0 ? "+" : "";
    text += std::to_string(amount);
    const ui::Font font = ui::Font::boldSystemFontOfSize(15);
    // The text, wherever its seat lies, is read whole on the screen.
    const double halfText = font.widthOfText(text) / 2 + kBubbleMargin;
    const auto onScreen = [&](ui::Point p) {
        const double width = view->bounds().width();
        return halfText * 2 >= width ? ui::Point{width / 2, p.y} : ui::Point{std::clamp(p.x, halfText, width - halfText), p.y};
    };
    from = onScreen(from);
    to = onScreen(to);
    label->setText(text);
    label->setFont(font);
    label->setTextColor(ui::Color::yellow());
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setBackgroundColor(std::nullopt);
    view->addSubview(label);
    label->setCenter(from);
    std::shared_ptr<ui::ImageView> image;
    if (icon) {
        image = std::make_shared<ui::ImageView>(ui::Image::imageNamed(*icon));
        image->setFrame(centredRect(from + ui::Point{kFlyIconOffset, 0}, kFlyIconSide, kFlyIconSide));
        view->addSubview(image);
    }
    ui::View::beginAnimations(std::string("flytext"));
    ui::View::setAnimationDuration(kFlySeconds);
    label->setCenter(to);
    if (image) image->setCenter(to + ui::Point{kFlyIconOffset, 0});
    ui::View::commitAnimations();
    removeLater(label);
    if (image) removeLater(image);
}

// ---- gifts

void TableDecorations::addGiftOnBoardWithPlayer(const PlayerPtr& player) {
    if (!player || !screen_.view) return;
    auto view = screen_.view();
    const int seat = seatOf(player->IDDB());
    int index = 0;
    for (const auto& gift : player->gifts()) {
        if (!gift) continue;
        if (gift->superviewPointer() != view.get()) view->addSubview(gift);
        if (seat >= 0) gift->setCenter(geometry_.giftCentre(seat, index));
        ++index;
    }
}

void TableDecorations::onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser) {
    if (!screen_.view || !screen_.playerAt) return;
    auto view = screen_.view();
    const int receiverSeat = seatOf(toUser);
    PlayerPtr receiver = receiverSeat >= 0 ? screen_.playerAt(receiverSeat) : nullptr;
    if (!receiver) return;  // nobody seated to hold it
    const std::optional<ui::Point> start = seatPoint(geometry_.giftStarts, seatOf(fromUser));
    if (!start && !geometry_.unseatedPoint) return;
    auto& gifts = receiver->gifts();
    if (gifts.size() >= geometry_.maxGifts) {
        for (const auto& gift : gifts) {
            if (gift) gift->removeFromSuperview();
        }
        gifts.erase(gifts.begin());
        addGiftOnBoardWithPlayer(receiver);
    }
    auto button = std::make_shared<ui::Button>(ui::Button::Type::Custom);
    button->setBackgroundImage(Resources::getInstance().getItemImageWithKey(itemId));
    button->setTag(fromUser);
    if (screen_.giftTarget) button->addTarget(screen_.giftTarget, "clickGiftDetail:", ui::ControlEvent::TouchUpInside);
    view->addSubview(button);
    gifts.push_back(button);
    if (start) button->setFrame(ui::Rect(start->x, start->y, kGiftSide, kGiftSide));
    else button->setFrame(centredRect(*geometry_.unseatedPoint, kGiftSide, kGiftSide));
    ui::View::beginAnimations(std::string("gift"));
    ui::View::setAnimationDuration(kFlySeconds);
    button->setCenter(geometry_.giftCentre(receiverSeat, static_cast<int>(gifts.size()) - 1));
    ui::View::commitAnimations();
}

void TableDecorations::removeGiftSprites(const std::vector<PlayerPtr>& players) {
    for (const auto& player : players) {
        if (!player) continue;
        for (const auto& gift : player->gifts()) {
            if (gift) gift->removeFromSuperview();
        }
    }
}

// ---- the gift sheet

namespace giftsheet {

void showListGift(const std::shared_ptr<ui::ViewController>& sheet,
                  const std::vector<std::shared_ptr<CategoryShopInfo>>& categories) {
    if (auto gifts = std::dynamic_pointer_cast<GiftSheet>(sheet)) gifts->drawCategoryMenuWithCategoryList(categories);
}

void showItemsWithGift(const std::shared_ptr<ui::ViewController>& sheet, const std::shared_ptr<ItemsOfCategory>& page) {
    if (auto gifts = std::dynamic_pointer_cast<GiftSheet>(sheet); gifts && page) gifts->onItemsOfGift(page);
}

void showGiftDetail(const std::string& giverName) {
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(giverName + " " + Resources::getInstance().textForKey("ZUNO_whoGift"));
}

}  // namespace giftsheet

namespace tablesheet {

void present(ui::View& screen, const std::shared_ptr<ui::ViewController>& sheet) {
    if (!sheet) return;
    screen.addSubview(sheet->view());
    sheet->viewWillAppear(false);
}

void showPlayerDetail(ui::View& screen, const std::shared_ptr<ui::ViewController>& sheet, const PlayerDetail& detail) {
    auto details = std::dynamic_pointer_cast<PlayerDetailSheet>(sheet);
    if (!details) return;
    details->updateViewWithData(detail);
    present(screen, sheet);
}

}  // namespace tablesheet

}  // namespace zuno
