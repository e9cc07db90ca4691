#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "standin-server/StandinBlocksRobot.h"
#include "standin-server/StandinBoardGame.h"

namespace zuno::standin {

// The Blocks tables of the stand-in (game 8) on the board-game base, without turns: each player's
// game runs on his own device. The start (20) carries a seeded shared sequence of piece kinds. While a
// game runs the robot reports its stack's height every few seconds (80 sub 1), sends the player garbage
// rows with random holes from its row clears (80 sub 0, with the rows it cleared) and raises the level
// now and then (80 sub 2). The player's device reports every landing and its loss (21, row -1): the loss
// ends the game, and the robot's stack overflows after a number of the player's landings (see
// StandinBlocksRobot); the result rows (37) follow.
class StandinBlocks : public StandinBoardGame {
public:
    static constexpr int8_t kGameType = 8;
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 17;
    static constexpr const char* kInvitation = "An invites you to a Blocks table.";
    static constexpr int8_t kSubGarbage = 0, kSubHeight = 1, kSubLevel = 2;

    struct Options {
        int sequenceLength = 64;
        int robotLosesAfter = 60;  // the player's landings
        // Seconds between the robot's height reports, its garbage and its level steps; 0 for never
        // (tests send them with the operations below).
        double heightEvery = 3;
        double garbageEvery = 9;
        double levelEvery = 40;
    };

    static std::shared_ptr<StandinBlocks> addTo(StandinRobotTables& tables, Options options);
    static std::shared_ptr<StandinBlocks> addTo(StandinRobotTables& tables) { return addTo(tables, Options()); }

    // Tests: the sequence of the game running or last played; the player's reports in it.
    std::vector<int8_t> sequence() const;
    std::vector<StandinBlocksRobot::Report> reports() const;
    // Tests, during a game at a Blocks table: the robot clears rows now and sends the player garbage with
    // these holes; it reports its height now; it raises the level now.
    void sendGarbage(int8_t cleared, std::vector<int8_t> holes);
    void sendHeight();
    void raiseLevel();

    int8_t gameType() const override { return kGameType; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return kBoard; }
    const char* invitationText() const override { return kInvitation; }

protected:
    void newGame(StandinRobotTables& table, int firstPlace) override;
    Message startMessage(const StandinRobotTables& table, int firstPlace) const override;
    void playerMoves(StandinRobotTables& table, int place, int8_t commandId, Message& request) override;
    void robotMoves(StandinRobotTables&, int) override {}
    bool turnBased() const override { return false; }

private:
    StandinBlocks(Options options, std::weak_ptr<StandinRobotTables> tables)
        : options_(options), tables_(std::move(tables)), robot_(options.robotLosesAfter) {}
    template <class Work>
    void duringGame(Work work);

    // Every operation below runs with the loop's lock held.
    void every(StandinRobotTables& table, double seconds, void (StandinBlocks::*step)(StandinRobotTables&));
    void heightStep(StandinRobotTables& table);
    void garbageStep(StandinRobotTables& table);
    void levelStep(StandinRobotTables& table);
    void garbage(StandinRobotTables& table, const StandinBlocksRobot::Garbage& rows);
    static Message blocksCommand(int8_t sub);

    const Options options_;
    std::weak_ptr<StandinRobotTables> tables_;
    StandinBlocksRobot robot_;
    std::vector<int8_t> sequence_;
    std::vector<StandinBlocksRobot::Report> reports_;
    uint64_t game_ = 0;  // the game the repeating steps belong to
};

}  // namespace zuno::standin
