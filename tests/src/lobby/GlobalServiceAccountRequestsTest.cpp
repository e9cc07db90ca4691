#include <gtest/gtest.h>

#include "LobbyRequestFixture.h"
#include "lobby/model/User.h"
#include "platform/core/UserDefaults.h"

using namespace zuno;
using zuno::testing::bytes;
using zuno::testing::int32Bytes;
using zuno::testing::LobbyRequestTest;
using zuno::testing::utf;

namespace {
using AccountRequestTest = LobbyRequestTest;

User profile() {
    User u;
    u.setFullname("Nam");
    u.setGender(1);
    u.setBirthYear(1990);
    u.setAddress("Hà Nội");
    u.setIdnumber("012");
    u.setStatus("vui");
    u.setPhoneNum("0912");
    u.setProvinceId(5);
    return u;
}

sys::Data profileBytes(const std::string& address) {
    return bytes({{41}, utf("Nam"), {1}, int32Bytes(1990), utf(address), utf("012"), utf("vui"), utf("0912"), {5}});
}
}  // namespace

TEST_F(AccountRequestTest, RegistrationStoresTheNewAccountAndSends) {
    service().requestRegisterWithUsername("nam", "pw");
    EXPECT_EQ(session->lastBytes(), bytes({{35}, utf("nam"), utf("pw")}));
    auto& defaults = sys::UserDefaults::standard();
    EXPECT_EQ(defaults.stringForKey("uname"), "nam");
    EXPECT_EQ(defaults.stringForKey("password"), "pw");
    EXPECT_EQ(defaults.stringForKey("ZUNO_REGISTER_PASSWORD"), "pw");

    service().requestRegisterWithUsername(std::nullopt, "pw");
    EXPECT_EQ(session->lastBytes(), bytes({{35}, utf(""), utf("pw")}));
}

TEST_F(AccountRequestTest, ProfileUpdateEndsWithTheProvinceUnlessThePasswordChanges) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(std::string("pending")), "ZUNO_LOGIN_NEWPASS");
    User plain = profile();
    plain.setNewPass("ignored");
    service().updateDateProfileWithUser(plain);
    EXPECT_EQ(session->lastBytes(), profileBytes("Hà Nội"));
    // A plain edit leaves the password kept aside alone.
    EXPECT_EQ(defaults.stringForKey("ZUNO_LOGIN_NEWPASS"), "pending");

    User change = profile();
    change.setIsChangePass(true);
    change.setOldPass("old");
    change.setNewPass("new");
    service().updateDateProfileWithUser(change);
    EXPECT_EQ(session->lastBytes(), bytes({profileBytes("Hà Nội"), utf("old"), utf("new")}));
    EXPECT_EQ(defaults.stringForKey("ZUNO_LOGIN_NEWPASS"), "new");
}

TEST_F(AccountRequestTest, ProfileWithMissingTextsKeepsEveryFieldInPlace) {
    User u = profile();
    u.setAddress(std::nullopt);
    service().updateDateProfileWithUser(u);
    EXPECT_EQ(session->lastBytes(), profileBytes(""));

    User bare;
    bare.setIsChangePass(true);
    bare.setNewPass("new");
    service().updateDateProfileWithUser(bare);
    EXPECT_EQ(session->lastBytes(), bytes({{41}, utf(""), {0}, int32Bytes(0), utf(""), utf(""), utf(""), utf(""),
                                          {0}, utf(""), utf("new")}));
}

TEST_F(AccountRequestTest, UserDataAndInformation) {
    expectEach({
        {"own data", [](GlobalService& s) { s.requestUserData(); }, {40, 1}},
        {"achievements", [](GlobalService& s) { s.requestUserAchievementWithGameId(4); }, {40, 3, 4}},
        {"information", [](GlobalService& s) { s.getInfoWithKey(8); }, {72, 8}},
        {"information key cut to a byte", [](GlobalService& s) { s.getInfoWithKey(257); }, {72, 1}},
        {"SMS syntax", [](GlobalService& s) { s.getSMSInfoWithKey(1); }, {73, 1}},
        {"language", [](GlobalService& s) { s.setLanguageForAppWithSubId(1, "en"); },
         bytes({{100}, int32Bytes(1), utf("en")})},
        {"ranking list", [](GlobalService& s) { s.getListWithType(1); }, {78, 1}},
        {"province list", [](GlobalService& s) { s.getListWithType(3); }, {78, 3}},
    });
}

TEST_F(AccountRequestTest, FriendsChatAndMail) {
    expectEach({
        {"friends", [](GlobalService& s) { s.requestFriendList(); }, {29}},
        {"friends from the menu", [](GlobalService& s) { s.requestFriendList(29); }, {29}},
        {"add", [](GlobalService& s) { s.addFriendWithId(300); }, {32, 0, 0, 1, 0x2C}},
        {"delete", [](GlobalService& s) { s.deleteFriend(300); }, {33, 0, 0, 1, 0x2C}},
        {"search", [](GlobalService& s) { s.searchFriend("tuan"); }, bytes({{36}, utf("tuan")})},
        {"feedback", [](GlobalService& s) { s.chatToWithIDDB(5, "hi"); }, bytes({{5}, int32Bytes(5), utf("hi")})},
    });
}

TEST_F(AccountRequestTest, Rankings) {
    expectEach({
        {"strongest: game first, page second", [](GlobalService& s) { s.requestStrongestWithPage(2, 3); },
         {30, 3, 0, 0, 0, 2}},
        {"richest page cut to a byte", [](GlobalService& s) { s.requestRichestWithPage(258); }, {31, 2}},
    });
}
