#include <gtest/gtest.h>

#include "games/blocks/BlocksReport.h"

using namespace zuno;

TEST(BlocksReport, LandingReports) {
    struct Case {
        int kind, rotation;
        float row, column;
        BlocksReport expected;
    };
    const Case cases[] = {
        {4, 1, 18, 4, {5, 4, 3, 4, 20, 41}},  // J turned once: rotation sent as 3, row 18 as 20
        {1, 1, 16, -1, {5, 1, 3, -1, 18, 41}},  // upright I at the left wall: column 0 of its matrix is outside
        {0, 0, -1, 3, {5, 0, 0, 3, 1, 41}},
        {2, 2, 10, 2, {5, 2, 2, 2, 12, 41}},
        {2, 3, 10, 2, {5, 2, 1, 2, 12, 41}},
    };
    for (const Case& c : cases) {
        tBlock block(static_cast<int8_t>(c.kind * 4 + c.rotation), BlocksPoint{c.row, c.column}, 1);
        EXPECT_EQ(BlocksReport::landing(block, 5, 41), c.expected) << c.kind << " " << c.rotation;
    }
}
