#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zuno {

// The decisions of the banker table screens, apart from their views: what a show request carries,
// whether the owner may start, which positions a reveal opens, how a deal is dealt, who may draw or
// examine. Everything runs on the main thread.
namespace banker {

constexpr int kSeats = 4;
constexpr int kBaiCaoCards = 3;
constexpr int kXiZachDealt = 2;
constexpr int kMostXiZachCards = 5;

// One of my cards: its id and whether I have asked to show it.
struct MyCard {
    int8_t id = -1;
    bool asked = false;
};

// Bai Cao's show request for my hand (one byte per card, -1 where a card stays hidden), marking the
// card asked for. -1 asks for the first card not yet asked for, and every card after it goes as -1;
// none (nothing to send) when every card was asked for already. An id asks for that card.
std::optional<std::vector<int8_t>> showRequest(std::vector<MyCard>& hand, int8_t cardId);

// The owner's start: nothing unless at least one other seated player is ready and none is not; then
// sent, or refused for a balance below the table stake.
enum class StartCheck { Nothing, Send, ShortBalance };
struct OtherPlayer {
    bool seated = false;
    bool ready = false;
};
StartCheck checkStart(const std::vector<OtherPlayer>& others, int64_t myMoney, int64_t stake);

// The positions a reveal opens: below the hand's size, not -1, not yet shown.
std::vector<int> positionsToOpen(const std::vector<int8_t>& ids, const std::vector<bool>& shown);

// One card dealt: the display seat and the position in that seat's hand; each step after the first
// comes 0.15 s after the one before (empty seats are skipped at once, so they take no step).
struct DealStep {
    int seat = 0;
    int position = 0;
};
constexpr double kDealStepSeconds = 0.15;
// Bai Cao: three passes, position 2 first. Each deal starts from the first seat and pass.
std::vector<DealStep> baiCaoDeal(const std::array<bool, kSeats>& seated);
// Xi Zach: two passes, position 0 first.
std::vector<DealStep> xiZachDeal(const std::array<bool, kSeats>& seated);

// Xi Zach: a draw is asked only by the player to act while the deal runs.
bool mayDraw(bool isGameEnd, int32_t nextPlayer, int32_t me);
// Xi Zach: the dealer (the owner) examines a hand only when he is to act and the deal runs.
bool mayExamine(bool isGameEnd, int32_t nextPlayer, int32_t me, int32_t owner);
// Xi Zach: a drawn card joins a hand of fewer than five.
inline bool takesDrawnCard(int handSize) { return handSize < kMostXiZachCards; }

// Xi Zach: the owner's hand shown with one card more than it holds is his draw, animated as one.
enum class OwnerShow { Open, Draw, Nothing };
OwnerShow ownerShow(int shownCards, int handSize);

// Xi Zach's money sound: at most one per 1.5 s.
class SoundGate {
public:
    static constexpr double kQuietSeconds = 1.5;
    // True when the sound may play now (and the gate closes until now + 1.5 s).
    bool open(double now);

private:
    std::optional<double> closedUntil_;
};

}  // namespace banker
}  // namespace zuno
