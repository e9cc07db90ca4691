#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/PlatformReset.h"
#include "support/StandardError.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/DataFolder.h"
#include "platform/core/Device.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"

using namespace zuno::sys;
namespace fs = std::filesystem;

namespace {
std::string freshFile(const std::string& name) {
    return zuno::testing::makeTemporaryFolder(name) + "/UserDefaults.plist";
}

unsigned permissions(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 0777;
}
}  // namespace

TEST(UserDefaultsTest, TypedValuesSurviveAReopen) {
    std::string path = freshFile("reopen");
    {
        UserDefaults d(path);
        d.setObject(Value("thang"), "uname");
        d.setObject(Value(""), "password");
        d.setInteger(5000, "portServer");
        d.setBool(true, "savedRung");
        d.setDouble(2.5, "volume");
        d.setObject(Value(Data{1, 2, 3}), "5");
        d.setObject(Value(Array{Value("a;b;c;d")}), "ZUNO_DATA_TRANSACTION_LIST_");
        d.setObject(Value(Dictionary{{"k", Value(1)}}), "dict");
        EXPECT_TRUE(d.synchronize());
    }
    UserDefaults d(path);
    EXPECT_EQ(d.stringForKey("uname"), "thang");
    EXPECT_EQ(d.stringForKey("password"), "");  // empty, not absent
    EXPECT_EQ(d.stringForKey("never set"), std::nullopt);
    EXPECT_TRUE(d.objectForKey("never set").isNull());
    EXPECT_EQ(d.integerForKey("portServer"), 5000);
    EXPECT_EQ(d.stringForKey("portServer"), "5000");
    EXPECT_TRUE(d.boolForKey("savedRung"));
    EXPECT_DOUBLE_EQ(d.doubleForKey("volume"), 2.5);
    EXPECT_EQ(d.dataForKey("5"), (Data{1, 2, 3}));
    EXPECT_EQ(d.stringArrayForKey("ZUNO_DATA_TRANSACTION_LIST_"), (std::vector<std::string>{"a;b;c;d"}));
    EXPECT_EQ(d.dictionaryForKey("dict")->find("k")->asInteger(), 1);
    // Wrong kinds give nothing rather than a guess.
    EXPECT_EQ(d.dataForKey("uname"), std::nullopt);
    EXPECT_EQ(d.arrayForKey("uname"), std::nullopt);
    EXPECT_EQ(d.integerForKey("uname"), 0);
}

TEST(UserDefaultsTest, RemovingAndUnsavedChanges) {
    std::string path = freshFile("remove");
    {
        UserDefaults d(path);
        d.setObject(Value("x"), "a");
        d.setObject(Value("y"), "b");
        d.synchronize();
        d.removeObjectForKey("a");
        d.setObject(Value(), "b");  // null removes too
        d.setObject(Value("z"), "c");
        // Not synchronised: the destructor keeps the change all the same.
    }
    UserDefaults d(path);
    EXPECT_TRUE(d.objectForKey("a").isNull());
    EXPECT_TRUE(d.objectForKey("b").isNull());
    EXPECT_EQ(d.stringForKey("c"), "z");
}

TEST(UserDefaultsTest, TheFileIsOwnerOnlyAndReplacedWhole) {
    std::string path = freshFile("perm");
    UserDefaults d(path);
    d.setObject(Value("secret"), "password");
    ASSERT_TRUE(d.synchronize());
    EXPECT_EQ(permissions(path), 0600u);
    // A looser file left by someone else is tightened by the next write.
    ::chmod(path.c_str(), 0644);
    d.setObject(Value("other"), "password");
    ASSERT_TRUE(d.synchronize());
    EXPECT_EQ(permissions(path), 0600u);
    // No temporary files are left behind.
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(fs::path(path).parent_path())) ++files;
    EXPECT_EQ(files, 1u);
}

TEST(UserDefaultsTest, ADamagedFileIsKeptAsideAndReportedOnce) {
    std::string path = freshFile("damaged");
    {
        std::ofstream out(path);
        out << "<plist><dict><key>uname</key><string>half";  // cut off by a crash of another writer
    }
    UserDefaults d(path);
    EXPECT_TRUE(d.objectForKey("uname").isNull());
    auto aside = d.damagedFileMovedTo();
    ASSERT_TRUE(aside);
    EXPECT_NE(*aside, path);
    // The damaged bytes are still there to look at.
    EXPECT_EQ(readWholeFile(*aside), "<plist><dict><key>uname</key><string>half");
    size_t reports = 0;
    for (const auto& line : Log::captured())
        if (line.find("is damaged") != std::string::npos) ++reports;
    EXPECT_EQ(reports, 1u);
    // New values are saved in a new file; the old one stays aside.
    d.setObject(Value("fresh"), "uname");
    ASSERT_TRUE(d.synchronize());
    EXPECT_EQ(UserDefaults(path).stringForKey("uname"), "fresh");
    EXPECT_TRUE(fs::exists(*aside));
}

TEST(UserDefaultsTest, ATopLevelThatIsNotADictionaryCountsAsDamaged) {
    std::string path = freshFile("array");
    ASSERT_FALSE(writeFileAtomically(path, "<plist><array/></plist>"));
    UserDefaults d(path);
    EXPECT_TRUE(d.damagedFileMovedTo());
}

TEST(UserDefaultsTest, ADeeplyNestedFileIsMovedAsideInsteadOfOverflowing) {
    std::string path = freshFile("nested");
    std::string xml = "<plist><dict><key>k</key>";
    for (int i = 0; i < 100000; ++i) xml += "<array>";
    for (int i = 0; i < 100000; ++i) xml += "</array>";
    xml += "</dict></plist>";
    ASSERT_FALSE(writeFileAtomically(path, xml));
    UserDefaults d(path);
    EXPECT_TRUE(d.damagedFileMovedTo());
    EXPECT_TRUE(Log::contains("nested deeper than"));
    EXPECT_FALSE(fs::exists(path));  // the next start reads a fresh file
}

TEST(UserDefaultsTest, RegisteredDefaultsAnswerForAbsentKeysOnly) {
    UserDefaults d(freshFile("registered"));
    d.registerDefaults(Dictionary{{"AppleLanguages", Value(Array{Value("vi")})}, {"savedRung", Value(true)}});
    EXPECT_EQ(d.stringArrayForKey("AppleLanguages"), (std::vector<std::string>{"vi"}));
    EXPECT_TRUE(d.boolForKey("savedRung"));
    d.setBool(false, "savedRung");
    EXPECT_FALSE(d.boolForKey("savedRung"));
    EXPECT_FALSE(d.dictionaryRepresentation().contains("AppleLanguages"));
}

TEST(UserDefaultsTest, StandardStoreLivesInTheDataFolderAndKnowsTheLanguages) {
    UserDefaults& d = UserDefaults::standard();
    EXPECT_EQ(d.filePath(), dataFolder() + "/UserDefaults.plist");
    EXPECT_TRUE(d.arrayForKey("AppleLanguages"));
    d.setObject(Value("kept"), "ZUNO_LOGIN_USERNAME");
    d.synchronize();
    UserDefaults::reopenStandard();
    EXPECT_EQ(UserDefaults::standard().stringForKey("ZUNO_LOGIN_USERNAME"), "kept");
}

TEST(UserDefaultsTest, ReadersAndWritersOnSeveralThreads) {
    std::string path = freshFile("threads");
    UserDefaults d(path);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&d, t] {
            for (int i = 0; i < 200; ++i) {
                d.setInteger(i, "key" + std::to_string(t));
                (void)d.integerForKey("key" + std::to_string((t + 1) % 4));
                if (i % 50 == 0) d.synchronize();
            }
        });
    }
    for (auto& th : threads) th.join();
    ASSERT_TRUE(d.synchronize());
    UserDefaults back(path);
    for (int t = 0; t < 4; ++t) EXPECT_EQ(back.integerForKey("key" + std::to_string(t)), 199);
}

TEST(UserDefaultsTest, AFailedWriteKeepsTheChangesForTheNextTry) {
    std::string folder = zuno::testing::makeTemporaryFolder("readonly");
    std::string path = folder + "/sub/UserDefaults.plist";
    UserDefaults d(path);
    d.setObject(Value("v"), "k");
    ::chmod(folder.c_str(), 0500);
    bool wrote = d.synchronize();
    ::chmod(folder.c_str(), 0700);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_FALSE(wrote);
        EXPECT_TRUE(d.synchronize());
    }
    EXPECT_EQ(UserDefaults(path).stringForKey("k"), "v");
}

// A data folder that cannot be made fails every save of the run: the user is told once, with the
// folder and the option that names another.
TEST(UserDefaultsTest, ADataFolderThatCannotBeMadeIsReportedOnceARun) {
    const std::string file = zuno::testing::makeTemporaryFolder("not-a-folder") + "/file";
    std::ofstream(file) << "a file where the folder would go";
    const std::string folder = file + "/zuno";
    setDataFolder(folder);
    UserDefaults::reopenStandard();
    Log::stopCapture();
    const std::string printed = zuno::testing::standardErrorOf([] {
        for (int i = 0; i < 5; ++i) {
            UserDefaults::standard().setInteger(i, "count");
            UserDefaults::standard().synchronize();
        }
        Device::uniqueIdentifier();
    });
    Log::startCapture();
    UserDefaults::reopenStandard();
    setDataFolder(zuno::testing::temporaryDataFolder());
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_NE(printed.find(folder), std::string::npos) << printed;
    EXPECT_NE(printed.find("--data"), std::string::npos) << printed;
}
