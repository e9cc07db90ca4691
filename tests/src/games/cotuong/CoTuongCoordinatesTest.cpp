#include <gtest/gtest.h>

#include "games/cotuong/CCBoardModel.h"
#include "games/cotuong/CoTuongUtils.h"
#include "games/cotuong/Piece.h"

using namespace zuno;

namespace {

// The wire square a viewer sends for his board square (x, y), as the tap path computes it.
int wireSquareOf(int x, int y, bool flipped) {
    CoTuongPoint screen = CCBoardModel::convertPointToBoard(Piece::convertPoint(x, y));
    int sq = CoTuongUtils::coordWithX(static_cast<int>(screen.x) + 3, static_cast<int>(screen.y) + 3);
    return flipped ? CoTuongUtils::square_flip(sq) : sq;
}

// The board square a viewer shows for a wire byte, as the announced-move path computes it.
CoTuongSquare boardSquareOf(int sq, bool flipped) {
    CoTuongPoint p = CoTuongUtils::convertPointWithValue(static_cast<int8_t>(sq));
    if (flipped) p = {8 - p.x, 9 - p.y};
    return {static_cast<int>(p.x), 9 - static_cast<int>(p.y)};
}

}  // namespace

TEST(CoTuongCoordinates, AllNinetySquaresRoundTripForBothMovers) {
    for (bool flipped : {false, true}) {
        for (int x = 0; x <= 8; ++x) {
            for (int y = 0; y <= 9; ++y) {
                CoTuongPoint centre = Piece::convertPoint(x, y);
                CoTuongPoint screen = CCBoardModel::convertPointToBoard(centre);
                EXPECT_EQ(screen, (CoTuongPoint{float(x), float(9 - y)}));
                auto tapped = CCBoardModel::tapSquare(centre);
                ASSERT_TRUE(tapped.has_value());
                EXPECT_EQ(*tapped, screen);

                int sq = wireSquareOf(x, y, flipped);
                EXPECT_GE(sq, CoTuongUtils::kFirstSquare);
                EXPECT_LE(sq, CoTuongUtils::kLastSquare);
                EXPECT_EQ(boardSquareOf(sq, flipped), (CoTuongSquare{x, y}))
                    << x << "," << y << " flipped " << flipped;
                // The two movers name the same physical square alike.
                EXPECT_EQ(wireSquareOf(8 - x, 9 - y, !flipped), sq);
            }
        }
    }
}

TEST(CoTuongCoordinates, KnownSquaresAndCentres) {
    EXPECT_EQ(wireSquareOf(0, 0, false), 195);
    // The second mover sees the same square as his top right one, computes 59 and sends 195.
    CoTuongPoint screen = CCBoardModel::convertPointToBoard(Piece::convertPoint(8, 9));
    EXPECT_EQ(CoTuongUtils::coordWithX(int(screen.x) + 3, int(screen.y) + 3), 59);
    EXPECT_EQ(wireSquareOf(8, 9, true), 195);

    EXPECT_EQ(CoTuongUtils::convertPointWithValue(51), (CoTuongPoint{0, 0}));
    EXPECT_EQ(CoTuongUtils::convertPointWithValue(-53), (CoTuongPoint{8, 9}));  // byte 203
    EXPECT_EQ(CoTuongUtils::uncoordXWithSQ(195), 3);
    EXPECT_EQ(CoTuongUtils::uncoordYWithSQ(195), 12);
    EXPECT_EQ(CoTuongUtils::uncoordXWithSQ(-20), -4);
    EXPECT_EQ(CoTuongUtils::uncoordYWithSQ(-20), -1);

    // Files are 32 points apart except files 3 and 4 (132 and 162).
    for (int x = 0; x < 8; ++x) {
        float gap = Piece::convertPoint(x + 1, 0).x - Piece::convertPoint(x, 0).x;
        EXPECT_EQ(gap, x == 3 ? 30 : 32);
    }
    EXPECT_EQ(Piece::convertPoint(3, 0), (CoTuongPoint{132, 304}));
    EXPECT_EQ(Piece::convertPoint(4, 9), (CoTuongPoint{162, 16}));
    // The boundary between files 0 and 1 lies at X = 51.
    EXPECT_EQ(CCBoardModel::convertPointToBoard({50.9f, 16}).x, 0);
    EXPECT_EQ(CCBoardModel::convertPointToBoard({51, 16}).x, 1);
}
