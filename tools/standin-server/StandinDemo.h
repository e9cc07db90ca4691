#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "standin-server/StandinBlocks.h"
#include "standin-server/StandinInvitation.h"
#include "standin-server/StandinLobbyJoins.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinProfileShop.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinSocial.h"

namespace zuno::standin {

// The game server's part as zuno-standin-server plays it for the demo: the demo account and the
// robots, the lobby lists, the robots' tables of every game with the invitation rotation, Poker and
// new Phom from the game list, friends and chat, money, the profile and the shop, and last the
// lobby's refusals of joins. The tests run the same stand-in.
struct StandinDemo {
    struct Options {
        StandinRobotTables::Options robots;
        // A robot friend greets the player this long after signing in (never when unset).
        std::optional<double> greetingDelay = 8;
        StandinBlocks::Options blocks;
    };

    // The tables the robots invite to, in turn, one after each leave: every game reached only by
    // invitation at An's table, then the banker games at an empty table the player owns.
    static std::vector<StandinInvitation::Choice> invitationRotation();

    static StandinDemo installOn(StandinServer& server, const Options& options);
    static StandinDemo installOn(StandinServer& server) { return installOn(server, Options()); }

    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<StandinLobbyLists> lists;
    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinSocial> social;
    std::shared_ptr<StandinMoney> money;
    std::shared_ptr<StandinProfileShop> shop;
    std::shared_ptr<StandinLobbyJoins> joins;
};

}  // namespace zuno::standin
