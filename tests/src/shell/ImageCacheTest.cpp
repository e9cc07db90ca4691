#include <gtest/gtest.h>

#include <thread>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/ImageView.h"
#include "shell/Resources.h"
#include "lobby/GlobalService.h"
#include "support/RecordingSession.h"
#include "support/RecordingShellRequests.h"

using namespace zuno;

namespace {
ui::ImagePtr picture(uint32_t pixel = 0xff336699) { return ui::Image::fromPixels(1, 1, {pixel}); }

class ImageCacheTest : public ::testing::Test {
protected:
    // Runs what the reader thread handed to the main thread.
    void runPosted() { sys::RunLoop::main().runFor(0); }

    Resources& r = Resources::getInstance();
    zuno::testing::InstalledShellRequests requests;
};
}  // namespace

TEST_F(ImageCacheTest, EveryViewWaitingForAnAvatarGetsIt) {
    auto first = std::make_shared<ui::ImageView>();
    auto second = std::make_shared<ui::ImageView>();
    r.assignAvatarId(7, first);
    r.assignAvatarId(7, second);
    EXPECT_EQ(requests->sent(), (std::vector<std::string>{"requestAvatar 7", "requestAvatar 7"}));
    EXPECT_TRUE(sys::Log::contains("avatar asign nil 1"));

    auto image = picture();
    std::thread reader([&] { r.setAvatarWithImage(image, 7); });
    reader.join();
    EXPECT_EQ(first->image(), nullptr);  // views change on the main thread only
    runPosted();
    EXPECT_EQ(first->image(), image);
    EXPECT_EQ(second->image(), image);

    // Now cached: put on at once (on the main thread), nothing asked.
    requests->clear();
    auto third = std::make_shared<ui::ImageView>();
    r.assignAvatarId(7, third);
    runPosted();
    EXPECT_EQ(third->image(), image);
    EXPECT_TRUE(sys::Log::contains("assign not nil 1"));
    EXPECT_EQ(r.getAvatarWithKey(7), image);
    EXPECT_TRUE(requests->sent().empty());
    // The waiting list went with the arrival: a second copy of the picture touches no view.
    first->setImage(nullptr);
    r.setAvatarWithImage(picture(0xff000000), 7);
    runPosted();
    EXPECT_EQ(first->image(), nullptr);
}

TEST_F(ImageCacheTest, AvatarZeroIsBuiltInAndAViewThatWentAwayIsSkipped) {
    EXPECT_NE(r.getAvatarWithKey(0), nullptr);
    EXPECT_EQ(r.getAvatarWithKey(3), nullptr);
    EXPECT_EQ(requests->sent(), (std::vector<std::string>{"requestAvatar 3"}));
    auto gone = std::make_shared<ui::ImageView>();
    r.assignAvatarId(3, gone);
    gone.reset();
    r.setAvatarWithImage(picture(), 3);
    runPosted();
    EXPECT_NE(r.getAvatarWithKey(3), nullptr);
}

TEST_F(ImageCacheTest, APictureThatDidNotDecodeLeavesItMissingAndTheViewsWaiting) {
    auto view = std::make_shared<ui::ImageView>();
    r.assignAvatarId(5, view);
    r.assignAssetId(6, view);
    r.setAvatarWithImage(nullptr, 5);
    r.setAssetWithImage(nullptr, 6);
    requests->clear();
    EXPECT_EQ(r.getAvatarWithKey(5), nullptr);
    EXPECT_EQ(r.getAssetWithKey(6), nullptr);
    EXPECT_EQ(requests->sent(), (std::vector<std::string>{"requestAvatar 5", "getItemImageWithItemId 6"}));
    auto image = picture();
    r.setAvatarWithImage(image, 5);
    runPosted();
    EXPECT_EQ(view->image(), image);
}

TEST_F(ImageCacheTest, OnlyTheLatestViewWaitsForAnAssetAndKeepsWaiting) {
    auto earlier = std::make_shared<ui::ImageView>();
    auto later = std::make_shared<ui::ImageView>();
    r.assignAssetId(12, earlier);
    r.assignAssetId(12, later, 4);
    EXPECT_EQ(requests->sent(),
              (std::vector<std::string>{"getItemImageWithItemId 12", "getItemImageWithItemId 12 4"}));
    EXPECT_TRUE(sys::Log::contains("asset asign nil 2"));

    auto image = picture();
    r.setAssetWithImage(image, 12);
    runPosted();
    EXPECT_EQ(earlier->image(), nullptr);
    EXPECT_EQ(later->image(), image);
    EXPECT_TRUE(sys::Log::contains("setAssetWithImage using assign"));
    // The later view still waits: a newer picture reaches it too.
    auto newer = picture(0xff000000);
    r.setAssetWithImage(newer, 12);
    runPosted();
    EXPECT_EQ(later->image(), newer);
    EXPECT_EQ(r.getAssetWithKey(12), newer);

    requests->clear();
    EXPECT_EQ(r.getAssetWithKey(70000), nullptr);
    // The asset look-up asks with the id cut to 16 bits.
    EXPECT_EQ(requests->sent(), (std::vector<std::string>{"getItemImageWithItemId 4464"}));
}

TEST_F(ImageCacheTest, AnItemPictureIsAskedForOncePerRunAndOutlivesIt) {
    EXPECT_EQ(r.getItemImageWithKey(9), nullptr);
    EXPECT_EQ(r.getItemImageWithKey(9), nullptr);
    EXPECT_EQ(requests->sent(), (std::vector<std::string>{"getFullItemImageWithId 9"}));

    sys::Data png = ui::encodePng(*picture());
    std::thread reader([&] { r.setItemWithImage(png, 9); });
    reader.join();
    sys::RunLoop::main().runFor(0.01);
    auto image = r.getItemImageWithKey(9);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixelWidth(), 1);

    // Next run: the picture is read from the saved defaults, nothing is asked.
    sys::UserDefaults::reopenStandard();
    Resources::resetForTests();
    requests->clear();
    EXPECT_NE(Resources::getInstance().getItemImageWithKey(9), nullptr);
    EXPECT_TRUE(requests->sent().empty());
    // Another id is still asked for, once in this run too.
    EXPECT_EQ(Resources::getInstance().getItemImageWithKey(10), nullptr);
    EXPECT_EQ(requests->sent(), (std::vector<std::string>{"getFullItemImageWithId 10"}));
}

// An asset's picture asked for as a full item picture (type 4) comes back as item bytes: the view
// waiting for the asset gets it too. Picture id 0 is no picture and asks nothing.
TEST_F(ImageCacheTest, AFullItemPictureAlsoReachesTheAssetViewWaitingForIt) {
    auto icon = std::make_shared<ui::ImageView>();
    r.assignAssetId(77, icon, 4);
    r.setItemWithImage(ui::encodePng(*picture()), 77);
    runPosted();
    ASSERT_NE(icon->image(), nullptr);
    EXPECT_EQ(icon->image()->pixelWidth(), 1);

    requests->clear();
    auto none = std::make_shared<ui::ImageView>();
    r.assignAssetId(0, none, 4);
    EXPECT_TRUE(requests->sent().empty());
    EXPECT_EQ(none->image(), nullptr);
}

TEST_F(ImageCacheTest, ABurstOfItemPicturesIsWrittenToDiskOnceAtTheEndOfTheTurn) {
    const sys::Data png = ui::encodePng(*picture());
    const std::string file = sys::UserDefaults::standard().filePath();
    std::thread reader([&] {
        for (int32_t id = 100; id < 130; ++id) r.setItemWithImage(png, id);
    });
    reader.join();
    // Every picture is readable at once, none is on disk yet.
    EXPECT_NE(r.getItemImageWithKey(129), nullptr);
    EXPECT_FALSE(sys::UserDefaults(file).dataForKey("100").has_value());
    sys::RunLoop::main().runFor(0.01);
    sys::UserDefaults onDisk(file);
    for (int32_t id = 100; id < 130; ++id) EXPECT_TRUE(onDisk.dataForKey(std::to_string(id)).has_value()) << id;
}

TEST_F(ImageCacheTest, WornAvatarLayersSortByTag) {
    std::vector<std::shared_ptr<ui::ImageView>> layers;
    for (auto [tag, category] : {std::pair{30, 5}, {10, 2}, {20, 9}}) {
        layers.push_back(std::make_shared<ui::ImageView>());
        layers.back()->setTag(tag);
        r.setUserAvatarImageView(layers.back(), category);
    }
    EXPECT_TRUE(sys::Log::contains("Count User Image View List:3"));
    auto sorted = r.sortUIImageViewList();
    ASSERT_EQ(sorted.size(), 3u);
    EXPECT_EQ(sorted[0].imageview, layers[1]);
    EXPECT_EQ(sorted[1].tag, 20);
    EXPECT_EQ(sorted[2].imageview, layers[0]);
    EXPECT_EQ(r.getListKeysUsingAvatar(), (std::vector<int32_t>{2, 5, 9}));
    EXPECT_EQ(r.getListValuesUsingAvatar(), (std::vector<ui::ImageViewPtr>{layers[1], layers[0], layers[2]}));
    r.removeUserAvatarImageView(5);
    EXPECT_EQ(r.getUserAvatarImageView(5), nullptr);
    EXPECT_EQ(r.getUserAvatarImageView(9), layers[2]);
}

TEST_F(ImageCacheTest, PicturesArrivingWhileScreensAskLoseNoView) {
    std::vector<std::shared_ptr<ui::ImageView>> views;
    for (int i = 0; i < 200; ++i) views.push_back(std::make_shared<ui::ImageView>());
    auto image = picture();
    std::thread reader([&] {
        for (int16_t id = 100; id < 300; ++id) r.setAvatarWithImage(image, id);
    });
    for (int16_t i = 0; i < 200; ++i) r.assignAvatarId(static_cast<int16_t>(100 + i), views[size_t(i)]);
    reader.join();
    runPosted();
    // Whether it asked before or after the arrival, every view ends up with its picture.
    for (const auto& v : views) EXPECT_EQ(v->image(), image);
}

TEST(ImageCacheRequests, WithNothingInstalledTheLobbyServiceSendsThem) {
    auto session = std::make_shared<zuno::testing::RecordingSession>();
    GlobalService::getInstance().set_session(session);
    EXPECT_EQ(Resources::getInstance().getAvatarWithKey(7), nullptr);
    EXPECT_EQ(session->lastBytes(), (sys::Data{38, 0, 7}));
    EXPECT_EQ(Resources::getInstance().getItemImageWithKey(300), nullptr);
    EXPECT_EQ(session->lastBytes(), (sys::Data{79, 4, 0, 0, 1, 44}));
    GlobalService::getInstance().set_session(nullptr);
}
