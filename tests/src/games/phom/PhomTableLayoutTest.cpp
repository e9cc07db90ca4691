// The zoomed Phom table's lines of cards: a fired row alone keeps its place at the middle, every count
// of cards a deal can put at a seat stays in the seat's lane clear of the seats' pictures, names and
// money, the longest rows show every card's corner, a side seat's fired row lies beside its melds when
// both fit, the top seat's cards leave room for its texts, and my result at the end keeps off my cards
// and my seat.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "games/phom/PhomTableLayout.h"
#include "games/phom/PhomView.h"
#include "src/table/TableFixture.h"

namespace zuno::testing {
namespace {

using Layout = PhomTableLayout;
using Row = PhomTableLayout::Row;

TEST(PhomTableLayout, AFiredRowAloneKeepsItsPlaceAtTheMiddle) {
    // Four cards 20 pt apart, the first 40 pt left of the middle, at my seat and the top seat.
    for (int seat : {0, 2}) {
        const auto places = Layout::place(seat, {4, 0, 0});
        ASSERT_EQ(places[0].size(), 4u);
        EXPECT_EQ(places[0][0].x, 200) << seat;
        EXPECT_EQ(places[0][3].x - places[0][2].x, 20) << seat;
    }
}

TEST(PhomTableLayout, TheLongestRowsStayInTheirLanesWithEveryCornerShown) {
    struct Case {
        const char* name;
        Layout::Counts counts;
    };
    // During a deal: four fired, three eaten, nine laid; at its end: ten leftovers.
    const Case cases[] = {{"a deal", {4, 3, 9}}, {"its end", {10, 0, 0}}};
    const double half = Layout::kTableCard.width / 2;
    for (const Case& c : cases) {
        for (int seat = 0; seat < 4; ++seat) {
            SCOPED_TRACE(std::string(c.name) + ", seat " + std::to_string(seat));
            const auto places = Layout::place(seat, c.counts);
            std::vector<ui::Point> all;
            for (size_t row = 0; row < 3; ++row) {
                ASSERT_EQ(places[row].size(), static_cast<size_t>(c.counts[row]));
                all.insert(all.end(), places[row].begin(), places[row].end());
            }
            for (const ui::Point& p : all) {
                // Clear of the seats at the edges, of the stake and Leave at the top, and of my hand.
                EXPECT_GE(p.x - half, seat == 2 ? 124 : 84);
                EXPECT_LE(p.x + half, seat == 2 ? 356 : 400);
                EXPECT_GE(p.y - Layout::kTableCard.height / 2, 34);
                EXPECT_LE(p.y + Layout::kTableCard.height / 2, 218);
                EXPECT_TRUE(Layout::lane(seat).insetBy(-0.01, -0.01).contains(ui::Rect(p.x - half, p.y - Layout::kTableCard.height / 2,
                                                                 Layout::kTableCard.width, Layout::kTableCard.height)));
            }
            // Cards of one line at least a corner apart.
            for (size_t i = 0; i < all.size(); ++i)
                for (size_t j = i + 1; j < all.size(); ++j)
                    if (all[i].y == all[j].y) {
                        EXPECT_GE(std::abs(all[i].x - all[j].x), 6);
                    }
        }
    }
}

ui::Rect cardAt(ui::Point centre) {
    const ui::Size size = Layout::kTableCard;
    return ui::Rect(centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height);
}

ui::Rect onScreen(const ui::View& view) { return view.convertRectToView(view.bounds(), nullptr); }

// The table as its interface file lays it out, with a player at every seat.
class PhomTableLanes : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        UIController::setGameType(7);
        GameController::showPhomScreenWithRoom(1, 2, 20, 100, fourPlayers());
        run(1);
        table = GameController::getPhomView();
        ASSERT_TRUE(table);
    }
    // What no card may lie on: each seat's picture, name and money, and the card-back pile.
    std::vector<std::pair<std::string, ui::Rect>> keptClear() const {
        std::vector<std::pair<std::string, ui::Rect>> out{{"the pile", Layout::kPile}};
        const std::shared_ptr<ui::View> views[4][3] = {{table->ava0, table->lblName0, table->lblMoney0},
                                                       {table->ava1, table->lblName1, table->lblMoney1},
                                                       {table->ava2, table->lblName2, table->lblMoney2},
                                                       {table->ava3, table->lblName3, table->lblMoney3}};
        const char* const what[] = {"picture", "name", "money"};
        for (int seat = 0; seat < 4; ++seat)
            for (int i = 0; i < 3; ++i)
                out.emplace_back("seat " + std::to_string(seat) + "'s " + what[i], onScreen(*views[seat][i]));
        return out;
    }
    std::shared_ptr<PhomView> table;
};

// Every count a deal can reach at a seat (up to four fired, three eaten and twelve laid, separators
// between melds taken as cards; at its end up to eleven leftovers, or a U's melds): each card lies in
// the seat's lane, over no seat's picture, name or money and not on the pile.
TEST_F(PhomTableLanes, EveryCardKeepsToItsSeatsLaneAtEveryCount) {
    std::vector<Layout::Counts> counts;
    for (int fired = 0; fired <= 4; ++fired)
        for (int eaten = 0; eaten <= 3; ++eaten)
            for (int laid = 0; laid <= 12; ++laid) counts.push_back({fired, eaten, laid});
    for (int leftovers = 5; leftovers <= 11; ++leftovers) counts.push_back({leftovers, 0, 0});
    const auto clear = keptClear();
    std::vector<std::string> findings;
    for (Layout::Stage stage : {Layout::Stage::Deal, Layout::Stage::Ended}) {
        for (int seat = 0; seat < 4; ++seat) {
            const ui::Rect lane = Layout::lane(seat, stage).insetBy(-0.01, -0.01);
            for (const Layout::Counts& c : counts) {
                const auto places = Layout::place(seat, c, stage);
                for (size_t row = 0; row < 3; ++row) {
                    ASSERT_EQ(places[row].size(), static_cast<size_t>(c[row]));
                    for (ui::Point centre : places[row]) {
                        std::ostringstream where;
                        where << (stage == Layout::Stage::Deal ? "deal" : "end") << ", seat " << seat << ", counts "
                              << c[0] << "/" << c[1] << "/" << c[2] << ", row " << row << ": card at " << centre.x
                              << "," << centre.y;
                        const ui::Rect card = cardAt(centre);
                        if (!lane.contains(card)) findings.push_back(where.str() + " leaves the lane");
                        for (const auto& [name, rect] : clear)
                            if (card.intersects(rect)) findings.push_back(where.str() + " covers " + name);
                    }
                }
            }
        }
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings, the first: " << findings.front();
}

TEST(PhomTableLayout, ASideSeatsFiredRowLiesBesideItsMeldsWhenBothFit) {
    // fired, eaten, laid: a card fired beside a meld, two of each, a fired pair beside two eaten cards.
    const Layout::Counts cases[] = {{1, 0, 3}, {2, 0, 3}, {2, 2, 0}, {1, 3, 0}, {1, 0, 4}};
    for (int seat : {1, 3}) {
        for (const auto& counts : cases) {
            SCOPED_TRACE("seat " + std::to_string(seat) + ": " + std::to_string(counts[0]) + " " +
                         std::to_string(counts[1]) + " " + std::to_string(counts[2]));
            const auto places = Layout::place(seat, counts);
            for (const ui::Point& fired : places[0]) {
                for (size_t row : {1u, 2u})
                    for (const ui::Point& other : places[row]) EXPECT_FALSE(cardAt(fired).intersects(cardAt(other)));
            }
            // Every fired card's corner shows (its rank and suit, not a sliver).
            for (size_t k = 1; k < places[0].size(); ++k) EXPECT_GE(places[0][k].x - places[0][k - 1].x, 12);
        }
    }
}

TEST(PhomTableLayout, TheTopSeatsCardsLeaveRoomForItsTexts) {
    struct Case {
        Layout::Stage stage;
        Layout::Counts counts;
        double textsRight;
    };
    // At the end: one, five and ten leftovers; during a deal: four fired, with an eaten card, with three,
    // three fired beside a meld.
    const Case cases[] = {{Layout::Stage::Ended, {1, 0, 0}, Layout::kTopTextsRight},
                          {Layout::Stage::Ended, {5, 0, 0}, Layout::kTopTextsRight},
                          {Layout::Stage::Ended, {10, 0, 0}, Layout::kTopTextsRight},
                          {Layout::Stage::Deal, {4, 0, 0}, Layout::kTopTextsRightInDeal},
                          {Layout::Stage::Deal, {4, 1, 0}, Layout::kTopTextsRightInDeal},
                          {Layout::Stage::Deal, {4, 3, 0}, Layout::kTopTextsRightInDeal},
                          {Layout::Stage::Deal, {3, 0, 3}, Layout::kTopTextsRightInDeal}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.counts[0]) + " " + std::to_string(c.counts[1]) + " " + std::to_string(c.counts[2]));
        const auto places = Layout::place(2, c.counts, c.stage);
        std::vector<ui::Point> all;
        for (const auto& row : places) all.insert(all.end(), row.begin(), row.end());
        std::sort(all.begin(), all.end(), [](ui::Point a, ui::Point b) { return a.x < b.x; });
        ASSERT_FALSE(all.empty());
        EXPECT_GE(cardAt(all.front()).minX(), c.textsRight);
        EXPECT_LE(cardAt(all.back()).maxX(), 356);
        for (size_t k = 1; k < all.size(); ++k) EXPECT_GE(all[k].x - all[k - 1].x, 12);
    }
}

// At the end of a deal my result and the screen's own text (a buzz), each one row as wide as a long
// result ("Lost the deal, 25"), lie well below the longest row of cards my seat can show, apart,
// inside the window above the bottom bar, and clear of my picture, name, money, end mark and rising sum
// (the screen's places for them).
TEST(PhomTableLayout, AtTheEndMyResultKeepsOffMyCardsAndMySeat) {
    const auto g = Layout::decorations(Layout::Stage::Ended);
    const auto bubbleAt = [&](int bubble, double width) {
        const ui::Point centre = g.bubbleCentres[static_cast<size_t>(bubble)];
        return ui::Rect(centre.x - width / 2, centre.y - g.bubbleHeight / 2, width, g.bubbleHeight);
    };
    const ui::Point sum = g.flyTextPoints[0];
    const ui::Rect mySeat[] = {ui::Rect(4, 176, 36, 36), ui::Rect(44, 177, 84, 30), ui::Rect(20, 224, 64, 24),
                               ui::Rect(sum.x - 30, sum.y - 13, 60, 20)};
    for (int bubbleIndex : {0, 4}) {
        for (double width : {60.0, 160.0}) {
            SCOPED_TRACE("bubble " + std::to_string(bubbleIndex) + ", " + std::to_string(width) + " wide");
            const ui::Rect bubble = bubbleAt(bubbleIndex, width);
            EXPECT_GE(bubble.minX(), 0);
            EXPECT_LE(bubble.maxX(), 480);
            EXPECT_LE(bubble.maxY(), 284);
            for (const Layout::Counts& counts : {Layout::Counts{10, 0, 0}, Layout::Counts{4, 3, 9}}) {
                const auto places = Layout::place(0, counts, Layout::Stage::Ended);
                for (const auto& row : places)
                    for (ui::Point card : row) EXPECT_GE(bubble.minY() - cardAt(card).maxY(), 12);
            }
            for (const ui::Rect& seat : mySeat)
                EXPECT_FALSE(bubble.intersects(seat)) << seat.minX() << " " << seat.minY();
        }
    }
    EXPECT_FALSE(bubbleAt(0, 160).intersects(bubbleAt(4, 160)));
}

}  // namespace
}  // namespace zuno::testing
