#include <gtest/gtest.h>

#include "games/covua/CoVuaCodes.h"

using namespace zuno;

TEST(CoVuaCodes, SquareCodesRoundTripForBothColours) {
    for (bool white : {true, false}) {
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 8; ++c) {
                int code = CoVuaCodes::squareCode({r, c}, white);
                EXPECT_GE(code, 0);
                EXPECT_LE(code, 77);
                EXPECT_LE(code % 10, 7);
                auto back = CoVuaCodes::squareOfCode(code, white);
                ASSERT_TRUE(back.has_value());
                EXPECT_EQ(*back, (CoVuaSquare{r, c}));
                // The other player names the same square alike, seeing it turned round.
                EXPECT_EQ(CoVuaCodes::squareCode({7 - r, 7 - c}, !white), code);
            }
        }
    }
    // a1 is White's bottom left and Black's top right.
    EXPECT_EQ(CoVuaCodes::squareCode({7, 0}, true), 0);
    EXPECT_EQ(CoVuaCodes::squareCode({0, 7}, false), 0);
    // Codes off the board give no square.
    for (int code : {-1, -128, 8, 9, 18, 79, 80, 127})
        for (bool white : {true, false})
            EXPECT_FALSE(CoVuaCodes::squareOfCode(code, white).has_value()) << code;
}

TEST(CoVuaCodes, TouchesAndScreenPlaces) {
    EXPECT_EQ(CoVuaCodes::squareForTouch({108, 12}), (CoVuaSquare{0, 0}));
    EXPECT_EQ(CoVuaCodes::squareForTouch({108 + 38 * 8 - 0.5f, 12 + 38 * 8 - 0.5f}), (CoVuaSquare{7, 7}));
    // Left of or above the board is on no square (20 points left no longer selects column 0).
    EXPECT_FALSE(CoVuaCodes::squareForTouch({88, 50}).has_value());
    EXPECT_FALSE(CoVuaCodes::squareForTouch({107.5f, 50}).has_value());
    EXPECT_FALSE(CoVuaCodes::squareForTouch({200, 11.5f}).has_value());
    EXPECT_FALSE(CoVuaCodes::squareForTouch({68, 50}).has_value());
    EXPECT_FALSE(CoVuaCodes::squareForTouch({108 + 38 * 8, 50}).has_value());
    EXPECT_FALSE(CoVuaCodes::squareForTouch({200, 12 + 38 * 8}).has_value());
    EXPECT_FALSE(CoVuaCodes::squareForTouch({1e30f, 50}).has_value());

    EXPECT_EQ(CoVuaCodes::pieceCentre({7, 7}), (CoVuaPoint{393, 293}));
    EXPECT_EQ(CoVuaCodes::markCentre({7, 7}), (CoVuaPoint{393, 291}));
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(CoVuaCodes::squareForTouch(CoVuaCodes::pieceCentre({r, c})), (CoVuaSquare{r, c}));
}
