#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/LobbyEventRecords.h"
#include "lobby/model/Player.h"
#include "lobby/model/ShopRecords.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Geometry.h"
#include "table/BubbleTurn.h"
#include "table/ShowsPlay.h"

namespace zuno {

namespace ui {
class Font;
class ImageView;
class Responder;
class View;
class ViewController;
}  // namespace ui

// Where a table screen shows its decorations, in the 480 x 320 screen's points. Seats are screen seats
// (0 bottom, always me; then round the table: four at the card tables, nine at Poker); bubble 4 is the
// screen's own, in the table's middle. The seat lists below are as long as the table has seats.
struct TableDecorationGeometry {
    std::array<ui::Point, 5> bubbleCentres;
    double bubbleFontSize = 14;
    // The widest a bubble's text may run (none: as wide as its area lets it); a longer text wraps.
    double bubbleMaxTextWidth = 0;
    // A bubble is as wide as its text and this much more, and this high, each row of text past the first
    // adding its height.
    double bubblePadding = 50;
    double bubbleHeight = 40;
    std::array<double, 5> bubbleSeconds{3, 3, 3, 3, 4};  // how long a bubble shows before its next check
    // Where a bubble may lie, between the seats' names and money and off the cards; none: anywhere on
    // the screen. A bubble keeps inside it: it keeps its centre where it fits and moves only as far as
    // it must; its text, too wide for the area, wraps, a turn showing as many rows as the area's height
    // holds. Seats' areas kept apart let every seat's bubble show at once; where two areas meet, a
    // bubble moves aside, wraps into the part the other leaves or waits for it.
    std::array<std::optional<ui::Rect>, 5> bubbleAreas{};
    // Where my cards lie, where the table deals me any: no bubble is drawn over them (an area reaching
    // over them is cut back to the side of them its bubble's centre lies on).
    std::optional<ui::Rect> myHand;
    // A fly-text moves between the seat's point and the table's middle: a gain towards the seat, a loss
    // away from it.
    std::vector<ui::Point> flyTextPoints;
    ui::Point tableCentre;
    // Each seat's end of its fly-text in the table's middle, so that the texts of a deal's end pass one
    // another; none: every fly-text ends at tableCentre.
    std::vector<ui::Point> flyTextInner;
    // With a drift, a fly-text appears at the seat's point and moves this much, whatever the amount,
    // so that the seats' fly-texts stay apart.
    std::optional<ui::Point> flyTextDrift;
    // Gifts: the first of a seat's row, the step to the next, and where one flies from (top-left). A
    // seat with a row length lays its gifts in rows of that many, each row a row step from the last.
    std::vector<ui::Point> giftFirst;
    std::vector<ui::Point> giftStep;
    std::vector<int> giftRowLength;  // none, or 0: one row
    std::vector<ui::Point> giftRowStep;
    std::vector<ui::Point> giftStarts;
    double giftSide = 30;
    size_t maxGifts = 4;  // one more drops the oldest
    // Where a fly-text or a gift of a player without a seat shows: none shows nothing.
    std::optional<ui::Point> unseatedPoint;

    // The card-table screen's (Tien Len, Bai Cao, Xi Zach); a player without a seat shows nothing.
    static TableDecorationGeometry cardTable();

    ui::Point giftCentre(int seat, int index) const;
};

// The decorations over a table: chat bubbles at the seats (lines that arrive while a bubble shows wait
// for its next check and are then shown joined with ", ", a line said again not twice; a long text
// wraps and a bubble stays inside the screen and its area; a bubble never lies over another one
// showing: it moves aside within its area, wraps into the part of it the others leave, or waits for
// their turns to end; nor over the play the screen shows: where play lies in its area, it lies
// elsewhere over the board, as near its own place as it can, or waits), money fly-texts, and the gifts
// each player holds (at most the geometry's count: one more drops the oldest). No line is lost: a
// bubble that shows and a bubble with lines waiting always have their next check ahead, whatever hid
// them or kept them from their place. It takes its screen's geometry and reaches the screen through
// the callbacks below, on the main thread. Its timers are cancelled by stop() and by its destructor.
class TableDecorations {
public:
    static constexpr int kCentre = 4;
    // The identifier of a money fly-text's label, which shows only while it flies.
    static constexpr const char* kFlyTextIdentifier = "flyText";

    struct Screen {
        std::function<std::shared_ptr<ui::View>()> view;
        std::function<std::shared_ptr<ui::ImageView>(int bubble)> bubble;  // 0..4
        std::function<int(int32_t userId)> seatOf;                         // -1: not seated
        std::function<PlayerPtr(int seat)> playerAt;                       // none for an empty seat
        ui::Responder* giftTarget = nullptr;  // a gift's tap sends it "clickGiftDetail:"
        std::function<ShownPlay()> play;       // none: the screen shows no play
    };

    explicit TableDecorations(TableDecorationGeometry geometry) : geometry_(std::move(geometry)) {}
    TableDecorations(const TableDecorations&) = delete;
    TableDecorations& operator=(const TableDecorations&) = delete;
    ~TableDecorations() { cancelChecks(); }

    void attach(Screen screen) { screen_ = std::move(screen); }
    const TableDecorationGeometry& geometry() const { return geometry_; }
    // A table whose places change (a zoomed table) shows its bubbles' lines again in their new places
    // and places what comes next by the new geometry.
    void setGeometry(TableDecorationGeometry geometry);

    // Chat bubbles; a bubble stays inside its screen's view.
    void showChatWithSeat(int seat, const std::string& text);
    void showChatAtSeat(int seat);
    // The text shows at once in place of what the bubble shows, and of what is left of the text the
    // last replace put there (a call that moves on); the lines said at the seat wait on after it. A
    // bubble in its way gives way and shows its lines again after this one's turn.
    void replaceChatWithSeat(int seat, const std::string& text);
    // Hidden; a bubble that waited for its place shows what waits for it, and what waits for this one
    // shows at its next check.
    void hideChat(int seat);
    // The lines waiting for each bubble, joined with ", ".
    std::array<std::string, 5> chatPlayers() const;
    // The waiting lines forgotten, of every bubble or of one (the bubbles' next check hides them).
    void clearWaitingChat();
    void clearWaitingChat(int seat);
    // A line that marks a seat for the round under way (a pass), shown as a chat line is.
    void showMarkWithSeat(int seat, const std::string& text);
    // The deal is over: the marks the table put up for its rounds leave the bubbles, shown or waiting,
    // and what waited behind them shows at once; a bubble left with nothing hides. A line said at the
    // table stays, whatever it reads.
    void takeDownMarks();
    // A view kept over the bubbles while it lies on the screen (the money flying, a turn bar), over
    // those kept before it.
    void keepOverBubbles(const std::shared_ptr<ui::View>& view) { keptOver_.push_back(view); }
    // The views kept over the bubbles go back over them (a bubble shown or brought forward).
    void raiseOverBubbles();
    // The table left: no bubble shows, nothing waits and no check is left.
    void stop();
    // The play the screen shows has moved (a move, the board scrolled): once what moved it is done, a
    // bubble showing over it moves elsewhere, and one waiting for a place looks again.
    void playMoved();

    // "+N" or "N" flying for the player; with an icon name, the icon flies beside the text.
    void showFlyText(int32_t userId, int32_t amount, const std::optional<std::string>& icon = std::nullopt);

    // A line waiting for a bubble or shown in it: one said at the table, a mark the table put up, or
    // the call that replaceChatWithSeat puts there. The table takes down its own lines by their kind,
    // never by their text: a line said at a seat may read like one of them.
    struct Line {
        enum class Kind { Said, Mark, Call };
        std::string text;
        Kind kind = Kind::Said;
    };

    void addGiftOnBoardWithPlayer(const PlayerPtr& player);
    void onShowGift(int32_t itemId, int32_t fromUser, int32_t toUser);
    // Every seated player's gift sprites off the screen (the lists stay).
    void removeGiftSprites(const std::vector<PlayerPtr>& players);

private:
    int seatOf(int32_t userId) const { return screen_.seatOf ? screen_.seatOf(userId) : -1; }
    std::optional<ui::Point> seatPoint(const std::vector<ui::Point>& points, int seat) const;
    ui::Rect bubbleArea(int seat) const;
    // The room cut back to the side of my cards on which the bubble's centre lies.
    ui::Rect offMyHand(int seat, const ui::Rect& room) const;
    bool isShowing(int seat) const;
    // Whether another bubble is hidden with lines waiting: it waits for a place.
    bool anotherWaits(int seat) const;
    // The frames of the other bubbles showing, each with the gap kept round it.
    std::vector<ui::Rect> othersShowing(int seat) const;
    // The play the screen shows now.
    ShownPlay shownPlay() const { return screen_.play ? screen_.play() : ShownPlay{}; }
    // One turn of the lines laid out for a room: its rows, their font's size and the bubble's size.
    struct LaidTurn {
        BubbleTurn turn;
        double fontSize = 0;
        ui::Size size;
    };
    LaidTurn layTurn(const std::vector<std::string>& lines, const ui::Rect& room) const;
    // The parts of the area the other bubbles showing across it leave free, widest first.
    std::vector<ui::Rect> freeParts(int seat, const ui::Rect& area) const;
    struct PlacedTurn {
        LaidTurn laid;
        ui::Rect place;
    };
    // A turn's place off everything taken: in its area, at its own place or moved aside, else wrapped
    // into a part of it the other bubbles leave.
    std::optional<PlacedTurn> placeInArea(int seat, const std::vector<std::string>& lines, const ui::Rect& area,
                                          const std::vector<ui::Rect>& taken) const;
    // A turn's place off everything taken over a board whose play lies in its area: on the seat's half
    // of the board, showing as much as a turn in its area would in as few rows as it can, as near its
    // own place as it can lie; else what shows the most.
    std::optional<PlacedTurn> placeOverTheBoard(int seat, const std::vector<std::string>& lines, const ui::Rect& area,
                                                const ShownPlay& play, const std::vector<ui::Rect>& taken) const;
    // Each bubble showing over play makes way; the bubbles with lines waiting look for a place.
    void keepOffPlay();
    void showLine(int seat, Line line);
    void showTurn(int seat, bool giveWay);
    // The bubble hidden, what it showed waiting again in front of its other lines for its next check.
    void putBack(int seat);
    // Each hidden bubble with lines waiting, from the one after `seat`, shows them if it has a place
    // now; `seat` itself last, when it is to try too.
    void showWaiting(int seat, bool itselfToo);
    void scheduleTurnEnd(int seat);
    void cancelChecks();
    void endTurn(int seat);
    // One turn's rows laid out in the bubble at that place, and shown.
    void showRows(int seat, const std::vector<std::string>& rows, const ui::Font& font, const ui::Rect& place);

    // The lines a turn took from those waiting, to put back when the bubble makes way: the lines shown
    // whole, or the whole first line of which the turn showed the beginning.
    struct Taken {
        std::vector<Line> lines;
        std::optional<Line> cutLine;
    };

    TableDecorationGeometry geometry_;
    Screen screen_;
    std::array<std::vector<Line>, 5> waiting_;  // oldest first
    std::vector<std::weak_ptr<ui::View>> keptOver_;     // in the order they are raised
    std::array<Taken, 5> taken_;
    std::array<sys::RunLoop::TimerId, 5> bubbleTimers_{};
    sys::RunLoop::TimerId playCheck_ = 0;
    std::array<std::vector<std::shared_ptr<ui::View>>, 5> bubbleRows_;
};

// The gift sheet's forwarding, the same for every table screen: the sheet (a GiftSheet, when the
// interface file has one) gets the categories, and a page of items, stored under the page the sheet
// asked for; a tapped gift names its giver in a one-button dialog.
namespace giftsheet {
void showListGift(const std::shared_ptr<ui::ViewController>& sheet,
                  const std::vector<std::shared_ptr<CategoryShopInfo>>& categories);
void showItemsWithGift(const std::shared_ptr<ui::ViewController>& sheet, const std::shared_ptr<ItemsOfCategory>& page);
void showGiftDetail(const std::string& giverName);
}  // namespace giftsheet

// The sheets a table screen shows over itself.
namespace tablesheet {
// The sheet's view over the screen's, told that it appears; nothing without a sheet.
void present(ui::View& screen, const std::shared_ptr<ui::ViewController>& sheet);
// The player-detail sheet (a PlayerDetailSheet, when the interface file has one) filled with a
// player's card and shown.
void showPlayerDetail(ui::View& screen, const std::shared_ptr<ui::ViewController>& sheet, const PlayerDetail& detail);
}  // namespace tablesheet

}  // namespace zuno
