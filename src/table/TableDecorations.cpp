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
#include "table/BubblePlace.h"
#include "table/BubbleTurn.h"

namespace zuno {

namespace {
constexpr double kBubbleMargin = 2;  // kept from the screen's edges
constexpr double kBubbleGap = 2;     // between two bubbles
constexpr double kLeastBubbleFont = 10;
constexpr size_t kMostBubbleRows = 3;   // in one turn
constexpr double kLeastRowsAir = 4;     // above and below a bubble's rows together
constexpr double kLeastPartText = 100;  // the narrowest text a bubble moves aside for
constexpr int kNarrowerSteps = 4;       // between its area's width and the narrowest, over a board
constexpr double kFlySeconds = 1.0;
constexpr double kFlyIconSide = 20;
constexpr double kFlyIconOffset = -45;  // left of the text's centre

ui::Rect centredRect(ui::Point centre, double width, double height) {
    return ui::Rect(centre.x - width / 2, centre.y - height / 2, width, height);
}

// The lines waiting for a bubble as it shows them together.
std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += (text.empty() ? "" : ", ") + line;
    return text;
}

std::vector<std::string> textsOf(const std::vector<TableDecorations::Line>& lines) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const auto& line : lines) texts.push_back(line.text);
    return texts;
}

bool isMark(const TableDecorations::Line& line) { return line.kind == TableDecorations::Line::Kind::Mark; }

size_t lettersOf(const BubbleTurn& turn) {
    size_t letters = 0;
    for (const auto& row : turn.rows) letters += row.size();
    return letters;
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
    // Gifts beside the seats, off the buttons, names and cards: mine in a row over my avatar, the top
    // seat's leftwards from its avatar, a side seat's two by two beside its avatar, towards the middle.
    g.giftSide = 22;
    g.giftFirst = {ui::Point{13, 191}, {411, 115}, {149, 26}, {69, 115}};
    g.giftStep = {ui::Point{24, 0}, {-24, 0}, {-24, 0}, {24, 0}};
    g.giftRowLength = {0, 2, 0, 2};
    g.giftRowStep = {ui::Point{}, {0, 24}, {}, {0, 24}};
    g.giftStarts = {ui::Point{240, 250}, {440, 140}, {240, 40}, {40, 140}};
    return g;
}

ui::Point TableDecorationGeometry::giftCentre(int seat, int index) const {
    if (giftFirst.empty() || giftStep.size() < giftFirst.size()) return {};
    const size_t s = seat >= 0 && static_cast<size_t>(seat) < giftFirst.size() ? static_cast<size_t>(seat)
                                                                                 : giftFirst.size() - 1;
    const int perRow = s < giftRowLength.size() && s < giftRowStep.size() ? giftRowLength[s] : 0;
    const int row = perRow > 0 ? index / perRow : 0;
    const int place = perRow > 0 ? index % perRow : index;
    const ui::Point rowStep = row > 0 ? giftRowStep[s] : ui::Point{};
    return {giftFirst[s].x + giftStep[s].x * place + rowStep.x * row,
            giftFirst[s].y + giftStep[s].y * place + rowStep.y * row};
}

void TableDecorations::setGeometry(TableDecorationGeometry geometry) {
    geometry_ = std::move(geometry);
    if (!screen_.bubble || !screen_.view) return;
    for (int seat = 0; seat <= kCentre; ++seat) {
        if (isShowing(seat)) putBack(seat);
    }
    showWaiting(kCentre, true);
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

bool TableDecorations::isShowing(int seat) const {
    auto frame = screen_.bubble ? screen_.bubble(seat) : nullptr;
    return frame && !frame->isHidden();
}

bool TableDecorations::anotherWaits(int seat) const {
    for (int other = 0; other <= kCentre; ++other) {
        if (other != seat && !waiting_[static_cast<size_t>(other)].empty() && screen_.bubble(other) &&
            !isShowing(other))
            return true;
    }
    return false;
}

std::vector<ui::Rect> TableDecorations::othersShowing(int seat) const {
    std::vector<ui::Rect> others;
    for (int other = 0; other <= kCentre; ++other) {
        if (other != seat && isShowing(other))
            others.push_back(screen_.bubble(other)->frame().insetBy(-kBubbleGap, -kBubbleGap));
    }
    return others;
}

std::array<std::string, 5> TableDecorations::chatPlayers() const {
    std::array<std::string, 5> texts;
    std::transform(waiting_.begin(), waiting_.end(), texts.begin(),
                   [](const std::vector<Line>& lines) { return joined(textsOf(lines)); });
    return texts;
}

void TableDecorations::showChatWithSeat(int seat, const std::string& text) { showLine(seat, {text, Line::Kind::Said}); }

void TableDecorations::showLine(int seat, Line line) {
    if (seat < 0 || seat > kCentre || !screen_.bubble || line.text.empty()) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    auto& lines = waiting_[static_cast<size_t>(seat)];
    // The same line again adds nothing to what already waits; a line said that reads as a mark is
    // another line.
    if (lines.empty() || lines.back().text != line.text || lines.back().kind != line.kind)
        lines.push_back(std::move(line));
    if (frame->isHidden()) showChatAtSeat(seat);
}

void TableDecorations::replaceChatWithSeat(int seat, const std::string& text) {
    if (seat < 0 || seat > kCentre) return;
    const auto s = static_cast<size_t>(seat);
    auto& lines = waiting_[s];
    // What the last call left waiting goes: the call whole, or its end when a turn showed its beginning.
    // The lines said at the seat stay, one that reads as the call too.
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](const Line& line) { return line.kind == Line::Kind::Call; }),
                lines.end());
    if (!text.empty()) lines.insert(lines.begin(), Line{text, Line::Kind::Call});
    showTurn(seat, true);
}

void TableDecorations::clearWaitingChat() {
    for (int seat = 0; seat <= kCentre; ++seat) clearWaitingChat(seat);
}

void TableDecorations::clearWaitingChat(int seat) {
    if (seat < 0 || seat > kCentre) return;
    waiting_[static_cast<size_t>(seat)].clear();
}

void TableDecorations::showChatAtSeat(int seat) { showTurn(seat, false); }

void TableDecorations::showMarkWithSeat(int seat, const std::string& text) { showLine(seat, {text, Line::Kind::Mark}); }

void TableDecorations::takeDownMarks() {
    for (int seat = 0; seat <= kCentre; ++seat) {
        const auto s = static_cast<size_t>(seat);
        auto& lines = waiting_[s];
        Taken& taken = taken_[s];
        // A bubble showing the beginning of a mark shows nothing else; the rest waits, a mark too.
        const bool cutMark = taken.cutLine && isMark(*taken.cutLine);
        if (!cutMark && std::none_of(taken.lines.begin(), taken.lines.end(), isMark) &&
            std::none_of(lines.begin(), lines.end(), isMark))
            continue;
        if (cutMark) taken = {};
        taken.lines.erase(std::remove_if(taken.lines.begin(), taken.lines.end(), isMark), taken.lines.end());
        lines.erase(std::remove_if(lines.begin(), lines.end(), isMark), lines.end());
        if (!isShowing(seat)) continue;
        // What the bubble showed besides the marks waits in front again, and shows now.
        lines.insert(lines.begin(), taken.lines.begin(), taken.lines.end());
        taken = {};
        showTurn(seat, false);
    }
}

void TableDecorations::raiseOverBubbles() {
    keptOver_.erase(std::remove_if(keptOver_.begin(), keptOver_.end(),
                                   [](const std::weak_ptr<ui::View>& v) {
                                       auto view = v.lock();
                                       return !view || !view->superviewPointer();
                                   }),
                    keptOver_.end());
    for (const auto& weak : keptOver_)
        if (auto view = weak.lock()) view->superviewPointer()->bringSubviewToFront(view.get());
}

TableDecorations::LaidTurn TableDecorations::layTurn(const std::vector<std::string>& lines, const ui::Rect& room) const {
    CustomLabel probe;
    probe.setFont(ui::Font::systemFontOfSize(geometry_.bubbleFontSize));
    const auto widthOf = [&probe](std::string_view text) { return probe.advanceOf(std::string(text)); };
    double widest = room.width() - geometry_.bubblePadding;
    if (geometry_.bubbleMaxTextWidth > 0) widest = std::min(widest, geometry_.bubbleMaxTextWidth);
    // What waits, a little too wide for one row, is drawn smaller; a longer text wraps at the bubble's
    // own size, as many lines a turn as the rows its room holds.
    const std::string all = joined(lines);
    while (widthOf(all) > widest && probe.font().pointSize() > kLeastBubbleFont)
        probe.setFont(probe.font().withSize(probe.font().pointSize() - 1));
    LaidTurn laid{{{all}, lines.size(), {}}, probe.font().pointSize(), {}};
    if (widthOf(all) > widest) {
        probe.setFont(ui::Font::systemFontOfSize(geometry_.bubbleFontSize));
        const double rowHeight = probe.font().lineHeight();
        const size_t mostRows = std::clamp<size_t>(
            static_cast<size_t>(std::max(0.0, std::floor((room.height() - kLeastRowsAir) / rowHeight))), 1,
            kMostBubbleRows);
        laid = {layBubbleTurn(lines, widest, mostRows, widthOf), geometry_.bubbleFontSize, {}};
    }
    // As wide as its widest row (a short word's no narrower than it is high) and as high as its rows,
    // within its room.
    double textWidth = 0;
    for (const auto& row : laid.turn.rows) textWidth = std::max(textWidth, widthOf(row));
    const double rowHeight = probe.font().lineHeight();
    laid.size = {std::min(std::max(textWidth + geometry_.bubblePadding, geometry_.bubbleHeight), room.width()),
                 std::min(geometry_.bubbleHeight + rowHeight * static_cast<double>(laid.turn.rows.size() - 1),
                          room.height())};
    return laid;
}

std::vector<ui::Rect> TableDecorations::freeParts(int seat, const ui::Rect& area) const {
    // The stretches of the area's width that the bubbles showing across it leave.
    std::vector<std::pair<double, double>> taken;
    for (const ui::Rect& o : othersShowing(seat)) {
        if (o.maxY() > area.minY() && o.minY() < area.maxY()) taken.emplace_back(o.minX(), o.maxX());
    }
    std::sort(taken.begin(), taken.end());
    std::vector<ui::Rect> parts;
    double left = area.minX();
    taken.emplace_back(area.maxX(), area.maxX());
    for (const auto& [from, to] : taken) {
        if (std::min(from, area.maxX()) - left >= geometry_.bubblePadding + kLeastPartText)
            parts.emplace_back(left, area.y(), std::min(from, area.maxX()) - left, area.height());
        left = std::max(left, to);
    }
    std::sort(parts.begin(), parts.end(), [](const ui::Rect& a, const ui::Rect& b) { return a.width() > b.width(); });
    return parts;
}

std::optional<TableDecorations::PlacedTurn> TableDecorations::placeInArea(int seat, const std::vector<std::string>& lines,
                                                                          const ui::Rect& area,
                                                                          const std::vector<ui::Rect>& taken) const {
    // In its whole area where nothing is in its way, else in the widest part of it the other bubbles
    // leave free, its text wrapped to that part's width.
    std::vector<ui::Rect> rooms{area};
    for (const auto& part : freeParts(seat, area)) rooms.push_back(part);
    const ui::Point centre = geometry_.bubbleCentres[static_cast<size_t>(seat)];
    for (const auto& room : rooms) {
        const LaidTurn laid = layTurn(lines, room);
        if (auto place = freePlaceIn(room, centredRect(centre, laid.size.width, laid.size.height), taken))
            return PlacedTurn{laid, *place};
    }
    return std::nullopt;
}

std::optional<TableDecorations::PlacedTurn> TableDecorations::placeOverTheBoard(int seat,
                                                                                const std::vector<std::string>& lines,
                                                                                const ui::Rect& area,
                                                                                const ShownPlay& play,
                                                                                const std::vector<ui::Rect>& taken) const {
    const ui::Point centre = geometry_.bubbleCentres[static_cast<size_t>(seat)];
    const ui::Rect screen = screen_.view()->bounds().insetBy(kBubbleMargin, 0);
    const double narrowest = std::min(area.width(), geometry_.bubblePadding + kLeastPartText);
    const double rowHeight = ui::Font::systemFontOfSize(geometry_.bubbleFontSize).lineHeight();
    // Every shape the turn may take, as wide as its area or narrower, as high as its area or a row or two
    // higher, each at its nearest free place on each board.
    struct Found {
        PlacedTurn placed;
        size_t shown;  // letters of its lines the turn shows
        size_t rows;
        double distance;
        bool inReach;  // on the seat's half of the board
    };
    std::vector<Found> found;
    std::vector<ui::Size> tried;
    for (size_t rows = 1; rows <= kMostBubbleRows; ++rows) {
        for (int step = 0; step <= kNarrowerSteps; ++step) {
            const double width = area.width() - (area.width() - narrowest) * step / kNarrowerSteps;
            const double height = area.height() + rowHeight * static_cast<double>(rows - 1);
            const LaidTurn laid = layTurn(lines, ui::Rect(area.x(), area.y(), width, height));
            // A short text is the same bubble whatever the room.
            if (std::find(tried.begin(), tried.end(), laid.size) != tried.end()) continue;
            tried.push_back(laid.size);
            for (const ui::Rect& board : play.boards) {
                const ui::Rect room = offMyHand(seat, board.intersection(screen));
                const auto place = freePlaceIn(room, centredRect(centre, laid.size.width, laid.size.height), taken);
                if (!place) continue;
                const double distance = std::hypot(place->midX() - centre.x, place->midY() - centre.y);
                found.push_back({{laid, *place}, lettersOf(laid.turn), laid.turn.rows.size(), distance,
                                 distance <= board.height() / 2});
            }
        }
    }
    // Within reach: one that shows as much of its lines as a turn in its area would, in as few rows as
    // it can, the nearest of those; else the one that shows the most, the nearest of those.
    const size_t atHome = lettersOf(layTurn(lines, area).turn);
    const auto better = [atHome](const Found& a, const Found& b) {
        if (a.inReach != b.inReach) return a.inReach;
        const bool aWhole = a.shown >= atHome, bWhole = b.shown >= atHome;
        if (aWhole != bWhole) return aWhole;
        if (aWhole && a.rows != b.rows) return a.rows < b.rows;
        if (!aWhole && a.shown != b.shown) return a.shown > b.shown;
        return a.distance < b.distance;
    };
    const auto best = std::min_element(found.begin(), found.end(), better);
    if (best == found.end()) return std::nullopt;
    return best->placed;
}

void TableDecorations::showTurn(int seat, bool giveWay) {
    if (seat < 0 || seat > kCentre || !screen_.bubble || !screen_.view) return;
    auto frame = screen_.bubble(seat);
    if (!frame) return;
    const auto s = static_cast<size_t>(seat);
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
    auto& waiting = waiting_[s];
    if (waiting.empty()) {
        hideChat(seat);
        return;
    }
    const std::vector<std::string> lines = textsOf(waiting);
    // Off the other bubbles showing and the play: in its area, else, where play lies in its area, over
    // the board.
    const ui::Rect area = bubbleArea(seat);
    const ShownPlay play = shownPlay();
    std::vector<ui::Rect> taken = othersShowing(seat);
    taken.insert(taken.end(), play.frames.begin(), play.frames.end());
    std::optional<PlacedTurn> placed = placeInArea(seat, lines, area, taken);
    if (!placed && crossesAny(area, play.frames)) placed = placeOverTheBoard(seat, lines, area, play, taken);
    if (!placed && giveWay) {
        // The bubbles in its way make way for it, where no play is.
        const LaidTurn laid = layTurn(lines, area);
        const ui::Rect own = keptInside(centredRect(geometry_.bubbleCentres[s], laid.size.width, laid.size.height), area);
        if (!crossesAny(own, play.frames)) {
            placed = PlacedTurn{laid, own};
            for (int other = 0; other <= kCentre; ++other) {
                if (other != seat && isShowing(other) && screen_.bubble(other)->frame().intersects(own)) putBack(other);
            }
        }
    }
    if (!placed) {
        // It waits for a place, and leaves its own to the others meanwhile; it looks again at its next
        // check, should no other bubble's turn end first.
        if (isShowing(seat)) {
            frame->setHidden(true);
            taken_[s] = {};
            showWaiting(seat, false);
        }
        scheduleTurnEnd(seat);
        return;
    }
    const BubbleTurn& turn = placed->laid.turn;
    taken_[s] = {};
    if (turn.restOfFirst.empty()) {
        taken_[s].lines.assign(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(turn.linesShown));
    } else {
        taken_[s].cutLine = waiting.front();
    }
    waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(turn.linesShown));
    if (!turn.restOfFirst.empty()) waiting.front().text = turn.restOfFirst;
    showRows(seat, turn.rows, ui::Font::systemFontOfSize(placed->laid.fontSize), placed->place);
    scheduleTurnEnd(seat);
}

void TableDecorations::putBack(int seat) {
    const auto s = static_cast<size_t>(seat);
    auto& lines = waiting_[s];
    auto& taken = taken_[s];
    if (taken.cutLine && !lines.empty()) {
        lines.front() = *taken.cutLine;
    } else {
        lines.insert(lines.begin(), taken.lines.begin(), taken.lines.end());
    }
    taken = {};
    if (auto frame = screen_.bubble(seat)) frame->setHidden(true);
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
    if (!lines.empty()) scheduleTurnEnd(seat);
}

void TableDecorations::showWaiting(int seat, bool itselfToo) {
    for (int step = 1; step <= kCentre + (itselfToo ? 1 : 0); ++step) {
        const int other = (seat + step) % (kCentre + 1);
        if (!waiting_[static_cast<size_t>(other)].empty() && !isShowing(other)) showTurn(other, false);
    }
}

void TableDecorations::scheduleTurnEnd(int seat) {
    const auto s = static_cast<size_t>(seat);
    sys::RunLoop::main().cancel(bubbleTimers_[s]);  // one check ahead at a time
    // stop() and the destructor cancel the check, so it never outlives the screen's decorations.
    bubbleTimers_[s] = sys::RunLoop::main().postDelayed(geometry_.bubbleSeconds[s], [this, seat] { endTurn(seat); });
}

void TableDecorations::showRows(int seat, const std::vector<std::string>& rows, const ui::Font& font,
                                const ui::Rect& place) {
    const auto s = static_cast<size_t>(seat);
    auto frame = screen_.bubble(seat);
    for (const auto& label : bubbleRows_[s]) label->removeFromSuperview();
    bubbleRows_[s].clear();
    const double rowHeight = font.lineHeight();
    const auto count = static_cast<double>(rows.size());
    // One row is centred in the bubble's height by its label; several lie one under another, centred.
    const double rowTop = rows.size() > 1 ? std::floor((place.height() - rowHeight * count) / 2) : 0;
    const double labelHeight = rows.size() > 1 ? rowHeight : place.height();
    for (size_t i = 0; i < rows.size(); ++i) {
        auto label = std::make_shared<CustomLabel>(rows[i], ui::Rect());
        label->setFont(font);
        const double width = label->advanceOf(rows[i]);
        const double y = rowTop + rowHeight * static_cast<double>(i);
        label->setFrame(ui::Rect(std::floor((place.width() - width) / 2), y, width, labelHeight));
        frame->addSubview(label);
        bubbleRows_[s].push_back(label);
    }
    frame->setFrame(place);
    screen_.view()->bringSubviewToFront(frame.get());
    raiseOverBubbles();
    frame->setHidden(false);
}

void TableDecorations::endTurn(int seat) {
    bubbleTimers_[static_cast<size_t>(seat)] = 0;
    // A bubble waiting for a place goes first; what waits for this one has the next turn.
    if (anotherWaits(seat) && !waiting_[static_cast<size_t>(seat)].empty()) {
        if (auto frame = screen_.bubble(seat)) frame->setHidden(true);
        taken_[static_cast<size_t>(seat)] = {};
        showWaiting(seat, true);
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
    taken_[s] = {};
    sys::RunLoop::main().cancel(bubbleTimers_[s]);
    bubbleTimers_[s] = 0;
    if (!screen_.bubble) return;
    showWaiting(seat, false);
    if (!waiting_[s].empty()) scheduleTurnEnd(seat);
}

void TableDecorations::cancelChecks() {
    for (auto& timer : bubbleTimers_) {
        sys::RunLoop::main().cancel(timer);
        timer = 0;
    }
    sys::RunLoop::main().cancel(playCheck_);
    playCheck_ = 0;
}

void TableDecorations::playMoved() {
    if (!screen_.play || !screen_.bubble || !screen_.view) return;
    // After the message or the gesture that moved it, when the board shows where its play rests.
    sys::RunLoop::main().cancel(playCheck_);
    playCheck_ = sys::RunLoop::main().postDelayed(0, [this] {
        playCheck_ = 0;
        keepOffPlay();
    });
}

void TableDecorations::keepOffPlay() {
    const std::vector<ui::Rect> play = shownPlay().frames;
    for (int seat = 0; seat <= kCentre; ++seat) {
        if (isShowing(seat) && crossesAny(screen_.bubble(seat)->frame(), play)) putBack(seat);
    }
    showWaiting(kCentre, true);
}

void TableDecorations::stop() {
    cancelChecks();
    clearWaitingChat();
    taken_ = {};
    // A bubble left showing would have no check to end its turn: it and every line for it would stay.
    if (!screen_.bubble) return;
    for (int seat = 0; seat <= kCentre; ++seat) {
        if (auto frame = screen_.bubble(seat)) frame->setHidden(true);
    }
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
    label->setIdentifier(kFlyTextIdentifier);
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
    keepOverBubbles(label);
    if (image) {
        removeLater(image);
        keepOverBubbles(image);
    }
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
    const double side = geometry_.giftSide;
    if (start) button->setFrame(ui::Rect(start->x, start->y, side, side));
    else button->setFrame(centredRect(*geometry_.unseatedPoint, side, side));
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
