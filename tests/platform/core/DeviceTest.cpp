#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/DataFolder.h"
#include "platform/core/Device.h"

using namespace zuno::sys;

namespace {
// Sets environment variables for one test and puts them back afterwards.
class Environment {
public:
    void set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~Environment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
}  // namespace

TEST(DeviceTest, ADesktopHasNoCarrierAndCannotPassForAPhone) {
    EXPECT_EQ(Device::carrierName(), std::nullopt);
    EXPECT_NE(Device::model(), "iPhone");
    std::string version = Device::systemVersion();
    ASSERT_FALSE(version.empty());
    EXPECT_EQ(version.find_first_not_of("0123456789."), std::string::npos) << version;
}

TEST(DeviceTest, TheIdentifierIsMadeOnceAndKept) {
    std::string id = Device::uniqueIdentifier();
    EXPECT_EQ(id.size(), 32u);
    EXPECT_EQ(Device::uniqueIdentifier(), id);
    // Kept in the data folder: another folder (another user) gets its own.
    std::string folder = dataFolder();
    setDataFolder(folder + "/other-user");
    std::string other = Device::uniqueIdentifier();
    EXPECT_NE(other, id);
    setDataFolder(folder);
    EXPECT_EQ(Device::uniqueIdentifier(), id);
}

TEST(DeviceTest, LanguagesComeFromTheEnvironment) {
    Environment env;
    env.set("LC_ALL", nullptr);
    env.set("LC_MESSAGES", nullptr);
    env.set("LANG", "vi_VN.UTF-8");
    env.set("LANGUAGE", "vi:en_GB:vi");
    EXPECT_EQ(Device::preferredLanguages(), (std::vector<std::string>{"vi", "en"}));
    env.set("LANGUAGE", nullptr);
    env.set("LC_ALL", "fr_FR.UTF-8");
    EXPECT_EQ(Device::preferredLanguages(), (std::vector<std::string>{"fr"}));
    env.set("LC_ALL", "C");
    env.set("LANG", nullptr);
    EXPECT_EQ(Device::preferredLanguages(), (std::vector<std::string>{"en"}));
    EXPECT_EQ(Device::languageOfLocale("POSIX"), std::nullopt);
    EXPECT_EQ(Device::languageOfLocale("de@euro"), "de");
}

TEST(DeviceTest, TestsCanPretendToBeAPhone) {
    DeviceInfo phone = Device::current();
    phone.model = "iPhone";
    phone.systemVersion = "4.3";
    phone.carrierName = "Viettel";
    Device::override(phone);
    EXPECT_EQ(Device::model(), "iPhone");
    EXPECT_EQ(Device::carrierName(), "Viettel");
    Device::clearOverride();
    EXPECT_EQ(Device::carrierName(), std::nullopt);
}
