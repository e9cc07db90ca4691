#include "standin-server/StandinBlocks.h"

namespace zuno::standin {

namespace {
constexpr int8_t SC_START = 20;
constexpr int8_t SC_BLOCKS_COMMAND = 80;
}  // namespace

std::shared_ptr<StandinBlocks> StandinBlocks::addTo(StandinRobotTables& tables, Options options) {
    std::shared_ptr<StandinBlocks> game(new StandinBlocks(options, tables.weak_from_this()));
    tables.addGame(game);
    return game;
}

std::vector<int8_t> StandinBlocks::sequence() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return sequence_; }) : sequence_;
}

std::vector<StandinBlocksRobot::Report> StandinBlocks::reports() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return reports_; }) : reports_;
}

// Runs the work with the lock held while a game of Blocks is being played.
template <class Work>
void StandinBlocks::duringGame(Work work) {
    if (auto tables = tables_.lock())
        tables->locked([&] {
            if (tables->game() == this && tables->playing()) work(*tables);
        });
}

void StandinBlocks::sendGarbage(int8_t cleared, std::vector<int8_t> holes) {
    duringGame([&](StandinRobotTables& table) { garbage(table, {cleared, std::move(holes)}); });
}

void StandinBlocks::sendHeight() {
    duringGame([&](StandinRobotTables& table) { heightStep(table); });
}

void StandinBlocks::raiseLevel() {
    duringGame([&](StandinRobotTables& table) { levelStep(table); });
}

void StandinBlocks::newGame(StandinRobotTables& table, int) {
    ++game_;
    reports_.clear();
    sequence_ = robot_.start(table.random(), options_.sequenceLength);
    every(table, options_.heightEvery, &StandinBlocks::heightStep);
    every(table, options_.garbageEvery, &StandinBlocks::garbageStep);
    every(table, options_.levelEvery, &StandinBlocks::levelStep);
}

Message StandinBlocks::startMessage(const StandinRobotTables& table, int) const {
    Message m = table.tableMessage(SC_START);
    m.writeByte(static_cast<int8_t>(sequence_.size()));
    for (int8_t kind : sequence_) m.writeByte(kind);
    return m;
}

// The step again and again, every so many seconds, until this game is over.
void StandinBlocks::every(StandinRobotTables& table, double seconds, void (StandinBlocks::*step)(StandinRobotTables&)) {
    if (seconds <= 0) return;
    table.schedule(seconds, [this, &table, seconds, step, game = game_] {
        if (game != game_ || !table.playing()) return;
        (this->*step)(table);
        every(table, seconds, step);
    });
}

void StandinBlocks::playerMoves(StandinRobotTables& table, int place, int8_t, Message& request) {
    const auto report = StandinBlocksRobot::Report::read(request);
    reports_.push_back(report);
    if (report.loss()) {
        ended(table, other(place));
        return;
    }
    if (robot_.playerLanded()) {
        heightStep(table);  // the overflowing stack
        ended(table, place);
    }
}

Message StandinBlocks::blocksCommand(int8_t sub) {
    Message m(SC_BLOCKS_COMMAND);
    m.writeByte(sub);
    return m;
}

void StandinBlocks::heightStep(StandinRobotTables& table) {
    Message m = blocksCommand(kSubHeight);
    m.writeByte(robot_.height());
    table.send(m);
}

void StandinBlocks::garbageStep(StandinRobotTables& table) { garbage(table, robot_.clearRows(table.random())); }

void StandinBlocks::garbage(StandinRobotTables& table, const StandinBlocksRobot::Garbage& rows) {
    Message m = blocksCommand(kSubGarbage);
    m.writeByte(rows.cleared);
    m.writeInt(table.place(table.playerPlace()).id);
    m.writeByte(static_cast<int8_t>(rows.holes.size()));
    for (int8_t hole : rows.holes) m.writeByte(hole);
    table.send(m);
}

void StandinBlocks::levelStep(StandinRobotTables& table) {
    auto raised = robot_.raiseLevel();
    if (!raised) return;
    Message m = blocksCommand(kSubLevel);
    m.writeByte(*raised);
    table.send(m);
}

}  // namespace zuno::standin
