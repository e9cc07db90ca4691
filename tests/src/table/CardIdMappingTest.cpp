#include <gtest/gtest.h>

#include <set>

#include "table/CardIdMapping.h"

using namespace zuno;

TEST(CardIdMapping, AceLowIdsMapToTienLenImageNumbers) {
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(8), 100);  // three of spades: Tien Len id 0
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(0), 44);   // ace of spades
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(7), 51);   // two of hearts
    EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(51), 43);  // king of hearts
    std::set<int> images;
    for (int id = 0; id < 52; ++id) {
        images.insert(CardIdMapping::mapToRealCardIdWithId(static_cast<int8_t>(id)));
        EXPECT_EQ(CardIdMapping::mapToPhomValue(static_cast<int8_t>(id)), id);
    }
    EXPECT_EQ(images.size(), 52u);
    EXPECT_EQ(*images.begin(), 1);
    EXPECT_EQ(*images.rbegin(), 100);
}

TEST(CardIdMapping, NonCardsShowTheBack) {
    for (int id : {-1, -2, -128, 52, 127}) {
        EXPECT_EQ(CardIdMapping::mapToRealCardIdWithId(static_cast<int8_t>(id)), CardIdMapping::kCardBack) << id;
        EXPECT_EQ(CardIdMapping::mapToPhomValue(static_cast<int8_t>(id)), -1) << id;
    }
}
