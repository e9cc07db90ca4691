#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"

namespace zuno::standin {

// The lobby's side of joining on the stand-in server. A join (8) of a full table (but Poker's, where
// the table offers to watch), or of a locked table with the wrong password, is refused with an alert
// (45, sub 0), unless it is of the table the client was invited to, with the invitation's password;
// any other join goes on to the game's table handlers installed before; the invited table's join
// makes its game the client's for the lobby lists. Play now (28) joins the first open table with a
// free seat of the chosen game. The language the client sets (100) is remembered.
class StandinLobbyJoins {
public:
    static constexpr const char* kTableFull = "This table is full.";
    static constexpr const char* kTableFullVi = "Bàn này đã đủ người.";
    static constexpr const char* kWrongPassword = "Wrong table password.";
    static constexpr const char* kWrongPasswordVi = "Sai mật khẩu bàn.";
    static constexpr const char* kNoFreeTable = "No table is free now.";
    static constexpr const char* kNoFreeTableVi = "Hiện không còn bàn trống.";

    struct Join {
        int8_t room = 0;
        int8_t board = 0;
        std::string password;
        bool operator==(const Join&) const = default;
    };

    // Install after the game tables: the refusals come first.
    static std::shared_ptr<StandinLobbyJoins> installOn(StandinServer& server, std::shared_ptr<StandinLobbyLists> lists);

    // Seats at a table of the game: 9 for Poker, 2 for the board games and Blocks, else 4.
    static int seatCount(int8_t gameType);

    // Told of each refused join, after its alert (before the server starts).
    void onRefused(std::function<void(StandinSession&, const Join&)> listener) { refused_ = std::move(listener); }

    // Every join request seen, in order.
    std::vector<Join> joins() const;
    // The language the client set last, if any.
    std::optional<std::string> language() const;

private:
    explicit StandinLobbyJoins(std::shared_ptr<StandinLobbyLists> lists) : lists_(std::move(lists)) {}
    // Answers whether the join was refused here.
    bool refuse(StandinSession& session, const Join& join);
    void playNow(StandinServer& server, StandinSession& session);

    std::shared_ptr<StandinLobbyLists> lists_;
    std::function<void(StandinSession&, const Join&)> refused_;
    mutable std::mutex mutex_;
    std::vector<Join> joins_;
    std::optional<std::string> language_;
};

}  // namespace zuno::standin
