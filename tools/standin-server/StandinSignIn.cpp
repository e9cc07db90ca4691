#include "standin-server/StandinSignIn.h"

#include "platform/core/Log.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_CLIENT_INFORMATION = -36;
constexpr int8_t CS_CLIENT_INFORMATION_V2 = -35;
constexpr int8_t CS_LOGIN = 1;
constexpr int8_t CS_GET_INFO = 72;
constexpr int8_t CS_REGISTER = 35;
constexpr int8_t CS_GET_SMS_INFO = 73;
constexpr int8_t SC_REGISTER_INFO = 35;
constexpr int8_t SC_CLIENT_INFORMATION = -36;
constexpr int8_t SC_LOGIN_SUCCESS = 3;
constexpr int8_t SC_LOGIN_FAIL = 4;
constexpr int8_t SC_GET_INFO = 72;
constexpr int8_t SC_GET_SMS_SYNTAX = 73;
constexpr int8_t kInfoWithoutText = -1;
}  // namespace

StandinSignIn::StandinSignIn() {
    infos_[2] = {kHotline, kHotline};
    infos_[8] = {"1-2.3.0", "1-2.3.0"};
}

std::shared_ptr<StandinSignIn> StandinSignIn::installOn(StandinServer& server) {
    std::shared_ptr<StandinSignIn> signIn(new StandinSignIn());
    server.on(CS_CLIENT_INFORMATION, [signIn](StandinSession& s, Message&) { signIn->answerClientInformation(s); });
    server.on(CS_CLIENT_INFORMATION_V2, [](StandinSession&, Message&) {});
    server.on(CS_GET_INFO, [signIn](StandinSession& s, Message& m) { signIn->answerInfo(s, m); });
    server.on(CS_LOGIN, [signIn](StandinSession& s, Message& m) { signIn->answerLogin(s, m); });
    server.on(CS_REGISTER, [signIn](StandinSession& s, Message& m) { signIn->answerRegister(s, m); });
    server.on(CS_GET_SMS_INFO, [signIn](StandinSession& s, Message& m) { signIn->answerSmsInfo(s, m); });
    return signIn;
}

void StandinSignIn::addAccount(StandinAccount account) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string name = account.name;
    accounts_[name] = std::move(account);
}

std::optional<StandinAccount> StandinSignIn::account(const std::string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = accounts_.find(name);
    if (it == accounts_.end()) return std::nullopt;
    return it->second;
}

std::optional<StandinAccount> StandinSignIn::accountWithId(int32_t id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const StandinAccount* found = findById(id);
    if (found == nullptr) return std::nullopt;
    return *found;
}

std::vector<StandinAccount> StandinSignIn::accounts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<StandinAccount> all;
    for (const auto& [name, account] : accounts_) all.push_back(account);
    return all;
}

bool StandinSignIn::updateAccount(const StandinAccount& account) {
    std::lock_guard<std::mutex> lock(mutex_);
    StandinAccount* found = findById(account.id);
    if (found == nullptr) return false;
    const std::string name = found->name;
    const int64_t money = found->money;
    *found = account;
    found->name = name;
    found->money = money;
    return true;
}

StandinAccount* StandinSignIn::findById(int32_t id) {
    for (auto& [name, account] : accounts_)
        if (account.id == id) return &account;
    return nullptr;
}

const StandinAccount* StandinSignIn::findById(int32_t id) const {
    for (const auto& [name, account] : accounts_)
        if (account.id == id) return &account;
    return nullptr;
}

std::optional<StandinAccount> StandinSignIn::accountOf(const StandinSession& session) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = signedIn_.find(&session);
    if (it == signedIn_.end() || it->second.first.expired()) return std::nullopt;
    const StandinAccount* found = findById(it->second.second);
    if (found == nullptr) return std::nullopt;
    return *found;
}

std::shared_ptr<StandinSession> StandinSignIn::openSessionOf(int32_t accountId) const {
    std::shared_ptr<StandinSession> latest;
    for (const auto& [key, entry] : signedIn_) {
        if (entry.second != accountId) continue;
        std::shared_ptr<StandinSession> session = entry.first.lock();
        if (session && !session->isClosed()) latest = session;
    }
    return latest;
}

std::shared_ptr<StandinSession> StandinSignIn::sessionOf(int32_t accountId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return openSessionOf(accountId);
}

bool StandinSignIn::sendTo(int32_t accountId, const Message& message) const {
    std::shared_ptr<StandinSession> session = sessionOf(accountId);
    return session && session->send(message);
}

bool StandinSignIn::isOnline(int32_t accountId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const StandinAccount* found = findById(accountId);
    if (found != nullptr && found->robot) return found->robotOnline;
    return openSessionOf(accountId) != nullptr;
}

std::optional<int64_t> StandinSignIn::balance(int32_t accountId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const StandinAccount* found = findById(accountId);
    if (found == nullptr) return std::nullopt;
    return found->money;
}

bool StandinSignIn::setBalance(int32_t accountId, int64_t money) {
    std::lock_guard<std::mutex> lock(mutex_);
    StandinAccount* found = findById(accountId);
    if (found == nullptr) return false;
    found->money = money;
    return true;
}

std::optional<int64_t> StandinSignIn::addToBalance(int32_t accountId, int64_t amount) {
    std::lock_guard<std::mutex> lock(mutex_);
    StandinAccount* found = findById(accountId);
    if (found == nullptr) return std::nullopt;
    found->money += amount;
    return found->money;
}

std::optional<int64_t> StandinSignIn::spend(int32_t accountId, int64_t amount) {
    std::lock_guard<std::mutex> lock(mutex_);
    StandinAccount* found = findById(accountId);
    if (found == nullptr || found->money < amount) return std::nullopt;
    found->money -= amount;
    return found->money;
}

void StandinSignIn::setClientInformationStatus(int8_t status) {
    std::lock_guard<std::mutex> lock(mutex_);
    clientInformationStatus_ = status;
}

void StandinSignIn::setInfo(int8_t key, std::string english, std::string vietnamese) {
    std::lock_guard<std::mutex> lock(mutex_);
    infos_[key] = {std::move(english), std::move(vietnamese)};
}

void StandinSignIn::answerClientInformation(StandinSession& session) {
    Message answer(SC_CLIENT_INFORMATION);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        answer.writeByte(clientInformationStatus_);
    }
    session.send(answer);
}

void StandinSignIn::answerInfo(StandinSession& session, Message& request) {
    const int8_t key = request.readByte();
    std::optional<std::pair<std::string, std::string>> texts;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = infos_.find(key);
        if (it != infos_.end()) texts = it->second;
    }
    Message answer(SC_GET_INFO);
    if (texts) {
        answer.writeByte(key);
        answer.writeUTF(session.say(texts->first, texts->second));
    } else {
        answer.writeByte(kInfoWithoutText);
        answer.writeByte(key);
    }
    session.send(answer);
}

void StandinSignIn::answerLogin(StandinSession& session, Message& request) {
    const std::string name = request.readUTF().value_or(std::string());
    const std::string password = request.readUTF().value_or(std::string());
    std::optional<StandinAccount> account;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = accounts_.find(name);
        if (it != accounts_.end() && it->second.password == password && !it->second.robot) {
            account = it->second;
            // Entries of connections that are gone make room; their sessions are no longer alive.
            for (auto entry = signedIn_.begin(); entry != signedIn_.end();)
                entry = entry->second.first.expired() ? signedIn_.erase(entry) : std::next(entry);
            signedIn_[&session] = {session.weak_from_this(), account->id};
        }
    }
    if (!account) {
        sys::Log::format("StandinServer: login of \"%s\" refused", name.c_str());
        Message refusal(SC_LOGIN_FAIL);
        refusal.writeUTF(session.say(kLoginRefused, kLoginRefusedVi));
        session.send(refusal);
        return;
    }
    Message success(SC_LOGIN_SUCCESS);
    success.writeInt(account->id);
    success.writeLong(account->money);
    success.writeShort(account->avatar);
    success.writeInt(account->exp);
    session.send(success);
}

void StandinSignIn::answerRegister(StandinSession& session, Message& request) {
    const std::string name = request.readUTF().value_or(std::string());
    const std::string password = request.readUTF().value_or(std::string());
    bool free = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!name.empty() && !accounts_.count(name)) {
            free = true;
            accounts_[name] = StandinAccount{name, password, nextAccountId_++, kNewAccountMoney, 0, 0};
        }
    }
    sys::Log::format("StandinServer: registration of \"%s\" %s", name.c_str(), free ? "accepted" : "refused");
    Message answer(SC_REGISTER_INFO);
    answer.writeUTF(name);
    answer.writeBool(free);
    answer.writeUTF(std::string(kRegisterSmsPrefix) + " " + name);
    answer.writeUTF(std::string(kRegisterSmsNumber));
    session.send(answer);
}

void StandinSignIn::answerSmsInfo(StandinSession& session, Message& request) {
    const int8_t key = request.readByte();
    if (key != kPasswordSmsKey) {
        sys::Log::format("StandinServer: no SMS for key %d", int(key));
        return;
    }
    Message answer(SC_GET_SMS_SYNTAX);
    answer.writeByte(key);
    answer.writeUTF(std::string(kPasswordSmsText));
    answer.writeUTF(std::string(kPasswordSmsNumber));
    session.send(answer);
}

}  // namespace zuno::standin
