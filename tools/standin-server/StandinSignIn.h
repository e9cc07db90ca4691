#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "standin-server/StandinServer.h"

namespace zuno::standin {

// A player the stand-in server knows.
struct StandinAccount {
    StandinAccount(std::string name = {}, std::string password = {}, int32_t id = 0, int64_t money = 0,
                   int16_t avatar = 0, int32_t exp = 0)
        : name(std::move(name)), password(std::move(password)), id(id), money(money), avatar(avatar), exp(exp) {}

    std::string name;
    std::string password;
    int32_t id = 0;
    int64_t money = 0;
    int16_t avatar = 0;
    int32_t exp = 0;
    // Games won, lost, drawn and given up, and the status line others see.
    int32_t won = 0;
    int32_t lost = 0;
    int32_t drawn = 0;
    int32_t givenUp = 0;
    std::optional<std::string> status;
    // A robot never connects; it counts as online while this is set.
    bool robot = false;
    bool robotOnline = false;
    std::vector<int32_t> friendIds;
};

// The sign-in road of the stand-in server: it answers the client information (-36) with a status,
// the information request (72) with the text it holds for the key, the login (1) with the
// account's data (3) or a refusal (4), the registration (35) with its answer (35): a free name
// becomes an account at once, and the forgotten password's SMS request (73, key 1) with the SMS text
// and number (73). The second client information (-35) is taken silently.
//
// It remembers which connection signed in as which account and keeps every account's balance, so that
// other pieces of the stand-in can charge, pay and reach a signed-in player. The balance lives here
// alone: whoever shows or changes an account's money reads it and changes it here, never a copy.
class StandinSignIn {
public:
    static constexpr const char* kLoginRefused = "Wrong user name or password.";
    static constexpr const char* kLoginRefusedVi = "Sai tên đăng nhập hoặc mật khẩu.";
    // What a registration answer asks the player to send by SMS, and where.
    static constexpr const char* kRegisterSmsPrefix = "ZUNO DK";
    static constexpr const char* kRegisterSmsNumber = "8785";
    static constexpr int64_t kNewAccountMoney = 100000;
    // The forgotten password's SMS: its text (the player's name takes the place of the "?") and number.
    static constexpr int8_t kPasswordSmsKey = 1;
    static constexpr const char* kPasswordSmsText = "ZUNO MK ?";
    static constexpr const char* kPasswordSmsNumber = "8785";
    // The hotline's number, the answer to information key 2.
    static constexpr const char* kHotline = "19001234";

    // Registers the handlers; the returned object stays alive with them.
    static std::shared_ptr<StandinSignIn> installOn(StandinServer& server);

    void addAccount(StandinAccount account);
    std::optional<StandinAccount> account(const std::string& name) const;
    std::optional<StandinAccount> accountWithId(int32_t id) const;
    std::vector<StandinAccount> accounts() const;
    // Replaces what the account with the same id holds; its name stays its key and its balance stays
    // what the balance operations made it. False if none has the id.
    bool updateAccount(const StandinAccount& account);

    // The account a connection signed in as (the latest sign-in of that connection); none before.
    std::optional<StandinAccount> accountOf(const StandinSession& session) const;
    // The open connection signed in as the account most recently; none when it is not connected.
    std::shared_ptr<StandinSession> sessionOf(int32_t accountId) const;
    // Sends to the account's connection; false when it has none.
    bool sendTo(int32_t accountId, const Message& message) const;
    // A robot marked online, or an account with an open connection.
    bool isOnline(int32_t accountId) const;

    // Balances by account id; none (or false) for an unknown id. add returns the new balance.
    std::optional<int64_t> balance(int32_t accountId) const;
    bool setBalance(int32_t accountId, int64_t money);
    std::optional<int64_t> addToBalance(int32_t accountId, int64_t amount);
    // Takes the amount when the balance holds it, in one step: the new balance, or none (and nothing
    // taken) for an unknown id or a balance too small.
    std::optional<int64_t> spend(int32_t accountId, int64_t amount);
    // The status that answers the client information: 1 accepts, anything else refuses.
    void setClientInformationStatus(int8_t status);
    // The text for an information key; a key without one is answered with no text. Key 2 (the
    // hotline) holds kHotline and key 8 (the SMS permission list) "1-2.3.0" from the start.
    void setInfo(int8_t key, std::string text) { setInfo(key, text, text); }
    // The same in English and in Vietnamese: the session's language picks one.
    void setInfo(int8_t key, std::string english, std::string vietnamese);

private:
    StandinSignIn();
    void answerClientInformation(StandinSession& session);
    void answerInfo(StandinSession& session, Message& request);
    void answerLogin(StandinSession& session, Message& request);
    void answerRegister(StandinSession& session, Message& request);
    void answerSmsInfo(StandinSession& session, Message& request);

    StandinAccount* findById(int32_t id);
    const StandinAccount* findById(int32_t id) const;
    std::shared_ptr<StandinSession> openSessionOf(int32_t accountId) const;

    mutable std::mutex mutex_;
    std::map<std::string, StandinAccount> accounts_;
    // Who each connection signed in as.
    std::map<const StandinSession*, std::pair<std::weak_ptr<StandinSession>, int32_t>> signedIn_;
    std::map<int8_t, std::pair<std::string, std::string>> infos_;  // English, Vietnamese
    int8_t clientInformationStatus_ = 1;
    int32_t nextAccountId_ = 5001;
};

}  // namespace zuno::standin
