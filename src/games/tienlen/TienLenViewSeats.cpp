// The seats of the Tien Len table: what it adds to the card table's seats (the single opponent faces me,
// the turn bar follows the current player's seat).
#include "games/tienlen/TienLenView.h"

namespace zuno {

int TienLenView::seatOfPlayer(int32_t userId) const {
    const int seat = getSeatFromID(userId);
    return seat < 0 ? kCentre : seat;
}

void TienLenView::setupPlayersWithRoom(int8_t room, int8_t board, int32_t ownerId, int32_t stake,
                                       std::vector<PlayerPtr> seated) {
    GameCardView::setupPlayersWithRoom(room, board, ownerId, stake, std::move(seated));
    cardShows.clear();
}

void TienLenView::placeSeats() {
    GameCardView::placeSeats();
    int occupied = 0;
    for (const auto& player : players()) occupied += player && player->IDDB() != -1;
    if (occupied != 2) return;
    // The single opponent always faces me.
    auto& order = table().seats;
    if (!table().isSeatEmpty(1)) {
        std::swap(order[1], order[2]);
        unsetSeatInfoWithSeat(1);
    } else if (!table().isSeatEmpty(3)) {
        std::swap(order[2], order[3]);
        unsetSeatInfoWithSeat(3);
    }
    setSeatInfoWithSeat(2, table().playerAtSeat(2));
}

void TienLenView::setSeatInfoWithSeat(int seat, const PlayerPtr& player) {
    if (seat < 0 || seat >= kSeats || !player) return;
    GameCardView::setSeatInfoWithSeat(seat, player);
    // The bar where the turn clock puts it, over the seat's avatar (higher, it would run over Top up).
    if (player->IDDB() == currentPlayer() && progressTimer) {
        static constexpr ui::Point kBarCentres[] = {{240, 182}, {432, 100}, {240, 84}, {46, 100}};
        progressTimer->setCenter(kBarCentres[seat]);
    }
}

void TienLenView::unsetSeatInfoWithSeat(int seat) {
    clearSeatPlayer(seat);
    if (seat == 2 && ava2) ava2->setImage(nullptr);
}

}  // namespace zuno
