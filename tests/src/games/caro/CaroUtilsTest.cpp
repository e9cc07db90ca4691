#include <gtest/gtest.h>

#include <limits>

#include "games/caro/CaroBoardModel.h"
#include "games/caro/CaroCell.h"
#include "games/caro/CaroUtils.h"
#include "platform/core/Log.h"

using namespace zuno;

namespace {

const CaroPoint kNoCell{-1, -1};

class CaroUtilsTest : public ::testing::Test {
protected:
    // The table screen's board: a 280-point frame, a 560-point grid, 28-point cells.
    void SetUp() override { CaroBoardModel::setGeometryWithFrameWidth(280); }
};

}  // namespace

TEST_F(CaroUtilsTest, EveryCellRoundTripsThroughItsCentreAndInnerPoints) {
    for (int32_t x = 0; x < 20; ++x) {
        for (int32_t y = 0; y < 20; ++y) {
            CaroPoint centre = CaroUtils::convertBoardPointToScreenPointWithX(x, y);
            ASSERT_EQ(centre, (CaroPoint{x * 28.0f + 14, y * 28.0f + 14}));
            CaroPoint back{static_cast<float>(x), static_cast<float>(y)};
            ASSERT_EQ(CaroUtils::convertScreenPointToBoardPoint(centre), back);
            // The first and last points inside the cell's lines.
            ASSERT_EQ(CaroUtils::convertScreenPointToBoardPoint({x * 28.0f + 1, y * 28.0f + 1}), back);
            CaroPoint lastInside{x * 28.0f + 27.9f, y * 28.0f + 27.9f};
            ASSERT_EQ(CaroUtils::convertScreenPointToBoardPoint(lastInside), back);
        }
    }
}

TEST_F(CaroUtilsTest, PointsOnGridLinesOrOutsideTheGridAreRefused) {
    for (int32_t i = 0; i <= 20; ++i) {
        float line = i * 28.0f;
        EXPECT_EQ(CaroUtils::convertScreenPointToBoardPoint({line, 100}), kNoCell) << i;
        EXPECT_EQ(CaroUtils::convertScreenPointToBoardPoint({100, line}), kNoCell) << i;
        // A line is one point wide: the fraction after it still counts as the line.
        EXPECT_EQ(CaroUtils::convertScreenPointToBoardPoint({line + 0.5f, 100}), kNoCell) << i;
    }
    // Truncation alone would give the edge cells for the first two and cell 20 for the next two.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (CaroPoint p : {CaroPoint{-5, 100}, CaroPoint{100, -27}, CaroPoint{565, 100}, CaroPoint{100, 600},
                        CaroPoint{1e30f, 100}, CaroPoint{nan, 100}})
        EXPECT_EQ(CaroUtils::convertScreenPointToBoardPoint(p), kNoCell) << p.x << ", " << p.y;
}

TEST_F(CaroUtilsTest, WithoutAGridLaidOutOnlyTheCellLookUpFails) {
    CaroCell::setRealCellWidth(0);
    sys::Log::clearCaptured();
    EXPECT_EQ(CaroUtils::convertBoardPointToScreenPointWithX(3, 4), (CaroPoint{0, 0}));
    EXPECT_FALSE(sys::Log::contains("Exception"));
    EXPECT_EQ(CaroUtils::convertScreenPointToBoardPoint({100, 100}), kNoCell);
    EXPECT_TRUE(sys::Log::contains("Exception RangeException"));
}
