#include <gtest/gtest.h>

#include "table/CardIdMapping.h"

using namespace zuno;

TEST(CardIdMapping, AceLowIdsMapToTienLenImageNumbers) {
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(8), 100);  // three of spades: Tien Len id 0
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(0), 44);   // ace of spades
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(7), 51);   // two of hearts
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(9), 1);
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(51), 43);  // king of hearts
}

TEST(CardIdMapping, NonCardsShowTheBack) {
    for (int id : {-1, -2, -128, 52, 127}) {
        EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(static_cast<int8_t>(id)), CardIdMapping::kCardBack) << id;
        EXPECT_EQ(CardIdMapping::mapToPhomValue(static_cast<int8_t>(id)), -1) << id;
    }
}

TEST(CardIdMapping, EveryCardHasItsOwnImageAndComesBackUnchanged) {
    std::vector<bool> used(101, false);
    for (int id = 0; id < 52; ++id) {
        int image = CardIdMapping::mapToRealCardIdWithId(static_cast<int8_t>(id));
        ASSERT_TRUE(image == 100 || (image >= 1 && image <= 51)) << id;
        EXPECT_FALSE(used[static_cast<size_t>(image)]) << id;
        used[static_cast<size_t>(image)] = true;
        EXPECT_EQ(CardIdMapping::mapToPhomValue(static_cast<int8_t>(id)), id);
    }
}
