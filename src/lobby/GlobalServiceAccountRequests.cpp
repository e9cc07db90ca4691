// The player's account, the server's information texts and settings, friends and mail, rankings.
#include "lobby/GlobalService.h"
#include "lobby/model/User.h"
#include "platform/core/UserDefaults.h"

namespace zuno {

namespace {
sys::Value textValue(const std::optional<std::string>& text) { return text ? sys::Value(*text) : sys::Value(); }
}  // namespace

void GlobalService::requestRegisterWithUsername(const std::optional<std::string>& username,
                                                const std::optional<std::string>& password) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(textValue(username), "uname");
    defaults.setObject(textValue(password), "password");
    defaults.setObject(textValue(password), "ZUNO_REGISTER_PASSWORD");
    send(35, [&](Message& m) {
        writeTextInPlace(m, username);
        m.writeUTF(password);
    });
}

void GlobalService::updateDateProfileWithUser(const User& user) {
    // Kept aside until the server confirms the change; a plain profile edit must leave it alone.
    if (user.isChangePass()) sys::UserDefaults::standard().setObject(textValue(user.newPass()), "ZUNO_LOGIN_NEWPASS");
    {
        std::lock_guard<std::mutex> lock(mutex_);
        unconfirmedUpdates_.push_back(user.isChangePass());
    }
    send(41, [&](Message& m) {
        writeTextInPlace(m, user.fullname());
        m.writeByte(user.gender());
        m.writeInt(user.birthYear());
        writeTextInPlace(m, user.address());
        writeTextInPlace(m, user.idnumber());
        writeTextInPlace(m, user.status());
        writeTextInPlace(m, user.phoneNum());
        m.writeByte(user.provinceId());
        if (user.isChangePass()) {
            writeTextInPlace(m, user.oldPass());
            m.writeUTF(user.newPass());
        }
    });
}

bool GlobalService::takeConfirmedUpdateChangedPassword() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (unconfirmedUpdates_.empty()) return false;
    const bool changed = unconfirmedUpdates_.front();
    unconfirmedUpdates_.pop_front();
    return changed;
}

void GlobalService::forgetUnconfirmedUpdates() {
    std::lock_guard<std::mutex> lock(mutex_);
    unconfirmedUpdates_.clear();
}

void GlobalService::requestUserData() {
    send(40, [](Message& m) { m.writeByte(1); });
}

void GlobalService::requestUserAchievementWithGameId(int8_t gameId) {
    send(40, [&](Message& m) {
        m.writeByte(3);
        m.writeByte(gameId);
    });
}

void GlobalService::getInfoWithKey(int32_t key) {
    send(72, [&](Message& m) { m.writeByte(static_cast<int8_t>(key)); });
}

void GlobalService::getSMSInfoWithKey(int32_t key) {
    send(73, [&](Message& m) { m.writeByte(static_cast<int8_t>(key)); });
}

void GlobalService::setLanguageForAppWithSubId(int32_t subId, const std::optional<std::string>& info) {
    send(100, [&](Message& m) {
        m.writeInt(subId);
        m.writeUTF(info);
    });
}

void GlobalService::getListWithType(int32_t type) {
    send(78, [&](Message& m) { m.writeByte(static_cast<int8_t>(type)); });
}

void GlobalService::requestFriendList() { send(29); }

void GlobalService::requestFriendList(int8_t) { requestFriendList(); }

void GlobalService::addFriendWithId(int32_t userId) {
    send(32, [&](Message& m) { m.writeInt(userId); });
}

void GlobalService::deleteFriend(int32_t userId) {
    send(33, [&](Message& m) { m.writeInt(userId); });
}

void GlobalService::searchFriend(const std::optional<std::string>& nick) {
    send(36, [&](Message& m) { m.writeUTF(nick); });
}

void GlobalService::chatToWithIDDB(int32_t userId, const std::optional<std::string>& content) {
    send(5, [&](Message& m) {
        m.writeInt(userId);
        m.writeUTF(content);
    });
}

void GlobalService::requestStrongestWithPage(int32_t page, int8_t gameId) {
    send(30, [&](Message& m) {
        m.writeByte(gameId);
        m.writeInt(page);
    });
}

void GlobalService::requestRichestWithPage(int32_t page) {
    send(31, [&](Message& m) { m.writeByte(static_cast<int8_t>(page)); });
}

}  // namespace zuno
