#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "lobby/model/Player.h"

namespace zuno::testing {

// A card table screen for the robot-table tests over TCP: what every card table shares, as one line
// each ("joined 1 2", "sits lan", "leaves 9001", "ready 9001 yes", "money 4711 900"), the seated
// players as the table shows them, my cards and who acts next. A game's double derives from it with its
// screen interface and records its deal.
template <class Screen>
class RecordingRobotTableScreen : public Screen {
public:
    using Players = typename Screen::Players;
    std::vector<std::string> events;
    Players seated;
    std::vector<int8_t> mine;
    int32_t next = -1;

    bool saw(const std::string& line) const { return std::find(events.begin(), events.end(), line) != events.end(); }
    bool sawPrefix(const std::string& prefix) const { return count(prefix) > 0; }
    size_t count(const std::string& prefix) const {
        return static_cast<size_t>(std::count_if(events.begin(), events.end(),
                                                 [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
    }
    template <class Seated>
    void show(int8_t room, int8_t board, const Seated& players) {
        room_ = room;
        board_ = board;
        seated.assign(players.begin(), players.end());
        events.push_back("joined " + std::to_string(room) + " " + std::to_string(board));
    }

    int8_t roomId() const override { return room_; }
    int8_t boardId() const override { return board_; }
    Players players() const override { return seated; }
    void setIsFirstMatch(bool) override {}
    void setDisableReady(bool) override {}
    void setModeWithHas(bool) override {}
    void resetSeat() override {}
    void resetReady() override {}
    void setAtSeat(int8_t seat, PlayerPtr p) override {
        if (seat >= 0 && static_cast<size_t>(seat) < seated.size()) seated[static_cast<size_t>(seat)] = p;
        events.push_back("sits " + p->name());
    }
    void playerLeaveWithId(int32_t id) override { events.push_back("leaves " + std::to_string(id)); }
    void setOwnerWithNewOwner(int32_t) override {}
    void setReadyWithPlayerId(int32_t id, bool on) override {
        events.push_back("ready " + std::to_string(id) + (on ? " yes" : " no"));
    }
    void showFlyTextWirhFromId(int32_t, int32_t) override {}
    void updateMoneyForPlayer(int32_t id, int32_t money) override {
        events.push_back("money " + std::to_string(id) + " " + std::to_string(money));
    }
    void onBuzzWithContent(const std::string&) override {}

private:
    int8_t room_ = -1, board_ = -1;
};

}  // namespace zuno::testing
