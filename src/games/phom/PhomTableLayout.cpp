#include "games/phom/PhomTableLayout.h"

#include <algorithm>

namespace zuno {

namespace {
using Row = PhomTableLayout::Row;
using Stage = PhomTableLayout::Stage;

enum class Align { Start, Centre, End };

// One line of cards at a seat: its centre line, the lane it keeps to, how it sits in the lane, and the
// rows it holds from left to right.
struct Line {
    double y;
    double minX, maxX;
    Align align;
    std::vector<Row> rows;
};

constexpr double kCentreX = 240;
constexpr double kRowGap = 8;         // between two rows on one line
constexpr double kLeastRowGap = 2;    // two rows still apart
constexpr double kLeastStep = 6;      // a corner's width, at the least
constexpr double kReadableStep = 12;  // a corner's rank and suit whole

// The lines' centres and the lanes along them: my line between my seat and the right edge, the top
// seat's after the stake and its texts, the side seats' from their money to the card-back pile.
constexpr double kMyLineY = 194;
constexpr double kMyLane[] = {130, 400};
constexpr double kTopLineY = 58;
constexpr double kTopLane[] = {124, 356};
constexpr double kLeftLane[] = {84, 218};
constexpr double kRightLane[] = {262, 396};
constexpr double kSideFiredY = 110;
constexpr double kSideLaidY = 128;

using Places = std::array<std::vector<ui::Point>, 3>;

// Lays the line's rows out into `out`, each step up to 20 pt and, where the lane allows, at least
// `leastStep`; a line that would still not fit brings its rows closer, then its cards.
void lay(const Line& line, const PhomTableLayout::Counts& counts, double leastStep, Places& out) {
    const double width = PhomTableLayout::kTableCard.width;
    std::vector<Row> rows;
    int cards = 0;
    for (Row row : line.rows) {
        const int n = counts[static_cast<size_t>(row)];
        if (n <= 0) continue;
        rows.push_back(row);
        cards += n;
    }
    if (rows.empty()) return;
    const auto m = static_cast<double>(rows.size());
    const double lane = line.maxX - line.minX;
    const double more = cards - m;  // the cards after each row's first
    double gap = kRowGap;
    double step = PhomTableLayout::kStep;
    if (more > 0) {
        step = std::min(PhomTableLayout::kStep, (lane - m * width - (m - 1) * gap) / more);
        if (step < leastStep && m > 1) {
            gap = std::clamp((lane - m * width - more * leastStep) / (m - 1), kLeastRowGap, kRowGap);
            step = std::min(PhomTableLayout::kStep, (lane - m * width - (m - 1) * gap) / more);
        }
        step = std::max(step, 0.0);
    }
    const double fixed = m * width + (m - 1) * gap;
    const double span = fixed + more * step;
    double left = line.minX;
    if (line.align == Align::End) left = line.maxX - span;
    if (line.align == Align::Centre) {
        // A single row keeps its first card 20 pt per pair of cards left of the middle.
        left = rows.size() == 1 && step == PhomTableLayout::kStep
                   ? kCentreX - PhomTableLayout::kStep * (cards / 2) - width / 2
                   : kCentreX - span / 2;
        left = std::clamp(left, line.minX, std::max(line.minX, line.maxX - span));
    }
    for (Row row : rows) {
        const int n = counts[static_cast<size_t>(row)];
        auto& centres = out[static_cast<size_t>(row)];
        for (int k = 0; k < n; ++k) centres.push_back({left + width / 2 + k * step, line.y});
        left += width + (n - 1) * step + gap;
    }
}

// Whether the rows fit the lane with each corner's rank and suit whole.
bool fitReadably(const PhomTableLayout::Counts& counts, double lane) {
    int rows = 0, cards = 0;
    for (int n : counts) {
        rows += n > 0 ? 1 : 0;
        cards += std::max(n, 0);
    }
    const double width = PhomTableLayout::kTableCard.width;
    return rows * width + (rows - 1) * kRowGap + (cards - rows) * kReadableStep <= lane;
}

// The top seat's line keeps clear of its texts at its left (under the stake) while its cards fit the
// rest readably; at the end of a deal its leftovers always do.
void layTop(Stage stage, const PhomTableLayout::Counts& counts, Places& out) {
    const double maxX = kTopLane[1];
    const double textsRight =
        stage == Stage::Ended ? PhomTableLayout::kTopTextsRight : PhomTableLayout::kTopTextsRightInDeal;
    const double minX = stage == Stage::Ended || fitReadably(counts, maxX - textsRight) ? textsRight : kTopLane[0];
    lay({kTopLineY, minX, maxX, Align::Centre, {Row::Fired, Row::Eaten, Row::Laid}}, counts, kLeastStep, out);
}

// A side seat: its eaten and laid cards on the lower line at the seat's end of the lane, and its fired
// row above them: beside them (on the pile's side) when all fit with each corner whole, else from the
// pile's end of the lane, where the lower line covers the least of it (the fired corners show above).
void laySide(bool right, const PhomTableLayout::Counts& counts, Places& out) {
    const double minX = right ? kRightLane[0] : kLeftLane[0];
    const double maxX = right ? kRightLane[1] : kLeftLane[1];
    const Align toSeat = right ? Align::End : Align::Start;
    const Align toPile = right ? Align::Start : Align::End;
    auto& fired = out[static_cast<size_t>(Row::Fired)];
    const int firedCount = counts[static_cast<size_t>(Row::Fired)];
    const int lowerCount = counts[static_cast<size_t>(Row::Eaten)] + counts[static_cast<size_t>(Row::Laid)];
    if (lowerCount == 0) {
        lay({kSideFiredY, minX, maxX, toSeat, {Row::Fired}}, counts, kLeastStep, out);
        return;
    }
    if (firedCount > 0 && fitReadably(counts, maxX - minX)) {
        const std::vector<Row> order = right ? std::vector{Row::Fired, Row::Eaten, Row::Laid}
                                             : std::vector{Row::Eaten, Row::Laid, Row::Fired};
        lay({kSideLaidY, minX, maxX, toSeat, order}, counts, kReadableStep, out);
        for (ui::Point& centre : fired) centre.y = kSideFiredY;
        return;
    }
    lay({kSideLaidY, minX, maxX, toSeat, {Row::Eaten, Row::Laid}}, counts, kLeastStep, out);
    lay({kSideFiredY, minX, maxX, toPile, {Row::Fired}}, counts, kLeastStep, out);
}
}  // namespace

std::array<std::vector<ui::Point>, 3> PhomTableLayout::place(int seat, const Counts& counts, Stage stage) {
    Places out;
    if (seat == 0)
        lay({kMyLineY, kMyLane[0], kMyLane[1], Align::Centre, {Row::Fired, Row::Eaten, Row::Laid}}, counts, kLeastStep, out);
    if (seat == 1 || seat == 3) laySide(seat == 1, counts, out);
    if (seat == 2) layTop(stage, counts, out);
    return out;
}

ui::Rect PhomTableLayout::lane(int seat, Stage stage) {
    const double half = kTableCard.height / 2;
    switch (seat) {
        case 0: return ui::Rect(kMyLane[0], kMyLineY - half, kMyLane[1] - kMyLane[0], kTableCard.height);
        case 1:
        case 3: {
            const double* x = seat == 1 ? kRightLane : kLeftLane;
            return ui::Rect(x[0], kSideFiredY - half, x[1] - x[0], kSideLaidY - kSideFiredY + kTableCard.height);
        }
        case 2: {
            const double minX = stage == Stage::Ended ? kTopTextsRight : kTopLane[0];
            return ui::Rect(minX, kTopLineY - half, kTopLane[1] - minX, kTableCard.height);
        }
        default: return {};
    }
}

ui::Point PhomTableLayout::origin(int seat) {
    switch (seat) {
        case 1: return {480, 142};
        case 2: return {240, 0};
        case 3: return {0, 142};
        default: return {240, kHandY};
    }
}

TableDecorationGeometry PhomTableLayout::decorations(Stage stage) {
    TableDecorationGeometry g;
    g.bubbleFontSize = 12;
    g.bubblePadding = 20;
    g.bubbleHeight = 24;
    // Every bubble has its place off the names, money and cards. During a deal and at its end the side
    // seats talk in the strip between their rows and my line, each on its side, and the top seat under
    // the stake beside its picture, left of its cards, its sum rising under that. During a deal mine
    // and the screen's own bubble show in the strip's middle, as wide as the side seats' bubbles let
    // them; at its end both go low in where my hand was, mine right of my end mark, the screen's right
    // of mine. Between deals the
    // stake lies in the middle: the side seats talk beside it, the screen above it, I below it and the
    // top seat under its name.
    const double topTextsRight = stage == Stage::Ended ? kTopTextsRight : kTopTextsRightInDeal;
    const ui::Rect topTexts(98, 34, topTextsRight - 4 - 98, 24);
    const ui::Rect underStake(40, 34, topTextsRight - 4 - 40, 24);
    const ui::Rect strip(2, 153, 476, 17), leftOfStrip(2, 153, 156, 17), rightOfStrip(322, 153, 156, 17);
    std::array<ui::Rect, 5> areas{strip, rightOfStrip, underStake, leftOfStrip, strip};
    if (stage == Stage::Ended) {
        areas[0] = ui::Rect(88, 222, 150, 60);
        areas[4] = ui::Rect(242, 222, 236, 60);
        // The side seats share the strip, the right one short of its end mark under its money.
        areas[3] = ui::Rect(2, 153, 236, 17);
        areas[1] = ui::Rect(242, 153, 164, 17);
    }
    if (stage == Stage::Idle) {
        areas = {ui::Rect(130, 168, 250, 48), ui::Rect(302, 84, 94, 86), ui::Rect(98, 34, 256, 46),
                 ui::Rect(84, 84, 94, 86), ui::Rect(180, 84, 120, 52)};
    }
    for (size_t bubble = 0; bubble < areas.size(); ++bubble) {
        g.bubbleAreas[bubble] = areas[bubble];
        g.bubbleCentres[bubble] = areas[bubble].center();
    }
    if (stage == Stage::Ended) {
        g.bubbleCentres[0] = kMyEndBubble;
        g.bubbleCentres[4] = kScreenEndBubble;
    }
    // A sum rises a little where nothing else lies at the end of a deal: after my bubble's line, under
    // the side seats' leftover cards, under the top seat's bubble.
    g.flyTextPoints = {ui::Point{262, 239}, {330, 146}, {topTexts.midX(), 71}, {150, 146}};
    if (stage == Stage::Idle) g.flyTextPoints[2] = {240, 72};
    g.flyTextDrift = ui::Point{0, -3};
    g.tableCentre = kPile.center();
    // Gifts, two by two but for the right seat's: mine after my name, before my laid cards; the right
    // seat's down the right edge under its end mark; the top seat's under its avatar, before its cards;
    // the left seat's above its cards, right of its end mark.
    g.giftSide = 22;
    g.giftFirst = {ui::Point{145, 183}, {467, 189}, {167, 45}, {87, 47}};
    g.giftStep = {ui::Point{24, 0}, {0, 24}, {24, 0}, {24, 0}};
    g.giftRowLength = {2, 0, 2, 2};
    g.giftRowStep = {ui::Point{0, 24}, {}, {0, 24}, {0, 24}};
    g.giftStarts = {ui::Point{7, 179}, {425, 96}, {166, 2}, {25, 96}};
    // A gift or a fly-text needs a seated player at both ends (no unseated point).
    return g;
}

}  // namespace zuno
