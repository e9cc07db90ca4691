#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ViewController.h"

namespace zuno::testing {

// "[1 2 3]": a list of numbers as one word of a recorded line.
template <class List>
std::string numberList(const List& values) {
    std::string out;
    for (auto v : values) {
        if (!out.empty()) out += ' ';
        out += std::to_string(v);
    }
    return "[" + out + "]";
}

// A card table screen as the handlers see it: each operation every card table shares, in order, as one
// line. A game's recording screen derives from it with its screen interface and adds its deal.
template <class Screen>
class RecordingCardTableScreen : public ui::ViewController, public Screen {
public:
    using Players = typename Screen::Players;
    RecordingCardTableScreen(int8_t room, int8_t board, Players seated)
        : seated(std::move(seated)), room_(room), board_(board) {}
    std::vector<std::string> calls;
    Players seated;

    int8_t roomId() const override { return room_; }
    int8_t boardId() const override { return board_; }
    Players players() const override { return seated; }
    void setDisableReady(bool on) override { add("disableReady", on); }
    void setModeWithHas(bool on) override { add("mode", on); }
    void resetSeat() override { calls.push_back("resetSeat"); }
    void resetReady() override { calls.push_back("resetReady"); }
    void setAtSeat(int8_t seat, PlayerPtr p) override {
        calls.push_back("atSeat " + std::to_string(seat) + " " + std::to_string(p->IDDB()) + (p->isReady() ? " ready" : ""));
    }
    void playerLeaveWithId(int32_t id) override { calls.push_back("leave " + std::to_string(id)); }
    void setOwnerWithNewOwner(int32_t id) override { calls.push_back("owner " + std::to_string(id)); }
    void setReadyWithPlayerId(int32_t id, bool on) override { add("ready " + std::to_string(id), on); }
    void onChatFromWithId(int32_t id, const std::optional<std::string>&, const std::string& text) override {
        calls.push_back("chat " + std::to_string(id) + ": " + text);
    }
    void showFlyTextWirhFromId(int32_t id, int32_t money) override {
        calls.push_back("fly " + std::to_string(id) + " " + std::to_string(money));
    }
    void updateMoneyForPlayer(int32_t id, int32_t money) override {
        calls.push_back("money " + std::to_string(id) + " " + std::to_string(money));
    }
    void onBuzzWithContent(const std::string& text) override { calls.push_back("buzz " + text); }

protected:
    void add(const std::string& what, bool on) { calls.push_back(what + (on ? " yes" : " no")); }
    // Who is ready, seat by seat ("r-r-"), as a deal finds them.
    std::string readyMarks() const {
        std::string ready;
        for (const auto& p : seated) ready += p->isReady() ? "r" : "-";
        return ready;
    }

private:
    int8_t room_, board_;
};

}  // namespace zuno::testing
