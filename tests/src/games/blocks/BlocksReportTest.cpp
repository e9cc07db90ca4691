#include <gtest/gtest.h>

#include "games/blocks/BlocksReport.h"

using namespace zuno;

namespace {

tBlock pieceAt(int kind, int rotation, float row, float column) {
    return tBlock(static_cast<int8_t>(kind * 4 + rotation), BlocksPoint{row, column}, 1);
}

}  // namespace

TEST(BlocksReport, LandingReports) {
    EXPECT_EQ(BlocksReport::landing(pieceAt(4, 1, 18, 4), 5, 41), (BlocksReport{5, 4, 3, 4, 20, 41}));
    // An upright I against the left wall has its matrix column 0 outside the well.
    EXPECT_EQ(BlocksReport::landing(pieceAt(1, 1, 16, -1), 2, 9), (BlocksReport{2, 1, 3, -1, 18, 9}));
    EXPECT_EQ(BlocksReport::landing(pieceAt(0, 0, -1, 3), 0, 0).posY, 1);
    const int8_t sentRotation[4] = {0, 3, 2, 1};
    for (int rotation = 0; rotation < 4; ++rotation) {
        EXPECT_EQ(BlocksReport::landing(pieceAt(2, rotation, 10, 2), 0, 0).ro, sentRotation[rotation]);
    }
}

TEST(BlocksReport, TheLossReportNamesTheSpawnPlace) {
    EXPECT_EQ(BlocksReport::loss(2, 17), (BlocksReport{2, 0, 0, 3, -1, 17}));
}
