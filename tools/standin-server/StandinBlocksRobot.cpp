#include "standin-server/StandinBlocksRobot.h"

#include <algorithm>

namespace zuno::standin {

StandinBlocksRobot::Report StandinBlocksRobot::Report::read(Message& request) {
    Report r;
    r.index = request.readByte();
    r.type = request.readByte();
    r.ro = request.readByte();
    r.posX = request.readByte();
    r.posY = request.readByte();
    r.idMessage = request.readInt();
    return r;
}

StandinBlocksRobot::StandinBlocksRobot(int losesAfter) : losesAfter_(std::max(1, losesAfter)) {}

std::vector<int8_t> StandinBlocksRobot::start(std::mt19937& random, int length) {
    landings_ = 0;
    level_ = 1;
    std::uniform_int_distribution<int> kind(0, kKinds - 1);
    std::vector<int8_t> sequence(static_cast<size_t>(std::max(1, length)));
    for (int8_t& k : sequence) k = static_cast<int8_t>(kind(random));
    return sequence;
}

bool StandinBlocksRobot::playerLanded() { return ++landings_ == losesAfter_; }

int8_t StandinBlocksRobot::height() const {
    return static_cast<int8_t>(std::min(landings_, losesAfter_) * kRows / losesAfter_);
}

StandinBlocksRobot::Garbage StandinBlocksRobot::clearRows(std::mt19937& random) {
    Garbage g;
    g.cleared = static_cast<int8_t>(std::uniform_int_distribution<int>(1, 4)(random));
    const int rows = g.cleared == 4 ? 4 : g.cleared - 1;
    std::uniform_int_distribution<int> column(0, kColumns - 1);
    for (int i = 0; i < rows; ++i) g.holes.push_back(static_cast<int8_t>(column(random)));
    return g;
}

std::optional<int8_t> StandinBlocksRobot::raiseLevel() {
    if (level_ >= kFastestLevel) return std::nullopt;
    return ++level_;
}

}  // namespace zuno::standin
