// The stand-in's friends, private lines, player details and rankings over TCP, as the session logic
// receives them.
#include <gtest/gtest.h>

#include "lobby/GlobalService.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinSocial.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

class StandinSocialTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        StandinRobots::addTo(*signIn);
        StandinSocial::Options options;
        options.answerDelay = 0.05;
        social = StandinSocial::installOn(server, signIn, options);
        useStandinServer();
        signInAs("demo", "demo");
        ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
    }
    static GlobalService& service() { return GlobalService::getInstance(); }
    template <typename T>
    T answer(const std::string& name, int count) {
        EXPECT_TRUE(pump([&] { return logic->count(name) == count; })) << name;
        return logic->last<T>(name);
    }

    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<StandinSocial> social;
};

std::vector<std::string> names(const GlobalLogicHandler::Players& players) {
    std::vector<std::string> out;
    for (const auto& p : players) out.push_back(p->name());
    return out;
}

}  // namespace

TEST_F(StandinSocialTest, FriendsAreAddedOnceUpToFiftyAndDeletedOnce) {
    service().requestFriendList();
    auto friends = answer<GlobalLogicHandler::Players>("onFriendList", 1);
    EXPECT_EQ(names(friends), (std::vector<std::string>{"Chi", "Dung", "Giang", "Ha", "Hung"}));

    struct Step {
        const char* name;
        std::function<void()> send;
        const char* event;
        int8_t result;
    };
    const Step steps[] = {
        {"a new friend", [] { service().addFriendWithId(9008); }, "onAddFriendWithResult", 0},
        {"a friend already", [] { service().addFriendWithId(9008); }, "onAddFriendWithResult", 1},
        {"nobody has the id", [] { service().addFriendWithId(4242); }, "onAddFriendWithResult", 1},
        {"a friend deleted", [] { service().deleteFriend(9003); }, "onDelFriendResult", 0},
        {"not a friend any more", [] { service().deleteFriend(9003); }, "onDelFriendResult", 1},
    };
    for (const Step& s : steps) {
        const int before = logic->count(s.event);
        s.send();
        EXPECT_EQ(answer<int8_t>(s.event, before + 1), s.result) << s.name;
    }

    auto demo = *signIn->accountWithId(StandinRobots::kDemoId);
    demo.friendIds.clear();
    for (int i = 0; i < 50; ++i) demo.friendIds.push_back(9001 + i % 25);
    signIn->updateAccount(demo);
    signIn->addAccount({"lan", "hoa sen", 4711});
    service().addFriendWithId(4711);
    EXPECT_EQ(answer<int8_t>("onAddFriendWithResult", 4), 2) << "fifty friends are the most";

    service().searchFriend(std::string("KHANH"));
    EXPECT_EQ(names(answer<GlobalLogicHandler::Players>("onSearchResult", 1)), std::vector<std::string>{"Khanh"});
}

TEST_F(StandinSocialTest, DetailsRankingsAndTheWaitingList) {
    service().requestInfoOfWithIDDB(4242);
    service().requestInfoOfWithIDDB(9004);
    const PlayerDetail dung = answer<PlayerDetail>("onPlayerDetail", 1);
    EXPECT_EQ(dung.name, "Dung") << "the unknown id's answer (-1) shows nothing";
    EXPECT_EQ(std::make_tuple(dung.money, dung.exp, dung.won, dung.lost, dung.drawn, dung.givenUp),
              std::make_tuple(int64_t(3100000), 1290, 520, 410, 21, 3));

    using Page = std::tuple<int32_t, GlobalLogicHandler::Players>;
    const std::pair<int, size_t> pages[] = {{0, 10}, {2, 6}, {3, 0}};
    int asked = 0;
    for (const auto& [page, rows] : pages) {
        service().requestRichestWithPage(page);
        auto [shownPage, players] = answer<Page>("onRichestListWithPage", ++asked);
        EXPECT_EQ(shownPage, page);
        EXPECT_EQ(players.size(), rows) << "page " << page;
    }
    service().requestRichestWithPage(0);
    auto richest = std::get<1>(answer<Page>("onRichestListWithPage", ++asked));
    EXPECT_EQ(richest.front()->name(), "Long");
    EXPECT_EQ(richest.front()->userProfile()->status(), "Top of the table");

    service().getListWithType(1);
    EXPECT_EQ(answer<std::vector<std::shared_ptr<Ranking>>>("onGetTopLit", 1).size(), 5u);
    service().requestWaitingList();
    auto waiting = names(answer<GlobalLogicHandler::Players>("onWaitingList", 1));
    EXPECT_EQ(std::count(waiting.begin(), waiting.end(), "An"), 0) << "the table's own robots";
    EXPECT_EQ(std::count(waiting.begin(), waiting.end(), "Ha"), 0) << "offline";
    EXPECT_EQ(std::count(waiting.begin(), waiting.end(), "Chi"), 1);
}

TEST_F(StandinSocialTest, LinesToTheAdministratorsAreKeptAndRobotsAnswer) {
    service().chatToWithIDDB(StandinSocial::kAdminId, std::string("Great game"));
    service().chatToWithIDDB(9004, std::string("Hi Dung"));
    auto line = answer<std::shared_ptr<ZunoMessage>>("onChatFromWithMessage", 1);
    EXPECT_EQ(line->fromID(), 9004);
    EXPECT_EQ(line->fromName(), "Dung");
    EXPECT_EQ(line->message(), StandinSocial::answerOf("Dung", *signIn->sessionOf(StandinRobots::kDemoId)));
    ASSERT_EQ(social->adminLines().size(), 1u);
    EXPECT_EQ(social->adminLines()[0].text, "Great game");
    EXPECT_EQ(social->linesTo(9004).at(0).fromId, StandinRobots::kDemoId);

    EXPECT_TRUE(social->robotWrites(9005, StandinRobots::kDemoId, "Hello :)"));
    EXPECT_EQ(answer<std::shared_ptr<ZunoMessage>>("onChatFromWithMessage", 2)->fromName(), "Giang");
    EXPECT_FALSE(social->robotWrites(9005, 9006, "nobody connected")) << "robots have no connection";
}

// The texts the server makes up for the player follow the language the client shows.
TEST_F(StandinSocialTest, RankingsTellAFriendAndRobotLinesReadInTheClientsLanguage) {
    auto said = [&](int round) {
        service().getListWithType(1);
        const auto rankings = answer<std::vector<std::shared_ptr<Ranking>>>("onGetTopLit", round);
        service().getInfoWithKey(1);
        using Info = std::tuple<int8_t, std::optional<std::string>>;
        const auto tell = std::get<1>(answer<Info>("onGetInfoWithSubId", round));
        service().chatToWithIDDB(9004, std::string("Hi Dung"));
        const auto line = answer<std::shared_ptr<ZunoMessage>>("onChatFromWithMessage", round);
        return std::vector<std::string>{rankings.at(0)->info().value_or(""), rankings.at(1)->info().value_or(""),
                                        tell.value_or(""), line->message()};
    };
    EXPECT_EQ(said(1), (std::vector<std::string>{StandinSocial::kRichestTable, "The strongest at Tien Len",
                                                 StandinSocial::kTellFriendText,
                                                 "Dung here: good to hear from you :)"}));
    service().setLanguageForAppWithSubId(1, std::string("vi"));
    EXPECT_EQ(said(2), (std::vector<std::string>{StandinSocial::kRichestTableVi, "Cao thủ Tiến Lên",
                                                 StandinSocial::kTellFriendTextVi,
                                                 "Dung đây: vui vì bạn nhắn tin :)"}));
}
