// What reaches the program of a table it has left. The stand-in's robot tables mark, in what the
// player's connection carries, where each table ended for him: an ignored command (76) sent as the
// table ends, before anything of its end. From that mark to the reply of the next join (8), every
// message the program hands to a game's decoder (none of the lobby's) belongs to the left table, and is
// kept here. After that reply the next table's messages come too: there the tables tell what a step of
// a table left sends, and that is kept as well. The program's connection hands its messages through
// here to the dispatcher.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "net/IMessageListener.h"

namespace zuno::standin {
class StandinRobotTables;
}

namespace zuno::testing {

class LeftTableMessages : public IMessageListener {
public:
    // Lives for the whole run: the connection may still hold it after a road.
    static LeftTableMessages& shared();

    // The robot tables mark each table's end; the program's connection is listened to (again after a
    // new connection gave it back to the dispatcher). Called as often as a road likes.
    void listenTo(standin::StandinRobotTables& tables);
    // The connection goes back to the dispatcher and all is forgotten.
    void stop();

    // The time, on the stand-in's clock (the program's, in step), by which every step of the last table
    // left has come due, once the mark of its end has arrived; none before.
    std::optional<double> lastTablesStepsDueBy() const;
    // The commands of a left table received since last asked.
    std::vector<int8_t> takeHeard();

    void onMessage(Message& message) override;
    void onDisconnected() override;
    void onConnectionFail() override;
    void onConnectionOK() override;

private:
    LeftTableMessages() = default;
    // On the stand-in's thread, with the tables' lock held: whether the end is to be marked (the tables
    // are still listened to).
    bool tableEnds(const standin::StandinRobotTables& tables);

    mutable std::mutex mutex_;
    standin::StandinRobotTables* tables_ = nullptr;
    std::deque<double> marksOnTheWay_;  // when every step of each table whose mark is on its way is due
    bool leftATable_ = false;           // between a mark and the next join's reply
    std::optional<double> stepsDueBy_;
    std::vector<int8_t> heard_;
};

}  // namespace zuno::testing
