// The layered avatar and the loading of the worn items, without screens.
#include <gtest/gtest.h>

#include "platform/core/RunLoop.h"
#include "screens/AvatarLayers.h"
#include "screens/WornAvatarLoader.h"

using namespace zuno;

namespace {
ui::ImagePtr picture(int w = 4, int h = 6) { return ui::Image::fromPixels(w, h, std::vector<uint32_t>(size_t(w * h), 0xff00ff00)); }

std::vector<int> hostOrder(const ui::View& host) {
    std::vector<int> tags;
    for (const auto& view : host.subviews()) tags.push_back(view->tag());
    return tags;
}

std::shared_ptr<UsingAvatar> worn(int32_t itemId, int32_t category) {
    auto item = std::make_shared<UsingAvatar>();
    item->setItemId(itemId);
    item->setCategoryId(category);
    return item;
}
}  // namespace

TEST(AvatarLayers, LayersStackByDepthAndEqualDepthsKeepTheirOrder) {
    struct Case {
        const char* name;
        std::vector<AvatarPlacement> placed;
        std::vector<int32_t> backToFront;
    } cases[] = {
        {"5, 1, 3 end as 1, 3, 5", {{1, 0, 0, 5}, {2, 0, 0, 1}, {3, 0, 0, 3}}, {2, 3, 1}},
        {"equal depths in the order placed", {{7, 0, 0, 2}, {4, 0, 0, 2}, {9, 0, 0, 1}}, {9, 7, 4}},
        {"one layer", {{3, 0, 0, 8}}, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto host = std::make_shared<ui::View>();
        host->addSubview(std::make_shared<ui::View>());  // the room's own content stays at the back
        AvatarLayers layers(AvatarLayers::kShopOffset);
        layers.setHost(host);
        for (const auto& p : c.placed) layers.place(p, picture());
        EXPECT_EQ(layers.stackOrder(), c.backToFront);
        std::vector<int> expected{0};
        for (int32_t category : c.backToFront) expected.push_back(layers.layer(category)->tag());
        EXPECT_EQ(hostOrder(*host), expected);
    }
}

TEST(AvatarLayers, ACategoryKeepsOneLayerAndEachHostItsOffset) {
    auto host = std::make_shared<ui::View>();
    AvatarLayers shop(AvatarLayers::kShopOffset);
    shop.setHost(host);
    shop.place({4, 30, 20, 2}, picture(4, 6));
    auto layer = shop.place({4, 31, 21, 7}, picture(8, 9));
    EXPECT_EQ(shop.count(), 1u);
    EXPECT_EQ(host->subviews().size(), 1u);
    EXPECT_EQ(layer->frame(), ui::Rect(41, 31, 8, 9));
    EXPECT_EQ(layer->tag(), 7);

    // The profile stands its layers 5 points lower; copied into the wardrobe they land where the
    // wardrobe itself places the same item.
    auto profileHost = std::make_shared<ui::View>();
    AvatarLayers profile(AvatarLayers::kProfileOffset);
    profile.setHost(profileHost);
    auto worn = profile.place({5, 30, 20, 3}, picture());
    EXPECT_EQ(worn->frame().origin, (ui::Point{40, 35}));
    auto wardrobeHost = std::make_shared<ui::View>();
    AvatarLayers wardrobe(AvatarLayers::kShopOffset);
    wardrobe.setHost(wardrobeHost);
    wardrobe.copyFrom(profile.layers(), AvatarLayers::kCopyShift);
    EXPECT_EQ(wardrobe.layer(5)->frame().origin, (ui::Point{40, 30}));
    EXPECT_EQ(wardrobe.layer(5)->tag(), 3);
    EXPECT_NE(wardrobe.layer(5), worn);

    wardrobe.remove(5);
    EXPECT_EQ(wardrobe.count(), 0u);
    EXPECT_TRUE(wardrobeHost->subviews().empty());
}

class WornLoaderTest : public ::testing::Test {
protected:
    void TearDown() override { sys::RunLoop::main().reset(); }
    std::set<int32_t> pictured{11, 12, 13};
    std::vector<int32_t> asked;
    int finished = 0;
    WornAvatarLoader loader{[this](int32_t id) { return pictured.count(id) ? picture() : nullptr; },
                            [this](int32_t id) { asked.push_back(id); }, [this] { ++finished; }};
};

TEST_F(WornLoaderTest, ItemsLoadOneAtATimeFromTheEndAndATryOnConsumesNothing) {
    loader.start({worn(11, 1), worn(12, 2), worn(13, 3)});
    EXPECT_EQ(asked, (std::vector<int32_t>{13}));
    // A try-on's detail meanwhile: placed by the screen, the list does not move.
    EXPECT_FALSE(loader.detailArrived(40));
    EXPECT_EQ(loader.remaining(), 3u);
    EXPECT_TRUE(loader.detailArrived(13));
    EXPECT_TRUE(loader.detailArrived(12));
    EXPECT_FALSE(loader.detailArrived(12));  // a repeated reply
    EXPECT_TRUE(loader.detailArrived(11));
    EXPECT_EQ(asked, (std::vector<int32_t>{13, 12, 11}));
    EXPECT_EQ(finished, 1);

    loader.start({});
    EXPECT_EQ(finished, 2);
}

TEST_F(WornLoaderTest, AMissingPictureIsWaitedForAFewSecondsThenSkipped) {
    pictured = {11};
    loader.start({worn(11, 1), worn(99, 2)});
    EXPECT_TRUE(asked.empty());
    sys::RunLoop::main().runFor(1);
    EXPECT_TRUE(asked.empty());
    // It arrives in time for the next poll.
    pictured.insert(99);
    sys::RunLoop::main().runFor(0.05);
    EXPECT_EQ(asked, (std::vector<int32_t>{99}));
    EXPECT_TRUE(loader.detailArrived(99));
    EXPECT_EQ(asked, (std::vector<int32_t>{99, 11}));

    asked.clear();
    loader.start({worn(11, 1), worn(98, 2)});
    sys::RunLoop::main().runFor(WornAvatarLoader::kPictureWaitSeconds + 0.1);
    EXPECT_EQ(asked, (std::vector<int32_t>{11}));
    EXPECT_TRUE(loader.detailArrived(11));
    EXPECT_TRUE(loader.finished());
}

TEST(WornLoader, EndsItsWaitWithItsScreen) {
    int polls = 0;
    {
        WornAvatarLoader loader([&](int32_t) { ++polls; return nullptr; }, [](int32_t) {}, [] {});
        loader.start({worn(5, 1)});
    }
    const int before = polls;
    sys::RunLoop::main().runFor(1);
    EXPECT_EQ(polls, before);
    sys::RunLoop::main().reset();
}
