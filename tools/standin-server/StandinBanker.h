#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "standin-server/StandinRobotTables.h"

namespace zuno::standin {

// The banker tables of the stand-in server on the robot-table loop: Bai Cao (game 11) and Xi Zach
// (game 2). The owner is the banker (at Xi Zach the dealer); each punter sets a stake (24) that the
// banker pays or takes by the minimal judge. Bai Cao: three cards each, shown whenever their holder
// likes (robots show all at once), the deal over when every hand is open or the turn time has run out
// (the deal is the player's turn on the loop's clock).
// Xi Zach: two cards each, then every punter in turn after the owner and the owner last, drawing
// (21 type 0) or standing; a robot draws below 16; the dealer examines punters' hands (67, sent back as
// 21 type 2); a turn run out stands, and so does a hand's fifth card (nothing is left to draw). A
// punter's stake between deals is told to the table (24) when the banker can cover it with the other
// punters' (a robot's that he cannot is not put down); any other stake request is refused with the
// stake error. The end: every hand (50), a result text per player (91) and the money (52). A punter who
// leaves mid-deal loses his stake; a banker who leaves pays every punter's. The banker takes what the
// losers pay before he pays the winners, in turn while his money lasts: he never pays more than he has.
class StandinBanker : public StandinRobotGame {
public:
    static constexpr int8_t kBaiCao = 11;
    static constexpr int8_t kXiZach = 2;
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBaiCaoBoard = 12;
    static constexpr int8_t kXiZachBoard = 13;
    static constexpr int32_t kRobotStake = 2000;
    static constexpr int kMostCards = 5;
    static constexpr StandinRobotTables::Text kBankerStakesNothing{"The banker sets no stake of his own.",
                                                                   "Nhà cái không đặt cược."};
    static constexpr StandinRobotTables::Text kBankerCannotCover{
        "The banker cannot cover this stake with the other stakes at the table.",
        "Nhà cái không đủ tiền trả mức cược này cùng các mức cược khác trong bàn."};

    static std::shared_ptr<StandinBanker> addTo(StandinRobotTables& tables, int8_t gameType);

    // What the tests may look at and fix: a player's cards now, the deals so far, the next deal's hands
    // place by place and the cards drawn after them (the rest of the deck follows).
    std::vector<int8_t> handOf(int32_t playerId) const;
    int dealCount() const;
    // The examinations (67) the player asked for, granted or not.
    int examinationRequests() const;
    void setNextDeal(std::array<std::vector<int8_t>, StandinRobotTables::kCardPlaces> hands, std::vector<int8_t> draws);

    int8_t gameType() const override { return gameType_; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return baiCao() ? kBaiCaoBoard : kXiZachBoard; }
    const char* invitationText() const override;
    std::vector<int8_t> commands() const override;
    void seatsChanged(StandinRobotTables& table, bool newTable) override;
    void deal(StandinRobotTables& table) override;
    void robotTurn(StandinRobotTables& table, int place) override;
    void turnTimeOver(StandinRobotTables& table, int place) override;
    void playerLeaves(StandinRobotTables& table, int place) override;
    bool take(StandinRobotTables& table, int8_t commandId, Message& request) override;
    Dealt dealt() const override;

private:
    using Cards = std::vector<int8_t>;
    static constexpr int kPlaces = StandinRobotTables::kCardPlaces;
    struct Hand {
        Cards cards;
        std::vector<bool> shown;
        bool examined = false;
    };

    StandinBanker(int8_t gameType, std::weak_ptr<StandinRobotTables> tables)
        : gameType_(gameType), tables_(std::move(tables)) {}
    bool baiCao() const { return gameType_ == kBaiCao; }

    // Every operation below runs with the loop's lock held.
    void show(StandinRobotTables& table, int place, const Cards& asked);
    bool everyHandOpen(StandinRobotTables& table) const;
    void beginTurn(StandinRobotTables& table, int place);
    void nextTurn(StandinRobotTables& table, int after);
    // A card for the place; its fifth (or none left to draw) ends its drawing as a stand does. True
    // while the place draws on.
    bool draw(StandinRobotTables& table, int place);
    void examine(StandinRobotTables& table, int place);
    // The deal's end: every hand, the results and the money (the leaver's, if any, the worst).
    void finish(StandinRobotTables& table, int leaver = -1);
    void sendStake(StandinRobotTables& table, int place);
    void robotStakes(StandinRobotTables& table);
    // What the banker holds beyond the stakes of the punters seated at other places: the most the
    // punter at the place may stake.
    int64_t coverLeft(const StandinRobotTables& table, int place) const;

    const int8_t gameType_;
    std::weak_ptr<StandinRobotTables> tables_;
    std::array<Hand, kPlaces> hands_;
    std::array<int64_t, kPlaces> stakes_{};
    Cards stock_;
    int deals_ = 0;
    int examinationRequests_ = 0;
    bool running_ = false;
    std::optional<std::pair<std::array<Cards, kPlaces>, Cards>> nextDeal_;
};

}  // namespace zuno::standin
