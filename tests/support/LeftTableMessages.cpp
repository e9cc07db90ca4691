#include "support/LeftTableMessages.h"

#include <utility>

#include "lobby/GlobalMessageHandler.h"
#include "lobby/decoders/LobbyDecoders.h"
#include "net/MobileClient.h"
#include "standin-server/StandinRobotTables.h"
#include "table/TableWire.h"

namespace zuno::testing {

LeftTableMessages& LeftTableMessages::shared() {
    static LeftTableMessages* instance = new LeftTableMessages();
    return *instance;
}

void LeftTableMessages::listenTo(standin::StandinRobotTables& tables) {
    bool marking = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        marking = tables_ == &tables;
        tables_ = &tables;
    }
    // Outside our lock: the mark is made with the tables' lock held, and takes ours.
    if (!marking) {
        tables.whenATableEnds([this, &tables](standin::StandinSession& player) {
            if (tableEnds(tables)) player.send(Message(LobbyCommand::SC_IGNORED));
        });
        tables.whenALeftTableSpeaks([this](const Message& message) {
            std::lock_guard<std::mutex> lock(mutex_);
            heard_.push_back(message._commandId());
        });
    }
    auto client = MobileClient::getInstance();
    if (client->delegate() == &GlobalMessageHandler::getInstance()) client->setDelegate(this);
}

void LeftTableMessages::stop() {
    auto client = MobileClient::getInstance();
    if (client->delegate() == this) client->setDelegate(&GlobalMessageHandler::getInstance());
    std::lock_guard<std::mutex> lock(mutex_);
    tables_ = nullptr;
    marksOnTheWay_.clear();
    leftATable_ = false;
    stepsDueBy_.reset();
    heard_.clear();
}

bool LeftTableMessages::tableEnds(const standin::StandinRobotTables& tables) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (tables_ != &tables) return false;
    marksOnTheWay_.push_back(tables.now() + tables.longestStep());
    return true;
}

std::optional<double> LeftTableMessages::lastTablesStepsDueBy() const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!marksOnTheWay_.empty()) return std::nullopt;
    return stepsDueBy_;
}

std::vector<int8_t> LeftTableMessages::takeHeard() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(heard_, {});
}

void LeftTableMessages::onMessage(Message& message) {
    const int8_t command = message._commandId();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (command == LobbyCommand::SC_IGNORED && !marksOnTheWay_.empty()) {
            leftATable_ = true;
            stepsDueBy_ = marksOnTheWay_.front();
            marksOnTheWay_.pop_front();
        } else if (command == TableCommand::SC_JOINBOARD_SUCCESS) {
            leftATable_ = false;
        } else if (leftATable_ && command != LobbyCommand::SC_IGNORED && !lobbyDecoderFor(command)) {
            heard_.push_back(command);
        }
    }
    GlobalMessageHandler::getInstance().onMessage(message);
}

void LeftTableMessages::onDisconnected() { GlobalMessageHandler::getInstance().onDisconnected(); }

void LeftTableMessages::onConnectionFail() { GlobalMessageHandler::getInstance().onConnectionFail(); }

void LeftTableMessages::onConnectionOK() { GlobalMessageHandler::getInstance().onConnectionOK(); }

}  // namespace zuno::testing
