#include <gtest/gtest.h>

#include <set>

#include "games/blocks/tBlock.h"
#include "platform/core/Exception.h"

using namespace zuno;

TEST(tBlock, EveryShapeHasFourCellsAndATurnIsUndoneExactly) {
    for (int blockKind = 0; blockKind < 28; ++blockKind) {
        tBlock block(static_cast<int8_t>(blockKind), BlocksPoint{-1, 3}, 5);
        int cells = 0;
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                int v = block.getValueAtRow(r, c);
                EXPECT_TRUE(v == 0 || v == 5) << blockKind;
                cells += v != 0;
            }
        }
        EXPECT_EQ(cells, 4) << blockKind;
        if (blockKind % 4 == 0) {
            EXPECT_EQ(block.getMaxLeftOfRow(0), -1) << blockKind;  // spawns below row -1
        }

        const tBlock::Matrix start = block.blockArray();
        block.rotate();
        block.revertRotate();
        EXPECT_EQ(block.blockKind(), blockKind);
        EXPECT_EQ(block.blockArray(), start);
        block.revertRotate();  // across the wrap from rotation 0 to 3 and back
        block.rotate();
        EXPECT_EQ(block.blockKind(), blockKind);
        EXPECT_EQ(block.blockArray(), start);
    }
}

TEST(tBlock, RotationOrbits) {
    const int expectedOrbit[7] = {1, 2, 4, 4, 4, 2, 2};  // O I T L J Z S
    for (int kind = 0; kind < 7; ++kind) {
        tBlock block(static_cast<int8_t>(kind * 4), BlocksPoint{}, 5);
        const tBlock::Matrix start = block.blockArray();
        std::set<tBlock::Matrix> seen;
        for (int step = 0; step < 4; ++step, block.rotate()) seen.insert(block.blockArray());
        EXPECT_EQ(static_cast<int>(seen.size()), expectedOrbit[kind]) << kind;
        EXPECT_EQ(block.blockKind(), kind * 4) << kind;
        EXPECT_EQ(block.blockArray(), start) << kind;
    }
}

TEST(tBlock, ExtentsAndRefusedKinds) {
    tBlock upright(5, BlocksPoint{}, 1);  // I, rotation 1
    EXPECT_EQ(upright.getMaxLeft(), 1);
    EXPECT_EQ(upright.getMaxRight(), 1);
    EXPECT_EQ(upright.getMaxDown(), 3);
    EXPECT_EQ(upright.getMaxDownOfColumb(0), -1);
    tBlock o(0, BlocksPoint{}, 1);
    EXPECT_EQ(o.getMaxLeftOfRow(0), -1);
    EXPECT_EQ(o.getMaxRightOfRow(3), -1);
    EXPECT_EQ(o.getMaxLeft(), 1);
    EXPECT_EQ(o.getMaxRight(), 2);

    for (int bad : {28, -1, 127, -128}) {
        EXPECT_THROW(tBlock(static_cast<int8_t>(bad), BlocksPoint{}, 1), sys::Exception) << bad;
    }
    tBlock s(27, BlocksPoint{}, 1);
    EXPECT_THROW(s.setBlockKind(28), sys::Exception);
    EXPECT_EQ(s.blockKind(), 27);
    s.setValueAtRow(4, 0, 7);  // outside the matrix: nothing happens
    EXPECT_EQ(s.getValueAtRow(4, 0), 0);
}
