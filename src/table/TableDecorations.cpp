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
constexpr double kBubbleHeight = 40;
constexpr double kBubblePadding = 50;
constexpr double kFlySeconds = 1.0;
constexpr double kGiftSide = 30;
constexpr double kFlyIconSide = 20;
constexpr double kFlyIconOffset = -45;  // left of the text's centre

ui::Rect centredRect(ui::Point centre, double width, double height) {
    return ui::Rect(centre.x - width / 2, centre.y - height / 2, width, height);
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

std::optional<ui::Point> TableDecorations::seatPoint(const std::vector<ui::Point>& points, int seat) const {
    if (seat < 0 || static_cast<size_t>(seat) >= points.size()) return std::nullopt;
    return points[static_cast<size_t>(seat)];
}

// ---- chat bubbles

namespace {
constexpr int kBubbleLines = 2;

std::string joined(const std::vector<std::string>& lines, size_t from) {
    std::string out;
    for (size_t i = from; i < lines.size(); ++i) out += (out.empty() ? "" : ", ") + lines[i];
    return out;
}
}  // namespace

BubbleLayout layoutBubble(const std::string& text, ui::Point centre, const ui::Rect& area, double fontSize) {
    const ui::Font font = ui::Font::systemFontOfSize(fontSize);
    const double widest = std::max(1.0, area.width() - kBubblePadding);
    BubbleLayout layout;
    if (font.widthOfText(text) <= widest) layout.lines = {text};
    else layout.lines = font.wrap(text, widest, kBubbleLines, ui::LineBreakMode::TailTruncation);
    if (layout.lines.empty()) layout.lines = {text};
    double textWidth = 0;
    for (const auto& line : layout.lines) textWidth = std::max(textWidth, font.widthOfText(line));
    const double width = std::min(textWidth + kBubblePadding, area.width());
    const double height = std::min(kBubbleHeight, area.height());
    const double x = std::clamp(centre.x - width / 2, area.minX(), area.maxX() - width);
    const double y = std::clamp(centre.y - height / 2, area.minY(), area.maxY() - height);
    layout.frame = ui::Rect(x, y, width, height);
    return layout;
}

std::string latestLinesThatFit(const std::vector<std::string>& lines, const ui::Rect& area, double fontSize) {
    if (lines.empty()) return {};
    const ui::Font font = ui::Font::systemFontOfSize(fontSize);
    const double widest = std::max(1.0, area.width() - kBubblePadding);
    size_t from = lines.size() - 1;
    while (from > 0) {
        const std::string more = joined(lines, from - 1);
        if (font.wrap(more, widest, 0, ui::LineBreakMode::WordWrap).size() > size_t(kBubbleLines)) break;
        --from;
    }
    return joined(lines, from);
}

ui::Rect TableDecorations::bubbleArea(int seat) const {
    ui::Rect screen = screen_.view ? screen_.view()->bounds() : ui::Rect(0, 0, 480, 320);
    const auto& area = geometry_.bubbleAreas[static_cast<size_t>(seat)];
    return area ? area->intersection(screen) : screen;
}

void TableDecorations::showChatWithSeat(int seat, const std::string& text) {
    if (seat < 0 || seat > kCentre || !screen_.bubble) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    const auto s = static_cast<size_t>(seat);
    auto& lines = waitingLines_[s];
    // The same line again adds nothing to what already waits.
    if (lines.empty() || lines.back() != text) lines.push_back(text);
    waiting_[s] = joined(lines, 0);
    if (frame->isHidden()) showChatAtSeat(seat);
}

void TableDecorations::replaceChatWithSeat(int seat, const std::string& text) {
    if (seat < 0 || seat > kCentre) return;
    const auto s = static_cast<size_t>(seat);
    waitingLines_[s] = {text};
    waiting_[s] = text;
    showChatAtSeat(seat);
}

void TableDecorations::clearWaitingChat() {
    waiting_.fill(std::string());
    for (auto& lines : waitingLines_) lines.clear();
}

void TableDecorations::showChatAtSeat(int seat) {
    if (seat < 0 || seat > kCentre || !screen_.bubble || !screen_.view) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    const auto s = static_cast<size_t>(seat);
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
    const ui::Rect area = bubbleArea(seat);
    const std::string line = latestLinesThatFit(waitingLines_[s], area, geometry_.bubbleFontSize);
    waitingLines_[s].clear();
    waiting_[s].clear();
    if (line.empty()) {
        hideChat(seat);
        return;
    }
    // Another bubble at the same place gives way to this one.
    for (int other = 0; other <= kCentre; ++other) {
        const auto o = static_cast<size_t>(other);
        if (other == seat || geometry_.bubbleCentres[o] != geometry_.bubbleCentres[s]) continue;
        waitingLines_[o].clear();
        waiting_[o].clear();
        hideChat(other);
    }
    for (const auto& old : bubbleLabels_[s]) old->removeFromSuperview();
    bubbleLabels_[s].clear();
    const BubbleLayout layout = layoutBubble(line, geometry_.bubbleCentres[s], area, geometry_.bubbleFontSize);
    const ui::Font font = ui::Font::systemFontOfSize(geometry_.bubbleFontSize);
    const double lineHeight = layout.frame.height() / static_cast<double>(layout.lines.size());
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const double width = font.widthOfText(layout.lines[i]);
        auto label = std::make_shared<CustomLabel>(
            layout.lines[i], ui::Rect((layout.frame.width() - width) / 2, lineHeight * static_cast<double>(i), width,
                                      lineHeight));
        label->setFont(font);
        label->setTextAlignment(ui::TextAlignment::Center);
        frame->addSubview(label);
        bubbleLabels_[s].push_back(label);
    }
    frame->setFrame(layout.frame);
    screen_.view()->bringSubviewToFront(frame.get());
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
    const ui::Point from = point && amount < 0 ? *point : centre;
    const ui::Point to = point && amount >= 0 ? *point : centre;

    auto view = screen_.view();
    auto label = std::make_shared<ui::Label>(ui::Rect(0, 0, 160, 20));
    label->setText(amount > 0 ? "+" + std::to_string(amount) : std::to_string(amount));
    label->setFont(ui::Font::boldSystemFontOfSize(15));
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
