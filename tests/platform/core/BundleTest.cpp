#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/PlatformReset.h"
#include "platform/core/Bundle.h"
#include "platform/core/DataFolder.h"
#include "platform/core/Log.h"
#include "platform/core/PlatformOptions.h"

using namespace zuno::sys;
namespace fs = std::filesystem;

namespace {
void write(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
}

std::string makeBundle() {
    std::string dir = zuno::testing::makeTemporaryFolder("bundle");
    write(dir + "/Info.plist",
          "<plist><dict><key>Provider</key><string>7</string><key>CFBundleVersion</key><string>2.3.0</string>"
          "<key>CFBundleIdentifier</key><string>vn.zuno.online</string></dict></plist>");
    write(dir + "/ZunoOnlineConfig.plist", "<plist><dict/></plist>");
    write(dir + "/images/av0.png", "png");
    write(dir + "/sounds/EAT.WAV", "wav");
    write(dir + "/sounds/lat-bai.caf", "caf");
    return dir;
}
}  // namespace

TEST(BundleTest, FindsResourcesInTheTopFolderAndBelow) {
    std::string dir = makeBundle();
    Bundle bundle(dir);
    EXPECT_EQ(bundle.pathForResource("ZunoOnlineConfig", "plist"), dir + "/ZunoOnlineConfig.plist");
    EXPECT_EQ(bundle.pathForResource("EAT", "WAV"), dir + "/sounds/EAT.WAV");
    EXPECT_EQ(bundle.pathForResource("lat-bai", ".caf"), dir + "/sounds/lat-bai.caf");
    EXPECT_EQ(bundle.pathForResource("av0.png"), dir + "/images/av0.png");
    EXPECT_EQ(bundle.pathForResource("images/av0.png"), dir + "/images/av0.png");
    EXPECT_EQ(bundle.pathForResource("EAT", "wav"), std::nullopt);  // names are exact
    EXPECT_EQ(bundle.pathForResource("missing", "png"), std::nullopt);
    EXPECT_EQ(bundle.pathForResource("../bundle/Info", "plist"), std::nullopt);
    EXPECT_EQ(bundle.pathForResource("/etc/passwd"), std::nullopt);
}

TEST(BundleTest, InfoValues) {
    Bundle bundle(makeBundle());
    EXPECT_EQ(bundle.objectForInfoDictionaryKey("Provider").asInteger(), 7);
    EXPECT_EQ(bundle.objectForInfoDictionaryKey("CFBundleVersion"), Value("2.3.0"));
    EXPECT_EQ(bundle.objectForInfoDictionaryKey("CFBundleIdentifier"), Value("vn.zuno.online"));
    EXPECT_TRUE(bundle.objectForInfoDictionaryKey("Missing").isNull());
}

TEST(BundleTest, AMissingInfoFileIsLoggedAndEmpty) {
    Bundle bundle(zuno::testing::makeTemporaryFolder("empty-bundle"));
    EXPECT_TRUE(bundle.infoDictionary().empty());
    EXPECT_TRUE(Log::contains("Info.plist: cannot be read"));
}

TEST(BundleTest, TheMainBundleCanBeChosen) {
    std::string dir = makeBundle();
    Bundle::setMainPath(dir + "/");
    EXPECT_EQ(Bundle::main().bundlePath(), dir);
    EXPECT_EQ(Bundle::main().objectForInfoDictionaryKey("CFBundleVersion"), Value("2.3.0"));
    Bundle::setMainPath("");
}

TEST(PlatformOptionsTest, TheCommandLineChoosesTheFolders) {
    std::string dir = makeBundle();
    std::string data = zuno::testing::makeTemporaryFolder("cli-data");
    std::vector<std::string> args{"zuno", "--bundle", dir, "--headless", "--data-dir=" + data, "--demo"};
    EXPECT_EQ(takePlatformOptions(args), "");
    EXPECT_EQ(args, (std::vector<std::string>{"zuno", "--headless", "--demo"}));
    EXPECT_EQ(Bundle::main().bundlePath(), dir);
    EXPECT_EQ(dataFolder(), data);
    std::vector<std::string> missing{"zuno", "--data-dir"};
    EXPECT_EQ(takePlatformOptions(missing), "--data-dir needs a folder");
    std::vector<std::string> empty{"zuno", "--bundle="};
    EXPECT_EQ(takePlatformOptions(empty), "--bundle needs a folder");
    // The device scale: 1 or 2, nothing else.
    std::vector<std::string> scaled{"zuno", "--scale", "2", "--demo"};
    EXPECT_EQ(takePlatformOptions(scaled), "");
    EXPECT_EQ(scaled, (std::vector<std::string>{"zuno", "--demo"}));
    EXPECT_EQ(requestedDisplayScale(), 2);
    for (std::vector<std::string> bad : {std::vector<std::string>{"zuno", "--scale=3"}, {"zuno", "--scale"}}) {
        EXPECT_EQ(takePlatformOptions(bad), "--scale needs 1 or 2");
    }
    EXPECT_EQ(requestedDisplayScale(), 2);
    std::vector<std::string> one{"zuno", "--scale=1"};
    EXPECT_EQ(takePlatformOptions(one), "");
    EXPECT_EQ(requestedDisplayScale(), 1);
    setRequestedDisplayScale(0);
    Bundle::setMainPath("");
}
