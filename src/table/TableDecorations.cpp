#include "table/TableDecorations.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ViewController.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/TableSheetHost.h"
#include "shell/UIController.h"
#include "table/BubbleTurn.h"

namespace zuno {

namespace {
constexpr double kBubbleMargin = 2;       // kept from the screen's edges
constexpr double kLeastBubbleFont = 10;
constexpr size_t kMostBubbleRows = 3;  // in one turn
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

// The lines waiting for a bubble as it shows them together.
std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += (text.empty() ? "" : ", ") + line;
    return text;
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
    return offMyHand(seat, area ? area->intersection(screen) : screen);
}

ui::Rect TableDecorations::offMyHand(int seat, const ui::Rect& room) const {
    const auto& hand = geometry_.myHand;
    if (!hand || !room.intersects(*hand)) return room;
    const ui::Point centre = geometry_.bubbleCentres[static_cast<size_t>(seat)];
    double top = room.minY(), bottom = room.maxY(), left = room.minX(), right = room.maxX();
    if (centre.y <= hand->minY()) {
        bottom = hand->minY();
    } else if (centre.y >= hand->maxY()) {
        top = hand->maxY();
    } else if (centre.x <= hand->minX()) {
        right = hand->minX();
    } else if (centre.x >= hand->maxX()) {
        left = hand->maxX();
    }
    return ui::Rect(left, top, std::max(0.0, right - left), std::max(0.0, bottom - top));
}

ui::Rect TableDecorations::tallRoom(int seat, const ui::Rect& room) const {
    return offMyHand(seat, ui::Rect(room.x(), 0, room.width(), screen_.view()->bounds().height()));
}

bool TableDecorations::sharePlace(int seat, int other) const {
    const auto& centres = geometry_.bubbleCentres;
    return other != seat && centres[static_cast<size_t>(other)] == centres[static_cast<size_t>(seat)];
}

bool TableDecorations::isShowing(int seat) const {
    auto frame = screen_.bubble ? screen_.bubble(seat) : nullptr;
    return frame && !frame->isHidden();
}

int TableDecorations::waitingAtPlaceOf(int seat) const {
    for (int step = 1; step <= kCentre; ++step) {
        const int other = (seat + step) % (kCentre + 1);
        if (sharePlace(seat, other) && !waiting_[static_cast<size_t>(other)].empty()) return other;
    }
    return -1;
}

std::array<std::string, 5> TableDecorations::chatPlayers() const {
    std::array<std::string, 5> texts;
    std::transform(waiting_.begin(), waiting_.end(), texts.begin(), joined);
    return texts;
}

void TableDecorations::showChatWithSeat(int seat, const std::string& text) {
    if (seat < 0 || seat > kCentre || !screen_.bubble || text.empty()) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    auto& lines = waiting_[static_cast<size_t>(seat)];
    // The same line again adds nothing to what already waits.
    if (lines.empty() || lines.back() != text) lines.push_back(text);
    if (frame->isHidden()) showChatAtSeat(seat);
}

void TableDecorations::replaceChatWithSeat(int seat, const std::string& text) {
    if (seat < 0 || seat > kCentre) return;
    waiting_[static_cast<size_t>(seat)].clear();
    if (!text.empty()) waiting_[static_cast<size_t>(seat)].push_back(text);
    for (int other = 0; other <= kCentre; ++other) {
        if (sharePlace(seat, other) && isShowing(other)) {
            if (auto frame = screen_.bubble(other)) frame->setHidden(true);
            sys::RunLoop::main().cancel(bubbleTimers_[static_cast<size_t>(other)]);
            bubbleTimers_[static_cast<size_t>(other)] = 0;
        }
    }
    showChatAtSeat(seat);
}

void TableDecorations::clearWaitingChat() {
    for (auto& lines : waiting_) lines.clear();
}

void TableDecorations::showChatAtSeat(int seat) {
    if (seat < 0 || seat > kCentre || !screen_.bubble || !screen_.view) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    const auto s = static_cast<size_t>(seat);
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
    auto& lines = waiting_[s];
    if (lines.empty()) {
        hideChat(seat);
        return;
    }
    // A bubble at the place of one showing waits for that one's turn to end.
    for (int other = 0; other <= kCentre; ++other) {
        if (sharePlace(seat, other) && isShowing(other)) return;
    }
    CustomLabel probe;
    probe.setFont(ui::Font::systemFontOfSize(geometry_.bubbleFontSize));
    const auto widthOf = [&probe](std::string_view text) { return probe.advanceOf(std::string(text)); };
    ui::Rect room = bubbleArea(seat);
    double widest = room.width() - geometry_.bubblePadding;
    if (geometry_.bubbleMaxTextWidth > 0) widest = std::min(widest, geometry_.bubbleMaxTextWidth);
    // What waits, a little too wide for one row, is drawn smaller; a longer text wraps at the bubble's
    // own size, as many lines a turn as its rows hold.
    const std::string all = joined(lines);
    while (widthOf(all) > widest && probe.font().pointSize() > kLeastBubbleFont)
        probe.setFont(probe.font().withSize(probe.font().pointSize() - 1));
    if (widthOf(all) <= widest) {
        lines.clear();
        showRows(seat, {all}, probe.font(), room);
        scheduleTurnEnd(seat);
        return;
    }
    probe.setFont(ui::Font::systemFontOfSize(geometry_.bubbleFontSize));
    // As many rows as the bubble's tallest room holds, one at least.
    const double rowHeight = probe.font().lineHeight();
    const double tallest = tallRoom(seat, room).height();
    const size_t mostRows = std::clamp<size_t>(
        1 + static_cast<size_t>(std::max(0.0, std::floor((tallest - geometry_.bubbleHeight) / rowHeight))), 1,
        kMostBubbleRows);
    BubbleTurn turn = layBubbleTurn(lines, widest, mostRows, widthOf);
    if (turn.linesShown == 0) {
        // A line too long for a turn in the bubble's own room runs as wide as the screen lets it.
        const ui::Rect screen = screen_.view()->bounds().insetBy(kBubbleMargin, 0);
        room = offMyHand(seat, ui::Rect(screen.x(), room.y(), screen.width(), room.height()));
        turn = layBubbleTurn(lines, room.width() - geometry_.bubblePadding, mostRows, widthOf);
    }
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(turn.linesShown));
    if (!turn.restOfFirst.empty()) lines.front() = turn.restOfFirst;
    showRows(seat, turn.rows, probe.font(), room);
    scheduleTurnEnd(seat);
}

void TableDecorations::scheduleTurnEnd(int seat) {
    const auto s = static_cast<size_t>(seat);
    // stop() and the destructor cancel the check, so it never outlives the screen's decorations.
    bubbleTimers_[s] = sys::RunLoop::main().postDelayed(geometry_.bubbleSeconds[s], [this, seat] { endTurn(seat); });
}

void TableDecorations::showRows(int seat, const std::vector<std::string>& rows, const ui::Font& font, ui::Rect room) {
    const auto s = static_cast<size_t>(seat);
    auto frame = screen_.bubble(seat);
    for (const auto& label : bubbleRows_[s]) label->removeFromSuperview();
    bubbleRows_[s].clear();
    std::vector<std::shared_ptr<CustomLabel>> labels;
    double textWidth = 0;
    for (const auto& row : rows) {
        labels.push_back(std::make_shared<CustomLabel>(row, ui::Rect()));
        labels.back()->setFont(font);
        textWidth = std::max(textWidth, labels.back()->advanceOf(row));
    }
    const double rowHeight = font.lineHeight();
    const auto count = static_cast<double>(rows.size());
    // A bubble of several rows may grow over its area's top and bottom, not off the screen nor over my
    // cards.
    if (rows.size() > 1) room = tallRoom(seat, room);
    const ui::Rect placed = keptInside(centredRect(geometry_.bubbleCentres[s], textWidth + geometry_.bubblePadding,
                                                   geometry_.bubbleHeight + rowHeight * (count - 1)),
                                       room);
    // One row is centred in the bubble's height by its label; several lie one under another, centred.
    const double rowTop = rows.size() > 1 ? std::floor((placed.height() - rowHeight * count) / 2) : 0;
    const double labelHeight = rows.size() > 1 ? rowHeight : placed.height();
    for (size_t i = 0; i < labels.size(); ++i) {
        const double width = labels[i]->advanceOf(rows[i]);
        const double y = rowTop + rowHeight * static_cast<double>(i);
        labels[i]->setFrame(ui::Rect(std::floor((placed.width() - width) / 2), y, width, labelHeight));
        frame->addSubview(labels[i]);
        bubbleRows_[s].push_back(labels[i]);
    }
    frame->setFrame(placed);
    screen_.view()->bringSubviewToFront(frame.get());
    frame->setHidden(false);
}

void TableDecorations::endTurn(int seat) {
    bubbleTimers_[static_cast<size_t>(seat)] = 0;
    // A bubble waiting for this place goes first; what waits for this one has the next turn.
    if (waitingAtPlaceOf(seat) >= 0) {
        hideChat(seat);
        return;
    }
    showChatAtSeat(seat);
}

void TableDecorations::hideChat(int seat) {
    if (seat < 0 || seat > kCentre) return;
    const auto s = static_cast<size_t>(seat);
    if (screen_.bubble) {
        if (auto frame = screen_.bubble(seat)) frame->setHidden(true);
    }
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
    if (const int next = waitingAtPlaceOf(seat); next >= 0 && !isShowing(next)) showChatAtSeat(next);
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
