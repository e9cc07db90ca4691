#include "standin-server/StandinDemo.h"

#include "standin-server/StandinBanker.h"
#include "standin-server/StandinBlocks.h"
#include "standin-server/StandinCardTables.h"
#include "standin-server/StandinCaro.h"
#include "standin-server/StandinCoTuong.h"
#include "standin-server/StandinCoVua.h"
#include "standin-server/StandinMoney.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinProfileShop.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSocial.h"
#include "standin-server/StandinTienLen.h"

namespace zuno::standin {

namespace {
constexpr int8_t kPhom = 7;

// The demo account's personal data, filled in long ago.
StandinProfileShop::Profile demoProfile() {
    StandinProfileShop::Profile profile;
    profile.fullname = "Demo Player";
    profile.gender = 1;
    profile.birthYear = 1990;
    profile.address = "12 Hang Bac";
    profile.status = "Ready to play :)";
    profile.phone = "0912345678";
    profile.provinceId = 1;
    return profile;
}
}  // namespace

std::vector<StandinInvitation::Choice> StandinDemo::invitationRotation() {
    using Kind = StandinTableKind;
    // The banker games come twice: at An's table as a punter, later at an empty one as the banker.
    return {StandinTienLen::kSouthern,
            StandinTienLen::kNorthern,
            kPhom,
            StandinBanker::kBaiCao,
            StandinBanker::kXiZach,
            StandinCoTuong::kGameType,
            StandinCoVua::kGameType,
            StandinCaro::kGameType,
            StandinBlocks::kGameType,
            {StandinBanker::kBaiCao, Kind::Empty},
            {StandinBanker::kXiZach, Kind::Empty}};
}

StandinDemo StandinDemo::installOn(StandinServer& server, const Options& options) {
    StandinDemo demo;
    // One account to sign in with, demo / demo, and the robots.
    demo.signIn = StandinSignIn::installOn(server);
    StandinRobots::addTo(*demo.signIn);
    demo.signIn->setInfo(6, "This week: double Xu on every Tien Len table.",
                         "Tuần này: nhân đôi Xu ở mọi bàn Tiến Lên.");
    demo.lists = StandinLobbyLists::installOn(server);
    StandinCardTables::installOn(server, demo.lists);
    demo.robots = StandinRobotTables::installOn(server, demo.signIn, demo.lists, options.robots);
    StandinRobotTables& robots = *demo.robots;
    StandinTienLen::addTo(robots, StandinTienLen::kSouthern);
    StandinTienLen::addTo(robots, StandinTienLen::kNorthern);
    StandinPhom::addTo(robots);
    StandinPhom::addNewTo(robots);  // also in the game list
    StandinBanker::addTo(robots, StandinBanker::kBaiCao);
    StandinBanker::addTo(robots, StandinBanker::kXiZach);
    StandinCoTuong::addTo(robots);
    StandinCoVua::addTo(robots);
    StandinCaro::addTo(robots);
    StandinBlocks::addTo(robots, options.blocks);
    robots.setInvitationRotation(invitationRotation());
    // Poker from the game list: tables with free seats and a full one.
    StandinPoker::addTo(robots, demo.lists, {});
    // Friends, chat, details and rankings; a robot friend greets the player a moment after signing in.
    StandinSocial::Options social;
    social.greetingDelay = options.greetingDelay;
    demo.social = StandinSocial::installOn(server, demo.signIn, social);
    // Top-up channels, transfers, presents, flat avatars and table gifts.
    demo.money = StandinMoney::installOn(server, demo.signIn, ZUNO_STANDIN_PICTURES);
    // The profile, the avatar shop and the wardrobe; what they do not serve goes on to the money's.
    demo.shop = StandinProfileShop::installOn(server, demo.signIn);
    demo.shop->setProfile(StandinRobots::kDemoId, demoProfile());
    // Last, so that full tables and wrong passwords are refused before any game seats the player; a
    // refused join of the invited table moves the robots' invitations on.
    demo.joins = StandinLobbyJoins::installOn(server, demo.lists);
    demo.joins->onRefused([robots = demo.robots](StandinSession& session, const StandinLobbyJoins::Join& join) {
        robots->joinRefused(session, join.room, join.board);
    });
    return demo;
}

}  // namespace zuno::standin
