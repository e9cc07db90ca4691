#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinTasks.h"

namespace zuno::standin {

// Friends, private chat, player details and rankings of the stand-in server:
// - friend list (29) of the signed-in account, search by nick (36), add (32: 0 added, 2 at 50
//   friends, 1 already one) and delete (33: 0 deleted, 1 not a friend);
// - private lines (5) reach the addressee's connection as a line from the sender; a robot answers a
//   second later; lines to the administrators' id 5 are kept for tests;
// - details of a player (34; -1 for an unknown id);
// - the ranking tables (78 type 1), the waiting list (78 type 2), and the richest (31) and strongest
//   (30) players in pages of 10 (the last page is shorter, a page past the end is empty);
// - the tell-a-friend text as information key 1.
// Lists of other types of 78 go on to the handler installed before.
class StandinSocial : public std::enable_shared_from_this<StandinSocial> {
public:
    static constexpr int32_t kAdminId = 5;
    static constexpr int kPageSize = 10;
    static constexpr size_t kMostFriends = 50;
    static constexpr const char* kTellFriendText = "Play Tien Len, Phom and Poker with me on Zuno: zuno.example/get";
    static constexpr const char* kTellFriendTextVi = "Chơi Tiến Lên, Phỏm và Poker cùng mình trên Zuno: zuno.example/get";
    static constexpr const char* kRichestTable = "The richest players";
    static constexpr const char* kRichestTableVi = "Những người giàu nhất";

    struct Options {
        double answerDelay = 1;
        // A robot friend greets each player once, this long after signing in (never when unset).
        std::optional<double> greetingDelay;
    };

    struct Line {
        int32_t fromId = 0;
        std::string text;
    };

    static std::shared_ptr<StandinSocial> installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn,
                                                    Options options);
    static std::shared_ptr<StandinSocial> installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn) {
        return installOn(server, std::move(signIn), Options{});
    }

    // The lines sent to the administrators so far.
    std::vector<Line> adminLines() const;
    // Every line a robot received so far.
    std::vector<Line> linesTo(int32_t robotId) const;
    // A robot writes a private line to an account; false when the account is not connected.
    bool robotWrites(int32_t robotId, int32_t toId, const std::string& text);
    // What a robot answers to a line, and how it greets, in the reader's language.
    static std::string answerOf(const std::string& robotName, const StandinSession& reader);
    static std::string greetingOf(const std::string& robotName, const StandinSession& reader);

private:
    StandinSocial(std::shared_ptr<StandinSignIn> signIn, Options options);
    void install(StandinServer& server);

    void answerFriendList(StandinSession& session);
    void answerSearch(StandinSession& session, Message& request);
    void answerAdd(StandinSession& session, Message& request);
    void answerDelete(StandinSession& session, Message& request);
    void takeChat(StandinSession& session, Message& request);
    void answerDetail(StandinSession& session, Message& request);
    bool answerList(StandinSession& session, Message& request);
    void answerRichest(StandinSession& session, Message& request);
    void answerStrongest(StandinSession& session, Message& request);
    void greetLater(StandinSession& session);

    std::shared_ptr<StandinSignIn> signIn_;
    const Options options_;

    mutable std::mutex mutex_;
    std::vector<std::pair<int32_t, Line>> received_;  // addressee and line
    std::vector<int32_t> greeted_;
    // Last, so that its thread ends before anything its tasks touch goes.
    StandinTasks tasks_;
};

}  // namespace zuno::standin
