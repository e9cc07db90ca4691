#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "net/Message.h"

namespace zuno::standin {

// What the stand-in's Blocks robot "plays": it keeps no well of its own, only the numbers the server
// sends for it. Its stack grows with the player's landings and overflows after a number of them (the
// robot loses then); its row clears turn into garbage rows for the player; the speed level rises step by
// step to the fastest.
class StandinBlocksRobot {
public:
    static constexpr int kKinds = 7;
    static constexpr int kRows = 20;
    static constexpr int kColumns = 10;
    static constexpr int8_t kFastestLevel = 5;

    // One piece the player's device reports (21): a landing, or the loss, which it sends with row -1.
    struct Report {
        int8_t index = 0, type = 0, ro = 0, posX = 0, posY = 0;
        int32_t idMessage = 0;
        bool loss() const { return posY == -1; }
        static Report read(Message& request);
    };
    struct Garbage {
        int8_t cleared = 0;         // the rows the robot cleared
        std::vector<int8_t> holes;  // a hole column for each garbage row sent
    };

    // `losesAfter`: the player's landings after which the robot's stack overflows (at least 1).
    explicit StandinBlocksRobot(int losesAfter);

    // A new game: the shared piece sequence of `length` kinds; the stack empty, level 1.
    std::vector<int8_t> start(std::mt19937& random, int length);
    // The player landed a piece; true when the robot's stack has just overflowed.
    bool playerLanded();
    // The robot's stack in rows, 0..20, rising evenly towards the overflow.
    int8_t height() const;
    // The robot clears one to four rows at once; the player gets one row fewer (all four for four), each
    // with a hole in a random column.
    Garbage clearRows(std::mt19937& random);
    // One level faster; none when already the fastest.
    std::optional<int8_t> raiseLevel();
    int8_t level() const { return level_; }
    int landings() const { return landings_; }

private:
    int losesAfter_;
    int landings_ = 0;
    int8_t level_ = 1;
};

}  // namespace zuno::standin
