#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "standin-server/StandinServer.h"

namespace zuno::standin {

// A player the stand-in server knows.
struct StandinAccount {
    std::string name;
    std::string password;
    int32_t id = 0;
    int64_t money = 0;
    int16_t avatar = 0;
    int32_t exp = 0;
};

// The sign-in road of the stand-in server: it answers the client information (-36) with a status,
// the information request (72) with the text it holds for the key, the login (1) with the
// account's data (3) or a refusal (4), and the registration (35) with its answer (35): a free name
// becomes an account at once. The second client information (-35) is taken silently.
class StandinSignIn {
public:
    static constexpr const char* kLoginRefused = "Wrong user name or password.";
    // What a registration answer asks the player to send by SMS, and where.
    static constexpr const char* kRegisterSmsPrefix = "ZUNO DK";
    static constexpr const char* kRegisterSmsNumber = "8785";
    static constexpr int64_t kNewAccountMoney = 100000;

    // Registers the handlers; the returned object stays alive with them.
    static std::shared_ptr<StandinSignIn> installOn(StandinServer& server);

    void addAccount(StandinAccount account);
    std::optional<StandinAccount> account(const std::string& name) const;
    // The status that answers the client information: 1 accepts, anything else refuses.
    void setClientInformationStatus(int8_t status);
    // The text for an information key; a key without one is answered with no text. Key 8 (the SMS
    // permission list) holds "1-2.3.0" from the start.
    void setInfo(int8_t key, std::string text);

private:
    StandinSignIn();
    void answerClientInformation(StandinSession& session);
    void answerInfo(StandinSession& session, Message& request);
    void answerLogin(StandinSession& session, Message& request);
    void answerRegister(StandinSession& session, Message& request);

    mutable std::mutex mutex_;
    std::map<std::string, StandinAccount> accounts_;
    std::map<int8_t, std::string> infos_;
    int8_t clientInformationStatus_ = 1;
    int32_t nextAccountId_ = 5001;
};

}  // namespace zuno::standin
